#pragma once

#include <functional>

// Runs work that takes a key derivation's time on a thread of its own, with the wait cursor, while
// the window goes on painting; the user's input waits until it is done. Returns when it is done.
void runBusyKeyWork(const std::function<void()>& work);

#pragma once

#include <QHash>

class QAction;

// The window's action of each command id (CommandIds.h). The window makes them; each command
// object connects to the actions of its own commands and keeps them enabled.
using CommandActions = QHash<int, QAction*>;

// How long a command's message stays in the status bar.
constexpr int kStatusMilliseconds = 10000;

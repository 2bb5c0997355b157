#include "format/Sodium.h"

#include <QtGlobal>

#include <sodium.h>

#include <atomic>

namespace Sodium {

namespace {
std::atomic<bool> lockRefused { false };
} // namespace

bool memoryLockFailed() { return lockRefused.load(); }

void noteMemoryLockFailed() { lockRefused.store(true); }

void ensureReady()
{
    // Thread-safe once, and sodium_init() itself may be called again without harm.
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        qFatal("quorril: the system gives no random numbers; cannot encrypt or decrypt wallets");
}

} // namespace Sodium

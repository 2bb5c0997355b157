#include "format/Sodium.h"

#include <QtGlobal>

#include <sodium.h>

namespace Sodium {

void ensureReady()
{
    // Thread-safe once, and sodium_init() itself may be called again without harm.
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        qFatal("quorril: the system gives no random numbers; cannot encrypt or decrypt wallets");
}

} // namespace Sodium

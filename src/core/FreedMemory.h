#pragma once

#include <QByteArray>

// Makes the C library overwrite every heap block as it is freed, so that the copies of secrets that
// Qt makes on its own (a laid-out or elided text of a shown value, a grown buffer) do not stay
// readable in freed memory after a lock. glibc does it when its allocator starts with the tunables
// below (no per-thread cache, whose blocks would go unwiped; a fill byte for freed blocks); it reads
// them only at start, so the program starts itself again once with them set.
namespace FreedMemory {
// The GLIBC_TUNABLES value that adds the two settings to `present` (what the environment holds), or
// `present` itself when they are there already.
QByteArray tunables(const QByteArray& present);
// Starts /proc/self/exe again with the settings in the environment, unless they are there already;
// returns only then, or when the program cannot be started again (it goes on as it is).
void restartWiping(char* argv[]);
} // namespace FreedMemory

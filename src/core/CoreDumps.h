#pragma once

// Turns core dumps off for the whole process: the kernel writes none (RLIMIT_CORE 0), and the
// process is not dumpable (PR_SET_DUMPABLE 0), so that a crash never writes the open wallet's
// passwords and accounts to disk, and other processes of the same user cannot attach to it or
// read its memory. Both programs call it first thing in main(). True when both settings took.
bool turnOffCoreDumps();

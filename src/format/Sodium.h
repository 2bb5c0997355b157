#pragma once

// The cryptographic library is started once, before its first use in the program.
namespace Sodium {
// Starts it on the first call; ends the program when the system offers no source of randomness.
void ensureReady();
// True once the system has refused to lock a SecureBuffer's memory (RLIMIT_MEMLOCK): it still works,
// but may reach the swap.
bool memoryLockFailed();
// Records the refusal.
void noteMemoryLockFailed();
} // namespace Sodium

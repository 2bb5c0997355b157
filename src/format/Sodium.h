#pragma once

// The cryptographic library is started once, before its first use in the program.
namespace Sodium {
// Starts it on the first call; ends the program when the system offers no source of randomness.
void ensureReady();
} // namespace Sodium

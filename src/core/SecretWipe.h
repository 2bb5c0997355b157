#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>

// Overwrites the program's own copies of secrets before their memory goes back to the allocator,
// where a freed block would otherwise keep them readable. A Qt container shares its data between
// copies: only a holder of the one remaining reference can wipe it, so a shared text is only let go
// (the last holder that wipes does it).
namespace SecretWipe {
// Zeroes the bytes in a way the compiler cannot drop.
void bytes(void* data, size_t size);
// Zeroes the text's characters (its whole block) in place when this is its only holder; false, with
// nothing changed, when it is shared or empty.
bool overwrite(QString& text);
bool overwrite(QByteArray& bytes);
// Overwrites, then empties it.
void text(QString& text);
void bytes(QByteArray& bytes);
// Zeroes the stack below the caller's frame, where the functions it called (a hash's rounds)
// left copies of what they worked on.
void stack();
} // namespace SecretWipe

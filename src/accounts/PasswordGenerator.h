#pragma once

#include <QString>

#include <functional>

class QRandomGenerator;

// Strong passwords made of the kinds of character the user picks. Every password of the chosen
// length that holds at least one character of each chosen kind is equally likely, and the strength
// is the base-2 logarithm of how many such passwords there are.
namespace PasswordGenerator {

enum CharacterClass : unsigned {
    Upper = 1,
    Lower = 2,
    Digits = 4,
    Symbols = 8,
};

struct Options {
    static constexpr int MinLength = 8;
    static constexpr int MaxLength = 128;
    static constexpr int DefaultLength = 20;

    int length = DefaultLength;
    unsigned classes = Upper | Lower | Digits | Symbols;
    bool avoidLookAlikes = false;
};

// The characters a class offers: plain printable ASCII, every one storable in a wallet file; the
// look-alikes (I, l, 1, |, O, 0, o) left out when asked.
QString alphabet(CharacterClass characterClass, bool avoidLookAlikes);
// The length brought into 8..128.
int clampedLength(int length);
// log2 of the number of passwords generate() can give; 0 when no class is chosen.
double strengthBits(const Options& options);

// A whole number below `bound` (at least 1), every value equally likely: draws of `bits` random
// bits that fall in the last, incomplete run of `bound` values are drawn again, so no value gets
// more chances than another.
quint32 uniformBelow(quint32 bound, const std::function<quint32()>& draw, int bits = 32);

// A new password; empty when no class is chosen. Uses the system's secure random source unless a
// generator is given (tests give a seeded one).
QString generate(const Options& options, QRandomGenerator* random = nullptr);

} // namespace PasswordGenerator

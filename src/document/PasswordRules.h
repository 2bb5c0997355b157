#pragma once

#include <QString>

// What the program tells the user about a new document password, decided without any window.
namespace PasswordRules {
// An encrypted wallet is only as safe as its password: one of fewer characters than this brings a
// warning (never a refusal) where it is chosen. A strength estimate will take the place of this rule.
inline constexpr qsizetype kShortLength = 10;
// Counted in characters as the user sees them (code points), not UTF-16 units.
inline bool isShort(const QString& password) { return password.toUcs4().size() < kShortLength; }
} // namespace PasswordRules

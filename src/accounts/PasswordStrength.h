#pragma once

#include <QString>
#include <QStringList>

class AccountRecord;

// How hard a secret is to guess, from worst to best.
enum class StrengthGrade { Bad, Poor, Weak, Good, Excellent };

// The strength of passwords and PINs. Passwords are estimated by zxcvbn (the entropy, in bits, of the
// cheapest way it finds to guess them: dictionary words, names, keyboard walks, dates, repeats);
// PINs are graded on a scale of their own, since a PIN is short by design and guarded by a lockout.
namespace PasswordStrength {

// Only this many characters are given to the estimator; the rest add the average bits per character
// of those, so that a pasted megabyte costs no more than 256 characters.
inline constexpr int MaxEstimatedLength = 256;

struct Strength {
    StrengthGrade grade = StrengthGrade::Bad;
    double bits = 0;
};

// Bad at 0 bits or less, Poor below 40, Weak below 75, Good below 100, Excellent from 100 on.
StrengthGrade gradeForBits(double bits);
// "Bad", "Poor", "Weak", "Good", "Excellent".
QString gradeName(StrengthGrade grade);
// Good and Excellent are strong enough; the other three are weak.
inline bool isWeak(StrengthGrade grade) { return grade < StrengthGrade::Good; }

// The estimated entropy of the password. `userWords` are words an attacker who knows the account
// would try first (its title, user names, e-mail addresses); matches of them count as cheap.
double estimateBits(const QString& password, const QStringList& userWords = {});
Strength ofPassword(const QString& password, const QStringList& userWords = {});
// A PIN of 4 characters or fewer, one that repeats a shorter run (0000, 1212) or counts up or down
// (1234, 9876, 7890) is Weak; other PINs are Good, and from 8 characters on Excellent. An empty PIN
// is Bad.
StrengthGrade ofPin(const QString& pin);

// What an attacker who knows the account would guess first: its title, the user names and e-mail
// addresses of its users and the user id of a WebSite; empty texts left out.
QStringList userWordsOf(const AccountRecord& account);

} // namespace PasswordStrength

#include "accounts/PasswordStrength.h"

#include "accounts/WebSiteAccount.h"
#include "core/AccountRecord.h"
#include "core/SecretWipe.h"

#include <QCoreApplication>

#include <zxcvbn.h>

#include <vector>

namespace {
// The estimator reads a C string: a NUL inside the password would end it early, so it stands in as
// the picture of a NUL, one character for one.
QByteArray estimatorText(QStringView password)
{
    QString text = password.toString();
    text.replace(QChar(u'\0'), QChar(u'\u2400'));
    QByteArray bytes = text.toUtf8();
    SecretWipe::text(text);
    return bytes;
}

// The first `length` UTF-16 units, one fewer when the cut would split a surrogate pair.
QStringView head(QStringView text, qsizetype length)
{
    if (text.size() <= length)
        return text;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

bool repeatsShorterRun(const QList<uint>& pin)
{
    const qsizetype n = pin.size();
    for (qsizetype run = 1; run <= n / 2; ++run) {
        if (n % run != 0)
            continue;
        bool repeats = true;
        for (qsizetype i = run; i < n && repeats; ++i)
            repeats = pin[i] == pin[i - run];
        if (repeats)
            return true;
    }
    return false;
}

// Each character one above (or each one below) the one before; after 9 comes 0, before 0 comes 9.
bool countsUpOrDown(const QList<uint>& pin)
{
    const auto step = [](uint from, uint to) -> int {
        if (from == '9' && to == '0')
            return 1;
        if (from == '0' && to == '9')
            return -1;
        return int(to) - int(from);
    };
    const int first = step(pin[0], pin[1]);
    if (first != 1 && first != -1)
        return false;
    for (qsizetype i = 2; i < pin.size(); ++i)
        if (step(pin[i - 1], pin[i]) != first)
            return false;
    return true;
}
} // namespace

namespace PasswordStrength {

StrengthGrade gradeForBits(double bits)
{
    if (!(bits > 0))
        return StrengthGrade::Bad;
    if (bits < 40)
        return StrengthGrade::Poor;
    if (bits < 75)
        return StrengthGrade::Weak;
    if (bits < 100)
        return StrengthGrade::Good;
    return StrengthGrade::Excellent;
}

QString gradeName(StrengthGrade grade)
{
    switch (grade) {
    case StrengthGrade::Bad:
        return QCoreApplication::translate("PasswordStrength", "Bad");
    case StrengthGrade::Poor:
        return QCoreApplication::translate("PasswordStrength", "Poor");
    case StrengthGrade::Weak:
        return QCoreApplication::translate("PasswordStrength", "Weak");
    case StrengthGrade::Good:
        return QCoreApplication::translate("PasswordStrength", "Good");
    case StrengthGrade::Excellent:
        return QCoreApplication::translate("PasswordStrength", "Excellent");
    }
    return {};
}

double estimateBits(const QString& password, const QStringList& userWords)
{
    if (password.isEmpty())
        return 0;
    const QStringView graded = head(password, MaxEstimatedLength);
    std::vector<QByteArray> words;
    words.reserve(size_t(userWords.size()));
    for (const QString& word : userWords)
        if (!word.isEmpty())
            words.push_back(estimatorText(word));
    std::vector<const char*> dictionary;
    for (const QByteArray& word : words)
        dictionary.push_back(word.constData());
    dictionary.push_back(nullptr);
    QByteArray estimated = estimatorText(graded);
    const double bits = ZxcvbnMatch(estimated.constData(), dictionary.data(), nullptr);
    SecretWipe::bytes(estimated);
    const qsizetype rest = password.size() - graded.size();
    return rest > 0 && bits > 0 ? bits + bits / double(graded.size()) * double(rest) : bits;
}

Strength ofPassword(const QString& password, const QStringList& userWords)
{
    const double bits = estimateBits(password, userWords);
    return { gradeForBits(bits), bits };
}

StrengthGrade ofPin(const QString& pin)
{
    const QList<uint> characters = pin.toUcs4();
    if (characters.isEmpty())
        return StrengthGrade::Bad;
    if (characters.size() <= 4 || repeatsShorterRun(characters) || countsUpOrDown(characters))
        return StrengthGrade::Weak;
    return characters.size() >= 8 ? StrengthGrade::Excellent : StrengthGrade::Good;
}

QStringList userWordsOf(const AccountRecord& account)
{
    QStringList words;
    const auto add = [&words](const QString& word) {
        if (!word.isEmpty() && !words.contains(word))
            words.append(word);
    };
    add(account.GetTitle());
    // The title's words on their own, as a password may hold one of them.
    const QString title = account.GetTitle();
    qsizetype start = 0;
    for (qsizetype i = 0; i <= title.size(); ++i) {
        if (i < title.size() && title.at(i).isLetterOrNumber())
            continue;
        if (i - start >= 3)
            add(title.mid(start, i - start));
        start = i + 1;
    }
    for (int u = 0; u < account.GetUserCount(); ++u) {
        const UserEntry* user = account.GetUser(u);
        add(user->GetLoginId());
        add(user->GetEmail());
        add(user->GetEmail().section(QLatin1Char('@'), 0, 0));
    }
    if (const auto* site = dynamic_cast<const WebSiteAccount*>(&account))
        add(site->GetUserId());
    return words;
}

} // namespace PasswordStrength

#include "accounts/PasswordGenerator.h"

#include "core/ScrambledText.h"

#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>
#include <vector>

namespace PasswordGenerator {

namespace {
constexpr std::array kClasses { Upper, Lower, Digits, Symbols };
constexpr char kLookAlikes[] = "Il1|O0o";

QString allOf(CharacterClass characterClass)
{
    QString text;
    for (char c = ' ' + 1; c < 127; ++c) {
        const bool fits = characterClass == Upper ? (c >= 'A' && c <= 'Z')
            : characterClass == Lower             ? (c >= 'a' && c <= 'z')
            : characterClass == Digits            ? (c >= '0' && c <= '9')
                                                  : !std::isalnum(static_cast<unsigned char>(c));
        if (fits)
            text.append(QLatin1Char(c));
    }
    return text;
}

bool chosen(const Options& options, CharacterClass characterClass) { return (options.classes & characterClass) != 0; }
} // namespace

QString alphabet(CharacterClass characterClass, bool avoidLookAlikes)
{
    QString text = allOf(characterClass);
    // Only what a wallet file gives back as typed; plain ASCII always is, and this keeps it so.
    text.removeIf([avoidLookAlikes](QChar c) {
        return (avoidLookAlikes && std::strchr(kLookAlikes, c.toLatin1()) != nullptr)
            || ScrambledText::firstUnstorable(QStringView(&c, 1)) >= 0;
    });
    return text;
}

int clampedLength(int length) { return std::clamp(length, Options::MinLength, Options::MaxLength); }

double strengthBits(const Options& options)
{
    // Inclusion and exclusion over the chosen classes: all passwords of the whole alphabet, less
    // those that miss one class, plus those that miss two, and so on.
    std::vector<int> sizes;
    for (CharacterClass c : kClasses)
        if (chosen(options, c))
            sizes.push_back(int(alphabet(c, options.avoidLookAlikes).size()));
    if (sizes.empty())
        return 0;
    const int length = clampedLength(options.length);
    int total = 0;
    for (int size : sizes)
        total += size;
    double count = 0;
    for (unsigned missing = 0; missing < (1u << sizes.size()); ++missing) {
        int left = total;
        int dropped = 0;
        for (size_t i = 0; i < sizes.size(); ++i)
            if (missing & (1u << i)) {
                left -= sizes[i];
                ++dropped;
            }
        // Scaled by total^length, so the sum stays near 1 whatever the length.
        const double share = std::pow(double(left) / total, length);
        count += dropped % 2 ? -share : share;
    }
    return length * std::log2(double(total)) + std::log2(count);
}

quint32 uniformBelow(quint32 bound, const std::function<quint32()>& draw, int bits)
{
    if (bound <= 1)
        return 0;
    const quint64 range = quint64(1) << bits;
    // The largest multiple of bound the draws reach; draws at or above it are thrown away.
    const quint64 limit = range - range % bound;
    for (;;) {
        const quint64 value = draw() & (range - 1);
        if (value < limit)
            return quint32(value % bound);
    }
}

QString generate(const Options& options, QRandomGenerator* random)
{
    QRandomGenerator& source = random ? *random : *QRandomGenerator::system();
    QString all;
    std::vector<QString> classes;
    for (CharacterClass c : kClasses)
        if (chosen(options, c)) {
            classes.push_back(alphabet(c, options.avoidLookAlikes));
            all += classes.back();
        }
    if (all.isEmpty())
        return {};
    const int length = clampedLength(options.length);
    const auto draw = [&source] { return source.generate(); };
    // Draw the whole password again while a chosen class is missing: the passwords that are kept
    // are then all equally likely, which placing one character of each class first would not give.
    QString password(length, Qt::Uninitialized);
    for (;;) {
        for (int i = 0; i < length; ++i)
            password[i] = all.at(uniformBelow(quint32(all.size()), draw));
        const bool complete = std::all_of(classes.begin(), classes.end(), [&password](const QString& chars) {
            return std::any_of(password.begin(), password.end(), [&chars](QChar c) { return chars.contains(c); });
        });
        if (complete)
            return password;
    }
}

} // namespace PasswordGenerator

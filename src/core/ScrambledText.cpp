#include "core/ScrambledText.h"

#include "core/CArchive.h"

#include <QtEndian>

#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr int kTableSize = ScrambledText::kTableSize;
constexpr char16_t kFirstTarget = 0xFFA0;
constexpr char16_t kSkippedTarget = 0xFFFD;

// Target code point i (U+FFA0 + i, skipping U+FFFD) stands for kPlainOfTarget[i] and is stored as kTokenOfTarget[i].
// clang-format off
constexpr std::array<char16_t, kTableSize> kPlainOfTarget = {
    u'%', u'c', u']', u'M', u'L', char16_t(0x00F1), u'9', u'y',
    u'!', u'2', u'6', u'C', u'J', char16_t(0x00D1), u'x', u'4',
    u'5', u'l', u's', u'f', u'i', u'U', u'>', u'P',
    u'V', u'W', u'$', u':', u'&', u'j', u'b', u'F',
    u'r', u'E', u'#', u'Y', u'A', u'g', u'H', u'X',
    u'O', u'.', u't', u'|', u'k', u'v', u'+', u'G',
    u'7', u'{', u'[', u'1', u'*', u'p', u'<', u'^',
    u'R', u'u', u',', u'=', u'0', u'I', u'-', u'h',
    u' ', u'8', u'w', u'e', u')', u'a', u'Q', u'3',
    u'z', u'Z', u'B', u'd', u'?', u'(', char16_t(0x000A), u'o',
    u'/', u';', u'\\', u'D', u'K', u'm', u'n', u'q',
    u'@', char16_t(0x000D), u'S', u'}', u'N', u'T',
};
constexpr std::array<std::array<char, 3>, kTableSize> kTokenOfTarget = {{
    {'&', 'E', 'Z'}, {'@', 'I', 'I'}, {'=', 'Y', 'H'}, {'@', 'C', '3'}, {'?', 'L', 'U'}, {'!', '9', 'J'},
    {'?', 'L', 'J'}, {'$', 'D', 'Z'}, {'?', 'K', 'N'}, {'*', 'R', '7'}, {'@', 'W', 'B'}, {'+', 'R', 'X'},
    {'=', 'J', 'Y'}, {'*', 'D', 'C'}, {'#', 'L', 'C'}, {'?', 'P', 'S'}, {'=', '7', 'Q'}, {'+', 'Z', '5'},
    {'!', 'K', 'Y'}, {'!', '4', 'P'}, {'@', 'F', 'N'}, {'+', 'I', 'B'}, {'%', '6', 'X'}, {'$', 'W', 'U'},
    {'*', 'G', '7'}, {'&', 'C', 'W'}, {'*', 'Q', 'U'}, {'#', 'Q', 'U'}, {'!', 'T', 'Y'}, {'$', 'D', 'E'},
    {'#', 'U', 'G'}, {'+', '2', 'G'}, {'@', 'E', 'Y'}, {'&', 'V', '3'}, {'#', '5', 'G'}, {'&', 'H', 'W'},
    {'*', 'E', 'X'}, {'&', 'K', 'I'}, {'*', 'D', '1'}, {'=', '4', 'G'}, {'!', 'P', 'Z'}, {'!', 'E', 'A'},
    {'%', '8', 'M'}, {'%', 'H', 'U'}, {'!', 'U', '2'}, {'*', 'R', '8'}, {'+', 'Q', 'P'}, {'!', 'N', 'Q'},
    {'*', 'V', '0'}, {'!', 'G', '0'}, {'#', 'Y', 'F'}, {'!', 'O', 'C'}, {'*', 'K', 'Y'}, {'#', '9', 'Q'},
    {'+', 'L', 'F'}, {'%', 'A', '9'}, {'@', 'I', 'U'}, {'%', 'H', 'H'}, {'!', 'N', 'B'}, {'%', '5', 'C'},
    {'!', 'N', '4'}, {'!', 'M', 'Z'}, {'$', 'X', '3'}, {'?', '7', 'C'}, {'#', '1', 'T'}, {'%', 'R', 'E'},
    {'%', 'X', 'N'}, {'=', 'J', 'C'}, {'$', 'J', 'Y'}, {'@', 'Z', 'H'}, {'!', 'V', 'Z'}, {'+', '7', 'A'},
    {'?', '3', 'J'}, {'*', 'S', 'T'}, {'@', 'V', '9'}, {'+', 'V', '4'}, {'$', '7', 'M'}, {'&', 'S', 'O'},
    {'#', 'W', 'M'}, {'*', 'F', 'P'}, {'#', 'S', 'O'}, {'+', 'L', 'K'}, {'?', 'E', 'S'}, {'?', 'O', '5'},
    {'+', 'P', 'Y'}, {'#', '9', 'K'}, {'&', 'L', 'Y'}, {'*', 'I', 'T'}, {'+', 'J', '8'}, {'@', 'Q', '5'},
    {'*', 'M', '7'}, {'?', 'Q', 'F'}, {'#', 'Y', 'R'}, {'#', 'F', 'X'},
}};
// clang-format on

constexpr int targetIndex(char16_t c)
{
    if (c < kFirstTarget || c == kSkippedTarget || c == 0xFFFF)
        return -1;
    return c < kSkippedTarget ? c - kFirstTarget : c - kFirstTarget - 1;
}

constexpr char16_t targetOf(int index)
{
    return char16_t(index < kSkippedTarget - kFirstTarget ? kFirstTarget + index : kFirstTarget + index + 1);
}

// Tables derived once from the two above; both directions then take one lookup per character.
struct Tables {
    // For every code unit below 0x100: the index of its target code point, or -1.
    std::array<qint8, 0x100> targetOfPlain {};
    // For every character 0 to 127: its index among the ten lead characters, or -1.
    std::array<qint8, 0x80> leadIndex {};
    // For every character 0 to 127: its index among A to Z and 0 to 9, or -1.
    std::array<qint8, 0x80> tailIndex {};
    // The plain character a token stands for, indexed by lead, second and third character; 0 when
    // the three characters are no token.
    std::array<char16_t, 10 * 36 * 36> plainOfToken {};
    // The three code units of each token packed in the order they are stored, for one wide store.
    std::array<quint64, kTableSize> tokenUnits {};
    // For every code unit below 0x100: what the stored form holds for it, packed the same way (its
    // token, or the unit itself), and how many units that is (3 or 1).
    std::array<quint64, 0x100> storedUnits {};
    std::array<quint8, 0x100> storedSize {};

    Tables()
    {
        targetOfPlain.fill(-1);
        leadIndex.fill(-1);
        tailIndex.fill(-1);
        for (int i = 0; i < kTableSize; ++i)
            targetOfPlain[kPlainOfTarget[i]] = qint8(i);
        int leads = 0;
        for (const auto& token : kTokenOfTarget)
            if (leadIndex[uchar(token[0])] < 0)
                leadIndex[uchar(token[0])] = qint8(leads++);
        for (int c = 0; c < 26; ++c)
            tailIndex['A' + c] = qint8(c);
        for (int d = 0; d < 10; ++d)
            tailIndex['0' + d] = qint8(26 + d);
        for (int i = 0; i < kTableSize; ++i) {
            const auto& t = kTokenOfTarget[i];
            plainOfToken[slot(t[0], t[1], t[2])] = kPlainOfTarget[i];
            const char16_t units[4] = { char16_t(t[0]), char16_t(t[1]), char16_t(t[2]), 0 };
            std::memcpy(&tokenUnits[i], units, 8);
        }
        for (int c = 0; c < 0x100; ++c) {
            const int token = targetOfPlain[c];
            storedUnits[c] = token >= 0 ? tokenUnits[token] : quint64(c);
            storedSize[c] = token >= 0 ? 3 : 1;
        }
    }

    int slot(char16_t lead, char16_t second, char16_t third) const
    {
        return (leadIndex[lead] * 36 + tailIndex[second]) * 36 + tailIndex[third];
    }

    // Index of the token that stands for `c` after the first stage, or -1 when `c` passes unchanged.
    int tokenIndexFor(char16_t c) const { return c < 0x100 ? targetOfPlain[c] : targetIndex(c); }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

// Writes the stored form of n plain units to out in the machine's byte order and returns its size
// in units; out has room for 3 * n + 1 units. First stage, reversal and second stage in one pass:
// walking the text backwards, each covered character (or target code point already in the text)
// becomes its token.
qsizetype scrambleInto(const char16_t* units, qsizetype n, uchar* out)
{
    const Tables& t = tables();
    uchar* const begin = out;
    for (qsizetype i = n; i-- > 0;) {
        const char16_t c = units[i];
        quint64 stored;
        qsizetype size;
        if (c < 0x100) {
            stored = t.storedUnits[c];
            size = t.storedSize[c];
        } else {
            const int token = targetIndex(c);
            stored = token >= 0 ? t.tokenUnits[size_t(token)] : quint64(c);
            size = token >= 0 ? 3 : 1;
        }
        std::memcpy(out, &stored, 8); // the units past `size` are overwritten next
        out += 2 * size;
    }
    return (out - begin) / 2;
}

// Inverse of the above in one pass over n stored units read through at(i), writing the plain text
// forwards to out (room for n units); returns its length. Walking the stored form backwards undoes
// the reversal while tokens are taken where they end: since lead characters occur only first in a
// token, the tokens found this way are exactly those a left-to-right scan finds.
template <typename At> qsizetype unscrambleInto(qsizetype n, At&& at, char16_t* out)
{
    const Tables& t = tables();
    char16_t* const begin = out;
    qsizetype k = n - 1;
    while (k >= 2) {
        const char16_t c = at(k);
        const char16_t b = at(k - 1);
        const char16_t a = at(k - 2);
        if ((a | b | c) < 0x80) {
            // All three lookups are -1 for a character that cannot stand there.
            const int lead = t.leadIndex[a];
            const int second = t.tailIndex[b];
            const int third = t.tailIndex[c];
            if ((lead | second | third) >= 0) {
                if (const char16_t p = t.plainOfToken[size_t((lead * 36 + second) * 36 + third)]) {
                    *out++ = p;
                    k -= 3;
                    continue;
                }
            }
        }
        const int target = targetIndex(c);
        *out++ = target >= 0 ? kPlainOfTarget[size_t(target)] : c;
        --k;
    }
    for (; k >= 0; --k) {
        const char16_t c = at(k);
        const int target = targetIndex(c);
        *out++ = target >= 0 ? kPlainOfTarget[size_t(target)] : c;
    }
    return out - begin;
}

const char16_t* unitsOf(QStringView text) { return reinterpret_cast<const char16_t*>(text.utf16()); }

// The plain text of n stored units. A short text is decoded on the stack and then copied into a
// string of its exact length; a long one is decoded into an upper-bound allocation that is then
// trimmed in place, so that no second buffer of its size is needed.
template <typename At> QString unscrambledString(qsizetype n, At&& at)
{
    constexpr qsizetype kShort = 1024;
    if (n <= kShort) {
        char16_t buffer[kShort];
        const qsizetype length = unscrambleInto(n, at, buffer);
        return QString(reinterpret_cast<const QChar*>(buffer), length);
    }
    QString out(n, Qt::Uninitialized);
    const qsizetype length = unscrambleInto(n, at, reinterpret_cast<char16_t*>(out.data()));
    out.resize(length);
    out.squeeze();
    return out;
}

} // namespace

QString ScrambledText::scrambled(QStringView plain)
{
    QString out(3 * plain.size() + 1, Qt::Uninitialized);
    out.resize(scrambleInto(unitsOf(plain), plain.size(), reinterpret_cast<uchar*>(out.data())));
    return out;
}

QString ScrambledText::unscrambled(QStringView stored)
{
    const char16_t* in = unitsOf(stored);
    return unscrambledString(stored.size(), [in](qsizetype i) { return in[i]; });
}

void ScrambledText::Scramble()
{
    if (m_text.isEmpty())
        return;
    *this = scrambled(m_text);
    m_substituted = true;
    m_reversed = true;
    m_tokenized = true;
}

void ScrambledText::Unscramble()
{
    if (m_text.isEmpty())
        return;
    *this = unscrambled(m_text);
    m_tokenized = false;
    m_reversed = false;
    m_substituted = false;
}

qsizetype ScrambledText::firstUnstorable(QStringView plain)
{
    for (qsizetype i = 0; i < plain.size(); ++i)
        if (targetIndex(plain[i].unicode()) >= 0)
            return i;
    return -1;
}

ScrambledText::TableEntry ScrambledText::tableEntry(int i)
{
    const auto& t = kTokenOfTarget[size_t(i)];
    return { kPlainOfTarget[size_t(i)], targetOf(i), QString::fromLatin1(t.data(), 3) };
}

bool ScrambledText::IsStorable(QStringView plain) { return firstUnstorable(plain) < 0; }

CArchive& operator<<(CArchive& ar, const ScrambledText& text)
{
    const QString& plain = text.text();
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        // The stored units go straight into the archive, written for the largest size they can
        // have; the length prefix is settled afterwards.
        const qsizetype bound = 3 * plain.size();
        uchar* out = ar.beginText(bound, 8);
        ar.endText(bound, scrambleInto(unitsOf(plain), plain.size(), out));
    } else {
        ar.writeText(ScrambledText::scrambled(plain));
    }
    return ar;
}

CArchive& operator>>(CArchive& ar, ScrambledText& text)
{
    QByteArrayView bytes;
    QString narrow;
    if (!ar.readTextData(bytes, narrow)) {
        ScrambledText loaded(narrow);
        loaded.Unscramble();
        text = loaded.text();
        return ar;
    }
    const auto* in = reinterpret_cast<const uchar*>(bytes.data());
    text = unscrambledString(
        bytes.size() / 2, [in](qsizetype i) { return char16_t(qFromLittleEndian<quint16>(in + 2 * i)); });
    return ar;
}

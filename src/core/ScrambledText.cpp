#include "ScrambledText.h"

#include "CArchive.h"

#include <QtEndian>

#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr int kTableSize = 94;
constexpr char16_t kFirstTarget = 0xFFA0;
constexpr char16_t kSkippedTarget = 0xFFFD;

// Target code point i (U+FFA0 + i, skipping U+FFFD) stands for kPlainOfTarget[i] and is stored as kTokenOfTarget[i].
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
    std::array<qint8, 0x100> targetOfPlain{};
    // For every character 0 to 127: its index among the ten lead characters, or -1.
    std::array<qint8, 0x80> leadIndex{};
    // For every character 0 to 127: its index among A to Z and 0 to 9, or -1.
    std::array<qint8, 0x80> tailIndex{};
    // The plain character a token stands for, indexed by lead, second and third character; 0 when
    // the three characters are no token.
    std::array<char16_t, 10 * 36 * 36> plainOfToken{};
    // The target code point a token stands for, indexed the same way (what the inverse second stage
    // puts in its place before the first stage is undone).
    std::array<char16_t, 10 * 36 * 36> targetOfToken{};

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
            const int slot = (leadIndex[uchar(t[0])] * 36 + tailIndex[uchar(t[1])]) * 36 + tailIndex[uchar(t[2])];
            plainOfToken[slot] = kPlainOfTarget[i];
            targetOfToken[slot] = targetOf(i);
        }
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

// Index of the token that stands for `c` after the first stage, or -1 when `c` passes unchanged.
inline int tokenIndexFor(const Tables& t, char16_t c)
{
    if (c < 0x100)
        return t.targetOfPlain[c];
    return targetIndex(c);
}

// Counts the code units of the stored form of `plain`.
qsizetype scrambledSize(QStringView plain)
{
    const Tables& t = tables();
    qsizetype size = plain.size();
    const char16_t* units = reinterpret_cast<const char16_t*>(plain.utf16());
    for (qsizetype i = 0; i < plain.size(); ++i)
        if (tokenIndexFor(t, units[i]) >= 0)
            size += 2;
    return size;
}

// Writes the stored form of `plain` through put(unit), in order. First stage, reversal and second
// stage in one pass: walking the text backwards, each covered character becomes its token.
template <typename Put>
void scrambleEach(QStringView plain, Put&& put)
{
    const Tables& t = tables();
    const char16_t* units = reinterpret_cast<const char16_t*>(plain.utf16());
    for (qsizetype i = plain.size(); i-- > 0;) {
        const int token = tokenIndexFor(t, units[i]);
        if (token < 0) {
            put(units[i]);
        } else {
            const auto& tok = kTokenOfTarget[token];
            put(char16_t(tok[0]));
            put(char16_t(tok[1]));
            put(char16_t(tok[2]));
        }
    }
}

// Inverse of the above in one pass over `n` stored units read through at(i). Tokens are found by
// their lead character (which occurs nowhere else in a token), the text is reversed and target code
// points go back to their plain characters. The result is written backwards from out + n; returns
// the index of its first unit.
template <typename At>
qsizetype unscrambleInto(qsizetype n, At&& at, char16_t* out)
{
    const Tables& t = tables();
    qsizetype pos = n;
    qsizetype i = 0;
    while (i < n) {
        const char16_t c = at(i);
        if (c < 0x80 && t.leadIndex[c] >= 0 && i + 2 < n) {
            const char16_t b = at(i + 1);
            const char16_t d = at(i + 2);
            if (b < 0x80 && d < 0x80 && t.tailIndex[b] >= 0 && t.tailIndex[d] >= 0) {
                const int slot = (t.leadIndex[c] * 36 + t.tailIndex[b]) * 36 + t.tailIndex[d];
                if (const char16_t p = t.plainOfToken[slot]) {
                    out[--pos] = p;
                    i += 3;
                    continue;
                }
            }
        }
        const int target = targetIndex(c);
        out[--pos] = target >= 0 ? kPlainOfTarget[target] : c;
        ++i;
    }
    return pos;
}

std::vector<char16_t>& scratch(qsizetype n)
{
    thread_local std::vector<char16_t> buffer;
    if (qsizetype(buffer.size()) < n)
        buffer.resize(size_t(n));
    return buffer;
}

} // namespace

QString ScrambledText::scrambled(QStringView plain)
{
    QString out(scrambledSize(plain), Qt::Uninitialized);
    char16_t* p = reinterpret_cast<char16_t*>(out.data());
    scrambleEach(plain, [&p](char16_t u) { *p++ = u; });
    return out;
}

QString ScrambledText::unscrambled(QStringView stored)
{
    const qsizetype n = stored.size();
    if (n == 0)
        return {};
    auto& buffer = scratch(n);
    const char16_t* in = reinterpret_cast<const char16_t*>(stored.utf16());
    const qsizetype start = unscrambleInto(n, [in](qsizetype i) { return in[i]; }, buffer.data());
    return QString(reinterpret_cast<const QChar*>(buffer.data() + start), n - start);
}

void ScrambledText::Scramble()
{
    if (m_text.isEmpty())
        return;
    m_text = scrambled(m_text);
    m_substituted = true;
    m_reversed = true;
    m_tokenized = true;
}

void ScrambledText::Unscramble()
{
    if (m_text.isEmpty())
        return;
    m_text = unscrambled(m_text);
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

bool ScrambledText::IsStorable(QStringView plain) { return firstUnstorable(plain) < 0; }

CArchive& operator<<(CArchive& ar, const ScrambledText& text)
{
    const QString& plain = text.text();
    uchar* out = ar.beginText(scrambledSize(plain));
    scrambleEach(plain, [&out](char16_t u) {
        qToLittleEndian<quint16>(u, out);
        out += 2;
    });
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
    const qsizetype n = bytes.size() / 2;
    if (n == 0) {
        text = QString();
        return ar;
    }
    auto& buffer = scratch(n);
    const auto* in = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype start =
        unscrambleInto(n, [in](qsizetype i) { return char16_t(qFromLittleEndian<quint16>(in + 2 * i)); }, buffer.data());
    text = QString(reinterpret_cast<const QChar*>(buffer.data() + start), n - start);
    return ar;
}

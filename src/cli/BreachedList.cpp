#include "cli/BreachedList.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <thread>

namespace BreachedList {

namespace {
constexpr int kHashLength = 40;
constexpr int kMaxCountDigits = 18; // what a qint64 always holds
constexpr qint64 kBlockSize = 1 << 20;
// Below this size a list is read by one thread: starting more costs more than it saves.
constexpr qint64 kSplitSize = 64 << 20;

// Eight characters at a time: a list has some twenty million lines a gigabyte, so a line must cost a
// few dozen instructions, not one per character.
constexpr quint64 kOnes = 0x0101010101010101ULL;
constexpr quint64 kHigh = 0x8080808080808080ULL;

quint64 load(const char* p)
{
    quint64 word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The high bit of each byte that lies in [lo, hi] (both below 0x80). The sums run on the bytes
// without their high bit, so none carries into the next byte.
constexpr quint64 inRange(quint64 word, unsigned lo, unsigned hi)
{
    const quint64 low = word & ~kHigh;
    return (low + kOnes * (0x80 - lo)) & ~(low + kOnes * (0x7F - hi)) & ~word & kHigh;
}

// Sixteen characters at once, in the vector registers of the machine (GCC's and Clang's vector
// extensions): each lane -1 when its character is a hexadecimal digit of either case, else 0.
using Chars16 = signed char __attribute__((vector_size(16)));

[[gnu::always_inline]] inline Chars16 hexLanes(const char* p)
{
    Chars16 c;
    std::memcpy(&c, p, sizeof c);
    const Chars16 lower = c | 0x20;
    return ((c >= '0') & (c <= '9')) | ((lower >= 'a') & (lower <= 'f'));
}

// A hash as five 64-bit words that compare as the text does, letters of either case alike: each
// byte loses its 0x20 bit, which maps 'a'-'f' onto 'A'-'F' and keeps the digits below the letters.
using Key = std::array<quint64, 5>;

// Whether the 40 characters are hexadecimal digits.
[[gnu::always_inline]] inline bool isHash(const char* text)
{
    const Chars16 all = hexLanes(text) & hexLanes(text + 16) & hexLanes(text + 24);
    quint64 halves[2];
    std::memcpy(halves, &all, sizeof halves);
    return (halves[0] & halves[1]) == ~quint64(0);
}

// The first word of a hash's key.
[[gnu::always_inline]] inline quint64 firstWord(const char* text)
{
    return qFromBigEndian(load(text)) & ~(kOnes * 0x20);
}

// The key of 40 characters; false when one of them is no hexadecimal digit.
bool readKey(const char* text, Key& key)
{
    for (size_t w = 0; w < key.size(); ++w)
        key[w] = firstWord(text + 8 * w);
    return isHash(text);
}

// Keys compare word by word; nearly always the first word decides.
[[gnu::always_inline]] inline bool less(const Key& a, const Key& b)
{
    for (size_t w = 0; w < a.size(); ++w)
        if (a[w] != b[w])
            return a[w] < b[w];
    return false;
}

bool isDigit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

// The count after the colon: one to 18 digits, up to the end given (the line end cut off).
bool readCount(const char* from, const char* end, qint64& count)
{
    if (from == end || end - from > kMaxCountDigits)
        return false;
    count = 0;
    for (const char* p = from; p < end; ++p) {
        if (!isDigit(*p))
            return false;
        count = count * 10 + (*p - '0');
    }
    return true;
}

// The digests to find, sorted by key, each with its place in the caller's list. A digest that is
// not 40 hexadecimal digits (an empty one: no secret) is left out.
struct Targets {
    std::vector<Key> keys;
    std::vector<size_t> places;
};

Targets sortedTargets(const std::vector<QByteArray>& sha1Hex)
{
    std::vector<std::pair<Key, size_t>> found;
    for (size_t i = 0; i < sha1Hex.size(); ++i) {
        Key key;
        if (sha1Hex[i].size() == kHashLength && readKey(sha1Hex[i].constData(), key))
            found.emplace_back(key, i);
    }
    std::sort(found.begin(), found.end());
    Targets targets;
    for (const auto& [key, place] : found) {
        targets.keys.push_back(key);
        targets.places.push_back(place);
    }
    return targets;
}

// What one part of the list gave: line numbers count from the part's first line.
struct Part {
    Scan scan;
    Key first {};
    Key last {};
    bool any = false; // a well-formed line was read
};

// Reads the lines of a part and matches them against the targets in step.
class Matcher {
public:
    Matcher(const Targets& targets, size_t digests, Part& part)
        : m_targets(targets)
        , m_part(part)
    {
        m_part.scan.counts.assign(digests, 0);
    }

    // Every line of [begin, end), which ends with a LF, up to the first that starts at `stop` or
    // after. The block has room after `end` for a word's read. False when a line breaks the order.
    bool lines(const char* begin, const char* end, const char* stop)
    {
        // What the common line needs is held in locals: the first word of the previous line's key
        // and of the next wanted digest. Everything else goes through line() and match().
        const size_t wanted = m_targets.keys.size();
        quint64 nextWanted = m_next < wanted ? m_targets.keys[m_next][0] : ~quint64(0);
        quint64 previous = m_part.any ? m_part.last[0] : 0;
        bool common = m_part.any;
        qint64 lines = 0;
        const char* p = begin;
        while (p < end && p < stop) {
            // Hash, colon, up to seven digits and the line end, the digits found in one word. The LF
            // at the end of the block stops the digits before it.
            if (end - p > kHashLength + 1 && p[kHashLength] == ':' && isHash(p)) {
                const char* digits = p + kHashLength + 1;
                const quint64 notDigits = ~inRange(qFromLittleEndian(load(digits)), '0', '9') & kHigh;
                const int length = notDigits ? std::countr_zero(notDigits) / 8 : 8;
                const char* q = digits + length;
                const quint64 first = firstWord(p);
                if (length > 0 && length < 8 && (*q == '\n' || (*q == '\r' && q[1] == '\n'))) {
                    // In order by its first word alone, and before the next wanted digest.
                    if (common && first > previous && first < nextWanted) {
                        ++lines;
                        previous = first;
                        m_previousLine = p;
                        p = q + (*q == '\r' ? 2 : 1);
                        continue;
                    }
                    m_part.scan.lines += lines + 1;
                    lines = 0;
                    if (!match(p, digits, q))
                        return false;
                    previous = first;
                    nextWanted = m_next < wanted ? m_targets.keys[m_next][0] : ~quint64(0);
                    common = true;
                    p = q + (*q == '\r' ? 2 : 1);
                    continue;
                }
            }
            m_part.scan.lines += lines;
            lines = 0;
            const char* lf = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
            if (!line(p, lf))
                return false;
            nextWanted = m_next < wanted ? m_targets.keys[m_next][0] : ~quint64(0);
            common = m_part.any;
            if (m_previousLine)
                previous = firstWord(m_previousLine);
            p = lf + 1;
        }
        m_part.scan.lines += lines;
        // The block is about to be overwritten: the last line's key is kept.
        if (m_previousLine) {
            readKey(m_previousLine, m_part.last);
            m_previousLine = nullptr;
        }
        return true;
    }

    // One line without its LF, of any form; false when it breaks the order.
    bool line(const char* begin, const char* end)
    {
        ++m_part.scan.lines;
        if (end > begin && end[-1] == '\r')
            --end;
        Key key;
        qint64 count = 0;
        if (end - begin <= kHashLength + 1 || begin[kHashLength] != ':' || !readKey(begin, key)
            || !readCount(begin + kHashLength + 1, end, count)) {
            malformed();
            return true;
        }
        return match(begin, begin + kHashLength + 1, end);
    }

    // A line too long to hold.
    void tooLong()
    {
        ++m_part.scan.lines;
        malformed();
    }

private:
    // A well-formed line, and its count's digits (read only when it is wanted): in order after the
    // line before, and matched against the digests wanted.
    bool match(const char* text, const char* digits, const char* digitsEnd)
    {
        Key key;
        readKey(text, key);
        if (m_previousLine) {
            readKey(m_previousLine, m_part.last);
            m_previousLine = nullptr;
        }
        if (!m_part.any) {
            m_part.first = key;
            m_part.any = true;
        } else if (less(key, m_part.last))
            return false;
        m_previousLine = text;
        m_part.last = key;
        while (m_next < m_targets.keys.size() && less(m_targets.keys[m_next], key))
            ++m_next;
        qint64 count = 0;
        readCount(digits, digitsEnd, count);
        for (size_t t = m_next; t < m_targets.keys.size() && !less(key, m_targets.keys[t]); ++t)
            m_part.scan.counts[m_targets.places[t]] = count;
        return true;
    }

    void malformed()
    {
        ++m_part.scan.malformed;
        if (m_part.scan.malformedLines.size() < size_t(MaxReportedLines))
            m_part.scan.malformedLines.push_back(m_part.scan.lines);
    }

    const Targets& m_targets;
    Part& m_part;
    size_t m_next = 0;
    // The last well-formed line while it is in the block (its key is m_part.last once it is not).
    const char* m_previousLine = nullptr;
};

void notSorted(Scan& scan)
{
    scan.error = QStringLiteral("not sorted by hash at line %1").arg(scan.lines);
    scan.unsorted = true;
}

// Reads the lines that start in [from, to) of the file (to: -1 for up to its end) in blocks. A part
// that starts inside a line leaves that line to the part before.
void readPart(const QString& path, qint64 from, qint64 to, Matcher& matcher, Scan& scan)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || (from > 0 && !file.seek(from - 1))) {
        scan.error = file.errorString();
        return;
    }
    // A block, room before it for the unfinished line the block before left (always shorter than a
    // block: a longer one holds no hash and is skipped to its end), and a word's room after it.
    QByteArray buffer(kBlockSize * 2 + 16, '\n');
    qint64 carried = 0;
    qint64 position = from > 0 ? from - 1 : 0; // where the buffer's first character is in the file
    bool skipping = from > 0; // the line before the part is not this part's
    for (;;) {
        const qint64 got = file.read(buffer.data() + carried, kBlockSize);
        if (got < 0) {
            scan.error = file.errorString();
            return;
        }
        const char* begin = buffer.constData();
        const char* end = begin + carried + got;
        const char* stop = to < 0 ? end : begin + std::clamp<qint64>(to - position, 0, end - begin);
        if (got == 0) {
            if (carried > 0 && begin < stop && !skipping && !matcher.line(begin, end))
                notSorted(scan);
            return;
        }
        if (skipping) {
            const char* lf = static_cast<const char*>(std::memchr(begin, '\n', size_t(end - begin)));
            if (!lf) {
                position += end - begin;
                continue;
            }
            skipping = false;
            begin = lf + 1;
        }
        // The lines that end in this block; the rest waits for the next one.
        const char* last = end;
        while (last > begin && last[-1] != '\n')
            --last;
        if (!matcher.lines(begin, last, stop)) {
            notSorted(scan);
            return;
        }
        carried = end - last;
        position += last - buffer.constData();
        // The next line starts at `position`: past the part's end, it belongs to the next part.
        if (to >= 0 && position >= to)
            return;
        if (carried >= kBlockSize) {
            matcher.tooLong();
            skipping = true;
            position += carried;
            carried = 0;
        } else
            std::memmove(buffer.data(), last, size_t(carried));
    }
}
} // namespace

Scan scan(const QString& listPath, const std::vector<QByteArray>& sha1Hex, int parts)
{
    const Targets targets = sortedTargets(sha1Hex);
    // A large regular file is read in as many parts as there are cores, each by a thread of its own;
    // anything else (a pipe from a decompressor) by one.
    QFile file(listPath);
    const qint64 size = file.open(QIODevice::ReadOnly) && !file.isSequential() ? file.size() : -1;
    file.close();
    const size_t cores = std::max(1U, std::thread::hardware_concurrency());
    const size_t count = size < 0 ? 1 : parts > 0 ? size_t(parts) : size >= kSplitSize ? cores : 1;
    std::vector<Part> results(count);
    {
        std::vector<std::jthread> threads;
        for (size_t i = 0; i < count; ++i) {
            const qint64 from = size < 0 ? 0 : size * qint64(i) / qint64(count);
            const qint64 to = size < 0 || i + 1 == count ? -1 : size * qint64(i + 1) / qint64(count);
            threads.emplace_back([&, i, from, to] {
                Matcher matcher(targets, sha1Hex.size(), results[i]);
                readPart(listPath, from, to, matcher, results[i].scan);
            });
        }
    }

    // The parts joined in order: line numbers go on from the part before, and the last hash of a
    // part must not sort after the first of the next.
    Scan total;
    total.counts.assign(sha1Hex.size(), 0);
    const Part* before = nullptr;
    for (const Part& part : results) {
        for (qint64 line : part.scan.malformedLines)
            if (total.malformedLines.size() < size_t(MaxReportedLines))
                total.malformedLines.push_back(total.lines + line);
        if (!part.scan.error.isEmpty()) {
            total.error = part.scan.error;
            total.unsorted = part.scan.unsorted;
            if (total.unsorted)
                total.error = QStringLiteral("not sorted by hash at line %1").arg(total.lines + part.scan.lines);
            return total;
        }
        if (before && part.any && less(part.first, before->last)) {
            total.lines += 1;
            notSorted(total);
            return total;
        }
        total.lines += part.scan.lines;
        total.malformed += part.scan.malformed;
        for (size_t i = 0; i < total.counts.size(); ++i)
            total.counts[i] = std::max(total.counts[i], part.scan.counts[i]);
        if (part.any)
            before = &part;
    }
    return total;
}

} // namespace BreachedList

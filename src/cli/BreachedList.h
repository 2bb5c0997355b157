#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Looks digests up in a list of breached passwords: the published list's text form, one
// "HASH:COUNT" line per password (the SHA-1 in 40 hexadecimal digits, either case, then how often
// it was seen), sorted by hash, with LF or CRLF line ends. The list is read once from start to end
// in blocks of a fixed size, never held whole, and matched against the sorted digests in step, so a
// list of any size costs one read and the memory of one block.
//
// A list of 64 MiB or more is read in parts by as many threads as there are cores, each part from its
// first whole line to the line that ends after it; the parts' results are joined in order, so the
// outcome is the one of a single reading.
//
// A line that is not of that form (a blank line, a short hash, a letter in the count) is counted and
// its number kept (the first MaxReportedLines of them), and the scan goes on: one damaged line must
// not hide the rest of the list. A line whose hash sorts before the one above it breaks the order
// the matching relies on: the scan stops there with an error.
namespace BreachedList {

inline constexpr int MaxReportedLines = 10;

struct Scan {
    // For each digest asked about, in the order given: how often the list counts it; 0 when absent.
    std::vector<qint64> counts;
    qint64 lines = 0;
    qint64 malformed = 0;
    // The numbers (from 1) of the first malformed lines.
    std::vector<qint64> malformedLines;
    // Why the list could not be read to its end (cannot be opened or read, not sorted); empty when
    // it was.
    QString error;
    // The error is that the list is not sorted.
    bool unsorted = false;
};

// Matches the SHA-1 digests (40 hexadecimal digits each, either case) against the list in the file.
// A large file is read in `parts` parts at once (0: one for each core), a small one or a pipe in one.
Scan scan(const QString& listPath, const std::vector<QByteArray>& sha1Hex, int parts = 0);

} // namespace BreachedList

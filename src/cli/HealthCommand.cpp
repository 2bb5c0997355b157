#include "cli/HealthCommand.h"

#include "cli/BreachedList.h"
#include "cli/CliText.h"
#include "core/Clock.h"
#include "document/PasswordHealth.h"
#include "document/QuorrilDoc.h"

#include <QTextStream>

using PasswordHealth::Entry;

namespace {

void printEntry(const Entry& entry, QTextStream& out)
{
    const QString none = QStringLiteral("-");
    out << idValue(entry.id) << '\t' << accountTypeName(entry.type) << '\t' << oneLine(entry.title) << '\t'
        << (entry.secretName.isEmpty() ? none : oneLine(entry.secretName)) << '\t'
        << (entry.grade ? PasswordStrength::gradeName(*entry.grade) : none) << '\t'
        << PasswordHealth::problemText(entry) << '\n';
}

// Marks the secrets the list holds, and reports its malformed lines. When the list cannot be read to
// its end, says why on standard error and returns the exit status.
int markBreached(const QString& list, std::vector<Entry>& entries, CliIo& io)
{
    std::vector<QByteArray> digests;
    digests.reserve(entries.size());
    for (const Entry& entry : entries)
        digests.push_back(entry.sha1Hex);
    const BreachedList::Scan scan = BreachedList::scan(list, digests);
    for (qint64 line : scan.malformedLines)
        io.err << "quorril-cli: " << list << ':' << line << ": not a \"HASH:COUNT\" line; skipped" << Qt::endl;
    if (scan.malformed > qint64(scan.malformedLines.size()))
        io.err << "quorril-cli: " << list << ": " << scan.malformed << " lines in all are not \"HASH:COUNT\" lines"
               << Qt::endl;
    if (!scan.error.isEmpty()) {
        io.err << "quorril-cli: " << list << ": " << scan.error << Qt::endl;
        return scan.unsorted ? ExitFormatError : ExitFileError;
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        if (scan.counts[i] > 0) {
            entries[i].problems |= PasswordHealth::Breached;
            entries[i].breachCount = scan.counts[i];
        }
    }
    PasswordHealth::sortWorstFirst(entries);
    return ExitSuccess;
}

} // namespace

int healthReport(const QString& path, const QString& breachedList, CliIo& io)
{
    return withOpenWallet(path, io, [&](CQuorrilDoc& doc, int status) {
        std::vector<Entry> entries
            = PasswordHealth::collect(doc, Clock::today(), { .withSha1 = !breachedList.isEmpty() });
        if (!breachedList.isEmpty()) {
            if (const int failed = markBreached(breachedList, entries, io); failed != ExitSuccess)
                return failed;
        }
        bool problems = false;
        for (const Entry& entry : entries) {
            if (entry.problems != 0) {
                printEntry(entry, io.out);
                problems = true;
            }
        }
        io.out.flush();
        if (status != ExitSuccess)
            return status;
        return problems ? int(ExitProblems) : int(ExitSuccess);
    });
}

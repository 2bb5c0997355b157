#include "cli/MergeCommand.h"

#include "core/Clock.h"

#include "cli/CliCommands.h"
#include "core/AccountTypes.h"
#include "document/DocumentTexts.h"
#include "document/FileAccess.h"
#include "document/QuorrilDoc.h"
#include "document/WalletMerge.h"
#include "format/WalletFile.h"

#include <QTextStream>

#include <memory>

namespace {

// The prompts of one wallet of the merge: the password is the one being tried, and notices are
// kept to be printed with the file's name, or at once once the wallet is open.
class TrialPrompts : public Prompts {
public:
    explicit TrialPrompts(QTextStream& err)
        : m_err(err)
    {
    }
    std::optional<QString> password(PasswordMode) override { return candidate; }
    using Prompts::notice;
    void notice(const QString& text, const QString& detail) override
    {
        if (trying) {
            last = text;
            return;
        }
        m_err << text << (detail.isEmpty() ? QString() : u' ' + detail) << Qt::endl;
    }
    QString saveFileName(const QString&) override { return {}; }

    QString candidate;
    bool trying = true;
    QString last;

private:
    QTextStream& m_err;
};

struct Wallet {
    explicit Wallet(QTextStream& err)
        : prompts(err)
    {
    }
    TrialPrompts prompts;
    CQuorrilDoc doc { prompts };
    QString password;
    bool empty = false;
};

// Opens the wallet with the first of `passwords` that opens it, reading more while none does.
// The exit status of the refusal, or ExitSuccess.
int open(const QString& path, bool emptyMeansNone, QStringList& passwords, Wallet& wallet, CliIo& io)
{
    QString reason;
    const std::optional<QByteArray> bytes = FileAccess::readRegularFile(path, reason);
    if (!bytes) {
        io.err << "quorril-cli: " << DocumentText::cannotOpen(path, reason) << Qt::endl;
        return ExitFileError;
    }
    if (bytes->isEmpty() && emptyMeansNone) {
        wallet.empty = true;
        return ExitSuccess;
    }
    wallet.doc.setKdfCost(io.kdfCost);
    wallet.doc.setAllowCostlyKdf(io.allowCostlyKdf);
    for (qsizetype i = 0;; ++i) {
        if (i == passwords.size()) {
            const std::optional<QString> more = io.readPassword(false);
            if (!more)
                return ExitNotOwner;
            if (more->isEmpty()) {
                io.err << DocumentText::passwordEmpty() << Qt::endl;
                return ExitNotOwner;
            }
            passwords << *more;
        }
        wallet.prompts.candidate = passwords.at(i);
        const bool opened = wallet.doc.openFromBytes(*bytes, path);
        if (wallet.doc.loadFailed()) {
            io.err << "quorril-cli: " << path << ": " << DocumentText::invalidFileFormat() << Qt::endl;
            return ExitFormatError;
        }
        if (opened) {
            wallet.password = passwords.at(i);
            break;
        }
    }
    wallet.prompts.trying = false;
    if (!WalletFile::isKnownVersion(wallet.doc.loadedVersion())) {
        io.err << "quorril-cli: " << path << ": file version " << wallet.doc.loadedVersion()
               << " is not read whole by this program; nothing written" << Qt::endl;
        return ExitFormatError;
    }
    return ExitSuccess;
}

void printReport(const MergeReport& report, const Wallet& ours, CliIo& io)
{
    io.out << "Merged: " << report.summary() << '\n';
    for (AccountId id : report.conflictCopies) {
        const AccountRecord* copy = ours.doc.FindAccount(id);
        io.out << "Kept twice: " << accountTypeName(copy->GetType()) << " \"" << copy->GetTitle() << "\" (id "
               << idValue(id) << ")\n";
    }
    io.out << Qt::flush;
}

} // namespace

int mergeWallets(const QStringList& files, CliIo& io)
{
    const bool threeWay = files.size() == 3;
    const QString oursPath = files.at(threeWay ? 1 : 0);
    const QString theirsPath = files.at(threeWay ? 2 : 1);
    QStringList passwords;
    Wallet ours(io.err), theirs(io.err), base(io.err);
    for (auto [path, wallet] : { std::pair { oursPath, &ours }, { theirsPath, &theirs } }) {
        const int status = open(path, false, passwords, *wallet, io);
        if (status == ExitNotOwner && !wallet->prompts.last.isEmpty())
            io.err << "quorril-cli: " << path << ": " << wallet->prompts.last << Qt::endl;
        if (status != ExitSuccess)
            return status;
    }
    if (threeWay) {
        const int status = open(files.at(0), true, passwords, base, io);
        if (status == ExitNotOwner && !base.prompts.last.isEmpty())
            io.err << "quorril-cli: " << files.at(0) << ": " << base.prompts.last << Qt::endl;
        if (status != ExitSuccess)
            return status;
    }

    const QDate today = Clock::today();
    MergeResult merge = threeWay && !base.empty
        ? mergeThreeWay(base.doc.contents(), ours.doc.contents(), theirs.doc.contents(), today)
        : mergeTwoWay(ours.doc.contents(), theirs.doc.contents(), today);
    const MergeReport report = merge.report;
    // Never written less protected than THEIRS was: the classic OURS becomes encrypted, under the
    // password that opened THEIRS (the classic file gives its own password away).
    const bool raise = theirs.doc.isEncrypted() && !ours.doc.isEncrypted();
    applyMerge(ours.doc, std::move(merge));
    if (raise) {
        ours.doc.setEncrypted(true);
        ours.doc.setPassword(theirs.password);
        ours.doc.setKdfCost({ std::max(ours.doc.kdfCost().opsLimit, theirs.doc.kdfCost().opsLimit),
            std::max(ours.doc.kdfCost().memLimit, theirs.doc.kdfCost().memLimit) });
    }
    if (ours.doc.IsModified() && !ours.doc.OnSaveDocument(oursPath))
        return ExitFileError;
    printReport(report, ours, io);
    if (raise)
        io.out << oursPath << " is now encrypted, as " << theirsPath << " was"
               << (theirs.password == ours.password ? "" : ", under the password of " + theirsPath) << Qt::endl;
    return report.hasConflicts() ? ExitKeptTwice : ExitSuccess;
}

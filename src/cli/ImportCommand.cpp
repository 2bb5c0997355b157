#include "cli/ImportCommand.h"

#include "cli/CliPrompts.h"
#include "document/DocumentTexts.h"
#include "document/QuorrilDoc.h"
#include "format/WalletFile.h"
#include "import/FormatReaders.h"
#include "import/ImportReport.h"
#include "import/Importer.h"

#include <QTextStream>

namespace {

struct Options {
    std::optional<ImportFormat> format; // nothing: from the content
    QString into;
    bool encrypt = false;
    bool report = false;
    bool skipRefused = false;
    bool more = true;
    QStringList files;
};

// The options anywhere after the command; false for a wrong command line.
bool parse(const QStringList& arguments, Options& options, CliIo& io)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1StringView("--from") && i + 1 < arguments.size()) {
            const QString name = arguments.at(++i);
            options.format = importFormatFromOption(name);
            if (!options.format && name != QLatin1StringView("auto")) {
                io.err << "quorril-cli: unknown format \"" << name << "\"; one of: auto";
                for (ImportFormat format : kImportFormats)
                    io.err << ", " << importFormatOption(format);
                io.err << Qt::endl;
                return false;
            }
        } else if (a == QLatin1StringView("--into") && i + 1 < arguments.size() && options.into.isEmpty()) {
            options.into = arguments.at(++i);
        } else if (a == QLatin1StringView("--encrypt")) {
            options.encrypt = true;
        } else if (a == QLatin1StringView("--report")) {
            options.report = true;
        } else if (a == QLatin1StringView("--skip-refused")) {
            options.skipRefused = true;
        } else if (a == QLatin1StringView("--no-more")) {
            options.more = false;
        } else if (a.startsWith(QLatin1StringView("--"))) {
            io.err << "quorril-cli: unknown option " << a << Qt::endl;
            return false;
        } else {
            options.files.append(a);
        }
    }
    const qsizetype files = options.into.isEmpty() ? 2 : 1;
    if (options.files.size() == files && !(options.encrypt && !options.into.isEmpty()))
        return true;
    io.err << "quorril-cli: expected import [--from FORMAT] [--report] [--skip-refused] [--no-more] "
              "([--encrypt] SOURCE FILE | --into WALLET SOURCE)"
           << Qt::endl;
    return false;
}

// The plan cannot be imported as it is: the refused rows are named and nothing is written.
int refuse(const QString& source, const ImportPlan& plan, CliIo& io)
{
    io.err << "quorril-cli: " << source << ": "
           << FormatReaders::counted(qint64(plan.summary().refusedRows.size()), "row holds", "rows hold")
           << " a text a Quorril file cannot store; nothing was written (--skip-refused imports the others):\n"
           << refusedRowsText(plan) << Qt::flush;
    return ExitFormatError;
}

int intoNewWallet(ImportPlan& plan, const Options& options, CliIo& io)
{
    CliPrompts prompts([&io](Prompts::PasswordMode) { return askPassword(io, true); }, io.err);
    CQuorrilDoc doc(prompts);
    doc.setKdfCost(io.kdfCost);
    doc.setEncrypted(options.encrypt);
    // The plan gave every title of a type its own, so the new document files them as they come.
    plan.importInto(doc);
    return saveNewWallet(doc, options.files.at(1), io);
}

int intoWallet(ImportPlan& plan, const Options& options, CliIo& io)
{
    return withOpenWallet(options.into, io, [&](CQuorrilDoc& doc, int status) {
        if (status != ExitSuccess || !WalletFile::isKnownVersion(doc.loadedVersion())) {
            io.err << "quorril-cli: " << options.into << " is damaged or of a version this program does not read "
                   << "whole; nothing written" << Qt::endl;
            return int(ExitFormatError);
        }
        plan.setTakenTitles(doc.accounts());
        if (options.report)
            io.out << importReport(plan) << Qt::flush;
        if (!plan.canImport())
            return refuse(options.files.at(0), plan, io);
        // Titles were made free in their types above (setTakenTitles): one step files them all.
        plan.importInto(doc);
        return doc.OnSaveDocument(options.into) ? int(ExitSuccess) : int(ExitFileError);
    });
}

} // namespace

bool isFormatImport(const QStringList& arguments)
{
    for (const QString& a : arguments)
        if (a == QLatin1StringView("--from") || a == QLatin1StringView("--into") || a == QLatin1StringView("--report")
            || a == QLatin1StringView("--skip-refused") || a == QLatin1StringView("--no-more"))
            return true;
    return false;
}

int importFormat(const QStringList& arguments, CliIo& io)
{
    Options options;
    if (!parse(arguments, options, io))
        return ExitFileError;
    const QString& source = options.files.at(0);
    ImportRead read = Importer::readFile(source, options.format);
    if (read.unreadable) {
        io.err << "quorril-cli: " << read.error << Qt::endl;
        return ExitFileError;
    }
    if (!read.plan) {
        io.err << "quorril-cli: " << source << ": " << read.error << Qt::endl;
        return ExitFormatError;
    }
    ImportPlan& plan = *read.plan;
    if (!options.format && !options.report)
        io.err << "quorril-cli: " << source << ": read as " << importFormatName(plan.format()) << Qt::endl;
    plan.setMoreAccounts(options.more);
    plan.setSkipRefused(options.skipRefused);
    if (!options.into.isEmpty())
        return intoWallet(plan, options, io);
    // A wallet's own JSON into a new wallet: the copy quorril-cli import makes, ids and all.
    if (plan.format() == ImportFormat::QuorrilJson) {
        plan.setKeepTitles(true);
        if (options.report)
            io.out << importReport(plan) << Qt::flush;
        read.plan.reset();
        return importWalletJson(source, options.files.at(1), options.encrypt, io);
    }
    if (options.report)
        io.out << importReport(plan) << Qt::flush;
    if (!plan.canImport())
        return refuse(source, plan, io);
    return intoNewWallet(plan, options, io);
}

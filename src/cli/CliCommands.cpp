#include "CliCommands.h"

#include "AccountTypes.h"
#include "CliPrompts.h"
#include "DocumentTexts.h"
#include "QuorrilDoc.h"
#include "WalletJson.h"

#include <QFile>
#include <QJsonDocument>
#include <QLocale>
#include <QTextStream>

#include <map>

namespace {

std::optional<QString> askPassword(CliIo& io, bool confirm)
{
    std::optional<QString> text = io.readPassword(confirm);
    if (text && text->isEmpty()) {
        io.err << DocumentText::passwordEmpty() << Qt::endl;
        return std::nullopt;
    }
    return text;
}

std::optional<QByteArray> readWholeFile(const QString& path, CliIo& io)
{
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        io.err << "quorril-cli: cannot read " << path << ": " << file.errorString() << Qt::endl;
        return std::nullopt;
    }
    return bytes;
}

// Opens the wallet with the password from the reader. `readable` tells whether the accounts may be
// shown (the password matched); the result is the exit status of the open.
int openWallet(const QString& path, CliIo& io, CQuorrilDoc& doc, bool& readable)
{
    readable = false;
    const std::optional<QByteArray> bytes = readWholeFile(path, io);
    if (!bytes)
        return ExitFileError;
    readable = doc.openFromBytes(*bytes, path);
    if (doc.loadFailed())
        return ExitFormatError;
    return readable ? ExitSuccess : ExitNotOwner;
}

int exportWallet(const QString& path, CliIo& io)
{
    CliPrompts prompts([&io](Prompts::PasswordMode) { return askPassword(io, false); }, io.err);
    CQuorrilDoc doc(prompts);
    bool readable = false;
    const int status = openWallet(path, io, doc, readable);
    if (readable)
        io.out << QJsonDocument(WalletJson::toJson(doc)).toJson(QJsonDocument::Indented);
    return status;
}

int checkWallet(const QString& path, CliIo& io)
{
    CliPrompts prompts([&io](Prompts::PasswordMode) { return askPassword(io, false); }, io.err);
    CQuorrilDoc doc(prompts);
    bool readable = false;
    const int status = openWallet(path, io, doc, readable);
    if (!readable)
        return status;
    std::map<qint32, int> perType;
    int uncommitted = 0;
    for (const auto& [id, account] : doc.accounts()) {
        ++perType[account->GetType()];
        uncommitted += account->IsCommitted() ? 0 : 1;
    }
    io.out << "File: " << path << '\n'
           << "Version: " << doc.loadedVersion() << (doc.loadFailed() ? " (damaged: read up to the damage)" : "")
           << '\n'
           << "Next account id: " << doc.NextAccountId() << '\n'
           << "Accounts: " << doc.accountCount() << '\n';
    for (qint32 type : kAccountTypes)
        io.out << "  " << accountTypeName(type) << ": " << perType[type] << '\n';
    io.out << "Not committed: " << uncommitted << Qt::endl;
    return status;
}

int importWallet(const QString& jsonPath, const QString& path, CliIo& io)
{
    const std::optional<QByteArray> bytes = readWholeFile(jsonPath, io);
    if (!bytes)
        return ExitFileError;
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(*bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !json.isObject()) {
        const QString why = json.isNull()
            ? parseError.errorString() + QStringLiteral(" at offset %1").arg(parseError.offset)
            : QStringLiteral("an object is expected");
        io.err << "quorril-cli: " << jsonPath << ": " << why << Qt::endl;
        return ExitFormatError;
    }

    CliPrompts prompts([&io](Prompts::PasswordMode) { return askPassword(io, true); }, io.err);
    CQuorrilDoc doc(prompts);
    const QString problem = WalletJson::fromJson(json.object(), doc);
    if (!problem.isEmpty()) {
        io.err << "quorril-cli: " << jsonPath << ": " << problem << Qt::endl;
        return ExitFormatError;
    }
    const std::optional<QString> password = askPassword(io, true);
    if (!password)
        return ExitNotOwner;
    if (!ScrambledText::IsStorable(*password)) {
        io.err << "quorril-cli: the password holds a character that cannot be stored" << Qt::endl;
        return ExitNotOwner;
    }
    doc.setPassword(*password);
    return doc.OnSaveDocument(path) ? ExitSuccess : ExitFileError;
}

int usage(CliIo& io)
{
    io.err << "quorril-cli: expected one of: export FILE | import JSON FILE | check FILE | --help" << Qt::endl;
    return ExitFileError;
}

} // namespace

int runCli(const QStringList& arguments, CliIo& io)
{
    // Dates in the properties look the same on every machine.
    QLocale::setDefault(QLocale::c());
    const QString command = arguments.value(0);
    if (command == QLatin1StringView("--help") || command == QLatin1StringView("-h")
        || command == QLatin1StringView("help")) {
        io.out << cliHelp() << Qt::flush;
        return ExitSuccess;
    }
    if (command == QLatin1StringView("export") && arguments.size() == 2)
        return exportWallet(arguments.at(1), io);
    if (command == QLatin1StringView("check") && arguments.size() == 2)
        return checkWallet(arguments.at(1), io);
    if (command == QLatin1StringView("import") && arguments.size() == 3)
        return importWallet(arguments.at(1), arguments.at(2), io);
    return usage(io);
}

QString cliHelp()
{
    return QStringLiteral("Usage: quorril-cli COMMAND ...\n"
                          "\n"
                          "Reads and writes Quorril wallets (.qrl) for scripts, backups and checks.\n"
                          "\n"
                          "Commands:\n"
                          "  export FILE        Print the whole wallet FILE as JSON on standard output.\n"
                          "  import JSON FILE   Make a new wallet from the JSON (as export prints it) and save it\n"
                          "                     as FILE, protected by the password. Nothing is written when the\n"
                          "                     JSON does not fit; the message names the account and the field.\n"
                          "  check FILE         Open FILE and print how many accounts of each type it holds,\n"
                          "                     without titles or other secrets.\n"
                          "  --help             Show this text.\n"
                          "\n"
                          "Password:\n"
                          "  The wallet's password is the first line of standard input. On a terminal it is asked\n"
                          "  for without echo (twice for import). Nothing of a wallet is shown before the right\n"
                          "  password has been given.\n"
                          "\n"
                          "JSON of export and import:\n"
                          "  {\"version\": file version read, \"nextAccountId\": id of the next new account,\n"
                          "   \"accounts\": [ {\"id\", \"type\", \"typeName\", \"title\", \"committed\",\n"
                          "                  \"users\": [{\"loginId\", \"password\", \"email\", \"administrator\"}],\n"
                          "                  \"fields\": {name: value, ...},\n"
                          "                  \"properties\": [[label, value], ...]} ]}\n"
                          "  Accounts come in id order. Types: 10 Email, 11 WebSite, 12 Credit Card, 13 Bank,\n"
                          "  14 Insurance, 15 Medical, 16 Calling Card, 17 Purchased Item, 18 Software,\n"
                          "  20 Reference. Field names are those of the account type (for example \"institution\",\n"
                          "  \"accountType\", \"pin\"); a value is a text, a number, or for a date\n"
                          "  {\"status\": 0 valid, 1 invalid or 2 null, \"value\": days since 30 December 1899}.\n"
                          "  Numbers JSON cannot hold are written as \"NaN\", \"Infinity\", \"-Infinity\", \"-0\".\n"
                          "  Properties are the rows the program lists, dates in the form \"1 Jan 2000\".\n"
                          "  Import keeps ids, types, titles, committed flags, users and fields as given and takes\n"
                          "  the next id from \"nextAccountId\"; \"typeName\" and \"properties\" are ignored, missing\n"
                          "  fields keep their empty values and a missing \"committed\" counts as 1. A later account\n"
                          "  with the same id replaces the earlier one, as when a wallet is opened.\n"
                          "\n"
                          "Exit status:\n"
                          "  0  success\n"
                          "  1  wrong or missing password (\"You Do Not have ownership of this document !\")\n"
                          "  2  a file that cannot be read or written, or a wrong command line\n"
                          "  3  a damaged wallet (\"Invalid File Format !\"; with the right password, the accounts\n"
                          "     read before the damage are still exported), or JSON that does not fit\n");
}

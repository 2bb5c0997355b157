#include "cli/CliCommands.h"

#include "cli/CliPrompts.h"
#include "cli/HealthCommand.h"
#include "cli/ImportCommand.h"
#include "cli/MergeCommand.h"
#include "cli/SearchCommands.h"
#include "core/AccountTypes.h"
#include "document/DocumentTexts.h"
#include "document/FileAccess.h"
#include "document/QuorrilDoc.h"
#include "format/WalletFile.h"
#include "import/JsonExportWriter.h"
#include "import/JsonImportReader.h"

#include <QFile>
#include <QLocale>
#include <QTextStream>

#include <map>

namespace {

// Only a regular file is read, and no more than its size: a named pipe or a device given as a file
// is refused at once, never waited on or read without end.
std::optional<QByteArray> readWholeFile(const QString& path, CliIo& io)
{
    QString reason;
    std::optional<QByteArray> bytes = FileAccess::readRegularFile(path, reason);
    if (!bytes)
        io.err << "quorril-cli: " << DocumentText::cannotOpen(path, reason) << Qt::endl;
    return bytes;
}

// What every command's document takes from the command line: the cost it writes and whether it
// trusts a costly header.
void configure(CQuorrilDoc& doc, const CliIo& io)
{
    doc.setKdfCost(io.kdfCost);
    doc.setAllowCostlyKdf(io.allowCostlyKdf);
}

// Opens the wallet with the password from the reader. `readable` tells whether the accounts may be
// shown (the password matched); the result is the exit status of the open.
int openWallet(const QString& path, CliIo& io, CQuorrilDoc& doc, bool& readable)
{
    readable = false;
    const std::optional<QByteArray> bytes = readWholeFile(path, io);
    if (!bytes)
        return ExitFileError;
    configure(doc, io);
    readable = doc.openFromBytes(*bytes, path);
    if (!doc.loadFailed())
        return readable ? ExitSuccess : ExitNotOwner;
    if (!io.allowCostlyKdf && EncryptedReader(*bytes, io.kdfCost).isCostly())
        io.err << "quorril-cli: if you trust " << path << ", open it with --allow-costly-kdf" << Qt::endl;
    return ExitFormatError;
}

int exportWallet(const QString& path, CliIo& io)
{
    CliPrompts prompts([&io](Prompts::PasswordMode) { return askPassword(io, false); }, io.err);
    CQuorrilDoc doc(prompts);
    bool readable = false;
    const int status = openWallet(path, io, doc, readable);
    QString error;
    if (readable && !exportJson(doc, io.out, error)) {
        io.err << "quorril-cli: cannot write the JSON: " << error << Qt::endl;
        return ExitFileError;
    }
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
    std::map<AccountType, int> perType;
    int uncommitted = 0;
    for (const auto& [id, account] : doc.accounts()) {
        ++perType[account->GetType()];
        uncommitted += account->IsCommitted() ? 0 : 1;
    }
    io.out << "File: " << path << '\n'
           << "Encrypted: " << (doc.isEncrypted() ? "yes" : "no") << '\n'
           << "Version: " << doc.loadedVersion() << (doc.loadFailed() ? " (damaged: read up to the damage)" : "")
           << '\n'
           << "Next account id: " << idValue(doc.NextAccountId()) << '\n'
           << "Accounts: " << doc.accountCount() << '\n';
    for (AccountType type : kAccountTypes)
        io.out << "  " << accountTypeName(type) << ": " << perType[type] << '\n';
    io.out << "Not committed: " << uncommitted << Qt::endl;
    return status;
}

int importWallet(const QString& jsonPath, const QString& path, bool encrypt, CliIo& io)
{
    std::optional<QByteArray> bytes = readWholeFile(jsonPath, io);
    if (!bytes)
        return ExitFileError;
    CliPrompts prompts([&io](Prompts::PasswordMode) { return askPassword(io, true); }, io.err);
    CQuorrilDoc doc(prompts);
    configure(doc, io);
    doc.setEncrypted(encrypt);
    const QString problem = readWalletJson(*bytes, doc);
    bytes.reset(); // parsed in place: nothing of it is needed any more
    if (!problem.isEmpty()) {
        io.err << "quorril-cli: " << jsonPath << ": " << problem << Qt::endl;
        return ExitFormatError;
    }
    return saveNewWallet(doc, path, io);
}

int usage(CliIo& io)
{
    io.err << "quorril-cli: expected one of: export FILE | import [--encrypt] JSON FILE | check FILE | "
              "encrypt [--keep-password] FILE | decrypt FILE | search FILE TEXT | "
              "show FILE ID [--field NAME] [--show-secrets] | merge [BASE] OURS THEIRS | "
              "health [--breached LIST] FILE | --help"
           << Qt::endl;
    return ExitFileError;
}

// The password an encrypted wallet made from a classic one gets: a new one (the next password the
// reader gives), or with --keep-password the old one, with a warning saying why that is weaker.
// False when no usable new password was given.
bool choosePasswordForEncryption(CQuorrilDoc& doc, bool keepPassword, CliIo& io)
{
    if (keepPassword || !doc.encryptingNeedsNewPassword()) {
        if (doc.encryptingNeedsNewPassword())
            io.err << "quorril-cli: warning: keeping the old password. Every classic copy of this wallet (backups, "
                      "sync history) gives it away to anyone who has the copy, and it opens the encrypted wallet too."
                   << Qt::endl;
        doc.setEncrypted(true);
        return true;
    }
    const std::optional<QString> password = askPassword(io, true);
    if (!password)
        return false;
    if (!doc.encryptWithNewPassword(*password)) {
        io.err << "quorril-cli: the new password holds a character that cannot be stored" << Qt::endl;
        return false;
    }
    return true;
}

// encrypt [--keep-password] FILE and decrypt FILE: the wallet written again in place in the other
// container, after its password. Only a wallet read whole is written: a damaged one, or one of a
// version this program does not read completely, is left as it is.
int convertWallet(const QString& path, bool encrypt, bool keepPassword, CliIo& io)
{
    CliPrompts prompts([&io](Prompts::PasswordMode) { return askPassword(io, false); }, io.err);
    CQuorrilDoc doc(prompts);
    bool readable = false;
    const int status = openWallet(path, io, doc, readable);
    if (status != ExitSuccess)
        return status;
    if (!WalletFile::isKnownVersion(doc.loadedVersion())) {
        io.err << "quorril-cli: " << path << ": file version " << doc.loadedVersion()
               << " is not read whole by this program; nothing written" << Qt::endl;
        return ExitFormatError;
    }
    if (doc.isEncrypted() == encrypt) {
        io.err << "quorril-cli: " << path << " is " << (encrypt ? "encrypted" : "not encrypted")
               << " already; nothing written" << Qt::endl;
        return ExitSuccess;
    }
    if (encrypt && !choosePasswordForEncryption(doc, keepPassword, io))
        return ExitNotOwner;
    if (!encrypt) {
        io.err << "quorril-cli: warning: saving " << path << " as a classic wallet. " << DocumentText::classicRisk()
               << Qt::endl;
        doc.setEncrypted(false);
    }
    return doc.OnSaveDocument(path) ? ExitSuccess : ExitFileError;
}

// encrypt [--keep-password] FILE and decrypt FILE.
int convert(const QStringList& arguments, CliIo& io)
{
    const bool encrypt = arguments.at(0) == QLatin1StringView("encrypt");
    QStringList files = arguments.mid(1);
    const bool keepPassword = encrypt && files.removeAll(QStringLiteral("--keep-password")) == 1;
    if (files.size() != 1 || files.size() + (keepPassword ? 1 : 0) != arguments.size() - 1)
        return usage(io);
    return convertWallet(files.at(0), encrypt, keepPassword, io);
}

// import [--encrypt] JSON FILE, the option anywhere after the command; with another program's export
// options (--from, --into, ...) the import of ImportCommand.cpp.
int import(const QStringList& arguments, CliIo& io)
{
    if (isFormatImport(arguments))
        return importFormat(arguments, io);
    QStringList files = arguments.mid(1);
    const bool encrypt = files.removeAll(QStringLiteral("--encrypt")) == 1;
    if (files.size() != 2 || files.size() + (encrypt ? 1 : 0) != arguments.size() - 1)
        return usage(io);
    return importWallet(files.at(0), files.at(1), encrypt, io);
}

// show FILE ID [--field NAME] [--show-secrets], the options in any order.
int show(const QStringList& arguments, CliIo& io)
{
    std::optional<QString> field;
    bool showSecrets = false;
    for (qsizetype i = 3; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1StringView("--field") && i + 1 < arguments.size() && !field)
            field = arguments.at(++i);
        else if (arguments.at(i) == QLatin1StringView("--show-secrets"))
            showSecrets = true;
        else
            return usage(io);
    }
    return showAccount(arguments.at(1), arguments.at(2), field, showSecrets, io);
}

// health [--breached LIST] FILE, the option before or after the file.
int health(const QStringList& arguments, CliIo& io)
{
    QStringList rest = arguments.mid(1);
    QString list;
    if (const qsizetype at = rest.indexOf(QStringLiteral("--breached")); at >= 0 && at + 1 < rest.size()) {
        list = rest.at(at + 1);
        rest.remove(at, 2);
    }
    if (rest.size() != 1 || rest.first().startsWith(QLatin1String("--")) || (list.isEmpty() && arguments.size() != 2))
        return usage(io);
    return healthReport(rest.first(), list, io);
}

} // namespace

std::optional<QString> askPassword(CliIo& io, bool confirm)
{
    std::optional<QString> text = io.readPassword(confirm);
    if (text && text->isEmpty()) {
        io.err << DocumentText::passwordEmpty() << Qt::endl;
        return std::nullopt;
    }
    return text;
}

int saveNewWallet(CQuorrilDoc& doc, const QString& path, CliIo& io)
{
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

int importWalletJson(const QString& jsonPath, const QString& path, bool encrypt, CliIo& io)
{
    return importWallet(jsonPath, path, encrypt, io);
}

int withOpenWallet(const QString& path, CliIo& io, const std::function<int(CQuorrilDoc& doc, int status)>& use)
{
    CliPrompts prompts([&io](Prompts::PasswordMode) { return askPassword(io, false); }, io.err);
    CQuorrilDoc doc(prompts);
    bool readable = false;
    const int status = openWallet(path, io, doc, readable);
    return readable ? use(doc, status) : status;
}

int runCli(const QStringList& commandLine, CliIo& io)
{
    // Dates in the properties look the same on every machine.
    QLocale::setDefault(QLocale::c());
    QStringList arguments = commandLine;
    io.allowCostlyKdf = arguments.removeAll(QStringLiteral("--allow-costly-kdf")) > 0 || io.allowCostlyKdf;
    const QString command = arguments.value(0);
    if (command == QLatin1StringView("--help") || command == QLatin1StringView("-h")
        || command == QLatin1StringView("help")) {
        io.out << cliHelp() << Qt::flush;
        return ExitSuccess;
    }
    if (command == QLatin1StringView("--version")) {
        io.out << "quorril-cli " << QUORRIL_VERSION << Qt::endl;
        return ExitSuccess;
    }
    if (command == QLatin1StringView("export") && arguments.size() == 2)
        return exportWallet(arguments.at(1), io);
    if (command == QLatin1StringView("check") && arguments.size() == 2)
        return checkWallet(arguments.at(1), io);
    if (command == QLatin1StringView("import"))
        return import(arguments, io);
    if (command == QLatin1StringView("encrypt") || command == QLatin1StringView("decrypt"))
        return convert(arguments, io);
    if (command == QLatin1StringView("search") && arguments.size() == 3)
        return searchWallet(arguments.at(1), arguments.at(2), io);
    if (command == QLatin1StringView("show") && arguments.size() >= 3)
        return show(arguments, io);
    if (command == QLatin1StringView("merge") && (arguments.size() == 3 || arguments.size() == 4))
        return mergeWallets(arguments.mid(1), io);
    if (command == QLatin1StringView("health"))
        return health(arguments, io);
    return usage(io);
}

QString cliHelp()
{
    return QStringLiteral(
        "Usage: quorril-cli COMMAND ...\n"
        "\n"
        "Reads and writes Quorril wallets (.qrl) for scripts, backups and checks.\n"
        "\n"
        "Commands:\n"
        "  export FILE        Print the whole wallet FILE as JSON on standard output.\n"
        "  import [--encrypt] JSON FILE\n"
        "                     Make a new wallet from the JSON (as export prints it) and save it\n"
        "                     as FILE, protected by the password. Nothing is written when the\n"
        "                     JSON does not fit; the message names the account and the field.\n"
        "                     With --encrypt the wallet is encrypted (see below); without it,\n"
        "                     it is the classic format.\n"
        "  import [--from FORMAT] [--report] [--skip-refused] [--no-more] [--encrypt] SOURCE FILE\n"
        "  import [--from FORMAT] [--report] [--skip-refused] [--no-more] --into WALLET SOURCE\n"
        "                     Bring in another program's export: a new wallet FILE (protected by\n"
        "                     the password; classic unless --encrypt), or the accounts added to\n"
        "                     the wallet WALLET after its password. FORMAT is auto (the default:\n"
        "                     told from the content, and said on standard error), keepass-xml,\n"
        "                     keepassxc-csv, bitwarden-json, chrome-csv, firefox-csv,\n"
        "                     1password-csv, lastpass-csv or quorril-json (the JSON of export: a\n"
        "                     new wallet gets it as it is, ids and all). Logins become WebSite\n"
        "                     accounts (Email when the address or title says mail), cards Credit\n"
        "                     Card, bank accounts Bank, notes Reference, and so on; a value with\n"
        "                     no place goes to the account's notes, or to a Reference account\n"
        "                     \"<Title> (more)\" (--no-more leaves those values out); a title\n"
        "                     taken in its type gets \" (2)\", \" (3)\"... A row holding a text a\n"
        "                     wallet cannot store stops the import unless --skip-refused.\n"
        "                     --report prints what the import does (counts by type, renamed\n"
        "                     titles, refused rows, values moved), never a value. A damaged or\n"
        "                     unknown file writes nothing; the message names the row, line or byte.\n"
        "                     Any of these options selects this form; without one, import reads\n"
        "                     the JSON of export only, as above.\n"
        "  check FILE         Open FILE and print whether it is encrypted and how many accounts\n"
        "                     of each type it holds, without titles or other secrets.\n"
        "  encrypt FILE       Write FILE again, encrypted, after its password, with a new\n"
        "                     password: every classic copy of FILE gives the old one away.\n"
        "  encrypt --keep-password FILE\n"
        "                     The same, keeping the old password (with a warning).\n"
        "  decrypt FILE       Write FILE again in the classic format, after its password, readable\n"
        "                     by its owner only (mode 0600): anyone who has a classic file can\n"
        "                     read every account and the password, without knowing it.\n"
        "                     Both replace FILE in one step (the old file stays whole on any\n"
        "                     failure) and write nothing for a damaged wallet; a wallet already\n"
        "                     in the asked format is left as it is.\n"
        "  search FILE TEXT   Print one line per account whose title or a listed value holds\n"
        "                     TEXT, ignoring case and accents (\"ete\" finds \"\u00c9t\u00e9\"): its id,\n"
        "                     type name and title, tab-separated, in id order. Secret values\n"
        "                     (passwords, PINs, SSN, CD Key) are neither searched nor printed.\n"
        "  show FILE ID [--field NAME] [--show-secrets]\n"
        "                     Print the rows of the account with that id as \"Label: value\"\n"
        "                     lines, in the order the program lists them; secret values show\n"
        "                     as ******** unless --show-secrets is given. With --field, print\n"
        "                     only that field's raw value and a line break, secret or not:\n"
        "                     NAME is \"title\", a field name of the JSON (\"pin\", \"cdKey\",\n"
        "                     any case) or users[N].loginId, .password, .email, .administrator\n"
        "                     (N from 0); numbers come in full, dates as yyyy-MM-dd.\n"
        "                       pw=$(quorril-cli show w.qrl 12 --field pin < pass.txt)\n"
        "  merge BASE OURS THEIRS\n"
        "                     Merge the changes from BASE to THEIRS into OURS, account by account,\n"
        "                     and write OURS in place: git's merge driver form (%O %A %B). An\n"
        "                     account changed on one side takes that side's version; changed on\n"
        "                     both sides differently, both are kept, theirs under a new id and the\n"
        "                     title \"<Title> (conflict <yyyy-mm-dd>)\". Deleted on one side and\n"
        "                     changed on the other, the changed one is kept. An empty BASE means\n"
        "                     no base (the form below).\n"
        "  merge OURS THEIRS  Merge THEIRS (a sync engine's conflict copy, a backup) into OURS\n"
        "                     without a base: everything of both is kept, an account that differs\n"
        "                     under one id twice as above.\n"
        "                     Both print what was taken, kept twice, added, deleted and renumbered,\n"
        "                     keep OURS' password and format (a classic OURS becomes encrypted when\n"
        "                     THEIRS is, with THEIRS' password), and write nothing when a file is\n"
        "                     refused. Exit 1 when accounts were kept twice (git then marks the\n"
        "                     file conflicted; nothing is lost). See docs/sync.md.\n"
        "  health [--breached LIST] FILE\n"
        "                     Print one line per password, user password, PIN or CD key that has\n"
        "                     a problem, worst first: id, type name, title, which secret, grade\n"
        "                     (Bad, Poor, Weak, Good, Excellent; - for a key, which is not\n"
        "                     graded) and the problems (breached, reused in N places, weak,\n"
        "                     empty, expired card or policy), tab-separated. No secret is ever\n"
        "                     printed. Passwords are graded by zxcvbn's estimate, PINs on their\n"
        "                     own scale; a secret held in two or more places is at most Weak.\n"
        "                     With --breached, every secret is also looked up in LIST, a list of\n"
        "                     SHA-1 hashes of breached passwords in the published \"HASH:COUNT\"\n"
        "                     text form, sorted by hash, and the count is reported. LIST is read\n"
        "                     once from start to end, never held whole. A line not of that form\n"
        "                     is reported on standard error and skipped (the first ten by number,\n"
        "                     then how many in all); a list out of order exits 3.\n"
        "  --help             Show this text.\n"
        "  --version          Print the program's version.\n"
        "\n"
        "Password:\n"
        "  The wallet's password is the first line of standard input. On a terminal it is asked\n"
        "  for without echo (twice for import). The new password of encrypt is the second line,\n"
        "  or asked for twice on a terminal. Nothing of a wallet is shown before the right\n"
        "  password has been given. When QUORRIL_PASSWORD_FILE names a file, the password is its\n"
        "  first line instead; the file must be a regular file that only its owner may read or\n"
        "  write (chmod 600). merge opens each file with the first password that opens it and\n"
        "  reads the next line for a file none opens.\n"
        "\n"
        "Encrypted wallets:\n"
        "  export, check, search and show read both formats. An encrypted wallet holds the\n"
        "  classic bytes sealed with XChaCha20-Poly1305 under a key that Argon2id derives from\n"
        "  the password (3 passes over 256 MiB when written here), so the file alone tells\n"
        "  nothing without the password. It is read all or nothing: a damaged one exits 3 with\n"
        "  nothing shown. A file asking for more than 4 times that work is refused as damaged\n"
        "  (a forged header could keep the program busy for minutes) unless --allow-costly-kdf\n"
        "  is given, anywhere on the command line.\n"
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
        "  with the same id replaces the earlier one, as when a wallet is opened. Import refuses\n"
        "  JSON nested deeper than the 5 levels above, a text longer than 4294967295 UTF-16\n"
        "  units and a list of more than 2147483647 accounts or users (what a wallet file can\n"
        "  hold), and a text with an unpaired surrogate.\n"
        "\n"
        "Exit status:\n"
        "  0  success\n"
        "  1  wrong or missing password (\"You Do Not have ownership of this document !\"), or\n"
        "     merge kept accounts twice\n"
        "  2  a file that cannot be read or written, or a wrong command line\n"
        "  3  a damaged wallet (\"Invalid File Format !\"; with the right password, the accounts\n"
        "     of a classic wallet read before the damage are still exported, searched or\n"
        "     shown; encrypt and decrypt write nothing), or JSON that does not fit\n"
        "  4  search found no account; show was given an unknown id or field\n"
        "  5  health found a secret with a problem\n");
}

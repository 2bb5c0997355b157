#pragma once

#include "format/EncryptedFormat.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QTextStream;

// What the command-line program reads and writes: standard output and error, and the password
// reader (confirm: a new password, asked twice on a terminal). The reader writes its own reason to
// err when it gives nothing. Encrypted wallets are written at kdfCost (tests write cheap ones); one
// whose header asks for much more is opened only with allowCostlyKdf (--allow-costly-kdf).
struct CliIo {
    QTextStream& out;
    QTextStream& err;
    std::function<std::optional<QString>(bool confirm)> readPassword;
    KdfCost kdfCost = EncryptedFormat::defaultCost();
    bool allowCostlyKdf = false;
};

enum CliExit : int {
    ExitSuccess = 0,
    ExitNotOwner = 1, // wrong or missing password
    ExitKeptTwice = 1, // merge: done, with accounts kept twice (nothing lost; git marks the file conflicted)
    ExitFileError = 2, // a file that cannot be read or written, or a wrong command line
    ExitFormatError = 3, // a damaged wallet, or JSON that does not fit
    ExitNotFound = 4, // search found nothing; show was given an unknown id or field
    ExitProblems = 5, // health found a weak, reused, empty, expired or breached secret
};

// Runs one command (the arguments without the program name) and returns the exit status.
int runCli(const QStringList& arguments, CliIo& io);

// The document password from the input (typed twice when confirm); none, with a message, when it
// is empty or not given.
std::optional<QString> askPassword(CliIo& io, bool confirm);
class CQuorrilDoc;
// Gives a new wallet the password from io (typed twice) and saves it as path; the exit status.
int saveNewWallet(CQuorrilDoc& doc, const QString& path, CliIo& io);

QString cliHelp();

// A new wallet FILE from a wallet's JSON, as export writes it: ids, titles and all as given.
int importWalletJson(const QString& jsonPath, const QString& path, bool encrypt, CliIo& io);

class CQuorrilDoc;
// Opens the wallet with the password from io. When the accounts may be shown, returns what `use`
// returns, given the document and the open's status (0, or 3 for a damaged file read up to the
// damage); otherwise the open's status.
int withOpenWallet(const QString& path, CliIo& io, const std::function<int(CQuorrilDoc& doc, int status)>& use);

#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QTextStream;

// What the command-line program reads and writes: standard output and error, and the password
// reader (confirm: a new password, asked twice on a terminal). The reader writes its own reason to
// err when it gives nothing.
struct CliIo {
    QTextStream& out;
    QTextStream& err;
    std::function<std::optional<QString>(bool confirm)> readPassword;
};

enum CliExit : int {
    ExitSuccess = 0,
    ExitNotOwner = 1, // wrong or missing password
    ExitFileError = 2, // a file that cannot be read or written, or a wrong command line
    ExitFormatError = 3, // a damaged wallet, or JSON that does not fit
};

// Runs one command (the arguments without the program name) and returns the exit status.
int runCli(const QStringList& arguments, CliIo& io);

QString cliHelp();

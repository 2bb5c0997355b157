// quorril-cli: export, import and check Quorril wallets from scripts.
#include "cli/CliCommands.h"
#include "cli/PasswordInput.h"
#include "core/CoreDumps.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    turnOffCoreDumps();
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliIo io { out, err, passwordReader(err) };
    const int status = runCli(app.arguments().mid(1), io);
    out.flush();
    err.flush();
    return status;
}

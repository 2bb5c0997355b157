#include "app/QuorrilApp.h"
#include "app/Translations.h"
#include "core/CoreDumps.h"
#include "core/FreedMemory.h"
#include "dialogs/WidgetPrompts.h"

#include <QApplication>
#include <QIcon>

#include <cstring>
#include <memory>

namespace {
// --help and --version answer on the terminal and open no window, so they need no display.
bool onlyAsksForText(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : { "-h", "--help", "--help-all", "-?", "-v", "--version" })
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}
} // namespace

int main(int argc, char* argv[])
{
    // Before anything of a wallet can be in memory.
    FreedMemory::restartWiping(argv);
    turnOffCoreDumps();
    std::unique_ptr<QCoreApplication> application = onlyAsksForText(argc, argv)
        ? std::make_unique<QCoreApplication>(argc, argv)
        : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quorril"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwell"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORRIL_VERSION));
    if (qobject_cast<QApplication*>(application.get())) {
        QGuiApplication::setDesktopFileName(QStringLiteral("quorril"));
        QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/app/art/quorril.svg")));
        // The window speaks the user's language; --help and --version stay English, like the manual.
        Translations::installForSystem(*application);
    }

    WidgetPrompts prompts;
    CQuorrilApp app(prompts);
    if (std::optional<int> status = app.InitInstance(QCoreApplication::arguments()))
        return *status;
    return QCoreApplication::exec();
}

#include "QuorrilApp.h"
#include "WidgetPrompts.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorril"));
    QApplication::setOrganizationName(QStringLiteral("Tarnwell"));
    QApplication::setApplicationVersion(QStringLiteral(QUORRIL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("quorril"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/art/quorril.svg")));

    WidgetPrompts prompts;
    CQuorrilApp app(prompts);
    if (std::optional<int> status = app.InitInstance(QApplication::arguments()))
        return *status;
    return QApplication::exec();
}

#include "app/QuorrilApp.h"

#include "app/AutoLock.h"
#include "app/FileCommands.h"
#include "app/MainFrame.h"
#include "app/Preferences.h"
#include "app/RecentFileList.h"
#include "app/ScreenLockListener.h"
#include "app/WindowGeometry.h"
#include "dialogs/GeneratorSettings.h"
#include "dialogs/WidgetPrompts.h"
#include "document/QuorrilDoc.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSettings>

#include <cstdio>

namespace {
void print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}
} // namespace

CQuorrilApp::CQuorrilApp(UiPrompts& prompts, std::unique_ptr<QSettings> settings)
    : m_prompts(prompts)
    , m_settings(settings ? std::move(settings)
                          : std::make_unique<QSettings>(QStringLiteral("Tarnwell"), QStringLiteral("Quorril")))
{
    m_recentFiles = std::make_unique<RecentFileList>(*m_settings);
    m_preferences = std::make_unique<Preferences>(*m_settings);
    GeneratorSettings::use(m_settings.get());
}

CQuorrilApp::~CQuorrilApp()
{
    GeneratorSettings::use(nullptr);
    // The window goes before the document it shows.
    m_screenLock.reset();
    m_frame.reset();
}

std::optional<int> CQuorrilApp::InitInstance(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quorril keeps your accounts, passwords and card data in one "
                                                    "password-protected wallet document (.qrl)."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"), QStringLiteral("The wallet document to open."), QStringLiteral("[FILE]"));
    if (!parser.parse(arguments)) {
        print(stderr, QStringLiteral("quorril: %1\nTry 'quorril --help'.\n").arg(parser.errorText()));
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("quorril %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        print(stderr, QStringLiteral("quorril: one document at a time\nTry 'quorril --help'.\n"));
        return 2;
    }

    m_doc = std::make_unique<CQuorrilDoc>(m_prompts);
    m_frame = std::make_unique<CMainFrame>(*m_doc, m_prompts, *m_recentFiles, *m_preferences);
    // Every prompt from now on belongs to the main window, even when no window of ours is active.
    if (auto* widgetPrompts = dynamic_cast<WidgetPrompts*>(&m_prompts))
        widgetPrompts->setParentWindow(m_frame.get());
    // Placed before the document opens, so the password asked for meanwhile is centred on it: as
    // it was left, or in the middle of the screen at the first start.
    if (!WindowGeometry::restore(*m_frame, *m_frame->splitter(), *m_settings))
        m_frame->centerOnScreen();
    QObject::connect(m_frame.get(), &CMainFrame::closing, m_frame.get(),
        [this] { WindowGeometry::save(*m_frame, *m_frame->splitter(), *m_settings); });
    m_screenLock = std::make_unique<ScreenLockListener>();
    QObject::connect(m_screenLock.get(), &ScreenLockListener::screenLocked, m_frame.get(),
        [this] { m_frame->autoLock().lockFor(AutoLock::Reason::ScreenLocked); });
    if (files.isEmpty())
        m_doc->OnNewDocument();
    else
        // As File > Open: a file that cannot be opened (the reason was shown) or whose password is
        // refused leaves a new document in the window, and the user may try again.
        m_frame->fileCommands().openDocumentFile(files.first());
    m_frame->show();
    m_frame->repaint();
    return std::nullopt;
}

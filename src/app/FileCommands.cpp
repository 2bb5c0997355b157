#include "app/FileCommands.h"

#include "app/AboutDlg.h"
#include "app/CommandIds.h"
#include "app/Preferences.h"
#include "app/RecentFileList.h"
#include "app/RestoreBackupDlg.h"
#include "dialogs/UiPrompts.h"
#include "document/DocumentTexts.h"
#include "document/FileAccess.h"
#include "document/QuorrilDoc.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

namespace {
const QString kExtension = QStringLiteral(".qrl");

bool samePath(const QString& a, const QString& b)
{
    return !a.isEmpty() && !b.isEmpty() && QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

// How a recent document appears on the File menu: its number as mnemonic, then its path with
// the home folder shortened and long paths elided in the middle.
QString recentFileText(int number, const QString& path)
{
    QString shown = QDir::toNativeSeparators(path);
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (shown.startsWith(home + QDir::separator()))
        shown = QStringLiteral("~") + shown.mid(home.size());
    constexpr int maxLength = 48;
    if (shown.size() > maxLength)
        shown = shown.left(maxLength / 2 - 2) + QStringLiteral("...") + shown.right(maxLength / 2 - 1);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(number).arg(shown);
}
} // namespace

FileCommands::FileCommands(CQuorrilDoc& document, UiPrompts& prompts, RecentFileList& recentFiles,
    Preferences& preferences, const CommandActions& actions, QAction& recentPlaceholder, QStatusBar& statusBar,
    QWidget& window)
    : QObject(&window)
    , m_doc(document)
    , m_prompts(prompts)
    , m_recentFiles(recentFiles)
    , m_actions(actions)
    , m_recentPlaceholder(recentPlaceholder)
    , m_window(window)
{
    connect(action(ID_FILE_NEW), &QAction::triggered, this, &FileCommands::OnFileNew);
    connect(action(ID_FILE_OPEN), &QAction::triggered, this, &FileCommands::OnFileOpen);
    connect(action(ID_FILE_SAVE), &QAction::triggered, this, &FileCommands::OnFileSave);
    connect(action(ID_FILE_SAVE_AS), &QAction::triggered, this, &FileCommands::OnFileSaveAs);
    connect(action(ID_FILE_RESTORE_BACKUP), &QAction::triggered, this, &FileCommands::OnRestoreBackup);
    connect(action(ID_APP_ABOUT), &QAction::triggered, this, &FileCommands::OnAppAbout);
    connect(action(ID_APP_EXIT), &QAction::triggered, &m_window, &QWidget::close);
    for (int id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE4; ++id)
        connect(action(id), &QAction::triggered, this, [this, id] { openRecentFile(id - ID_FILE_MRU_FILE1); });
    connect(&m_recentFiles, &RecentFileList::changed, this, &FileCommands::updateRecentFileMenu);
    updateRecentFileMenu();

    // A save keeps as many backups as the preference says at that moment, and tells when it could
    // keep none.
    m_doc.setBackupCount([&preferences] { return preferences.backupCount(); });
    connect(&m_doc, &CQuorrilDoc::backupFailed, this,
        [&statusBar](const QString& message) { statusBar.showMessage(message, kStatusMilliseconds); });
}

QAction* FileCommands::action(int id) const { return m_actions.value(id); }

void FileCommands::updateState()
{
    action(ID_FILE_SAVE)->setEnabled(m_doc.canSave());
    action(ID_FILE_RESTORE_BACKUP)->setEnabled(!m_doc.GetPathName().isEmpty());
}

void FileCommands::updateRecentFileMenu()
{
    const QStringList entries = m_recentFiles.entries();
    m_recentPlaceholder.setVisible(entries.isEmpty());
    for (int index = 0; index < RecentFileList::MaxEntries; ++index) {
        QAction* entry = action(ID_FILE_MRU_FILE1 + index);
        const bool listed = index < entries.size();
        entry->setVisible(listed);
        entry->setText(listed ? recentFileText(index + 1, entries.at(index)) : QString());
        entry->setData(listed ? entries.at(index) : QString());
    }
}

bool FileCommands::saveModified()
{
    if (!m_doc.IsModified())
        return true;
    switch (m_prompts.questionWithCancel(tr("Save changes to %1?").arg(m_doc.GetTitle()))) {
    case UiPrompts::Answer::Yes:
        return OnFileSave();
    case UiPrompts::Answer::No:
        return true;
    case UiPrompts::Answer::Cancel:
        break;
    }
    return false;
}

void FileCommands::OnFileNew()
{
    if (!saveModified())
        return;
    Q_EMIT documentClosing();
    m_doc.OnNewDocument();
}

void FileCommands::OnFileOpen()
{
    const QString path = m_prompts.openFileName();
    if (!path.isEmpty())
        openDocumentFile(path);
}

bool FileCommands::loadDocument(const QString& path)
{
    Q_EMIT documentClosing();
    if (!m_doc.OnOpenDocument(path)) {
        keepViewsIfAbandoned();
        return false;
    }
    m_recentFiles.add(path);
    return true;
}

bool FileCommands::openDocumentFile(const QString& path)
{
    // The document open in the window already stays as it is.
    if (samePath(path, m_doc.GetPathName()))
        return true;
    if (!saveModified())
        return false;
    if (loadDocument(path))
        return true;
    // The document is a new one again. A file that could not be read leaves the recent list; a
    // wallet whose password was refused goes to its top, so the user can try again from there.
    switch (m_doc.lastOpenResult()) {
    case CQuorrilDoc::OpenResult::Unreadable:
        m_recentFiles.remove(path);
        break;
    case CQuorrilDoc::OpenResult::Cancelled:
    case CQuorrilDoc::OpenResult::NotOwner:
        m_recentFiles.add(path);
        break;
    default:
        break;
    }
    return false;
}

void FileCommands::openFilesInTurn(const QStringList& paths)
{
    for (const QString& path : paths)
        openDocumentFile(path);
}

void FileCommands::openRecentFile(int index)
{
    const QString path = action(ID_FILE_MRU_FILE1 + index)->data().toString();
    if (!path.isEmpty())
        openDocumentFile(path);
}

bool FileCommands::OnFileSave()
{
    const QString path = m_doc.GetPathName();
    // A new document, one read from a damaged file, or a file that cannot be written: ask for a name.
    const QFileInfo file(path);
    if (path.isEmpty() || m_doc.loadFailed() || (file.exists() && !file.isWritable()))
        return OnFileSaveAs();
    return doSave(path);
}

bool FileCommands::OnFileSaveAs()
{
    const QString current = m_doc.GetPathName();
    const QString suggested = current.isEmpty() ? m_doc.GetTitle() + kExtension : current;
    QString path = m_prompts.saveFileName(suggested);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += kExtension;
    return doSave(path);
}

bool FileCommands::doSave(const QString& path)
{
    if (!m_doc.OnSaveDocument(path))
        return false;
    m_recentFiles.add(path);
    return true;
}

void FileCommands::OnRestoreBackup()
{
    if (m_doc.GetPathName().isEmpty())
        return;
    RestoreBackupDlg dialog(m_doc.GetPathName(), &m_window);
    if (dialog.exec() == QDialog::Accepted && !dialog.chosenPath().isEmpty())
        openBackup(dialog.chosenPath());
}

bool FileCommands::openBackup(const QString& path)
{
    if (!saveModified())
        return false;
    Q_EMIT documentClosing();
    QString reason;
    const std::optional<QByteArray> bytes = FileAccess::readRegularFile(path, reason);
    if (!bytes) {
        m_prompts.notice(DocumentText::cannotOpen(QFileInfo(path).fileName(), reason));
        m_doc.OnNewDocument();
        return false;
    }
    // No path: the backup stays as it is, and the first save asks for a name.
    if (m_doc.openFromBytes(*bytes, QString()))
        return true;
    keepViewsIfAbandoned();
    return false;
}

void FileCommands::keepViewsIfAbandoned()
{
    // The user gave up waiting for the key: the document is as it was, and so are its views.
    if (m_doc.lastOpenResult() == CQuorrilDoc::OpenResult::Abandoned)
        Q_EMIT documentKept();
}

void FileCommands::OnAppAbout()
{
    CAboutDlg about(&m_window);
    about.exec();
}

#pragma once

#include <QObject>
#include <QStringList>

class CMainFrame;
class CQuorrilDoc;
class UiPrompts;
class QAction;
class RecentFileList;

// The File menu: New, Open, Save, Save As, the recent documents, About and Exit, with the question
// "Save changes to %1?" before a modified document is closed or replaced.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(CMainFrame& frame, RecentFileList& recentFiles);

    void OnFileNew();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    // File > Restore Backup…: the backups of the open wallet; the one chosen opens as an untitled
    // document.
    void OnRestoreBackup();
    void OnAppAbout();

    // Opens a file as File > Open does, after the save question. When the open fails or is refused
    // the window shows a new empty document; the result is false then.
    bool openDocumentFile(const QString& path);
    // Opens the files one after another (files dropped on the window).
    void openFilesInTurn(const QStringList& paths);
    // Opens a backup, after the save question, as an untitled document (its password is asked); when
    // it cannot be read or opened the window shows a new empty document. True when it opened.
    bool openBackup(const QString& path);
    // Asks "Save changes to %1?" when the document is modified; false when the user cancels or the
    // save fails, so the caller must keep the document.
    bool saveModified();

    // The enabling of the File commands and the recent files on the menu.
    void updateState();
    void updateRecentFileMenu();

private:
    // Opens the file: true when the document holds it now.
    bool loadDocument(const QString& path);
    void keepViewsIfAbandoned();
    bool doSave(const QString& path);
    void openRecentFile(int index);
    QAction* action(int id) const;

    CMainFrame& m_frame;
    CQuorrilDoc& m_doc;
    UiPrompts& m_prompts;
    RecentFileList& m_recentFiles;
};

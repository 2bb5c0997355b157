#pragma once

#include "app/CommandActions.h"

#include <QObject>
#include <QStringList>

class CQuorrilDoc;
class Preferences;
class QAction;
class QStatusBar;
class QWidget;
class RecentFileList;
class UiPrompts;

// The File menu: New, Open, Save, Save As, the recent documents, About and Exit, with the question
// "Save changes to %1?" before a modified document is closed or replaced.
class FileCommands : public QObject {
    Q_OBJECT
public:
    // `recentPlaceholder` is the menu's greyed entry shown while there are no recent files; Exit
    // closes `window`, the parent of the dialogs.
    FileCommands(CQuorrilDoc& document, UiPrompts& prompts, RecentFileList& recentFiles, Preferences& preferences,
        const CommandActions& actions, QAction& recentPlaceholder, QStatusBar& statusBar, QWidget& window);

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

Q_SIGNALS:
    // New or Open is about to replace the document's contents: the views let go of them, so nothing
    // of the old wallet stays on screen while the next one asks for its password.
    void documentClosing();
    // An open was given up while its key was derived: the document stayed as it was, and the views
    // rebuild from it.
    void documentKept();

private:
    // Opens the file: true when the document holds it now.
    bool loadDocument(const QString& path);
    void keepViewsIfAbandoned();
    bool doSave(const QString& path);
    void openRecentFile(int index);
    QAction* action(int id) const;

    CQuorrilDoc& m_doc;
    UiPrompts& m_prompts;
    RecentFileList& m_recentFiles;
    const CommandActions& m_actions;
    QAction& m_recentPlaceholder;
    QWidget& m_window;
};

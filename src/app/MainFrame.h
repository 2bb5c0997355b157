#pragma once

#include "app/CommandActions.h"

#include <QMainWindow>

#include <memory>

class AccountCommands;
class AutoLock;
class CopyCommands;
class EditCommands;
class ExpiringCommands;
class HealthCommands;
class ImportCommands;
class CAccountView;
class CQuorrilDoc;
class CQuorrilView;
class EncryptionCommands;
class FileCommands;
class FindBar;
class KeyStateIndicators;
class PaneCommands;
class PasswordCommands;
class Preferences;
class UiPrompts;
class QLabel;
class QMenu;
class QSplitter;
class RecentFileList;
class SyncCommands;
class ViewCommands;

// The main window: menu bar, toolbar, status bar, and the splitter with the account tree on the
// left and the property list on the right. It owns one action per command and keeps their enabled
// state current whenever something they depend on changes: the active pane (the one that last had
// the focus), the tree's selection, the lock, the modified mark and the path.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    enum class Pane { Tree, List };
    static constexpr int InitialSize = 500;
    static constexpr int TreeWidth = 150;

    CMainFrame(CQuorrilDoc& document, UiPrompts& prompts, RecentFileList& recentFiles, Preferences& preferences,
        QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* action(int id) const { return m_actions.value(id); }
    QAction* recentFilesPlaceholder() const { return m_recentPlaceholder; }
    CQuorrilView* treeView() const { return m_tree; }
    CAccountView* listView() const { return m_list; }
    QSplitter* splitter() const { return m_splitter; }
    // The find field above the tree; it belongs to the tree's pane.
    FindBar* findBar() const { return m_findBar; }
    ViewCommands& viewCommands() const { return *m_viewCommands; }
    CopyCommands& copyCommands() const { return *m_copyCommands; }
    QLabel* messagePane() const { return m_messagePane; }
    // The message pane at rest: "Ready", or the open wallet's note (expiring items, weak passwords)
    // while it has one. The note is kept, and shown now and whenever the pane comes back to rest.
    void setRestingNote(const QString& note);
    void showRestingText();
    KeyStateIndicators* keyStateIndicators() const { return m_indicators; }
    // "Encrypted" or "Not Encrypted", the first of the permanent panes.
    QLabel* encryptionPane() const { return m_encryptionPane; }
    FileCommands& fileCommands() const { return *m_fileCommands; }
    AccountCommands& accountCommands() const { return *m_accountCommands; }
    EditCommands& editCommands() const { return *m_editCommands; }
    AutoLock& autoLock() const { return *m_autoLock; }
    ExpiringCommands& expiringCommands() const { return *m_expiringCommands; }
    HealthCommands& healthCommands() const { return *m_healthCommands; }
    SyncCommands& syncCommands() const { return *m_syncCommands; }
    ImportCommands& importCommands() const { return *m_importCommands; }
    // The Account menu, which is also the tree's context menu.
    QMenu* accountMenu() const { return m_accountMenu; }
    CQuorrilDoc& document() const { return m_doc; }
    UiPrompts& prompts() const { return m_prompts; }
    Preferences& preferences() const { return m_preferences; }

    // The pane the pane-bound commands go to: the tree at start, then the pane that last had focus.
    Pane activePane() const { return m_activePane; }
    // Recomputes the enabled state of every command.
    void updateCommandStates();
    // Before New or Open replace the document's contents: the views let go of them, so nothing of
    // the old wallet stays on screen while the next one asks for its password.
    void OnDocumentClosing();
    // The views rebuild from the document: after New or Open, or when an open was given up and the
    // document stayed as it was.
    void OnDocumentReset();
    // Places the window in the middle of its screen.
    void centerOnScreen();

Q_SIGNALS:
    // The window is closing for good (the user agreed to lose or save any change).
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createClient();
    void onFocusChanged(QWidget* now);
    void updateTitle();
    void OnPreferences();

    CQuorrilDoc& m_doc;
    UiPrompts& m_prompts;
    CommandActions m_actions;
    QAction* m_recentPlaceholder = nullptr;
    QMenu* m_accountMenu = nullptr;
    QSplitter* m_splitter = nullptr;
    CQuorrilView* m_tree = nullptr;
    FindBar* m_findBar = nullptr;
    CAccountView* m_list = nullptr;
    QLabel* m_messagePane = nullptr;
    QString m_restingNote;
    QLabel* m_encryptionPane = nullptr;
    KeyStateIndicators* m_indicators = nullptr;
    Pane m_activePane = Pane::Tree;
    FileCommands* m_fileCommands = nullptr;
    AccountCommands* m_accountCommands = nullptr;
    EditCommands* m_editCommands = nullptr;
    PaneCommands* m_paneCommands = nullptr;
    PasswordCommands* m_passwordCommands = nullptr;
    EncryptionCommands* m_encryptionCommands = nullptr;
    ViewCommands* m_viewCommands = nullptr;
    CopyCommands* m_copyCommands = nullptr;
    AutoLock* m_autoLock = nullptr;
    ExpiringCommands* m_expiringCommands = nullptr;
    HealthCommands* m_healthCommands = nullptr;
    SyncCommands* m_syncCommands = nullptr;
    ImportCommands* m_importCommands = nullptr;
    RecentFileList& m_recentFiles;
    Preferences& m_preferences;
};

#include "app/MainFrame.h"

#include "app/AccountCommands.h"
#include "app/AutoLock.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/CopyCommands.h"
#include "app/EditCommands.h"
#include "app/EncryptionCommands.h"
#include "app/ExpiringCommands.h"
#include "app/FileCommands.h"
#include "app/HealthCommands.h"
#include "app/ImportCommands.h"
#include "app/KeyStateIndicators.h"
#include "app/PaneCommands.h"
#include "app/PasswordCommands.h"
#include "app/Preferences.h"
#include "app/PreferencesDlg.h"
#include "app/SyncCommands.h"
#include "app/ViewCommands.h"
#include "dialogs/UiPrompts.h"
#include "document/QuorrilDoc.h"
#include "views/AccountView.h"
#include "views/FindBar.h"
#include "views/QuorrilView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QResizeEvent>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
QStringList droppedFiles(const QMimeData* data)
{
    QStringList paths;
    if (!data)
        return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    return paths;
}

// The status bar's message pane. A note wider than the pane (the expiring and health notes
// together, in a window of the first size) wraps onto more lines, and the status bar grows to show
// it whole. The main window gives the status bar the height it prefers, whatever its width, so the
// pane prefers the height of its lines at the width it has, and asks again when its width changes.
class MessagePane : public QLabel {
public:
    MessagePane() { setWordWrap(true); }

    // Its height follows its width through sizeHint(): a layout that asked heightForWidth() would
    // reckon the lines at the status bar's preferred width instead.
    bool hasHeightForWidth() const override { return false; }

    QSize sizeHint() const override
    {
        QSize size = QLabel::sizeHint();
        if (width() > 0)
            size.setHeight(heightForWidth(width()));
        return size;
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        if (event->oldSize().width() != width())
            updateGeometry();
    }
};
} // namespace

CMainFrame::CMainFrame(
    CQuorrilDoc& document, UiPrompts& prompts, RecentFileList& recentFiles, Preferences& preferences, QWidget* parent)
    : QMainWindow(parent)
    , m_doc(document)
    , m_prompts(prompts)
    , m_recentFiles(recentFiles)
    , m_preferences(preferences)
{
    resize(InitialSize, InitialSize);
    setAcceptDrops(true);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks);

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    createClient();

    QStatusBar& status = *statusBar();
    m_fileCommands = new FileCommands(
        m_doc, m_prompts, m_recentFiles, m_preferences, m_actions, *m_recentPlaceholder, status, *this);
    m_accountCommands = new AccountCommands(m_doc, *m_tree, m_prompts, this);
    m_editCommands = new EditCommands(m_doc, *m_tree, m_prompts,
        { action(ID_EDIT_UNDO), action(ID_EDIT_REDO), action(ID_EDIT_RECENTLY_DELETED) }, { m_tree, m_list }, *this);
    m_paneCommands = new PaneCommands(
        *m_tree, *m_list, [this] { return m_activePane == Pane::Tree; }, *m_accountCommands, m_actions, this);
    m_passwordCommands = new PasswordCommands(m_doc, m_actions, status, this);
    m_encryptionCommands = new EncryptionCommands(m_doc, m_prompts, m_preferences, m_actions, *m_encryptionPane, this);
    m_viewCommands = new ViewCommands(m_doc, m_preferences, m_actions, *m_list, *m_findBar, status, *this);
    m_copyCommands = new CopyCommands(
        m_doc, m_prompts, m_actions, { *m_tree, *m_list }, m_viewCommands->clipboard(), status, this);
    m_autoLock = new AutoLock(m_doc, m_prompts, m_preferences, *action(ID_LOCK_DOCUMENT), *this, *m_messagePane);
    m_expiringCommands = new ExpiringCommands(m_doc, *m_tree, *m_accountCommands, m_actions, *this);
    m_healthCommands = new HealthCommands(m_doc, *m_expiringCommands, m_actions, *this);
    m_syncCommands = new SyncCommands(m_doc, m_prompts, *m_tree, m_actions, status, this);
    m_importCommands = new ImportCommands(m_doc, m_prompts, m_actions, status, *this);
    // What the commands ask of the window.
    connect(m_fileCommands, &FileCommands::documentClosing, this, &CMainFrame::OnDocumentClosing);
    connect(m_fileCommands, &FileCommands::documentKept, this, &CMainFrame::OnDocumentReset);
    connect(m_syncCommands, &SyncCommands::documentClosing, this, &CMainFrame::OnDocumentClosing);
    connect(m_syncCommands, &SyncCommands::documentKept, this, &CMainFrame::OnDocumentReset);
    connect(m_expiringCommands, &ExpiringCommands::noteChanged, this, &CMainFrame::setRestingNote);
    connect(m_autoLock, &AutoLock::noteDone, this, &CMainFrame::showRestingText);
    connect(action(ID_FILE_PREFERENCES), &QAction::triggered, this, &CMainFrame::OnPreferences);

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { onFocusChanged(now); });
    connect(m_tree, &CQuorrilView::selectionStateChanged, this, &CMainFrame::updateCommandStates);
    connect(&m_doc, &CQuorrilDoc::documentReset, this, &CMainFrame::OnDocumentReset);
    connect(&m_doc, &CQuorrilDoc::lockChanged, this, &CMainFrame::updateCommandStates);
    // A lock answers every open prompt Cancel or No; the commands close their own windows.
    connect(&m_doc, &CQuorrilDoc::lockChanged, this, [this](bool locked) {
        if (locked)
            m_prompts.cancelOpenPrompts();
    });
    connect(&m_doc, &CQuorrilDoc::modifiedChanged, this, &CMainFrame::updateCommandStates);
    connect(&m_doc, &CQuorrilDoc::modifiedChanged, this, &CMainFrame::updateTitle);
    connect(&m_doc, &CQuorrilDoc::pathChanged, this, [this] {
        updateTitle();
        updateCommandStates();
    });
    // Every refresh of the views (selection, lock, unlock) may change what is available.
    connect(&m_doc, &CQuorrilDoc::viewsUpdated, this, &CMainFrame::updateCommandStates);

    updateTitle();
    updateCommandStates();
}

CMainFrame::~CMainFrame()
{
    // Hiding the window while it is destroyed moves the focus: this frame must not hear of it.
    disconnect(qApp, nullptr, this, nullptr);
}

void CMainFrame::createActions()
{
    for (const CommandInfo& command : CommandTable::commands()) {
        auto* action = new QAction(QCoreApplication::translate("CommandTable", command.text), this);
        if (command.prompt)
            action->setStatusTip(QCoreApplication::translate("CommandTable", command.prompt));
        action->setToolTip(command.toolTip ? QCoreApplication::translate("CommandTable", command.toolTip) : QString());
        if (command.standardKey != QKeySequence::UnknownKey)
            action->setShortcuts(command.standardKey);
        else if (command.keys)
            action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(command.keys)));
        action->setIcon(CommandTable::picture(command));
        action->setIconVisibleInMenu(false);
        m_actions.insert(command.id, action);
    }
    for (int id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE4; ++id) {
        auto* action = new QAction(this);
        action->setStatusTip(tr("Open this document"));
        m_actions.insert(id, action);
    }
    m_recentPlaceholder = new QAction(tr("Recent Files"), this);
    m_recentPlaceholder->setEnabled(false);
    m_recentPlaceholder->setStatusTip(tr("Open this document"));

    // Commands with no menu entry still need their accelerators in the window.
    addAction(action(ID_FILE_PRINT));
    addAction(action(ID_NEXT_PANE));
    addAction(action(ID_PREV_PANE));
}

void CMainFrame::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(action(ID_FILE_NEW));
    file->addAction(action(ID_FILE_OPEN));
    file->addSeparator();
    file->addAction(action(ID_FILE_SAVE));
    file->addAction(action(ID_FILE_SAVE_AS));
    file->addAction(action(ID_FILE_RESTORE_BACKUP));
    file->addAction(action(ID_FILE_MERGE_FROM));
    file->addSeparator();
    file->addAction(action(ID_FILE_IMPORT));
    file->addAction(action(ID_FILE_EXPORT));
    file->addSeparator();
    file->addAction(action(ID_ENCRYPT_WALLET));
    file->addAction(action(ID_FILE_PREFERENCES));
    file->addSeparator();
    file->addAction(m_recentPlaceholder);
    for (int id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE4; ++id)
        file->addAction(action(id));
    file->addSeparator();
    file->addAction(action(ID_APP_ABOUT));
    file->addSeparator();
    file->addAction(action(ID_APP_EXIT));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(action(ID_EDIT_UNDO));
    edit->addAction(action(ID_EDIT_REDO));
    edit->addSeparator();
    edit->addAction(action(ID_EDIT_RECENTLY_DELETED));

    QMenu* account = menuBar()->addMenu(tr("&Account"));
    m_accountMenu = account;
    QMenu* newMenu = account->addMenu(tr("New"));
    for (int id : CommandTable::newAccountMenu())
        newMenu->addAction(action(id));
    account->addSeparator();
    account->addAction(action(ID_ACCOUNT_PROPERTIES));
    account->addSeparator();
    account->addAction(action(ID_ACCOUNT_DELETE));
    account->addSeparator();
    account->addAction(action(ID_ACCOUNT_COPY_PASSWORD));
    account->addAction(action(ID_ACCOUNT_COPY_USER_NAME));
    account->addAction(action(ID_ACCOUNT_OPEN_URL));
    account->addAction(action(ID_GENERATE_PASSWORD));
    account->setObjectName(QStringLiteral("accountMenu"));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(action(ID_VIEW_FIND));
    view->addSeparator();
    view->addAction(action(ID_VIEW_SHOW_SECRETS));
    view->addSeparator();
    view->addAction(action(ID_VIEW_EXPIRING));
    view->addAction(action(ID_VIEW_PASSWORD_HEALTH));
    // The menus show what is available at the moment they open.
    connect(file, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
    connect(account, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
    connect(view, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
}

void CMainFrame::createToolBar()
{
    QToolBar* toolBar = addToolBar(tr("Toolbar"));
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setIconSize(QSize(17, 17));
    toolBar->setMovable(true);
    toolBar->setFloatable(true);
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    // Buttons of a fixed size around the 17-pixel pictures, so all eighteen fit the window's width.
    const QSize buttonSize(24, 23);
    for (int id : CommandTable::toolBar()) {
        if (id == 0) {
            toolBar->addSeparator();
            continue;
        }
        toolBar->addAction(action(id));
        toolBar->widgetForAction(action(id))->setFixedSize(buttonSize);
    }
}

void CMainFrame::setRestingNote(const QString& note)
{
    m_restingNote = note;
    showRestingText();
}

void CMainFrame::showRestingText() { m_messagePane->setText(m_restingNote.isEmpty() ? tr("Ready") : m_restingNote); }

void CMainFrame::createStatusBar()
{
    m_messagePane = new MessagePane;
    showRestingText();
    m_messagePane->setObjectName(QStringLiteral("messagePane"));
    m_messagePane->setAccessibleName(tr("Status"));
    statusBar()->addWidget(m_messagePane, 1);
    // The first of the permanent panes, left of CAP, NUM and SCRL (EncryptionCommands fills it).
    m_encryptionPane = new QLabel;
    m_encryptionPane->setObjectName(QStringLiteral("encryptionPane"));
    m_encryptionPane->setAccessibleName(tr("Wallet format"));
    m_encryptionPane->setAlignment(Qt::AlignCenter);
    m_encryptionPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar()->addPermanentWidget(m_encryptionPane);
    m_indicators = new KeyStateIndicators(*statusBar());
}

void CMainFrame::createClient()
{
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setChildrenCollapsible(false);
    // The left pane: the find field above the tree.
    auto* treePane = new QWidget(m_splitter);
    m_tree = new CQuorrilView(m_doc, treePane);
    m_findBar = new FindBar(*m_tree, treePane);
    auto* treeLayout = new QVBoxLayout(treePane);
    treeLayout->setContentsMargins(0, 0, 0, 0);
    treeLayout->setSpacing(2);
    treeLayout->addWidget(m_findBar);
    treeLayout->addWidget(m_tree);
    m_list = new CAccountView(m_doc, m_splitter);
    m_splitter->addWidget(treePane);
    m_splitter->addWidget(m_list);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({ TreeWidth, InitialSize - TreeWidth });
    m_tree->setContextMenu(m_accountMenu);
    setCentralWidget(m_splitter);
    // Tab goes down the left pane, find field then tree, and on to the property list.
    setTabOrder(m_findBar, m_tree);
    setTabOrder(m_tree, m_list);
    m_tree->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::onFocusChanged(QWidget* now)
{
    if (!now)
        return;
    if (now == m_tree || m_splitter->widget(0)->isAncestorOf(now))
        m_activePane = Pane::Tree;
    else if (now == m_list || m_list->isAncestorOf(now))
        m_activePane = Pane::List;
    else
        return;
    updateCommandStates();
}

void CMainFrame::updateCommandStates()
{
    m_fileCommands->updateState();
    m_editCommands->updateState();
    m_paneCommands->updateState();
    m_passwordCommands->updateState();
    m_encryptionCommands->updateState();
    m_viewCommands->updateState();
    m_copyCommands->updateState();
    m_healthCommands->updateState();
    m_syncCommands->updateState();
    m_importCommands->updateState();
}

void CMainFrame::OnDocumentReset()
{
    // Both views rebuild from the new document, the tree first: it resets the current account.
    m_tree->OnInitialUpdate();
    m_list->OnInitialUpdate();
    updateTitle();
    updateCommandStates();
}

void CMainFrame::OnDocumentClosing()
{
    m_tree->releaseDocument();
    m_list->setRowCount(0);
}

void CMainFrame::updateTitle()
{
    // The modified mark: a star after the file name while there are unsaved changes.
    setWindowTitle(QStringLiteral("%1%2 - Quorril").arg(m_doc.GetTitle(), m_doc.IsModified() ? "*" : ""));
}

void CMainFrame::OnPreferences()
{
    PreferencesDlg dialog(m_preferences, this);
    dialog.exec();
}

void CMainFrame::centerOnScreen()
{
    if (QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_fileCommands->saveModified()) {
        Q_EMIT closing();
        event->accept();
    } else
        event->ignore();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QStringList paths = droppedFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    // The files open after the drop has ended, so the program they came from is not kept waiting
    // while their passwords are asked for.
    QTimer::singleShot(0, this, [this, paths] { m_fileCommands->openFilesInTurn(paths); });
}

#include "app/CommandTable.h"
#include "app/FrameTest.h"
#include "app/KeyStateIndicators.h"
#include "document/ExpiringItems.h"
#include "document/PasswordHealth.h"
#include "views/FindBar.h"

#include <QLabel>
#include <QMenuBar>
#include <QSet>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

namespace {

using MainFrameTest = FrameTest;

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("|") : a->text());
    return texts;
}

TEST_F(MainFrameTest, WindowSizeTitleAndPanes)
{
    EXPECT_EQ(frame.size(), QSize(500, 500));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Untitled - Quorril"));
    ASSERT_EQ(frame.splitter()->count(), 2);
    EXPECT_TRUE(frame.splitter()->widget(0)->isAncestorOf(frame.treeView()));
    EXPECT_TRUE(frame.splitter()->widget(0)->isAncestorOf(frame.findBar()));
    EXPECT_EQ(frame.splitter()->widget(1), frame.listView());
    EXPECT_EQ(frame.treeView()->width(), 150);
    EXPECT_GT(frame.listView()->width(), 250);
    // The tree holds the root alone.
    EXPECT_EQ(frame.treeView()->model()->rowCount(), 1);
    EXPECT_TRUE(childTexts(frame.treeView()->rootNode()).isEmpty());
}

TEST_F(MainFrameTest, Menus)
{
    const QList<QAction*> top = frame.menuBar()->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(top[1]->text(), QStringLiteral("&Edit"));
    EXPECT_EQ(top[2]->text(), QStringLiteral("&Account"));
    EXPECT_EQ(top[3]->text(), QStringLiteral("&View"));
    EXPECT_EQ(menuTexts(top[3]->menu()),
        QStringList({ "&Find", "|", "Show &Secrets", "|", "&Expiring…", "Password &Health…" }));
    EXPECT_EQ(menuTexts(top[1]->menu()), QStringList({ "&Undo", "&Redo", "|", "Recently &Deleted…" }));
    QStringList file = menuTexts(top[0]->menu());
    // The four recent-file entries are hidden while the list is empty.
    EXPECT_EQ(file,
        QStringList({ "&New", "&Open", "|", "&Save", "Save &As...", "Restore &Backup…", "&Merge From…", "|", "&Import…",
            "Expo&rt…", "|", "&Encrypt Wallet", "&Preferences…", "|", "Recent Files", "", "", "", "", "|",
            "About Quorril...", "|", "E&xit" }));
    EXPECT_FALSE(frame.recentFilesPlaceholder()->isEnabled());

    const QMenu* account = top[2]->menu();
    EXPECT_EQ(menuTexts(account),
        QStringList({ "New", "|", "Properties", "|", "Delete", "|", "Copy &Password", "Copy &User Name", "&Open URL",
            "&Generate Password…" }));
    EXPECT_EQ(menuTexts(account->actions()[0]->menu()),
        QStringList({ "Email", "WebSite", "Bank", "Insurance", "Credit Card", "Medical Record", "Calling Card",
            "Purchased Item", "Software", "Reference" }));
}

// The letter after a single ampersand (none: 0).
QChar mnemonicOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i;
    }
    return QChar();
}

TEST_F(MainFrameTest, NoTwoEntriesOfAMenuShareTheirMnemonic)
{
    // Also with the step names on Undo and Redo, whose ampersands are shown, not taken.
    auto renamed = makeAccount(AccountType::Bank, doc.NextAccountId(), QStringLiteral("R&D"));
    doc.AddAccount(std::move(renamed));
    doc.Undo();
    QList<const QMenu*> menus;
    for (const QAction* top : frame.menuBar()->actions())
        menus << top->menu();
    for (int i = 0; i < menus.size(); ++i)
        for (const QAction* action : menus[i]->actions())
            if (action->menu())
                menus << action->menu();
    QList<QChar> bar;
    for (const QAction* top : frame.menuBar()->actions())
        if (const QChar letter = mnemonicOf(top->text()); !letter.isNull())
            bar << letter;
    EXPECT_EQ(QSet<QChar>(bar.begin(), bar.end()).size(), bar.size()) << "the menu bar";
    for (const QMenu* menu : menus) {
        QList<QChar> letters;
        for (const QAction* action : menu->actions())
            if (const QChar letter = mnemonicOf(action->text()); !letter.isNull() && action->isVisible())
                letters << letter;
        EXPECT_EQ(QSet<QChar>(letters.begin(), letters.end()).size(), letters.size()) << menu->title().toStdString();
    }
    EXPECT_EQ(mnemonicOf(action(ID_EDIT_REDO)->text()), QChar(u'r'));
}

TEST_F(MainFrameTest, ToolbarButtonsInOrder)
{
    const QToolBar* toolBar = frame.findChild<QToolBar*>();
    ASSERT_NE(toolBar, nullptr);
    auto idOf = [this](QAction* a) {
        if (a->isSeparator())
            return 0;
        for (const CommandInfo& command : CommandTable::commands())
            if (frame.action(command.id) == a)
                return command.id;
        return -1;
    };
    QList<int> order;
    for (QAction* a : toolBar->actions())
        order << idOf(a);
    EXPECT_EQ(order,
        QList<int>({ ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_LOCK_DOCUMENT, ID_CHANGE_PASSWORD,
            ID_UNLOCK_DOCUMENT, 0, ID_ACCOUNT_PROPERTIES, ID_NEW_EMAIL, ID_NEW_BANK, ID_NEW_CREDITCARD,
            ID_NEW_INSURANCE, ID_NEW_WEBSITE, ID_NEW_MEDICAL, ID_NEW_CALLINGCARD, ID_NEW_PURCHASEDITEM, ID_NEW_SOFTWARE,
            ID_NEW_REFERENCE, 0, ID_APP_ABOUT }));
    // Every button has its picture, and all eighteen fit the window's width.
    int right = 0;
    for (QAction* a : toolBar->actions()) {
        if (a->isSeparator())
            continue;
        EXPECT_FALSE(a->icon().isNull()) << a->toolTip().toStdString();
        QWidget* button = toolBar->widgetForAction(a);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->isVisible()) << a->toolTip().toStdString();
        right = std::max(right, button->geometry().right());
    }
    EXPECT_LT(right, toolBar->width());
}

TEST_F(MainFrameTest, PromptsTooltipsAndAccelerators)
{
    struct Row {
        int id;
        const char* prompt;
        const char* toolTip;
        const char* keys;
    };
    const Row rows[] = {
        { ID_FILE_NEW, "Create a new document", "New", "Ctrl+N" },
        { ID_FILE_OPEN, "Open an existing document", "Open", "Ctrl+O" },
        { ID_FILE_SAVE, "Save the active document", "Save", "Ctrl+S" },
        { ID_FILE_SAVE_AS, "Save the active document with a new name", "Save As", "" },
        { ID_APP_ABOUT, "Display program information, version number and copyright", "About", "" },
        { ID_APP_EXIT, "Quit the application; prompts to save documents", "Exit", "" },
        { ID_ACCOUNT_PROPERTIES, "Account Properties", "Account Properties", "" },
        { ID_NEW_MEDICAL, "New Medical Record", "New Medical Record", "" },
        { ID_NEW_EMAIL, "New Email Account", "New Email Account", "" },
        { ID_NEW_WEBSITE, "New WebSite Account", "New WebSite Account", "" },
        { ID_NEW_BANK, "New Bank Accont", "New Bank Account", "" },
        { ID_NEW_INSURANCE, "New Insurance Account", "New Insurance Account", "" },
        { ID_NEW_CREDITCARD, "New Credit Card Account", "New Credit Card Account", "" },
        { ID_CHANGE_PASSWORD, "Change Document Password", "Change Document Password", "" },
        { ID_LOCK_DOCUMENT, "Lock Document", "Lock Document", "" },
        { ID_UNLOCK_DOCUMENT, "Unlock Document", "Unlock Document", "" },
        { ID_NEW_CALLINGCARD, "New Calling Card Account", "New Calling Card Account", "" },
        { ID_NEW_PURCHASEDITEM, "New Purchased Item Account", "New Purchased Item Account", "" },
        { ID_NEW_SOFTWARE, "New Software Account", "New Software Account", "" },
        { ID_NEW_REFERENCE, "New Reference Account", "New Reference Account", "" },
        { ID_ACCOUNT_DELETE, "", "", "" },
        { ID_FILE_PRINT, "", "", "Ctrl+P" },
        { ID_NEXT_PANE, "", "", "F6" },
        { ID_PREV_PANE, "", "", "Shift+F6" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        QAction* a = action(row.id);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->statusTip(), QString::fromLatin1(row.prompt));
        if (*row.toolTip) {
            EXPECT_EQ(a->toolTip(), QString::fromLatin1(row.toolTip));
        }
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(row.keys)));
    }
    for (int id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE4; ++id)
        EXPECT_EQ(action(id)->statusTip(), QStringLiteral("Open this document"));
}

TEST_F(MainFrameTest, StatusBarShowsReadyAndTheLockKeyPanes)
{
    EXPECT_EQ(frame.messagePane()->text(), QStringLiteral("Ready"));
    const KeyStateIndicators* keys = frame.keyStateIndicators();
    for (auto key : { KeyStateIndicators::CapsLock, KeyStateIndicators::NumLock, KeyStateIndicators::ScrollLock }) {
        QLabel* pane = keys->pane(key);
        ASSERT_NE(pane, nullptr);
        EXPECT_TRUE(pane->isVisible());
        EXPECT_GT(pane->minimumWidth(), 0);
        // The offscreen platform cannot tell the lock states: the panes stay blank.
        EXPECT_TRUE(pane->text().isEmpty());
    }
    // A command's prompt shows while the pointer is over it, then "Ready" again.
    frame.statusBar()->showMessage(action(ID_NEW_BANK)->statusTip());
    EXPECT_EQ(frame.statusBar()->currentMessage(), QStringLiteral("New Bank Accont"));
    QStatusTipEvent leave { QString() };
    QApplication::sendEvent(&frame, &leave);
    EXPECT_TRUE(frame.statusBar()->currentMessage().isEmpty());
    EXPECT_TRUE(frame.messagePane()->isVisible());
}

// The notes of an opened wallet, side by side, are wider than the message pane of a window of the
// first size: they wrap, and the status bar grows to show every line, then shrinks back.
TEST_F(MainFrameTest, LongStatusNotesShowWholeAtTheFirstSize)
{
    QLabel* pane = frame.messagePane();
    const int firstHeight = frame.statusBar()->height();
    const QString notes = ExpiringItems::statusNote(2, 1) + QStringLiteral("; ") + PasswordHealth::statusNote(8);
    for (const QString& text : { notes, ExpiringItems::statusNote(12, 0), QStringLiteral("Ready") }) {
        SCOPED_TRACE(text.toStdString());
        frame.setRestingNote(text);
        QTest::qWait(20); // the window lays out again
        const QRect room = pane->contentsRect();
        const QRect needed = pane->fontMetrics().boundingRect(room, Qt::TextWordWrap, text);
        EXPECT_LE(needed.width(), room.width());
        EXPECT_LE(needed.height(), room.height());
        EXPECT_TRUE(frame.rect().contains(QRect(pane->mapTo(&frame, QPoint()), pane->size())));
    }
    EXPECT_EQ(frame.statusBar()->height(), firstHeight);
    // A wider window needs fewer lines, and a narrower one more again.
    frame.setRestingNote(notes);
    QTest::qWait(20);
    const int wrappedHeight = frame.statusBar()->height();
    EXPECT_GT(wrappedHeight, firstHeight);
    const auto barHeightAfter = [this](int width, int expected) {
        frame.resize(width, CMainFrame::InitialSize);
        static_cast<void>(QTest::qWaitFor([&] { return frame.statusBar()->height() == expected; }, 1000));
        return frame.statusBar()->height();
    };
    EXPECT_EQ(barHeightAfter(1200, firstHeight), firstHeight);
    EXPECT_EQ(barHeightAfter(CMainFrame::InitialSize, wrappedHeight), wrappedHeight);
}

TEST_F(MainFrameTest, TitleFollowsTheDocument)
{
    const QString file = writeWallet(path("house.qrl"), "pw", { { AccountType::Bank, "Checking" } });
    prompts.addPassword("pw");
    ASSERT_TRUE(frame.fileCommands().openDocumentFile(file));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("house.qrl - Quorril"));
    trigger(ID_FILE_NEW);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Untitled - Quorril"));
}

} // namespace

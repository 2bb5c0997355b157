#include "app/CommandTable.h"
#include "app/FrameTest.h"

namespace {

using CommandEnablingTest = FrameTest;

const int kNewCommands[] = { ID_NEW_EMAIL, ID_NEW_WEBSITE, ID_NEW_BANK, ID_NEW_INSURANCE, ID_NEW_CREDITCARD,
    ID_NEW_MEDICAL, ID_NEW_CALLINGCARD, ID_NEW_PURCHASEDITEM, ID_NEW_SOFTWARE, ID_NEW_REFERENCE };

TEST_F(CommandEnablingTest, PaneCommandsFollowTheActivePane)
{
    addAccounts(doc, { { AccountType::Bank, "Checking" } });
    frame.treeView()->OnInitialUpdate();
    select(AccountType::Bank, "Checking");

    struct Step {
        const char* what;
        std::function<void()> act;
        CMainFrame::Pane pane;
    };
    const Step steps[] = {
        { "start", [] {}, CMainFrame::Pane::Tree },
        { "focus to the list", [this] { focusList(); }, CMainFrame::Pane::List },
        { "click into the tree",
            [this] {
                QTest::mouseClick(frame.treeView()->viewport(), Qt::LeftButton, {},
                    frame.treeView()->visualRect(accountNode(AccountType::Bank, "Checking")).center());
            },
            CMainFrame::Pane::Tree },
        { "F6", [this] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6); }, CMainFrame::Pane::List },
        { "F6 again", [this] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6); }, CMainFrame::Pane::Tree },
        { "Shift+F6", [this] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier); },
            CMainFrame::Pane::List },
        // Focus elsewhere (the toolbar) leaves the active pane as it was.
        { "focus to nowhere", [this] { frame.setFocus(); }, CMainFrame::Pane::List },
        { "Shift+F6 back", [this] { QTest::keyClick(frame.listView(), Qt::Key_F6, Qt::ShiftModifier); },
            CMainFrame::Pane::Tree },
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        ASSERT_EQ(frame.activePane(), step.pane);
        const bool tree = step.pane == CMainFrame::Pane::Tree;
        for (int id : kNewCommands)
            EXPECT_EQ(enabled(id), tree) << id;
        EXPECT_EQ(enabled(ID_ACCOUNT_PROPERTIES), tree);
        EXPECT_EQ(enabled(ID_ACCOUNT_DELETE), tree);
        EXPECT_EQ(enabled(ID_FILE_PRINT), !tree);
        // The commands of the other parts do not depend on the pane.
        for (int id :
            { ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE_AS, ID_APP_ABOUT, ID_APP_EXIT, ID_NEXT_PANE, ID_PREV_PANE })
            EXPECT_TRUE(enabled(id)) << id;
    }
}

TEST_F(CommandEnablingTest, PropertiesAndDeleteNeedAnUnlockedAccountNode)
{
    const QString file = writeWallet(path("w.qrl"), "pw", { { AccountType::Bank, "Checking" } });
    prompts.addPassword("pw");
    ASSERT_TRUE(frame.fileCommands().openDocumentFile(file));
    focusTree();
    EXPECT_FALSE(enabled(ID_ACCOUNT_PROPERTIES)); // nothing selected
    frame.treeView()->selectNode(frame.treeView()->rootNode());
    EXPECT_FALSE(enabled(ID_ACCOUNT_PROPERTIES));
    frame.treeView()->selectNode(frame.treeView()->categoryNode(AccountType::Bank));
    EXPECT_FALSE(enabled(ID_ACCOUNT_DELETE));
    select(AccountType::Bank, "Checking");
    EXPECT_TRUE(enabled(ID_ACCOUNT_PROPERTIES));
    EXPECT_TRUE(enabled(ID_ACCOUNT_DELETE));
    trigger(ID_LOCK_DOCUMENT);
    EXPECT_FALSE(enabled(ID_ACCOUNT_PROPERTIES));
    EXPECT_FALSE(enabled(ID_ACCOUNT_DELETE));
    for (int id : kNewCommands)
        EXPECT_TRUE(enabled(id)) << id;
}

TEST_F(CommandEnablingTest, DocumentCommandsFollowTheDocumentsRules)
{
    struct Expect {
        bool save, lock, unlock, change;
    };
    auto check = [this](const char* when, Expect e) {
        SCOPED_TRACE(when);
        EXPECT_EQ(enabled(ID_FILE_SAVE), e.save);
        EXPECT_EQ(enabled(ID_LOCK_DOCUMENT), e.lock);
        EXPECT_EQ(enabled(ID_UNLOCK_DOCUMENT), e.unlock);
        EXPECT_EQ(enabled(ID_CHANGE_PASSWORD), e.change);
    };
    check("new document", { false, false, false, false });
    addAccounts(doc, { { AccountType::Bank, "Checking" } });
    check("modified, never saved", { true, false, false, false });
    prompts.addFileName(path("w.qrl"));
    prompts.addPassword("pw");
    trigger(ID_FILE_SAVE);
    check("saved", { false, true, false, true });
    trigger(ID_LOCK_DOCUMENT);
    check("locked", { false, false, true, false });
    prompts.addPassword("wrong");
    trigger(ID_UNLOCK_DOCUMENT);
    check("still locked", { false, false, true, false });
    prompts.addPassword("pw");
    trigger(ID_UNLOCK_DOCUMENT);
    check("unlocked", { false, true, false, true });
}

TEST_F(CommandEnablingTest, AcceleratorsOfUnavailableCommandsDoNothing)
{
    // Ctrl+P while the tree is active: no print dialog.
    focusTree();
    pressKey(frame.treeView(), Qt::Key_P, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // Ctrl+S on an unmodified document: nothing asked.
    pressKey(frame.treeView(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(prompts.shown.isEmpty());
    // Ctrl+N works: a modified document is asked about first.
    addAccounts(doc, { { AccountType::Bank, "Checking" } });
    prompts.addAnswer(UiPrompts::Answer::Cancel);
    pressKey(frame.treeView(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(prompts.shown, QStringList({ "Save changes to Untitled?" }));
}

} // namespace

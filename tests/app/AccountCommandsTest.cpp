#include "app/AccountCommands.h"
#include "app/WindowTest.h"
#include "dialogs/AccountEditor.h"
#include "dialogs/TableAccountDialog.h"
#include "views/AccountView.h"
#include "views/QuorrilView.h"
#include "views/TreeAndListTest.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// The account tree and the property list over a document, with the account commands on the tree,
// as the main window puts them together.
class AccountCommandsTest : public TreeAndListTest<WindowTest> {
protected:
    AccountCommandsTest()
        : commands(doc, tree, prompts)
    {
    }

    AccountCommands commands;
};

TEST_F(AccountCommandsTest, WhileLockedSelectionLeavesTheCurrentAccountAndTheListEmpty)
{
    addAccounts(doc, { { AccountType::Bank, "First" }, { AccountType::Bank, "Second" } });
    doc.setPassword("pw");
    rebuild();
    const QModelIndex first = accountNode(AccountType::Bank, "First");
    tree.selectNode(first);
    const AccountId shown = doc.GetCurrentAccountId();
    doc.OnLockDocument();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_FALSE(tree.canEditAccount());

    tree.selectNode(accountNode(AccountType::Bank, "Second"));
    EXPECT_EQ(doc.GetCurrentAccountId(), shown);
    EXPECT_EQ(list.rowCount(), 0);
    // Delete and Properties do nothing, and ask nothing.
    commands.OnAccountDelete();
    commands.OnAccountProperties();
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(doc.accountCount(), 2);
    // The nodes stay.
    EXPECT_EQ(childCount(tree.categoryNode(AccountType::Bank)), 2);

    prompts.addPassword("pw");
    doc.OnUnlockDocument();
    // Unlocked, the list shows the selected account again, not the one current at the lock.
    EXPECT_EQ(doc.GetCurrentAccountId(), CQuorrilView::nodeAccountId(tree.selectedNode()));
    ASSERT_GT(list.rowCount(), 1);
    EXPECT_EQ(list.item(1, 1)->text(), QStringLiteral("Second"));
}

TEST_F(AccountCommandsTest, PropertiesAndDeleteNeedAnAccountNode)
{
    addAccounts(doc, { { AccountType::Bank, "First" } });
    rebuild();
    EXPECT_FALSE(tree.canEditAccount()); // nothing selected
    tree.selectNode(tree.rootNode());
    EXPECT_FALSE(tree.canEditAccount());
    tree.selectNode(tree.categoryNode(AccountType::Bank));
    EXPECT_FALSE(tree.canEditAccount());
    // Properties on a category only empties the property list: no dialog opens.
    commands.OnAccountProperties();
    EXPECT_EQ(doc.GetCurrentAccountId(), AccountId(0));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    tree.selectNode(accountNode(AccountType::Bank, "First"));
    EXPECT_TRUE(tree.canEditAccount());
}

TEST_F(AccountCommandsTest, DeleteAsksThenRemovesTheAccountAndItsNode)
{
    addAccounts(doc, { { AccountType::Bank, "Alpha" }, { AccountType::Bank, "Beta" }, { AccountType::Bank, "Gamma" } });
    rebuild();
    doc.SetModifiedFlag(false);

    // No: nothing changes.
    tree.selectNode(accountNode(AccountType::Bank, "Beta"));
    prompts.addAnswer(false);
    commands.OnAccountDelete();
    EXPECT_EQ(prompts.shown, QStringList({ "Are you sure you want to delete \"Beta\" account ?" }));
    ASSERT_EQ(prompts.icons.size(), 1u);
    EXPECT_EQ(prompts.icons[0], UiPrompts::Icon::None);
    EXPECT_EQ(doc.accountCount(), 3);
    EXPECT_FALSE(doc.IsModified());

    // Yes: the account and the node go, the next node is selected and shown.
    prompts.addAnswer(true);
    commands.OnAccountDelete();
    EXPECT_EQ(doc.accountCount(), 2);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(childTexts(tree.categoryNode(AccountType::Bank)), QStringList({ "Alpha", "Gamma" }));
    EXPECT_EQ(CQuorrilView::nodeText(tree.selectedNode()), QStringLiteral("Gamma"));
    EXPECT_EQ(doc.GetCurrentAccount()->GetTitle(), QStringLiteral("Gamma"));
    EXPECT_EQ(list.item(1, 1)->text(), QStringLiteral("Gamma"));

    // The last of a category: the empty category stays and becomes the selection.
    for (const char* title : { "Gamma", "Alpha" }) {
        tree.selectNode(accountNode(AccountType::Bank, title));
        prompts.addAnswer(true);
        commands.OnAccountDelete();
    }
    EXPECT_EQ(doc.accountCount(), 0);
    ASSERT_TRUE(tree.categoryNode(AccountType::Bank).isValid());
    EXPECT_EQ(childCount(tree.categoryNode(AccountType::Bank)), 0);
    EXPECT_EQ(tree.selectedNode(), tree.categoryNode(AccountType::Bank));
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_TRUE(prompts.allAnswersUsed());
}

TEST_F(AccountCommandsTest, DoubleClickOpensOnlyTheAccountUnderThePointer)
{
    addAccounts(doc, { { AccountType::Bank, "First" }, { AccountType::Email, "Mail" } });
    struct Case {
        const char* what;
        std::function<QPoint()> at;
        const char* opened; // the title in the dialog that opens, or nullptr for none
        const char* selected; // the selected node afterwards
    };
    // The expand box of a category sits in the indentation left of the node.
    auto expandBox = [this](const QModelIndex& node) {
        const QRect rect = tree.visualRect(node);
        return QPoint(rect.left() - tree.indentation() / 2, rect.center().y());
    };
    const Case cases[] = {
        { "expand box of another category", [&] { return expandBox(tree.categoryNode(AccountType::Email)); }, nullptr,
            "First" },
        { "the root", [&] { return tree.visualRect(tree.rootNode()).center(); }, nullptr, "Accounts" },
        { "a category", [&] { return tree.visualRect(tree.categoryNode(AccountType::Email)).center(); }, nullptr,
            "Email" },
        { "the selected account", [&] { return tree.visualRect(accountNode(AccountType::Bank, "First")).center(); },
            "First", "First" },
        { "another account", [&] { return tree.visualRect(accountNode(AccountType::Email, "Mail")).center(); }, "Mail",
            "Mail" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        rebuild();
        tree.expandAll();
        tree.selectNode(accountNode(AccountType::Bank, "First"));
        const QPoint at = c.at();
        QString opened;
        QTimer::singleShot(0, [&opened] {
            if (auto* dialog = qobject_cast<CAccountDialog*>(QApplication::activeModalWidget())) {
                opened = dialog->dialogTitle();
                dialog->reject();
            }
        });
        doubleClick(tree.viewport(), at);
        QApplication::processEvents();
        EXPECT_EQ(opened, QString::fromUtf8(c.opened ? c.opened : ""));
        EXPECT_EQ(CQuorrilView::nodeText(tree.selectedNode()), QString::fromUtf8(c.selected));
        // The property list shows what is selected.
        EXPECT_EQ(doc.GetCurrentAccountId(), CQuorrilView::nodeAccountId(tree.selectedNode()));
    }
}

TEST_F(AccountCommandsTest, KeyboardOpensTheContextMenuAndDeletes)
{
    QMenu menu;
    menu.addAction(QStringLiteral("Properties"));
    tree.setContextMenu(&menu);
    addAccounts(doc, { { AccountType::Bank, "First" }, { AccountType::Bank, "Second" } });
    rebuild();

    // Shift+F10 opens the menu at the selected node's text, as a right click there does.
    QTest::keyClick(&tree, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_FALSE(menu.isVisible()) << "nothing selected";
    const QModelIndex first = accountNode(AccountType::Bank, "First");
    tree.selectNode(first);
    QTest::keyClick(&tree, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(menu.isVisible());
    const QPoint topLeft = tree.viewport()->mapFromGlobal(menu.geometry().topLeft());
    EXPECT_GE(topLeft.y(), tree.visualRect(first).bottom() - 1);
    EXPECT_GT(topLeft.x(), tree.visualRect(first).left());
    menu.hide();

    // Delete asks the menu command's question; No keeps the account, Yes removes it.
    prompts.addAnswer(false);
    QTest::keyClick(&tree, Qt::Key_Delete);
    EXPECT_EQ(doc.accountCount(), 2);
    prompts.addAnswer(true);
    QTest::keyClick(&tree, Qt::Key_Delete, Qt::KeypadModifier);
    EXPECT_EQ(doc.accountCount(), 1);
    EXPECT_EQ(prompts.shown, QStringList(2, QStringLiteral("Are you sure you want to delete \"First\" account ?")));
    // On a category, Delete asks nothing.
    tree.selectNode(tree.categoryNode(AccountType::Bank));
    QTest::keyClick(&tree, Qt::Key_Delete);
    EXPECT_EQ(prompts.shown.size(), 2);
    EXPECT_TRUE(prompts.allAnswersUsed());
}

TEST_F(AccountCommandsTest, AfterTheEmailDialogTheNodeShowsTheTitleTheAccountHolds)
{
    addAccounts(doc, { { AccountType::Email, "Mail" } });
    rebuild();
    const QPersistentModelIndex node = accountNode(AccountType::Email, "Mail");
    tree.selectNode(node);
    doc.SetModifiedFlag(false);
    bool answered = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TableAccountDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        // A user is added, then a title is typed but never stored: Esc ends the dialog with OK.
        const std::pair<int, const char*> fields[] = { { 1009, "me" }, { 1018, "pw" }, { 1011, "me@x" } };
        for (const auto& [id, text] : fields)
            dialog->control<QLineEdit>(id)->setText(QString::fromUtf8(text));
        dialog->control<QPushButton>(1022)->click();
        dialog->control<QLineEdit>(1040)->setText(QStringLiteral("Typed"));
        QTest::keyClick(dialog, Qt::Key_Escape);
        answered = true;
    });
    commands.OnAccountProperties();
    ASSERT_TRUE(answered);
    EXPECT_EQ(CQuorrilView::nodeText(node), QStringLiteral("Mail"));
    EXPECT_EQ(doc.FindAccount(CQuorrilView::nodeAccountId(node))->GetUserCount(), 1);
    EXPECT_TRUE(doc.IsModified()); // the user was stored at once
}

} // namespace

#include "AccountView.h"
#include "Artwork.h"
#include "QuorrilView.h"
#include "TableAccountDialog.h"
#include "WidgetTestSupport.h"

#include "AccountEditor.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QStringList childTexts(const QModelIndex& node)
{
    QStringList texts;
    for (int i = 0; node.isValid() && i < node.model()->rowCount(node); ++i)
        texts << CQuorrilView::nodeText(node.model()->index(i, 0, node));
    return texts;
}

int childCount(const QModelIndex& node) { return node.isValid() ? node.model()->rowCount(node) : -1; }
QModelIndex child(const QModelIndex& node, int row) { return node.model()->index(row, 0, node); }

class TreeViewTest : public WidgetTest {
protected:
    TreeViewTest()
        : doc(prompts)
        , tree(doc)
        , list(doc)
    {
        tree.resize(300, 400);
        tree.show();
    }

    // What the frame does after New and Open.
    void rebuild()
    {
        tree.OnInitialUpdate();
        list.OnInitialUpdate();
    }

    QModelIndex accountNode(AccountType type, const QString& title) const
    {
        const QModelIndex category = tree.categoryNode(type);
        for (int i = 0; i < childCount(category); ++i)
            if (CQuorrilView::nodeText(child(category, i)) == title)
                return child(category, i);
        return QModelIndex();
    }

    CQuorrilDoc doc;
    CQuorrilView tree;
    CAccountView list;
};

TEST_F(TreeViewTest, EmptyDocumentShowsTheRootAloneExpanded)
{
    rebuild();
    ASSERT_EQ(tree.model()->rowCount(), 1);
    const QModelIndex root = tree.model()->index(0, 0);
    EXPECT_EQ(root, tree.rootNode());
    EXPECT_EQ(CQuorrilView::nodeText(root), QStringLiteral("Accounts"));
    EXPECT_EQ(CQuorrilView::nodeImage(root), 0);
    EXPECT_EQ(childCount(root), 0);
    EXPECT_TRUE(tree.isExpanded(root));
    EXPECT_FALSE(tree.selectedNode().isValid());
}

TEST_F(TreeViewTest, CategoriesComeInCaptionOrderWithTheirImages)
{
    addAccounts(doc, oneOfEachType());
    rebuild();
    EXPECT_EQ(childTexts(tree.rootNode()),
        QStringList({ "Banks", "Calling Card", "Credit Cards", "Email", "Insurance", "Medical", "Purchased Item",
            "Reference", "Software", "WebSites" }));

    struct Row {
        AccountType type;
        const char* caption;
        int categoryImage;
    };
    const Row rows[] = {
        { AccountType::Email, "Email", 1 },
        { AccountType::WebSite, "WebSites", 2 },
        { AccountType::CreditCard, "Credit Cards", 3 },
        { AccountType::Bank, "Banks", 4 },
        { AccountType::Insurance, "Insurance", 5 },
        { AccountType::Medical, "Medical", 6 },
        { AccountType::CallingCard, "Calling Card", 7 },
        { AccountType::PurchasedItem, "Purchased Item", 8 },
        { AccountType::Software, "Software", 9 },
        { AccountType::Reference, "Reference", 19 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        const QModelIndex category = tree.categoryNode(row.type);
        ASSERT_TRUE(category.isValid());
        EXPECT_EQ(CQuorrilView::nodeText(category), QString::fromLatin1(row.caption));
        EXPECT_EQ(CQuorrilView::nodeImage(category), row.categoryImage);
        EXPECT_EQ(CQuorrilView::nodeAccountId(category), AccountId::None);
        EXPECT_FALSE(tree.isExpanded(category));
        EXPECT_FALSE(tree.isAccountNode(category));
        ASSERT_EQ(childCount(category), 1);
        const QModelIndex node = child(category, 0);
        EXPECT_TRUE(tree.isAccountNode(node));
        EXPECT_EQ(CQuorrilView::nodeImage(node), typeCode(row.type));
        const AccountRecord* account = doc.FindAccount(CQuorrilView::nodeAccountId(node));
        ASSERT_NE(account, nullptr);
        EXPECT_EQ(account->GetType(), row.type);
        EXPECT_EQ(CQuorrilView::nodeText(node), account->GetTitle());
    }
}

TEST_F(TreeViewTest, AccountsSortByTitleWithoutRegardToCaseAndShowOnlyUsedCategories)
{
    addAccounts(doc,
        { { AccountType::Bank, "zeta" }, { AccountType::Bank, "Alpha" }, { AccountType::Bank, "beta" },
            { AccountType::Bank, "Gamma" }, { AccountType::Email, "Alpha" } });
    rebuild();
    EXPECT_EQ(childTexts(tree.rootNode()), QStringList({ "Banks", "Email" }));
    EXPECT_EQ(childTexts(tree.categoryNode(AccountType::Bank)), QStringList({ "Alpha", "beta", "Gamma", "zeta" }));
    // The same title under two types: one node under each category.
    EXPECT_EQ(childTexts(tree.categoryNode(AccountType::Email)), QStringList({ "Alpha" }));
    EXPECT_FALSE(tree.categoryNode(AccountType::Software).isValid());
}

TEST_F(TreeViewTest, SelectionDrivesTheCurrentAccountAndThePropertyList)
{
    addAccounts(doc, { { AccountType::Bank, "First" }, { AccountType::Bank, "Second" } });
    rebuild();
    const QModelIndex second = accountNode(AccountType::Bank, "Second");
    tree.selectNode(second);
    EXPECT_EQ(doc.GetCurrentAccountId(), AccountId(CQuorrilView::nodeAccountId(second)));
    ASSERT_GT(list.rowCount(), 1);
    EXPECT_EQ(list.item(1, 1)->text(), QStringLiteral("Second"));

    tree.selectNode(tree.categoryNode(AccountType::Bank));
    EXPECT_EQ(doc.GetCurrentAccountId(), AccountId(0));
    EXPECT_EQ(list.rowCount(), 0);
}

TEST_F(TreeViewTest, EveryRebuildClearsTheCurrentAccount)
{
    addAccounts(doc, { { AccountType::Bank, "First" } });
    rebuild();
    tree.selectNode(child(tree.categoryNode(AccountType::Bank), 0));
    ASSERT_NE(doc.GetCurrentAccountId(), AccountId(0));
    rebuild();
    EXPECT_EQ(doc.GetCurrentAccountId(), AccountId(0));
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_FALSE(tree.selectedNode().isValid());
}

TEST_F(TreeViewTest, WhileLockedSelectionLeavesTheCurrentAccountAndTheListEmpty)
{
    addAccounts(doc, { { AccountType::Bank, "First" }, { AccountType::Bank, "Second" } });
    doc.setPassword("pw");
    rebuild();
    const QModelIndex first = accountNode(AccountType::Bank, "First");
    tree.selectNode(first);
    const AccountId shown = doc.GetCurrentAccountId();
    doc.OnLockDocument();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_FALSE(tree.OnUpdateAccountProperties());

    tree.selectNode(accountNode(AccountType::Bank, "Second"));
    EXPECT_EQ(doc.GetCurrentAccountId(), AccountId(shown));
    EXPECT_EQ(list.rowCount(), 0);
    // Delete and Properties do nothing, and ask nothing.
    tree.OnAccountDelete();
    tree.OnAccountProperties();
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(doc.accountCount(), 2);
    // The nodes stay.
    EXPECT_EQ(childCount(tree.categoryNode(AccountType::Bank)), 2);

    prompts.addPassword("pw");
    doc.OnUnlockDocument();
    // Unlocked, the list shows the selected account again, not the one current at the lock.
    EXPECT_EQ(doc.GetCurrentAccountId(), AccountId(CQuorrilView::nodeAccountId(tree.selectedNode())));
    ASSERT_GT(list.rowCount(), 1);
    EXPECT_EQ(list.item(1, 1)->text(), QStringLiteral("Second"));
}

TEST_F(TreeViewTest, PropertiesAndDeleteNeedAnAccountNode)
{
    addAccounts(doc, { { AccountType::Bank, "First" } });
    rebuild();
    EXPECT_FALSE(tree.OnUpdateAccountProperties()); // nothing selected
    tree.selectNode(tree.rootNode());
    EXPECT_FALSE(tree.OnUpdateAccountProperties());
    tree.selectNode(tree.categoryNode(AccountType::Bank));
    EXPECT_FALSE(tree.OnUpdateAccountProperties());
    // Properties on a category only empties the property list: no dialog opens.
    tree.OnAccountProperties();
    EXPECT_EQ(doc.GetCurrentAccountId(), AccountId(0));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    tree.selectNode(accountNode(AccountType::Bank, "First"));
    EXPECT_TRUE(tree.OnUpdateAccountProperties());
}

TEST_F(TreeViewTest, DeleteAsksThenRemovesTheAccountAndItsNode)
{
    addAccounts(doc, { { AccountType::Bank, "Alpha" }, { AccountType::Bank, "Beta" }, { AccountType::Bank, "Gamma" } });
    rebuild();
    doc.SetModifiedFlag(false);

    // No: nothing changes.
    tree.selectNode(accountNode(AccountType::Bank, "Beta"));
    prompts.addAnswer(false);
    tree.OnAccountDelete();
    EXPECT_EQ(prompts.shown, QStringList({ "Are you sure you want to delete \"Beta\" account ?" }));
    ASSERT_EQ(prompts.icons.size(), 1u);
    EXPECT_EQ(prompts.icons[0], Prompts::Icon::None);
    EXPECT_EQ(doc.accountCount(), 3);
    EXPECT_FALSE(doc.IsModified());

    // Yes: the account and the node go, the next node is selected and shown.
    prompts.addAnswer(true);
    tree.OnAccountDelete();
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
        tree.OnAccountDelete();
    }
    EXPECT_EQ(doc.accountCount(), 0);
    ASSERT_TRUE(tree.categoryNode(AccountType::Bank).isValid());
    EXPECT_EQ(childCount(tree.categoryNode(AccountType::Bank)), 0);
    EXPECT_EQ(tree.selectedNode(), tree.categoryNode(AccountType::Bank));
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_TRUE(prompts.allAnswersUsed());
}

TEST_F(TreeViewTest, RightClickOpensTheMenuAtTheNodeOnlyOnANode)
{
    QMenu menu;
    menu.addAction(QStringLiteral("Properties"));
    tree.setContextMenu(&menu);
    addAccounts(doc, { { AccountType::Bank, "First" } });
    rebuild();
    tree.expandAll();
    const QModelIndex node = accountNode(AccountType::Bank, "First");
    const QRect rect = tree.visualRect(node);

    // Below every node: no menu, no selection.
    QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, QPoint(rect.center().x(), tree.viewport()->height() - 5));
    EXPECT_FALSE(menu.isVisible());
    EXPECT_FALSE(tree.selectedNode().isValid());

    QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, rect.center());
    EXPECT_EQ(tree.selectedNode(), node);
    EXPECT_TRUE(menu.isVisible());
    // The menu opens at the node's text: below it, from the text's left edge (right of the picture).
    const QPoint topLeft = tree.viewport()->mapFromGlobal(menu.geometry().topLeft());
    EXPECT_GE(topLeft.y(), rect.bottom() - 1);
    EXPECT_GT(topLeft.x(), rect.left() + tree.iconSize().width() - 1);
    EXPECT_LT(topLeft.x(), rect.left() + tree.iconSize().width() + 12);
    menu.hide();
}

TEST_F(TreeViewTest, DoubleClickOpensOnlyTheAccountUnderThePointer)
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
        EXPECT_EQ(doc.GetCurrentAccountId(), AccountId(CQuorrilView::nodeAccountId(tree.selectedNode())));
    }
}

TEST_F(TreeViewTest, KeyboardOpensTheContextMenuAndDeletes)
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

TEST_F(TreeViewTest, AfterTheEmailDialogTheNodeShowsTheTitleTheAccountHolds)
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
    tree.OnAccountProperties();
    ASSERT_TRUE(answered);
    EXPECT_EQ(CQuorrilView::nodeText(node), QStringLiteral("Mail"));
    EXPECT_EQ(doc.FindAccount(CQuorrilView::nodeAccountId(node))->GetUserCount(), 1);
    EXPECT_TRUE(doc.IsModified()); // the user was stored at once
}

} // namespace

#include "AccountView.h"
#include "Artwork.h"
#include "QuorrilView.h"
#include "WidgetTestSupport.h"

#include <QMenu>
#include <QTest>

namespace {

QStringList childTexts(const QTreeWidgetItem* node)
{
    QStringList texts;
    for (int i = 0; node && i < node->childCount(); ++i)
        texts << node->child(i)->text(0);
    return texts;
}

class TreeViewTest : public WidgetTest {
protected:
    TreeViewTest() : doc(prompts), tree(doc), list(doc)
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

    QTreeWidgetItem* accountNode(qint32 type, const QString& title) const
    {
        QTreeWidgetItem* category = tree.categoryNode(type);
        for (int i = 0; category && i < category->childCount(); ++i)
            if (category->child(i)->text(0) == title)
                return category->child(i);
        return nullptr;
    }

    CQuorrilDoc doc;
    CQuorrilView tree;
    CAccountView list;
};

TEST_F(TreeViewTest, EmptyDocumentShowsTheRootAloneExpanded)
{
    rebuild();
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree.topLevelItem(0);
    EXPECT_EQ(root, tree.rootNode());
    EXPECT_EQ(root->text(0), QStringLiteral("Accounts"));
    EXPECT_EQ(CQuorrilView::nodeImage(root), 0);
    EXPECT_EQ(root->childCount(), 0);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(tree.selectedNode(), nullptr);
}

TEST_F(TreeViewTest, CategoriesComeInCaptionOrderWithTheirImages)
{
    addAccounts(doc, oneOfEachType());
    rebuild();
    EXPECT_EQ(childTexts(tree.rootNode()),
              QStringList({"Banks", "Calling Card", "Credit Cards", "Email", "Insurance", "Medical", "Purchased Item",
                           "Reference", "Software", "WebSites"}));

    struct Row {
        qint32 type;
        const char* caption;
        int categoryImage;
    };
    const Row rows[] = {
        {AccountType::Email, "Email", 1},          {AccountType::WebSite, "WebSites", 2},
        {AccountType::CreditCard, "Credit Cards", 3}, {AccountType::Bank, "Banks", 4},
        {AccountType::Insurance, "Insurance", 5},  {AccountType::Medical, "Medical", 6},
        {AccountType::CallingCard, "Calling Card", 7}, {AccountType::PurchasedItem, "Purchased Item", 8},
        {AccountType::Software, "Software", 9},    {AccountType::Reference, "Reference", 19},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        QTreeWidgetItem* category = tree.categoryNode(row.type);
        ASSERT_NE(category, nullptr);
        EXPECT_EQ(category->text(0), QString::fromLatin1(row.caption));
        EXPECT_EQ(CQuorrilView::nodeImage(category), row.categoryImage);
        EXPECT_EQ(CQuorrilView::nodeAccountId(category), 0);
        EXPECT_FALSE(category->isExpanded());
        EXPECT_FALSE(tree.isAccountNode(category));
        ASSERT_EQ(category->childCount(), 1);
        QTreeWidgetItem* node = category->child(0);
        EXPECT_TRUE(tree.isAccountNode(node));
        EXPECT_EQ(CQuorrilView::nodeImage(node), row.type);
        const AccountRecord* account = doc.FindAccount(CQuorrilView::nodeAccountId(node));
        ASSERT_NE(account, nullptr);
        EXPECT_EQ(account->GetType(), row.type);
        EXPECT_EQ(node->text(0), account->GetTitle());
    }
}

TEST_F(TreeViewTest, AccountsSortByTitleWithoutRegardToCaseAndShowOnlyUsedCategories)
{
    addAccounts(doc, {{AccountType::Bank, "zeta"}, {AccountType::Bank, "Alpha"}, {AccountType::Bank, "beta"},
                      {AccountType::Bank, "Gamma"}, {AccountType::Email, "Alpha"}});
    rebuild();
    EXPECT_EQ(childTexts(tree.rootNode()), QStringList({"Banks", "Email"}));
    EXPECT_EQ(childTexts(tree.categoryNode(AccountType::Bank)), QStringList({"Alpha", "beta", "Gamma", "zeta"}));
    // The same title under two types: one node under each category.
    EXPECT_EQ(childTexts(tree.categoryNode(AccountType::Email)), QStringList({"Alpha"}));
    EXPECT_EQ(tree.categoryNode(AccountType::Software), nullptr);
}

TEST_F(TreeViewTest, SelectionDrivesTheCurrentAccountAndThePropertyList)
{
    addAccounts(doc, {{AccountType::Bank, "First"}, {AccountType::Bank, "Second"}});
    rebuild();
    QTreeWidgetItem* second = accountNode(AccountType::Bank, "Second");
    tree.setCurrentItem(second);
    EXPECT_EQ(doc.GetCurrentAccountId(), CQuorrilView::nodeAccountId(second));
    ASSERT_GT(list.rowCount(), 1);
    EXPECT_EQ(list.item(1, 1)->text(), QStringLiteral("Second"));

    tree.setCurrentItem(tree.categoryNode(AccountType::Bank));
    EXPECT_EQ(doc.GetCurrentAccountId(), 0);
    EXPECT_EQ(list.rowCount(), 0);
}

TEST_F(TreeViewTest, EveryRebuildClearsTheCurrentAccount)
{
    addAccounts(doc, {{AccountType::Bank, "First"}});
    rebuild();
    tree.setCurrentItem(tree.categoryNode(AccountType::Bank)->child(0));
    ASSERT_NE(doc.GetCurrentAccountId(), 0);
    rebuild();
    EXPECT_EQ(doc.GetCurrentAccountId(), 0);
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(tree.selectedNode(), nullptr);
}

TEST_F(TreeViewTest, WhileLockedSelectionLeavesTheCurrentAccountAndTheListEmpty)
{
    addAccounts(doc, {{AccountType::Bank, "First"}, {AccountType::Bank, "Second"}});
    doc.setPassword("pw");
    rebuild();
    QTreeWidgetItem* first = accountNode(AccountType::Bank, "First");
    tree.setCurrentItem(first);
    const qint32 shown = doc.GetCurrentAccountId();
    doc.OnLockDocument();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_FALSE(tree.OnUpdateAccountProperties());

    tree.setCurrentItem(accountNode(AccountType::Bank, "Second"));
    EXPECT_EQ(doc.GetCurrentAccountId(), shown);
    EXPECT_EQ(list.rowCount(), 0);
    // Delete and Properties do nothing, and ask nothing.
    tree.OnAccountDelete();
    tree.OnAccountProperties();
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(doc.accountCount(), 2);
    // The nodes stay.
    EXPECT_EQ(tree.categoryNode(AccountType::Bank)->childCount(), 2);

    prompts.addPassword("pw");
    doc.OnUnlockDocument();
    // Unlocking shows the account the document still holds as current.
    ASSERT_GT(list.rowCount(), 1);
    EXPECT_EQ(list.item(1, 1)->text(), QStringLiteral("First"));
}

TEST_F(TreeViewTest, PropertiesAndDeleteNeedAnAccountNode)
{
    addAccounts(doc, {{AccountType::Bank, "First"}});
    rebuild();
    EXPECT_FALSE(tree.OnUpdateAccountProperties()); // nothing selected
    tree.setCurrentItem(tree.rootNode());
    EXPECT_FALSE(tree.OnUpdateAccountProperties());
    tree.setCurrentItem(tree.categoryNode(AccountType::Bank));
    EXPECT_FALSE(tree.OnUpdateAccountProperties());
    // Properties on a category only empties the property list: no dialog opens.
    tree.OnAccountProperties();
    EXPECT_EQ(doc.GetCurrentAccountId(), 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    tree.setCurrentItem(accountNode(AccountType::Bank, "First"));
    EXPECT_TRUE(tree.OnUpdateAccountProperties());
}

TEST_F(TreeViewTest, DeleteAsksThenRemovesTheAccountAndItsNode)
{
    addAccounts(doc, {{AccountType::Bank, "Alpha"}, {AccountType::Bank, "Beta"}, {AccountType::Bank, "Gamma"}});
    rebuild();
    doc.SetModifiedFlag(false);

    // No: nothing changes.
    tree.setCurrentItem(accountNode(AccountType::Bank, "Beta"));
    prompts.addAnswer(false);
    tree.OnAccountDelete();
    EXPECT_EQ(prompts.shown, QStringList({"Are you sure you want to delete \"Beta\" account ?"}));
    ASSERT_EQ(prompts.icons.size(), 1u);
    EXPECT_EQ(prompts.icons[0], Prompts::Icon::None);
    EXPECT_EQ(doc.accountCount(), 3);
    EXPECT_FALSE(doc.IsModified());

    // Yes: the account and the node go, the next node is selected and shown.
    prompts.addAnswer(true);
    tree.OnAccountDelete();
    EXPECT_EQ(doc.accountCount(), 2);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(childTexts(tree.categoryNode(AccountType::Bank)), QStringList({"Alpha", "Gamma"}));
    ASSERT_NE(tree.selectedNode(), nullptr);
    EXPECT_EQ(tree.selectedNode()->text(0), QStringLiteral("Gamma"));
    EXPECT_EQ(doc.GetCurrentAccount()->GetTitle(), QStringLiteral("Gamma"));
    EXPECT_EQ(list.item(1, 1)->text(), QStringLiteral("Gamma"));

    // The last of a category: the empty category stays and becomes the selection.
    for (const char* title : {"Gamma", "Alpha"}) {
        tree.setCurrentItem(accountNode(AccountType::Bank, title));
        prompts.addAnswer(true);
        tree.OnAccountDelete();
    }
    EXPECT_EQ(doc.accountCount(), 0);
    ASSERT_NE(tree.categoryNode(AccountType::Bank), nullptr);
    EXPECT_EQ(tree.categoryNode(AccountType::Bank)->childCount(), 0);
    EXPECT_EQ(tree.selectedNode(), tree.categoryNode(AccountType::Bank));
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_TRUE(prompts.allAnswersUsed());
}

TEST_F(TreeViewTest, RightClickOpensTheMenuAtTheNodeOnlyOnANode)
{
    QMenu menu;
    menu.addAction(QStringLiteral("Properties"));
    tree.setContextMenu(&menu);
    addAccounts(doc, {{AccountType::Bank, "First"}});
    rebuild();
    tree.expandAll();
    QTreeWidgetItem* node = accountNode(AccountType::Bank, "First");
    const QRect rect = tree.visualItemRect(node);

    // Below every node: no menu, no selection.
    QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, QPoint(rect.center().x(), tree.viewport()->height() - 5));
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(tree.selectedNode(), nullptr);

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

TEST_F(TreeViewTest, DoubleClickOnACategoryEmptiesTheListAndExpandsIt)
{
    addAccounts(doc, {{AccountType::Bank, "First"}});
    rebuild();
    tree.setCurrentItem(accountNode(AccountType::Bank, "First"));
    ASSERT_GT(list.rowCount(), 0);
    QTreeWidgetItem* category = tree.categoryNode(AccountType::Bank);
    const QPoint at = tree.visualItemRect(category).center();
    tree.setCurrentItem(category);
    doc.SetCurrentAccountId(CQuorrilView::nodeAccountId(accountNode(AccountType::Bank, "First")));
    doc.UpdateAllViews();
    const bool expanded = category->isExpanded();
    doubleClick(tree.viewport(), at);
    EXPECT_EQ(doc.GetCurrentAccountId(), 0);
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_NE(category->isExpanded(), expanded);
}

} // namespace

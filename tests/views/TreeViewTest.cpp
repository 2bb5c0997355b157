#include "views/AccountView.h"
#include "views/Artwork.h"
#include "views/QuorrilView.h"
#include "views/TreeAndListTest.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

class TreeViewTest : public TreeAndListTest<WidgetTest> { };

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

TEST_F(TreeViewTest, DoubleClickOnAnAccountAndTheDeleteKeyOnlyAskForTheirCommands)
{
    addAccounts(doc, { { AccountType::Bank, "First" }, { AccountType::Email, "Mail" } });
    rebuild();
    QSignalSpy properties(&tree, &CQuorrilView::propertiesRequested);
    QSignalSpy deletion(&tree, &CQuorrilView::deleteRequested);
    struct Case {
        const char* what;
        std::function<QModelIndex()> node;
        int propertiesAsked;
    };
    const Case cases[] = {
        { "the root", [&] { return tree.rootNode(); }, 0 },
        { "a category", [&] { return tree.categoryNode(AccountType::Email); }, 0 },
        { "an account", [&] { return accountNode(AccountType::Email, "Mail"); }, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        properties.clear();
        deletion.clear();
        tree.expandAll(); // a double-click on the root or a category folds it
        const QModelIndex node = c.node();
        doubleClick(tree.viewport(), tree.visualRect(node).center());
        EXPECT_EQ(properties.count(), c.propertiesAsked);
        EXPECT_EQ(tree.selectedNode(), node);
        QTest::keyClick(&tree, Qt::Key_Delete);
        EXPECT_EQ(deletion.count(), 1);
        EXPECT_EQ(properties.count(), c.propertiesAsked);
    }
    // The tree alone changes nothing and asks nothing.
    EXPECT_EQ(doc.accountCount(), 2);
    EXPECT_EQ(childCount(tree.categoryNode(AccountType::Bank)), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(prompts.shown.isEmpty());
}

} // namespace

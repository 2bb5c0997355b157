// The tree follows the document's changes: a few node by node, a step of many in one relayout,
// with the same nodes either way.
#include "views/AccountTreeModel.h"
#include "views/TreeAndListTest.h"

#include <QAbstractItemModelTester>

namespace {

class TreeFollowsTest : public TreeAndListTest<WidgetTest> {
protected:
    TreeFollowsTest()
    {
        addAccounts(doc,
            { { AccountType::Bank, "Bravo" }, { AccountType::Bank, "Delta" }, { AccountType::Bank, "Foxtrot" },
                { AccountType::Email, "Mail" } });
        rebuild();
    }

    // The titles under each category, categories in their order.
    QStringList treeLines() const
    {
        QStringList lines;
        for (int c = 0; c < childCount(tree.rootNode()); ++c) {
            const QModelIndex category = child(tree.rootNode(), c);
            lines << CQuorrilView::nodeText(category) + QStringLiteral(": ") + childTexts(category).join(u',');
        }
        return lines;
    }
    AccountId idOf(const QString& title) const
    {
        for (const auto& [id, account] : doc.accounts())
            if (account->GetTitle() == title)
                return id;
        return AccountId::None;
    }

    QAbstractItemModelTester tester { tree.accountModel(), QAbstractItemModelTester::FailureReportingMode::Fatal };
};

TEST_F(TreeFollowsTest, AStepOfFewOrManyChangesGivesTheSameTree)
{
    // Few changes reach the tree node by node, many as one relayout: the nodes are the same.
    for (int added : { 3, 60 }) {
        SCOPED_TRACE(added);
        rebuild();
        const QModelIndex banks = tree.categoryNode(AccountType::Bank);
        tree.expand(banks);
        tree.selectNode(accountNode(AccountType::Bank, "Delta"));
        // "Bravo" renamed: it keeps its place until an account comes into the category.
        auto renamed = cloneAccount(*doc.FindAccount(idOf("Bravo")));
        renamed->SetTitle("Zulu");
        std::vector<std::unique_ptr<AccountRecord>> accounts;
        accounts.push_back(std::move(renamed));
        for (int i = 0; i < added; ++i)
            accounts.push_back(makeAccount(i % 2 ? AccountType::Bank : AccountType::Software, AccountId(100 + i),
                QStringLiteral("n%1").arg(i, 2, 10, QLatin1Char('0'))));
        ASSERT_EQ(doc.changeAccounts("Import", std::move(accounts), { idOf("Delta") }), added + 2);

        QStringList banksAfter { "Foxtrot", "Zulu" };
        QStringList software;
        for (int i = 0; i < added; ++i)
            (i % 2 ? banksAfter : software) << QStringLiteral("n%1").arg(i, 2, 10, QLatin1Char('0'));
        // An account coming into the category sorts all of it, the renamed one too; a new category
        // comes last until the next rebuild.
        banksAfter.sort(Qt::CaseInsensitive);
        EXPECT_EQ(treeLines(),
            (QStringList { "Banks: " + banksAfter.join(u','), "Email: Mail", "Software: " + software.join(u',') }));
        EXPECT_TRUE(tree.isExpanded(tree.categoryNode(AccountType::Bank)));
        // The selected account went: the selection moved on, and the list shows what is selected.
        EXPECT_TRUE(tree.selectedNode().isValid());
        EXPECT_EQ(doc.GetCurrentAccountId(), CQuorrilView::nodeAccountId(tree.selectedNode()));

        // Undone, Delta comes back into an ordered category, then Zulu is renamed Bravo in its place.
        ASSERT_TRUE(doc.Undo());
        EXPECT_EQ(treeLines(), (QStringList { "Banks: Delta,Foxtrot,Bravo", "Email: Mail", "Software: " }));
    }
}

TEST_F(TreeFollowsTest, AnAccountComingIntoAnOrderedCategoryGoesToItsPlace)
{
    // clang-format off
    struct Row { const char* title; QStringList banks; };
    const Row rows[] = {
        { "Alpha", { "Alpha", "Bravo", "Delta", "Foxtrot" } },
        { "charlie", { "Bravo", "charlie", "Delta", "Foxtrot" } },
        { "Golf", { "Bravo", "Delta", "Foxtrot", "Golf" } },
        { "delta", { "Bravo", "Delta", "delta", "Foxtrot" } }, // after the equal title already there
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.title);
        const QModelIndex banks = tree.categoryNode(AccountType::Bank);
        std::vector<std::unique_ptr<AccountRecord>> one;
        one.push_back(makeAccount(AccountType::Bank, doc.NextAccountId(), QString::fromUtf8(row.title)));
        doc.changeAccounts("Import", std::move(one));
        EXPECT_EQ(childTexts(banks), row.banks);
        ASSERT_TRUE(doc.Undo());
    }
}

} // namespace

#include "views/AccountTreeModel.h"
#include "support/FileAccounts.h"
#include "support/MembershipType.h"
#include "views/QuorrilView.h"
#include "views/WidgetTestSupport.h"

#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>

namespace {

class AccountTreeModelTest : public WidgetTest {
protected:
    AccountTreeModelTest()
        : doc(prompts)
    {
    }

    QStringList texts(const QModelIndex& node) const
    {
        QStringList result;
        for (int i = 0; i < model.rowCount(node); ++i)
            result << CQuorrilView::nodeText(model.index(i, 0, node));
        return result;
    }

    CQuorrilDoc doc;
    AccountTreeModel model;
    // Checks the model's structure after every change it announces, and aborts the test program at
    // the first fault.
    QAbstractItemModelTester tester { &model, QAbstractItemModelTester::FailureReportingMode::Fatal };
};

TEST_F(AccountTreeModelTest, RebuildSortsWithoutRegardToCaseAndSkipsUnknownTypes)
{
    addAccounts(doc,
        { { AccountType::Reference, "\u00e9t\u00e9" }, { AccountType::Reference, "Zulu" },
            { AccountType::Reference, "alpha" }, { AccountType::Reference, "\u00c9T\u00c9 2" },
            { AccountType::Email, "mail" } });
    // A file may hold titles that differ only in case (loading files them unchecked).
    fileAccounts(doc, makeAccount(AccountType::Reference, doc.NextAccountId(), "Alpha"));
    // A record of a type without a class gets no node.
    auto stray = makeAccount(AccountType::Bank, doc.NextAccountId(), "stray");
    AccountBuilder::setType(*stray, AccountType(19));
    fileAccounts(doc, std::move(stray));
    model.rebuild(doc);

    EXPECT_EQ(texts(model.rootNode()), QStringList({ "Email", "Reference" }));
    // Titles differing only in case keep the table's order (the first "alpha" was filed first);
    // accented letters sort beside their plain ones.
    EXPECT_EQ(texts(model.categoryNode(AccountType::Reference)),
        QStringList({ "alpha", "Alpha", "\u00e9t\u00e9", "\u00c9T\u00c9 2", "Zulu" }));
    for (int row = 0; row < 5; ++row) {
        const QModelIndex node = model.index(row, 0, model.categoryNode(AccountType::Reference));
        EXPECT_EQ(node.parent(), model.categoryNode(AccountType::Reference));
        EXPECT_EQ(doc.FindAccount(CQuorrilView::nodeAccountId(node))->GetTitle(), CQuorrilView::nodeText(node));
    }
    EXPECT_TRUE(model.isCategoryNode(model.categoryNode(AccountType::Email)));
    EXPECT_FALSE(model.isAccountNode(model.rootNode()));

    model.clear();
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.rowCount(model.rootNode()), 0);
}

TEST_F(AccountTreeModelTest, ATypeAddedThroughItsTablesGetsACategoryButBorrowsNoPicture)
{
    const Membership::Scoped membership;
    addAccounts(doc, { { Membership::kType, "Gym" }, { AccountType::Bank, "Bank" } });
    model.rebuild(doc);
    EXPECT_EQ(texts(model.rootNode()), QStringList({ "Banks", "Memberships" }));
    const QModelIndex category = model.categoryNode(Membership::kType);
    EXPECT_EQ(texts(category), QStringList { "Gym" });
    // Its code, 19, is the image index of Reference's category: without artwork it shows none.
    EXPECT_EQ(CQuorrilView::nodeImage(category), -1);
    EXPECT_EQ(CQuorrilView::nodeImage(model.index(0, 0, category)), -1);
}

TEST_F(AccountTreeModelTest, EveryNodeCarriesItsAccountTypeApartFromItsImage)
{
    addAccounts(doc, oneOfEachType());
    model.rebuild(doc);
    EXPECT_EQ(CQuorrilView::nodeType(model.rootNode()), AccountType::None);
    EXPECT_EQ(CQuorrilView::nodeType(QModelIndex()), AccountType::None);
    for (AccountType type : kAccountTypes) {
        SCOPED_TRACE(typeCode(type));
        const QModelIndex category = model.categoryNode(type);
        const QModelIndex account = model.index(0, 0, category);
        EXPECT_EQ(CQuorrilView::nodeType(category), type);
        EXPECT_EQ(CQuorrilView::nodeType(account), type);
        // A category's image index is no type code (Reference's is 19, a code without a type).
        EXPECT_NE(CQuorrilView::nodeImage(category), typeCode(type));
        EXPECT_EQ(doc.FindAccount(CQuorrilView::nodeAccountId(account))->GetType(), type);
    }
}

TEST_F(AccountTreeModelTest, InsertedAccountsSortTheWholeCategoryAndIndexesFollow)
{
    addAccounts(
        doc, { { AccountType::Bank, "Bravo" }, { AccountType::Bank, "Delta" }, { AccountType::Bank, "Foxtrot" } });
    model.rebuild(doc);
    const QModelIndex banks = model.categoryNode(AccountType::Bank);
    // A rename keeps the node's place...
    model.setTitle(model.index(0, 0, banks), "Zulu");
    EXPECT_EQ(texts(banks), QStringList({ "Zulu", "Delta", "Foxtrot" }));
    const QPersistentModelIndex zulu = model.index(0, 0, banks);
    const QPersistentModelIndex delta = model.index(1, 0, banks);

    // ...until an account is added to the category, which sorts all of it.
    const QModelIndex added = model.insertAccount(AccountType::Bank, "Echo", AccountId(99));
    EXPECT_EQ(texts(banks), QStringList({ "Delta", "Echo", "Foxtrot", "Zulu" }));
    EXPECT_EQ(CQuorrilView::nodeText(added), QStringLiteral("Echo"));
    EXPECT_EQ(CQuorrilView::nodeAccountId(added), AccountId(99));
    EXPECT_EQ(CQuorrilView::nodeText(zulu), QStringLiteral("Zulu"));
    EXPECT_EQ(CQuorrilView::nodeText(delta), QStringLiteral("Delta"));

    // A new category goes last, before any sort.
    const QModelIndex mail = model.ensureCategory(AccountType::Email);
    EXPECT_EQ(texts(model.rootNode()), QStringList({ "Banks", "Email" }));
    EXPECT_EQ(model.ensureCategory(AccountType::Email), mail);
    EXPECT_FALSE(model.ensureCategory(AccountType(19)).isValid());

    // Removing leaves the category, even empty.
    EXPECT_FALSE(model.removeAccount(banks));
    while (model.rowCount(banks) > 0)
        EXPECT_TRUE(model.removeAccount(model.index(0, 0, banks)));
    EXPECT_EQ(texts(model.rootNode()), QStringList({ "Banks", "Email" }));
}

TEST_F(AccountTreeModelTest, TitlesFollowTheUsersLanguageWithoutRegardToCase)
{
    struct Case {
        const char* locale;
        const char* a;
        const char* b;
        bool less; // a before b
    };
    // clang-format off
    const Case cases[] = {
        { "en_US", "\u00e9t\u00e9", "Zulu", true },
        { "en_US", "apple", "Banana", true },
        { "en_US", "Banana", "apple", false },
        { "en_US", "alpha", "ALPHA", false },
        { "en_US", "ALPHA", "alpha", false },
        { "en_US", "\u00d6l", "Pfad", true },
        // In Swedish the letter \u00d6 comes after Z.
        { "sv_SE", "\u00d6l", "Pfad", false },
        { "sv_SE", "Zebra", "\u00d6l", true },
    };
    // clang-format on
    const QLocale pinned;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + ": " + c.a + " < " + c.b);
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(AccountTreeModel::textLess(QString::fromUtf8(c.a), QString::fromUtf8(c.b)), c.less);
    }
    // The tree's own sort gives the same order.
    QLocale::setDefault(QLocale(QStringLiteral("sv_SE")));
    addAccounts(
        doc, { { AccountType::Bank, "\u00d6resund" }, { AccountType::Bank, "Zenit" }, { AccountType::Bank, "Oslo" } });
    model.rebuild(doc);
    QLocale::setDefault(pinned);
    EXPECT_EQ(texts(model.categoryNode(AccountType::Bank)), QStringList({ "Oslo", "Zenit", "\u00d6resund" }));
}

} // namespace

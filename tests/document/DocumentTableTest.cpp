// The account table: adding, removing, ids, duplicate checks.
#include "document/DocumentFixture.h"

#include <limits>
#include <type_traits>

using DocumentTableTest = DocumentFixture;

// The id comes first, as in AccountRecord(id, type) and createAccount(id, type).
static_assert(std::is_invocable_v<decltype(&CQuorrilDoc::IsTitleTaken), const CQuorrilDoc&, AccountId, AccountType,
    const QString&>);
static_assert(!std::is_invocable_v<decltype(&CQuorrilDoc::IsTitleTaken), const CQuorrilDoc&, AccountType, AccountId,
              const QString&>);

TEST_F(DocumentTableTest, AddAccountFilesOnlyCommittedAccountsWithAFreeTitle)
{
    ASSERT_EQ(doc.AddAccount(account(13, 1, "My Bank")), AccountId(1));
    ASSERT_TRUE(doc.IsModified());
    doc.SetModifiedFlag(false);

    struct Row {
        const char* name;
        qint32 type;
        QString title;
        bool committed;
        qint32 result;
    };
    const Row rows[] = {
        { "same title, other ASCII case", 13, "MY BANK", true, -1 },
        { "same title, other type", 12, "My Bank", true, 3 },
        { "not committed", 13, "Other Bank", false, -1 },
        { "accented letter in other case is another title", 13, QStringLiteral("My B\u00c1nk"), true, 5 },
    };
    qint32 id = 2;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto a = createAccount(AccountId(id++), AccountType(row.type));
        a->SetTitle(row.title);
        if (row.committed)
            a->SetCommitted();
        doc.SetModifiedFlag(false);
        EXPECT_EQ(doc.AddAccount(std::move(a)).value_or(AccountId(-1)), AccountId(row.result));
        EXPECT_EQ(doc.IsModified(), row.result != -1);
    }
    EXPECT_EQ(accountList(), (QStringList { "1:13:My Bank", "3:12:My Bank", QStringLiteral("5:13:My B\u00c1nk") }));
}

TEST_F(DocumentTableTest, RemoveAccountMarksModifiedOnlyWhenSomethingWasRemoved)
{
    doc.AddAccount(account(10, 3, "mail"));
    doc.SetModifiedFlag(false);
    EXPECT_FALSE(doc.RemoveAccount(AccountId(4)));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.RemoveAccount(AccountId(3)));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.FindAccount(AccountId(3)), nullptr);
}

TEST_F(DocumentTableTest, NextAccountIdDoesNotReserveAndNeverOverflows)
{
    EXPECT_EQ(doc.NextAccountId(), AccountId(1));
    EXPECT_EQ(doc.NextAccountId(), AccountId(1));
    doc.AddAccount(account(10, 1, "a"));
    EXPECT_EQ(doc.NextAccountId(), AccountId(2));
    doc.AddAccount(account(10, 7, "b"));
    EXPECT_EQ(doc.NextAccountId(), AccountId(8));
    doc.RemoveAccount(AccountId(7));
    EXPECT_EQ(doc.NextAccountId(), AccountId(8)) << "a removed id is not handed out again";

    const qint32 max = std::numeric_limits<qint32>::max();
    doc.AddAccount(account(10, max, "top"));
    EXPECT_EQ(doc.NextAccountId(), AccountId(2)) << "the lowest free positive id";
    doc.AddAccount(account(10, 2, "c"));
    doc.AddAccount(account(10, 3, "d"));
    EXPECT_EQ(doc.NextAccountId(), AccountId(4));
    doc.RemoveAccount(AccountId(2));
    EXPECT_EQ(doc.NextAccountId(), AccountId(2));
}

TEST_F(DocumentTableTest, TitleTakenAndDuplicateChecks)
{
    doc.AddAccount(account(18, 5, "Editor"));
    EXPECT_TRUE(doc.IsTitleTaken(AccountId(6), AccountType(18), "EDITOR"));
    EXPECT_FALSE(doc.IsTitleTaken(AccountId(5), AccountType(18), "EDITOR")) << "the account itself does not count";
    EXPECT_FALSE(doc.IsTitleTaken(AccountId(6), AccountType(17), "Editor"));
    EXPECT_FALSE(doc.IsTitleTaken(AccountId(6), AccountType(18), "Editor "));

    auto same = account(18, 5, "editor");
    EXPECT_TRUE(doc.HasDuplicateAccount(*same)) << "the same id is not excluded";
    EXPECT_TRUE(doc.HasDuplicateAccount(*doc.FindAccount(AccountId(5))));
}

TEST_F(DocumentTableTest, ClearAccountsKeepsIdsAndLock)
{
    doc.setPassword("pw");
    doc.AddAccount(account(10, 4, "mail"));
    doc.SetCurrentAccountId(AccountId(4));
    EXPECT_EQ(doc.GetCurrentAccount(), doc.FindAccount(AccountId(4)));
    doc.OnLockDocument();
    EXPECT_EQ(doc.NextAccountId(), AccountId(5));
    doc.ClearAccounts();
    EXPECT_EQ(doc.accountCount(), 0);
    EXPECT_FALSE(doc.hasPassword());
    EXPECT_TRUE(doc.IsLocked());
    EXPECT_EQ(doc.GetCurrentAccountId(), AccountId(4));
    EXPECT_EQ(doc.GetCurrentAccount(), nullptr);
    EXPECT_EQ(doc.NextAccountId(), AccountId(5));
}

// A window that a lock closed may still try to store what it held: a locked document takes no edit
// and no delete, and stays unmodified.
TEST_F(DocumentTableTest, ALockedDocumentRefusesEditsAndDeletes)
{
    doc.setPassword("pw");
    doc.AddAccount(account(10, 4, "mail"));
    doc.SetModifiedFlag(false);
    doc.OnLockDocument();
    EXPECT_EQ(doc.EditAccount(account(10, 4, "changed")), 0u);
    EXPECT_FALSE(doc.RemoveAccount(AccountId(4)));
    EXPECT_FALSE(doc.IsModified());
    ASSERT_NE(doc.FindAccount(AccountId(4)), nullptr);
    EXPECT_EQ(doc.FindAccount(AccountId(4))->GetTitle(), QStringLiteral("mail"));
}

TEST_F(DocumentTableTest, ModifiedSignalOnlyOnChange)
{
    recordSignals();
    doc.SetModifiedFlag(true);
    doc.SetModifiedFlag(true);
    doc.SetModifiedFlag(false);
    EXPECT_EQ(events, (QStringList { "modified 1", "modified 0" }));
}

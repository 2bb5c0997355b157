#include "accounts/AccountFactory.h"
#include "accounts/BankAccount.h"
#include "core/AccountTypes.h"
#include "core/CArchive.h"
#include "document/FilledFields.h"
#include "support/Bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <type_traits>

namespace {

// An id and a type code cannot change places unnoticed, nor pass for plain numbers; a const record
// hands out only const users.
static_assert(std::is_invocable_v<decltype(&createAccount), AccountId, AccountType>);
static_assert(!std::is_invocable_v<decltype(&createAccount), AccountType, AccountId>);
static_assert(!std::is_constructible_v<BankAccount, qint32>);
static_assert(!std::is_convertible_v<qint32, AccountId> && !std::is_convertible_v<AccountId, qint32>);
static_assert(!std::is_convertible_v<qint32, AccountType> && !std::is_convertible_v<AccountType, qint32>);
static_assert(std::is_same_v<decltype(std::declval<const AccountRecord&>().GetUser(0)), const UserEntry*>);
static_assert(std::is_same_v<decltype(std::declval<AccountRecord&>().GetUser(0)), UserEntry*>);
static_assert(std::is_same_v<decltype(std::declval<const AccountRecord&>().FindUser(QString())), const UserEntry*>);
static_assert(std::is_same_v<decltype(std::declval<AccountRecord&>().FindUser(QString())), UserEntry*>);

TEST(AccountRecordTest, ConstAndMutableAccessReachTheSameUsers)
{
    BankAccount account(AccountId(1));
    account.AddUser(0, QStringLiteral("Bob"), QStringLiteral("pw"), QString());
    const AccountRecord& view = account;
    EXPECT_EQ(view.GetUser(0), account.GetUser(0));
    EXPECT_EQ(view.FindUser(QStringLiteral("Bob")), account.FindUser(QStringLiteral("Bob")));
    EXPECT_EQ(view.GetUser(1), nullptr);
    EXPECT_EQ(view.FindUser(QStringLiteral("bob")), nullptr);
}

TEST(AccountRecordTest, TypeNamesAndCaptions)
{
    const std::tuple<qint32, const char*, const char*> cases[] = {
        { 0, "None", "" },
        { 10, "Email", "Email" },
        { 11, "WebSite", "WebSites" },
        { 12, "Credit Card", "Credit Cards" },
        { 13, "Bank", "Banks" },
        { 16, "Calling Card", "Calling Card" },
        { 19, "", "" },
        { 20, "Reference", "Reference" },
        { 99, "", "" },
        { -1, "", "" },
    };
    for (const auto& [type, name, caption] : cases) {
        EXPECT_EQ(accountTypeName(AccountType(type)), QLatin1StringView(name)) << type;
        EXPECT_EQ(accountCategoryCaption(AccountType(type)), QLatin1StringView(caption)) << type;
    }
}

TEST(AccountRecordTest, TitlesCompareIgnoringAsciiCaseOnly)
{
    const std::tuple<qint32, const char*, qint32, const char*, bool> cases[] = {
        { 13, "My Bank", 13, "MY BANK", true }, { 13, "My Bank", 12, "My Bank", false },
        { 13, "\u00c9cole", 13, "\u00e9cole", false }, { 13, "abc", 13, "abcd", false }, { 13, "", 13, "", true },
        { 13, "a[", 13, "A{", false }, // [ and { differ by 32 too, but are not letters
    };
    for (const auto& [typeA, titleA, typeB, titleB, same] : cases) {
        auto a = createAccount(AccountId(1), AccountType(typeA));
        auto b = createAccount(AccountId(2), AccountType(typeB));
        a->SetTitle(QString::fromUtf8(titleA));
        b->SetTitle(QString::fromUtf8(titleB));
        EXPECT_EQ(a->IsSameAccount(*b), same) << titleA << " / " << titleB;
    }
}

TEST(AccountRecordTest, UserListOperations)
{
    BankAccount account(AccountId(1));
    EXPECT_EQ(account.AddUser(0, QStringLiteral("Bob"), QStringLiteral("pw"), QStringLiteral("bob@x.org")), 0);
    // Equal: e-mail differs in case only.
    EXPECT_EQ(account.AddUser(1, QStringLiteral("Bob"), QStringLiteral("pw"), QStringLiteral("BOB@X.ORG")), -1);
    // Different: log-in id or password differ in case.
    EXPECT_EQ(account.AddUser(0, QStringLiteral("bob"), QStringLiteral("pw"), QStringLiteral("bob@x.org")), 1);
    EXPECT_EQ(account.AddUser(0, QStringLiteral("Bob"), QStringLiteral("PW"), QStringLiteral("bob@x.org")), 2);
    EXPECT_EQ(account.GetUserCount(), 3);

    EXPECT_EQ(account.FindUserIndex(QStringLiteral("Bob")), 0);
    EXPECT_EQ(account.FindUserIndex(QStringLiteral("bob")), 1);
    EXPECT_EQ(account.FindUserIndex(QStringLiteral("BOB")), -1);
    EXPECT_EQ(account.FindUser(QStringLiteral("Bob")), account.GetUser(0));
    EXPECT_EQ(account.FindUser(QStringLiteral("nobody")), nullptr);
    EXPECT_EQ(account.GetUser(3), nullptr);
    EXPECT_EQ(account.GetUser(-1), nullptr);

    // Removing the first of three moves the others down.
    UserEntry* second = account.GetUser(1);
    UserEntry* third = account.GetUser(2);
    EXPECT_EQ(account.RemoveUser(QStringLiteral("Bob")), 0);
    EXPECT_EQ(account.GetUserCount(), 2);
    EXPECT_EQ(account.GetUser(0), second);
    EXPECT_EQ(account.GetUser(1), third);
    EXPECT_EQ(account.RemoveUser(QStringLiteral("nobody")), -1);

    // By index: exactly that entry, also when another has the same log-in id.
    account.AddUser(0, QStringLiteral("bob"), QStringLiteral("other"), QString());
    UserEntry* last = account.GetUser(2);
    EXPECT_TRUE(account.RemoveUserAt(0));
    EXPECT_EQ(account.GetUser(0), third);
    EXPECT_EQ(account.GetUser(1), last);
    EXPECT_FALSE(account.RemoveUserAt(2));
    EXPECT_FALSE(account.RemoveUserAt(-1));
}

TEST(AccountRecordTest, CommonBlockOfAnEmptyAccount)
{
    BankAccount account(AccountId(258));
    QByteArray bytes;
    CArchive ar(&bytes);
    account.AccountRecord::Serialize(ar);
    EXPECT_EQ(bytes.toHex(' '), hexBytes("01000000 02010000 0d000000 fffeff00 00000000 00000000").toHex(' '));
}

TEST(AccountRecordTest, UserEntryWithOtherVersionKeepsItsValues)
{
    // A user count of 2 where the first entry has version 5: only the version is read, the next
    // bytes are taken as the following entry.
    const QByteArray bytes = Bytes()
                                 .i32(1)
                                 .i32(9)
                                 .i32(13)
                                 .stored(QStringLiteral("t"))
                                 .i32(1)
                                 .i32(2)
                                 .i32(5)
                                 .i32(1)
                                 .i32(1)
                                 .stored(QStringLiteral("id"))
                                 .stored(QStringLiteral("pw"))
                                 .stored(QStringLiteral("e"))
                                 .data();
    BankAccount account(AccountId(1));
    CArchive ar { QByteArrayView(bytes) };
    account.AccountRecord::Serialize(ar);
    ASSERT_EQ(account.GetUserCount(), 2);
    EXPECT_EQ(account.GetUser(0)->GetLoginId(), QString());
    EXPECT_EQ(account.GetUser(1)->GetLoginId(), QStringLiteral("id"));
    EXPECT_EQ(account.GetUser(1)->GetAdministrator(), 1);
}

TEST(AccountRecordTest, HostileUserCountFailsWithoutReserving)
{
    const QByteArray bytes = Bytes().i32(1).i32(9).i32(13).text({}).i32(1).i32(0x7fffffff).data();
    BankAccount account(AccountId(1));
    CArchive ar { QByteArrayView(bytes) };
    EXPECT_THROW(account.AccountRecord::Serialize(ar), CArchiveException);
}

TEST(AccountRecordTest, SetFieldRefusesAValueOfAnotherKind)
{
    BankAccount account(AccountId(1));
    account.setField(BankAccount::Pin, FieldValue(qint32(5)));
    account.setField(99, FieldValue(ScrambledText(QStringLiteral("x"))));
    EXPECT_EQ(account.GetPin(), QString());
    account.setField(BankAccount::Pin, FieldValue(ScrambledText(QStringLiteral("1234"))));
    EXPECT_EQ(account.GetPin(), QStringLiteral("1234"));
}

} // namespace

// Every type: a clone holds the same content and stays apart from its original; a change of any one
// field, user member, title or committed flag makes the two differ.
TEST(AccountRecordTest, CloneCopiesEverythingAndEveryChangeShows)
{
    for (AccountType type : kAccountTypes) {
        SCOPED_TRACE(accountTypeName(type).toStdString());
        std::unique_ptr<AccountRecord> original = createAccount(AccountId(7), type);
        fillFields(*original, 3);
        original->SetTitle(QStringLiteral("Title"));
        original->AddUser(1, QStringLiteral("ann"), QStringLiteral("pw"), QStringLiteral("a@x"));
        original->AddUser(0, QStringLiteral("bob"), QStringLiteral("pw2"), QString());
        original->SetCommitted();
        std::unique_ptr<AccountRecord> copy = cloneAccount(*original);
        ASSERT_TRUE(copy);
        EXPECT_EQ(copy->GetId(), original->GetId());
        EXPECT_TRUE(sameContent(*original, *copy));

        const std::function<void(AccountRecord&)> changes[] = {
            [](AccountRecord& a) { a.SetTitle(QStringLiteral("title")); },
            [](AccountRecord& a) { AccountBuilder::setCommittedFlag(a, 0); },
            [](AccountRecord& a) { a.GetUser(1)->SetAdministrator(1); },
            [](AccountRecord& a) { a.GetUser(1)->SetLoginId(QStringLiteral("Bob")); },
            [](AccountRecord& a) { a.GetUser(0)->SetPassword(QStringLiteral("PW")); },
            [](AccountRecord& a) { a.GetUser(0)->SetEmail(QStringLiteral("A@x")); },
            [](AccountRecord& a) { a.RemoveUserAt(1); },
        };
        for (const auto& change : changes) {
            std::unique_ptr<AccountRecord> changed = cloneAccount(*original);
            change(*changed);
            EXPECT_FALSE(sameContent(*original, *changed));
        }
        std::unique_ptr<AccountRecord> other = createAccount(AccountId(7), type);
        fillFields(*other, 4);
        for (int i = 0; i < int(original->layout().fields.size()); ++i) {
            std::unique_ptr<AccountRecord> changed = cloneAccount(*original);
            changed->setField(i, other->field(i));
            EXPECT_FALSE(sameContent(*original, *changed)) << "field " << i;
        }
        copy->SetTitle(QStringLiteral("Other"));
        EXPECT_EQ(original->GetTitle(), QStringLiteral("Title"));
    }
}

// A NaN read from a file (a decimal or a date) is the same content as itself, as a merge needs; a
// date's status and the sign of a zero still count.
TEST(AccountRecordTest, SameContentComparesNumbersByTheirBits)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // clang-format off
    const struct { FieldValue a, b; bool same; } rows[] = {
        { OleDateTime(nan),                                 OleDateTime(nan),                                 true },
        { OleDateTime(1.5, OleDateTime::Status(1)),         OleDateTime(1.5, OleDateTime::Status(1)),         true },
        { OleDateTime(1.5, OleDateTime::Status(1)),         OleDateTime(1.5, OleDateTime::Status(2)),         false },
        { OleDateTime(0.0),                                 OleDateTime(-0.0),                                false },
        { nan,                                              nan,                                              true },
        { 0.0,                                              -0.0,                                             false },
    };
    // clang-format on
    for (const auto& row : rows) {
        const size_t kind = row.a.index();
        for (AccountType type : kAccountTypes) {
            std::unique_ptr<AccountRecord> a = createAccount(AccountId(1), type);
            const auto& fields = a->layout().fields;
            const auto field = std::find_if(fields.begin(), fields.end(), [&](const FieldSpec& f) {
                return (f.kind == FieldKind::Date && kind == 1) || (f.kind == FieldKind::Decimal && kind == 3);
            });
            if (field == fields.end())
                continue;
            SCOPED_TRACE(accountTypeName(type).toStdString() + " row " + std::to_string(&row - rows));
            std::unique_ptr<AccountRecord> b = cloneAccount(*a);
            a->setField(int(field - fields.begin()), row.a);
            b->setField(int(field - fields.begin()), row.b);
            EXPECT_EQ(sameContent(*a, *b), row.same);
        }
    }
}

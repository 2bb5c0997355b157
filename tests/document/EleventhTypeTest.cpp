// An account type added through its tables alone goes wherever the ten go: it is created, listed,
// copied, found, stored, loaded and listed among what expires, and the ten keep their bytes.
#include "accounts/AccountRoles.h"
#include "accounts/AccountSearch.h"
#include "accounts/PropertyRows.h"
#include "document/DocumentFixture.h"
#include "document/ExpiringItems.h"
#include "support/MembershipType.h"

namespace {
const QDate kToday(2024, 3, 1);
const OleDateTime kRenewal = OleDateTime::fromDate(kToday.addDays(12));

class EleventhTypeTest : public DocumentFixture {
protected:
    static std::unique_ptr<AccountRecord> gym(qint32 id)
    {
        auto a = account(typeCode(Membership::kType), id, QStringLiteral("Gym"));
        if (!a)
            return a;
        a->setField(Membership::Club, ScrambledText(QStringLiteral("Gold Club")));
        a->setField(Membership::SiteUrl, ScrambledText(QStringLiteral("https://club.example")));
        a->setField(Membership::MemberId, ScrambledText(QStringLiteral("m-42")));
        a->setField(Membership::Password, ScrambledText(QStringLiteral("s3cret")));
        a->setField(Membership::Renewal, kRenewal);
        a->setField(Membership::Fee, 49.5);
        a->setField(Membership::Notes, ScrambledText(QStringLiteral("Locker 7")));
        return a;
    }
    QByteArray saved(const QString& name)
    {
        EXPECT_TRUE(doc.OnSaveDocument(path(name)));
        return readFile(path(name));
    }

    Membership::Scoped membership;
};

TEST_F(EleventhTypeTest, IsCreatedListedCopiedAndFoundFromItsTablesAlone)
{
    ASSERT_TRUE(membership.added);
    EXPECT_FALSE(addAccountClass(Membership::kInfo, Membership::kLayout)) << "a code is added once";
    EXPECT_EQ(accountTypes().back(), Membership::kType);
    EXPECT_EQ(accountCategoryCaption(Membership::kType), QStringLiteral("Memberships"));
    const auto a = gym(5);
    ASSERT_TRUE(a);
    EXPECT_EQ(&a->layout(), &Membership::kLayout);

    QStringList rows;
    forEachPropertyRow(*a, [&rows](const PropertyRow& row) {
        rows << row.label + u'=' + row.value + (row.secret ? QStringLiteral(" (secret)") : QString());
        return true;
    });
    EXPECT_EQ(rows,
        QStringList({ "Type=Membership", "Title=Gym", "Club=Gold Club", "Member ID=m-42", "Password=s3cret (secret)",
            "Renewal=" + kRenewal.formatShortDate(), "Fee=49.50", "Site=https://club.example", "Notes=Locker 7" }));
    QStringList names, values;
    EXPECT_EQ(a->ListProperties(names, values), rows.size());

    EXPECT_TRUE(AccountRoles::has(Membership::kType, FieldRole::CopyTarget));
    EXPECT_EQ(AccountRoles::textOf(*a, FieldRole::CopyTarget), QStringLiteral("s3cret"));
    EXPECT_EQ(AccountRoles::textOf(*a, FieldRole::UserName), QStringLiteral("m-42"));
    EXPECT_EQ(AccountRoles::textOf(*a, FieldRole::Url), QStringLiteral("https://club.example"));
    EXPECT_EQ(AccountRoles::textOf(*a, FieldRole::Notes), QStringLiteral("Locker 7"));

    EXPECT_TRUE(AccountSearch::matches(*a, AccountSearch::fold(u"gold club")));
    EXPECT_FALSE(AccountSearch::matches(*a, AccountSearch::fold(u"s3cret"))) << "a secret is never searched";
    EXPECT_TRUE(sameContent(*a, *cloneAccount(*a)));
}

TEST_F(EleventhTypeTest, IsStoredLoadedAndExpiringWhileTheTenKeepTheirBytes)
{
    doc.OnNewDocument();
    ASSERT_TRUE(doc.AddAccount(account(typeCode(AccountType::Bank), 1, QStringLiteral("Bank"))));
    prompts.addPassword(QStringLiteral("pw"));
    const QByteArray known = saved(QStringLiteral("known.qrl"));
    removeAccountClass(Membership::kType);
    const QByteArray tenOnly = saved(QStringLiteral("ten.qrl"));
    ASSERT_TRUE(addAccountClass(Membership::kInfo, Membership::kLayout));
    // The added type's group follows the ten, which are written as before.
    EXPECT_EQ(known.toHex(), (tenOnly + QByteArray(4, '\0')).toHex());

    ASSERT_TRUE(doc.AddAccount(gym(5)));
    saved(QStringLiteral("gym.qrl"));
    doc.OnNewDocument();
    ASSERT_TRUE(open(path(QStringLiteral("gym.qrl")), QStringLiteral("pw")));
    const AccountRecord* loaded = doc.FindAccount(AccountId(5));
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(sameContent(*loaded, *gym(5)));
    EXPECT_EQ(accountList(), QStringList({ "1:13:Bank", "5:19:Gym" }));

    QStringList due;
    for (const ExpiringItem& item : ExpiringItems::collect(doc, kToday))
        due << QStringLiteral("%1|%2|%3|%4")
                   .arg(item.title, accountTypeName(item.type), item.what, ExpiringItems::dueText(item.daysLeft));
    EXPECT_EQ(due, QStringList { "Gym|Membership|Renewal|in 12 days" });
}

} // namespace

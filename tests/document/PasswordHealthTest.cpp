// The password health report: which secrets it lists, grades, reuse across accounts, types and
// users, expired cards and policies, and the order of its rows.
#include "document/PasswordHealth.h"
#include "accounts/BankAccount.h"
#include "accounts/CallingCardAccount.h"
#include "accounts/CreditCardAccount.h"
#include "accounts/InsuranceAccount.h"
#include "accounts/MedicalRecord.h"
#include "accounts/SoftwareRecord.h"
#include "accounts/WebSiteAccount.h"
#include "core/OleDateTime.h"
#include "document/DocumentFixture.h"
#include "support/FileAccounts.h"

namespace {
const QDate kToday(2024, 3, 1);
const char* const kStrong = "uG8&zN3^wT6*bY1%hJ5#"; // Excellent on its own
const char* const kGood = "8fJ2kL9qW3xZ7mN4";

class PasswordHealthTest : public DocumentFixture {
public:
    // Files an account with the text fields given by index, and users as (log-in id, password) pairs.
    AccountRecord& add(AccountType type, const QString& title, std::initializer_list<std::pair<int, const char*>> texts,
        std::initializer_list<std::pair<const char*, const char*>> users = {})
    {
        std::unique_ptr<AccountRecord> a = account(qint32(type), m_nextId++, title);
        for (const auto& [field, text] : texts)
            a->setField(field, ScrambledText(QString::fromUtf8(text)));
        for (const auto& [login, password] : users)
            a->AddUser(0, QString::fromUtf8(login), QString::fromUtf8(password), QStringLiteral("someone@example.org"));
        AccountRecord& filed = *a;
        fileAccounts(doc, std::move(a));
        return filed;
    }
    static void expire(AccountRecord& account, int field, qint64 days)
    {
        account.setField(field, OleDateTime::fromDate(kToday.addDays(days)));
    }

protected:
    // Each row as "title|type|secret|grade|problems".
    QStringList rows(const std::vector<PasswordHealth::Entry>& entries) const
    {
        QStringList shown;
        for (const PasswordHealth::Entry& e : entries)
            shown << QStringLiteral("%1|%2|%3|%4|%5")
                         .arg(e.title, accountTypeName(e.type), e.secretName,
                             e.grade ? PasswordStrength::gradeName(*e.grade) : QStringLiteral("-"),
                             PasswordHealth::problemText(e));
        return shown;
    }
    QStringList rows() const { return rows(PasswordHealth::collect(doc, kToday)); }

    qint32 m_nextId = 1;
};

struct Case {
    const char* name;
    std::function<void(PasswordHealthTest&)> fill;
    QStringList rows;
};

TEST_F(PasswordHealthTest, ListsEverySecretOnItsScaleAndWhatHasExpired)
{
    using T = AccountType;
    // clang-format off
    const Case cases[] = {
        { "website password", [](PasswordHealthTest& t) { t.add(T::WebSite, "Site", { { WebSiteAccount::UserPassword, kStrong } }); },
          { "Site|WebSite|Password|Excellent|" } },
        { "email users, weak and strong, named by log-in id or number", [](PasswordHealthTest& t) {
              t.add(T::Email, "Mail", {}, { { "alice", "dragon" }, { "", kGood } }); },
          { "Mail|Email|User Password (alice)|Poor|weak", "Mail|Email|User Password (#2)|Good|" } },
        { "empty passwords are a problem, not a reuse", [](PasswordHealthTest& t) {
              t.add(T::WebSite, "Empty site", {});
              t.add(T::Email, "Empty mail", {}, { { "bob", "" } }); },
          { "Empty mail|Email|User Password (bob)|Bad|empty", "Empty site|WebSite|Password|Bad|empty" } },
        { "PINs on their own scale; an empty PIN is no secret", [](PasswordHealthTest& t) {
              t.add(T::Bank, "Bank", { { BankAccount::Pin, "4829" } });
              t.add(T::CallingCard, "Calling", { { CallingCardAccount::Pin, "58291" } });
              t.add(T::CreditCard, "No PIN", {}); },
          { "Bank|Bank|PIN|Weak|weak", "Calling|Calling Card|PIN|Good|" } },
        { "a key is listed but not graded; an SSN is not listed", [](PasswordHealthTest& t) {
              t.add(T::Software, "Editor", { { SoftwareRecord::CdKey, "AAAA-1111" } });
              t.add(T::Medical, "Me", { { MedicalRecord::Ssn, "078-05-1120" } }); },
          { "Editor|Software|CD Key|-|" } },
        { "an expired card marks its PIN; an expired policy gets a row", [](PasswordHealthTest& t) {
              expire(t.add(T::CreditCard, "Old card", { { CreditCardAccount::Pin, "58291" } }), CreditCardAccount::Expiration, -1);
              expire(t.add(T::Insurance, "Old policy", {}), InsuranceAccount::Expiration, -30);
              expire(t.add(T::Insurance, "Live policy", {}), InsuranceAccount::Expiration, 0);
              expire(t.add(T::CreditCard, "Expired, no PIN", {}), CreditCardAccount::Expiration, -2); },
          { "Expired, no PIN|Credit Card||-|expired", "Old card|Credit Card|PIN|Good|expired", "Old policy|Insurance||-|expired" } },
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.OnNewDocument();
        c.fill(*this);
        EXPECT_EQ(rows(), c.rows);
    }
}

TEST_F(PasswordHealthTest, ReuseIsFoundAcrossAccountsTypesAndUsersAndCapsTheGrade)
{
    using T = AccountType;
    add(T::WebSite, "Shop", { { WebSiteAccount::UserPassword, kStrong } });
    add(T::Email, "Mail", {}, { { "ann", kStrong }, { "ben", "58291" } });
    add(T::WebSite, "Forum", { { WebSiteAccount::UserPassword, kStrong } });
    add(T::Bank, "Bank", { { BankAccount::Pin, "58291" } }); // a PIN that is also a user's password
    add(T::Software, "Tool", { { SoftwareRecord::CdKey, kGood } });
    add(T::WebSite, "Unique", { { WebSiteAccount::UserPassword, kGood } });
    add(T::Email, "Twins", {}, { { "cat", "Summer2023!" }, { "dan", "Summer2023!" } }); // two users of one account
    // clang-format off
    const QStringList expected = {
        "Mail|Email|User Password (ben)|Poor|reused (2 places), weak", // graded as a password, not as a PIN
        "Twins|Email|User Password (cat)|Poor|reused (2 places), weak",
        "Twins|Email|User Password (dan)|Poor|reused (2 places), weak",
        "Forum|WebSite|Password|Weak|reused (3 places)",
        "Mail|Email|User Password (ann)|Weak|reused (3 places)",
        "Shop|WebSite|Password|Weak|reused (3 places)",
        "Bank|Bank|PIN|Weak|reused (2 places)",
        "Unique|WebSite|Password|Weak|reused (2 places)",
        "Tool|Software|CD Key|-|reused (2 places)", // no grade: ranks as Good
    };
    // clang-format on
    const std::vector<PasswordHealth::Entry> entries = PasswordHealth::collect(doc, kToday);
    EXPECT_EQ(rows(entries), expected);
    EXPECT_EQ(PasswordHealth::weakOrReused(entries), 9);
    EXPECT_EQ(PasswordHealth::statusNote(9), QStringLiteral("9 weak or reused passwords (View > Password Health…)"));
    EXPECT_EQ(PasswordHealth::statusNote(1), QStringLiteral("1 weak or reused password (View > Password Health…)"));
    EXPECT_EQ(PasswordHealth::statusNote(0), QString());
    for (const PasswordHealth::Entry& e : entries)
        EXPECT_TRUE(e.sha1Hex.isEmpty()) << "no digest unless asked for";
}

TEST_F(PasswordHealthTest, WorstFirstWithDigestsOnRequestAndNothingWhileLocked)
{
    using T = AccountType;
    add(T::WebSite, "b fine", { { WebSiteAccount::UserPassword, kStrong } });
    add(T::WebSite, "a fine", { { WebSiteAccount::UserPassword, kGood } });
    add(T::WebSite, "weak", { { WebSiteAccount::UserPassword, "Tr0ub4dor&3" } });
    add(T::WebSite, "bad", { { WebSiteAccount::UserPassword, "password" } });
    add(T::WebSite, "poor", { { WebSiteAccount::UserPassword, "qwertyuiop" } });
    expire(add(T::Insurance, "expired", {}), InsuranceAccount::Expiration, -5);
    // clang-format off
    const QStringList expected = {
        "bad|WebSite|Password|Bad|weak", "poor|WebSite|Password|Poor|weak", "weak|WebSite|Password|Weak|weak",
        "expired|Insurance||-|expired", "a fine|WebSite|Password|Good|", "b fine|WebSite|Password|Excellent|",
    };
    // clang-format on
    const std::vector<PasswordHealth::Entry> entries = PasswordHealth::collect(doc, kToday, { true });
    EXPECT_EQ(rows(entries), expected);
    EXPECT_EQ(entries[0].sha1Hex, QByteArray("5BAA61E4C9B93F3F0682250B6CF8331B7EE68FD8")); // SHA-1 of "password"
    EXPECT_TRUE(entries[3].sha1Hex.isEmpty());
    EXPECT_EQ(PasswordHealth::weakOrReused(entries), 3);
    ASSERT_TRUE(entries[5].bits);
    EXPECT_GE(*entries[5].bits, 100);

    doc.setPassword(QStringLiteral("pw"));
    doc.OnLockDocument();
    EXPECT_TRUE(PasswordHealth::collect(doc, kToday).empty());
    prompts.addPassword(QStringLiteral("pw"));
    doc.OnUnlockDocument();
    EXPECT_EQ(PasswordHealth::collect(doc, kToday).size(), expected.size());
}
} // namespace

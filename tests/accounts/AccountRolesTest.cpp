// Where each type keeps the values of the roles, and which kind of secret each secret field is.
#include "accounts/AccountRoles.h"
#include "accounts/AccountFactory.h"

#include <gtest/gtest.h>

namespace {

// "fieldName" for a field of the account's own, "users.fieldName" for a field of each user, or an
// empty text when the type has no place for the role.
QString placeName(const RecordLayout& layout, FieldRole role)
{
    const RolePlace place = AccountRoles::placeOf(layout, role);
    if (place.field >= 0)
        return QLatin1StringView(layout.fields[size_t(place.field)].name);
    if (place.userField >= 0)
        return QStringLiteral("users.") + QLatin1StringView(UserEntry::Layout().fields[size_t(place.userField)].name);
    return {};
}

// "name=kind" of every secret field, the users' after the account's own when the type lists them.
QString secrets(const RecordLayout& layout)
{
    static const char* const kKinds[] = { "None", "Password", "Pin", "Key", "IdNumber" };
    QStringList found;
    const auto collect = [&found](const RecordLayout& fields, const QString& prefix) {
        for (const FieldSpec& field : fields.fields)
            if (field.isSecret())
                found << prefix + QLatin1StringView(field.name) + u'=' + QLatin1StringView(kKinds[int(field.secret)]);
    };
    collect(layout, QString());
    if (layout.users == UserListing::Listed)
        collect(UserEntry::Layout(), QStringLiteral("users."));
    return found.join(u' ');
}

TEST(AccountRolesTest, EachTypeKeepsEachRoleWhereItsTableSays)
{
    // clang-format off
    struct Row { AccountType type; const char* copy; const char* userName; const char* url; const char* notes;
                 const char* expiry; const char* generate; const char* secrets; };
    const Row rows[] = {
        { AccountType::Email, "users.password", "users.loginId", "logInUrl", "", "", "users.password", "users.password=Password" },
        { AccountType::WebSite, "userPassword", "userId", "webSiteUrl", "notes", "", "userPassword", "userPassword=Password" },
        { AccountType::CreditCard, "pin", "", "", "", "expiration", "", "pin=Pin" },
        { AccountType::Bank, "pin", "", "", "", "", "", "pin=Pin" },
        { AccountType::Insurance, "", "", "", "", "expiration", "", "" },
        { AccountType::Medical, "", "", "", "notes", "", "", "ssn=IdNumber" },
        { AccountType::CallingCard, "pin", "", "", "", "", "", "pin=Pin" },
        { AccountType::PurchasedItem, "", "", "", "", "warrantyExpiration", "", "" },
        { AccountType::Software, "cdKey", "", "supportUrl", "", "", "", "cdKey=Key" },
        { AccountType::Reference, "", "", "", "description", "", "", "" },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(accountTypeName(row.type).toStdString());
        const RecordLayout* layout = layoutOf(row.type);
        ASSERT_NE(layout, nullptr);
        EXPECT_EQ(placeName(*layout, FieldRole::CopyTarget), QLatin1StringView(row.copy));
        EXPECT_EQ(placeName(*layout, FieldRole::UserName), QLatin1StringView(row.userName));
        EXPECT_EQ(placeName(*layout, FieldRole::Url), QLatin1StringView(row.url));
        EXPECT_EQ(placeName(*layout, FieldRole::Notes), QLatin1StringView(row.notes));
        EXPECT_EQ(placeName(*layout, FieldRole::Expiry), QLatin1StringView(row.expiry));
        EXPECT_EQ(placeName(*layout, FieldRole::GeneratePassword), QLatin1StringView(row.generate));
        EXPECT_EQ(secrets(*layout), QLatin1StringView(row.secrets));
        EXPECT_EQ(AccountRoles::has(row.type, FieldRole::CopyTarget), *row.copy != '\0');
    }
    EXPECT_FALSE(AccountRoles::has(AccountType(19), FieldRole::CopyTarget));
}

TEST(AccountRolesTest, AUsersRoleIsReadFromTheUserAskedForAndAnOwnFieldFromTheAccount)
{
    const auto twoUsers = [](AccountType type) {
        std::unique_ptr<AccountRecord> account = createAccount(AccountId(1), type);
        account->AddUser(0, QStringLiteral("ann"), QStringLiteral("pw ann"), QStringLiteral("a@x"));
        account->AddUser(1, QStringLiteral("bob"), QStringLiteral("pw bob"), QStringLiteral("b@x"));
        return account;
    };
    const auto email = twoUsers(AccountType::Email);
    auto site = twoUsers(AccountType::WebSite);
    site->setField(site->layout().indexOf(u"userId"), ScrambledText(QStringLiteral("site id")));
    const auto card = twoUsers(AccountType::CreditCard);
    card->setField(card->layout().indexOf(u"expiration"), OleDateTime(45000.0));
    // clang-format off
    struct Row { const AccountRecord* account; FieldRole role; int user; std::optional<QString> text; };
    const Row rows[] = {
        { email.get(), FieldRole::CopyTarget, 0, "pw ann" },
        { email.get(), FieldRole::CopyTarget, 1, "pw bob" },
        { email.get(), FieldRole::UserName, 1, "bob" },
        { email.get(), FieldRole::CopyTarget, 2, std::nullopt }, // no third user
        { email.get(), FieldRole::CopyTarget, -1, std::nullopt },
        { email.get(), FieldRole::Notes, 0, std::nullopt },
        { site.get(), FieldRole::UserName, 1, "site id" }, // its own field, whatever users it holds
        { card.get(), FieldRole::UserName, 0, std::nullopt }, // users it does not list lend nothing
        { card.get(), FieldRole::Expiry, 0, OleDateTime(45000.0).formatShortDate() },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.account->GetTypeName().toStdString() + " user " + std::to_string(row.user));
        EXPECT_EQ(AccountRoles::textOf(*row.account, row.role, row.user), row.text);
    }
    EXPECT_EQ(AccountRoles::valueOf(*card, FieldRole::Expiry), FieldValue(OleDateTime(45000.0)));
}

} // namespace

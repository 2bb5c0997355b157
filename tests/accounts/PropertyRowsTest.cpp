// Which listed rows are secrets, and the row-by-row listing that matches ListProperties.
#include "accounts/PropertyRows.h"
#include "accounts/AccountFactory.h"
#include "core/AccountTypes.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Every text field holds "<name> value"; two users with passwords.
std::unique_ptr<AccountRecord> filledAccount(AccountType type)
{
    auto account = createAccount(AccountId(7), type);
    const RecordLayout& layout = account->layout();
    for (size_t i = 0; i < layout.fields.size(); ++i)
        if (layout.fields[i].kind == FieldKind::Text)
            account->setField(
                int(i), ScrambledText(QLatin1StringView(layout.fields[i].name) + QStringLiteral(" value")));
    account->AddUser(1, QStringLiteral("ann"), QStringLiteral("pw one"), QStringLiteral("a@x.example"));
    account->AddUser(0, QStringLiteral("bob"), QStringLiteral("pw two"), QStringLiteral("b@x.example"));
    return account;
}

TEST(PropertyRowsTest, SecretRowsArePasswordsPinsSsnAndCdKey)
{
    // clang-format off
    const std::map<AccountType, QStringList> secrets = {
        {AccountType::Email, {"Password:=pw one", "Password:=pw two"}},
        {AccountType::WebSite, {"User Password=userPassword value"}},
        {AccountType::CreditCard, {"PIN=pin value"}},
        {AccountType::Bank, {"PIN=pin value"}},
        {AccountType::Insurance, {}},
        {AccountType::Medical, {"SSN=ssn value"}},
        {AccountType::CallingCard, {"PIN=pin value"}},
        {AccountType::PurchasedItem, {}},
        {AccountType::Software, {"CD Key=cdKey value"}},
        {AccountType::Reference, {}},
    };
    // clang-format on
    for (AccountType type : kAccountTypes) {
        SCOPED_TRACE(accountTypeName(type).toStdString());
        const auto account = filledAccount(type);
        QStringList names, values;
        const int count = account->ListProperties(names, values);
        QStringList found;
        for (int row = 0; row < count; ++row)
            if (isSecretRow(*account, row))
                found << names[row] + u'=' + values[row];
        EXPECT_EQ(found, secrets.at(type));

        // The row-by-row listing gives the same rows with the same verdicts.
        int row = 0;
        EXPECT_TRUE(forEachPropertyRow(*account, [&](const PropertyRow& r) {
            EXPECT_EQ(r.label, names.value(row)) << row;
            EXPECT_EQ(r.value, values.value(row)) << row;
            EXPECT_EQ(r.secret, isSecretRow(*account, row)) << row;
            ++row;
            return true;
        }));
        EXPECT_EQ(row, count);
    }
}

TEST(PropertyRowsTest, VisitStopsWhenAsked)
{
    const auto account = filledAccount(AccountType::Email);
    int seen = 0;
    EXPECT_FALSE(forEachPropertyRow(*account, [&seen](const PropertyRow& r) {
        ++seen;
        return r.label != QLatin1StringView("Log In ID:");
    }));
    EXPECT_EQ(seen, 2 + 1 + 3) << "Type, Title, Log In URL, then the first user's blank, number and log-in rows";
}

} // namespace

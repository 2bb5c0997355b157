// Which secret Copy Password copies for each of the ten types.
#include "accounts/AccountFactory.h"
#include "accounts/AccountRoles.h"
#include "accounts/BankAccount.h"
#include "accounts/CallingCardAccount.h"
#include "accounts/CreditCardAccount.h"
#include "accounts/SoftwareRecord.h"
#include "accounts/WebSiteAccount.h"
#include "core/AccountTypes.h"

#include <gtest/gtest.h>

namespace {

// Every text field of the account holds its own name, so the copied text tells which field it was.
std::unique_ptr<AccountRecord> filled(AccountType type, int users)
{
    auto account = createAccount(AccountId(1), type);
    account->SetTitle(QStringLiteral("Title"));
    const RecordLayout& layout = account->layout();
    for (int f = 0; f < int(layout.fields.size()); ++f)
        if (layout.fields[size_t(f)].kind == FieldKind::Text)
            account->setField(f, ScrambledText(QLatin1String(layout.fields[size_t(f)].name)));
    for (int u = 1; u <= users; ++u)
        account->AddUser(0, QStringLiteral("id%1").arg(u), QStringLiteral("user password %1").arg(u),
            QStringLiteral("u%1@x.example").arg(u));
    return account;
}

TEST(CopyTargetTest, EachTypeCopiesItsOneSecret)
{
    const auto name = [](AccountType type, int field) {
        return createAccount(AccountId(1), type)->layout().fields[size_t(field)].name;
    };
    // clang-format off
    struct Row { AccountType type; int users; const char* copied; }; // copied null: Copy Password is unavailable
    const Row rows[] = {
        { AccountType::Email, 2, "user password 1" }, // the first user's, not the second's
        { AccountType::Email, 0, nullptr },
        { AccountType::WebSite, 1, name(AccountType::WebSite, WebSiteAccount::UserPassword) },
        { AccountType::Bank, 0, name(AccountType::Bank, BankAccount::Pin) },
        { AccountType::CreditCard, 0, name(AccountType::CreditCard, CreditCardAccount::Pin) },
        { AccountType::CallingCard, 0, name(AccountType::CallingCard, CallingCardAccount::Pin) },
        { AccountType::Software, 0, name(AccountType::Software, SoftwareRecord::CdKey) },
        { AccountType::Insurance, 1, nullptr },     { AccountType::Medical, 1, nullptr },
        { AccountType::PurchasedItem, 1, nullptr }, { AccountType::Reference, 1, nullptr },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(accountTypeName(row.type).toStdString() + " with " + std::to_string(row.users) + " users");
        const auto account = filled(row.type, row.users);
        const std::optional<QString> secret = AccountRoles::textOf(*account, FieldRole::CopyTarget);
        ASSERT_EQ(secret.has_value(), row.copied != nullptr);
        if (row.copied) {
            EXPECT_EQ(*secret, QLatin1String(row.copied));
        }
        EXPECT_EQ(AccountRoles::has(row.type, FieldRole::CopyTarget), row.type == AccountType::Email || row.copied);
    }
}

} // namespace

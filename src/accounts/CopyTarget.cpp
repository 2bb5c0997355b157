#include "accounts/CopyTarget.h"

#include "accounts/BankAccount.h"
#include "accounts/CallingCardAccount.h"
#include "accounts/CreditCardAccount.h"
#include "accounts/SoftwareRecord.h"
#include "accounts/WebSiteAccount.h"
#include "core/AccountRecord.h"

namespace CopyTarget {

bool hasSecret(AccountType type)
{
    switch (type) {
    case AccountType::Email:
    case AccountType::WebSite:
    case AccountType::Bank:
    case AccountType::CreditCard:
    case AccountType::CallingCard:
    case AccountType::Software:
        return true;
    default:
        return false;
    }
}

std::optional<QString> secretOf(const AccountRecord& account)
{
    // The class decides, not the type code alone: a record of another class never gives a field
    // it does not have.
    if (account.GetType() == AccountType::Email) {
        if (const UserEntry* first = account.GetUser(0))
            return first->GetPassword();
        return std::nullopt;
    }
    if (const auto* site = dynamic_cast<const WebSiteAccount*>(&account))
        return site->GetUserPassword();
    if (const auto* bank = dynamic_cast<const BankAccount*>(&account))
        return bank->GetPin();
    if (const auto* card = dynamic_cast<const CreditCardAccount*>(&account))
        return card->GetPin();
    if (const auto* card = dynamic_cast<const CallingCardAccount*>(&account))
        return card->GetPin();
    if (const auto* software = dynamic_cast<const SoftwareRecord*>(&account))
        return software->GetCdKey();
    return std::nullopt;
}

} // namespace CopyTarget

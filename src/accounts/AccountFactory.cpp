#include "AccountFactory.h"

#include "AccountTypes.h"
#include "BankAccount.h"
#include "CallingCardAccount.h"
#include "CreditCardAccount.h"
#include "EmailAccount.h"
#include "InsuranceAccount.h"
#include "MedicalRecord.h"
#include "PurchasedItemRecord.h"
#include "ReferenceRecord.h"
#include "SoftwareRecord.h"
#include "WebSiteAccount.h"

namespace {
template <typename T> std::unique_ptr<AccountRecord> make(AccountId id) { return std::make_unique<T>(id); }

struct Entry {
    AccountType type;
    std::unique_ptr<AccountRecord> (*create)(AccountId);
    const RecordLayout& (*layout)();
};

const Entry kEntries[] = {
    { AccountType::Email, make<EmailAccount>, EmailAccount::Layout },
    { AccountType::WebSite, make<WebSiteAccount>, WebSiteAccount::Layout },
    { AccountType::CreditCard, make<CreditCardAccount>, CreditCardAccount::Layout },
    { AccountType::Bank, make<BankAccount>, BankAccount::Layout },
    { AccountType::Insurance, make<InsuranceAccount>, InsuranceAccount::Layout },
    { AccountType::Medical, make<MedicalRecord>, MedicalRecord::Layout },
    { AccountType::CallingCard, make<CallingCardAccount>, CallingCardAccount::Layout },
    { AccountType::PurchasedItem, make<PurchasedItemRecord>, PurchasedItemRecord::Layout },
    { AccountType::Software, make<SoftwareRecord>, SoftwareRecord::Layout },
    { AccountType::Reference, make<ReferenceRecord>, ReferenceRecord::Layout },
};
static_assert(std::size(kEntries) == kAccountTypes.size());

const Entry* find(AccountType type)
{
    for (const Entry& e : kEntries)
        if (e.type == type)
            return &e;
    return nullptr;
}
} // namespace

std::unique_ptr<AccountRecord> createAccount(AccountId id, AccountType type)
{
    const Entry* e = find(type);
    return e ? e->create(id) : nullptr;
}

const RecordLayout* layoutOf(AccountType type)
{
    const Entry* e = find(type);
    return e ? &e->layout() : nullptr;
}

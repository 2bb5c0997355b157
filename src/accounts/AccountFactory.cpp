#include "accounts/AccountFactory.h"

#include "accounts/BankAccount.h"
#include "accounts/CallingCardAccount.h"
#include "accounts/CreditCardAccount.h"
#include "accounts/EmailAccount.h"
#include "accounts/InsuranceAccount.h"
#include "accounts/MedicalRecord.h"
#include "accounts/PurchasedItemRecord.h"
#include "accounts/ReferenceRecord.h"
#include "accounts/SoftwareRecord.h"
#include "accounts/WebSiteAccount.h"
#include "core/AccountTypes.h"

#include <bit>

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

std::unique_ptr<AccountRecord> cloneAccount(const AccountRecord& account)
{
    const RecordLayout& layout = account.layout();
    std::unique_ptr<AccountRecord> copy = createAccount(account.GetId(), layout.type);
    if (!copy)
        copy = createAccount(account.GetId(), account.GetType());
    if (!copy || copy->layout().fields.size() != layout.fields.size())
        return nullptr;
    AccountBuilder::setType(*copy, account.GetType());
    AccountBuilder::setCommittedFlag(*copy, account.committedFlag());
    copy->SetTitle(account.GetTitle());
    for (int i = 0; i < account.GetUserCount(); ++i) {
        const UserEntry* user = account.GetUser(i);
        AccountBuilder::appendUser(*copy,
            std::make_unique<UserEntry>(
                user->GetAdministrator(), user->GetLoginId(), user->GetPassword(), user->GetEmail()));
    }
    for (int i = 0; i < int(layout.fields.size()); ++i)
        copy->setField(i, account.field(i));
    return copy;
}

namespace {
bool sameUser(const UserEntry& a, const UserEntry& b)
{
    return a.GetAdministrator() == b.GetAdministrator() && a.GetLoginId() == b.GetLoginId()
        && a.GetPassword() == b.GetPassword() && a.GetEmail() == b.GetEmail();
}

// Decimals and dates compare by their bits, so a NaN read from a file equals itself and 0.0 differs
// from -0.0.
bool sameValue(const FieldValue& a, const FieldValue& b)
{
    if (const double* x = std::get_if<double>(&a))
        if (const double* y = std::get_if<double>(&b))
            return std::bit_cast<quint64>(*x) == std::bit_cast<quint64>(*y);
    if (const OleDateTime* x = std::get_if<OleDateTime>(&a))
        if (const OleDateTime* y = std::get_if<OleDateTime>(&b))
            return x->GetStatus() == y->GetStatus()
                && std::bit_cast<quint64>(x->value()) == std::bit_cast<quint64>(y->value());
    return a == b;
}
} // namespace

bool sameContent(const AccountRecord& a, const AccountRecord& b)
{
    if (a.GetType() != b.GetType() || a.committedFlag() != b.committedFlag() || a.GetTitle() != b.GetTitle()
        || a.GetUserCount() != b.GetUserCount() || &a.layout() != &b.layout())
        return false;
    for (int i = 0; i < a.GetUserCount(); ++i)
        if (!sameUser(*a.GetUser(i), *b.GetUser(i)))
            return false;
    for (int i = 0; i < int(a.layout().fields.size()); ++i)
        if (!sameValue(a.field(i), b.field(i)))
            return false;
    return true;
}

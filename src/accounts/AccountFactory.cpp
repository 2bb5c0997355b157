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
#include <vector>

namespace {
template <typename T> std::unique_ptr<AccountRecord> make(AccountId id) { return std::make_unique<T>(id); }

struct Entry {
    AccountType type;
    std::unique_ptr<AccountRecord> (*create)(AccountId); // null: a FieldAccount of the layout
    const RecordLayout* layout;
};

// The ten, then the types added at run time. Made at first use, after every layout it points to.
std::vector<Entry>& entries()
{
    static std::vector<Entry> known {
        { AccountType::Email, make<EmailAccount>, &EmailAccount::Layout() },
        { AccountType::WebSite, make<WebSiteAccount>, &WebSiteAccount::Layout() },
        { AccountType::CreditCard, make<CreditCardAccount>, &CreditCardAccount::Layout() },
        { AccountType::Bank, make<BankAccount>, &BankAccount::Layout() },
        { AccountType::Insurance, make<InsuranceAccount>, &InsuranceAccount::Layout() },
        { AccountType::Medical, make<MedicalRecord>, &MedicalRecord::Layout() },
        { AccountType::CallingCard, make<CallingCardAccount>, &CallingCardAccount::Layout() },
        { AccountType::PurchasedItem, make<PurchasedItemRecord>, &PurchasedItemRecord::Layout() },
        { AccountType::Software, make<SoftwareRecord>, &SoftwareRecord::Layout() },
        { AccountType::Reference, make<ReferenceRecord>, &ReferenceRecord::Layout() },
    };
    return known;
}

const Entry* find(AccountType type)
{
    for (const Entry& e : entries())
        if (e.type == type)
            return &e;
    return nullptr;
}
} // namespace

std::unique_ptr<AccountRecord> createAccount(AccountId id, AccountType type)
{
    const Entry* e = find(type);
    if (!e)
        return nullptr;
    return e->create ? e->create(id) : std::make_unique<FieldAccount>(id, *e->layout);
}

const RecordLayout* layoutOf(AccountType type)
{
    const Entry* e = find(type);
    return e ? e->layout : nullptr;
}

bool addAccountClass(const AccountTypeInfo& info, const RecordLayout& layout)
{
    if (layout.type != info.type || find(info.type) || !addAccountType(info))
        return false;
    entries().push_back({ info.type, nullptr, &layout });
    return true;
}

void removeAccountClass(AccountType type)
{
    std::vector<Entry>& known = entries();
    for (size_t i = kAccountTypes.size(); i < known.size(); ++i) {
        if (known[i].type == type) {
            known.erase(known.begin() + qsizetype(i));
            removeAccountType(type);
            return;
        }
    }
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
        AccountBuilder::appendUser(*copy, std::make_unique<UserEntry>(*account.GetUser(i)));
    }
    for (int i = 0; i < int(layout.fields.size()); ++i)
        copy->setField(i, account.field(i));
    return copy;
}

namespace {

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

bool sameUser(const UserEntry& a, const UserEntry& b)
{
    for (int i = 0; i < int(UserEntry::Layout().fields.size()); ++i)
        if (!sameValue(a.field(i), b.field(i)))
            return false;
    return true;
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

#include "core/AccountTypes.h"

namespace {
struct TypeInfo {
    AccountType type;
    const char* name;
    const char* caption;
};

constexpr TypeInfo kInfo[] = {
    { AccountType::Email, "Email", "Email" },
    { AccountType::WebSite, "WebSite", "WebSites" },
    { AccountType::CreditCard, "Credit Card", "Credit Cards" },
    { AccountType::Bank, "Bank", "Banks" },
    { AccountType::Insurance, "Insurance", "Insurance" },
    { AccountType::Medical, "Medical", "Medical" },
    { AccountType::CallingCard, "Calling Card", "Calling Card" },
    { AccountType::PurchasedItem, "Purchased Item", "Purchased Item" },
    { AccountType::Software, "Software", "Software" },
    { AccountType::Reference, "Reference", "Reference" },
};
// accountTypeName() and accountCategoryCaption() look a type up by its place in kAccountTypes.
constexpr bool inTableOrder()
{
    for (size_t i = 0; i < kAccountTypes.size(); ++i)
        if (kInfo[i].type != kAccountTypes[i])
            return false;
    return std::size(kInfo) == kAccountTypes.size();
}
static_assert(inTableOrder());
} // namespace

int accountTypeIndex(AccountType type)
{
    for (int i = 0; i < int(kAccountTypes.size()); ++i)
        if (kAccountTypes[size_t(i)] == type)
            return i;
    return -1;
}

bool isAccountType(AccountType type) { return accountTypeIndex(type) >= 0; }

QString accountTypeName(AccountType type)
{
    if (type == AccountType::None)
        return QStringLiteral("None");
    const int i = accountTypeIndex(type);
    return i < 0 ? QString() : QString::fromLatin1(kInfo[i].name);
}

QString accountCategoryCaption(AccountType type)
{
    const int i = accountTypeIndex(type);
    return i < 0 ? QString() : QString::fromLatin1(kInfo[i].caption);
}

bool equalsIgnoringAsciiCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= u'a' && x <= u'z')
            x = char16_t(x - 32);
        if (y >= u'a' && y <= u'z')
            y = char16_t(y - 32);
        if (x != y)
            return false;
    }
    return true;
}

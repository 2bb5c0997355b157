#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <span>

// Account type codes, as the file stores them (an int32). A code read from outside (a file, an
// import) becomes an AccountType with AccountType(code) and may be none of the ten: check it with
// isAccountType(). The order of kAccountTypes (and of accountTypes()) is also the order of the
// account groups in a file.
enum class AccountType : qint32 {
    None = 0,
    Email = 10,
    WebSite = 11,
    CreditCard = 12,
    Bank = 13,
    Insurance = 14,
    Medical = 15,
    CallingCard = 16,
    PurchasedItem = 17,
    Software = 18,
    Reference = 20,
};

constexpr qint32 typeCode(AccountType type) { return static_cast<qint32>(type); }

// The name and category caption of an account type.
struct AccountTypeInfo {
    AccountType type;
    const char* name;
    const char* caption;
};

// The ten types of the file format, in the order of their groups, with their names and captions. The
// window translates both where it shows them; the file and the command line use them as they are.
inline constexpr AccountTypeInfo kAccountTypeInfo[] = {
    { AccountType::Email, QT_TRANSLATE_NOOP("AccountTypes", "Email"), QT_TRANSLATE_NOOP("AccountTypes", "Email") },
    { AccountType::WebSite, QT_TRANSLATE_NOOP("AccountTypes", "WebSite"),
        QT_TRANSLATE_NOOP("AccountTypes", "WebSites") },
    { AccountType::CreditCard, QT_TRANSLATE_NOOP("AccountTypes", "Credit Card"),
        QT_TRANSLATE_NOOP("AccountTypes", "Credit Cards") },
    { AccountType::Bank, QT_TRANSLATE_NOOP("AccountTypes", "Bank"), QT_TRANSLATE_NOOP("AccountTypes", "Banks") },
    { AccountType::Insurance, QT_TRANSLATE_NOOP("AccountTypes", "Insurance"),
        QT_TRANSLATE_NOOP("AccountTypes", "Insurance") },
    { AccountType::Medical, QT_TRANSLATE_NOOP("AccountTypes", "Medical"),
        QT_TRANSLATE_NOOP("AccountTypes", "Medical") },
    { AccountType::CallingCard, QT_TRANSLATE_NOOP("AccountTypes", "Calling Card"),
        QT_TRANSLATE_NOOP("AccountTypes", "Calling Card") },
    { AccountType::PurchasedItem, QT_TRANSLATE_NOOP("AccountTypes", "Purchased Item"),
        QT_TRANSLATE_NOOP("AccountTypes", "Purchased Item") },
    { AccountType::Software, QT_TRANSLATE_NOOP("AccountTypes", "Software"),
        QT_TRANSLATE_NOOP("AccountTypes", "Software") },
    { AccountType::Reference, QT_TRANSLATE_NOOP("AccountTypes", "Reference"),
        QT_TRANSLATE_NOOP("AccountTypes", "Reference") },
};
// Their codes alone.
inline constexpr std::array<AccountType, std::size(kAccountTypeInfo)> kAccountTypes = [] {
    std::array<AccountType, std::size(kAccountTypeInfo)> types {};
    for (size_t i = 0; i < types.size(); ++i)
        types[i] = kAccountTypeInfo[i].type;
    return types;
}();

// Every account type the program knows, in the order of the account groups in a file: the ten of
// kAccountTypes, then those added with addAccountType().
std::span<const AccountType> accountTypes();
// Adds a type after the known ones, for a build that brings its own (a test). It changes the file
// layout: its group follows the Reference group. False for 0 or a code already known.
bool addAccountType(const AccountTypeInfo& info);
// Forgets a type that addAccountType() added; the ten stay.
void removeAccountType(AccountType type);

// True for the codes of accountTypes(): those that have an account class.
bool isAccountType(AccountType type);
// Position of the type in accountTypes(), or -1.
int accountTypeIndex(AccountType type);
// "Email", "Credit Card", ...; "None" for 0 and the empty text for codes without a type.
QString accountTypeName(AccountType type);
// The category caption of the tree: "Email", "WebSites", "Credit Cards", "Banks", ...
QString accountCategoryCaption(AccountType type);
// The same two in the window's language, for showing only: never stored or compared with stored text.
QString shownAccountTypeName(AccountType type);
QString shownCategoryCaption(AccountType type);

// Equality of titles and e-mail addresses: the ASCII letters A to Z match either case; every other
// character must match exactly.
bool equalsIgnoringAsciiCase(QStringView a, QStringView b);

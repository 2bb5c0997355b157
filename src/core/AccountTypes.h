#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// Account type codes, as the file stores them (an int32). A code read from outside (a file, an
// import) becomes an AccountType with AccountType(code) and may be none of the ten: check it with
// isAccountType(). The order of kAccountTypes is also the order of the account groups in a file.
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

inline constexpr std::array<AccountType, 10> kAccountTypes = { AccountType::Email, AccountType::WebSite,
    AccountType::CreditCard, AccountType::Bank, AccountType::Insurance, AccountType::Medical, AccountType::CallingCard,
    AccountType::PurchasedItem, AccountType::Software, AccountType::Reference };

// True for the ten codes that have an account class.
bool isAccountType(AccountType type);
// Position of the type in kAccountTypes, or -1.
int accountTypeIndex(AccountType type);
// "Email", "Credit Card", ...; "None" for 0 and the empty text for codes without a type.
QString accountTypeName(AccountType type);
// The category caption of the tree: "Email", "WebSites", "Credit Cards", "Banks", ...
QString accountCategoryCaption(AccountType type);

// Equality of titles and e-mail addresses: the ASCII letters A to Z match either case; every other
// character must match exactly.
bool equalsIgnoringAsciiCase(QStringView a, QStringView b);

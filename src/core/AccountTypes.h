#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// Account type codes; the order of kAccountTypes is also the order of the account groups in a file.
namespace AccountType {
constexpr qint32 None = 0;
constexpr qint32 Email = 10;
constexpr qint32 WebSite = 11;
constexpr qint32 CreditCard = 12;
constexpr qint32 Bank = 13;
constexpr qint32 Insurance = 14;
constexpr qint32 Medical = 15;
constexpr qint32 CallingCard = 16;
constexpr qint32 PurchasedItem = 17;
constexpr qint32 Software = 18;
constexpr qint32 Reference = 20;
} // namespace AccountType

inline constexpr std::array<qint32, 10> kAccountTypes = {
    AccountType::Email,     AccountType::WebSite,     AccountType::CreditCard,    AccountType::Bank,
    AccountType::Insurance, AccountType::Medical,     AccountType::CallingCard,   AccountType::PurchasedItem,
    AccountType::Software,  AccountType::Reference};

// True for the ten codes that have an account class.
bool isAccountType(qint32 type);
// Position of the type in kAccountTypes, or -1.
int accountTypeIndex(qint32 type);
// "Email", "Credit Card", ...; "None" for 0 and the empty text for codes without a type.
QString accountTypeName(qint32 type);
// The category caption of the tree: "Email", "WebSites", "Credit Cards", "Banks", ...
QString accountCategoryCaption(qint32 type);

// Equality of titles and e-mail addresses: the ASCII letters A to Z match either case; every other
// character must match exactly.
bool equalsIgnoringAsciiCase(QStringView a, QStringView b);

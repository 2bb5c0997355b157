#include "core/AccountTypes.h"

#include <QCoreApplication>

#include <vector>

namespace {
// The known types: the ten, then any added. The codes are kept apart as well, for accountTypes().
struct Registry {
    std::vector<AccountTypeInfo> info { std::begin(kAccountTypeInfo), std::end(kAccountTypeInfo) };
    std::vector<AccountType> types { kAccountTypes.begin(), kAccountTypes.end() };
};

Registry& registry()
{
    static Registry known;
    return known;
}

const AccountTypeInfo* infoOf(AccountType type)
{
    const int i = accountTypeIndex(type);
    return i < 0 ? nullptr : &registry().info[size_t(i)];
}
} // namespace

std::span<const AccountType> accountTypes() { return registry().types; }

bool addAccountType(const AccountTypeInfo& info)
{
    if (info.type == AccountType::None || isAccountType(info.type))
        return false;
    registry().info.push_back(info);
    registry().types.push_back(info.type);
    return true;
}

void removeAccountType(AccountType type)
{
    const int i = accountTypeIndex(type);
    if (i < int(kAccountTypes.size()))
        return;
    registry().info.erase(registry().info.begin() + i);
    registry().types.erase(registry().types.begin() + i);
}

int accountTypeIndex(AccountType type)
{
    const std::vector<AccountType>& types = registry().types;
    for (size_t i = 0; i < types.size(); ++i)
        if (types[i] == type)
            return int(i);
    return -1;
}

bool isAccountType(AccountType type) { return accountTypeIndex(type) >= 0; }

QString accountTypeName(AccountType type)
{
    if (type == AccountType::None)
        return QString::fromLatin1(QT_TRANSLATE_NOOP("AccountTypes", "None"));
    const AccountTypeInfo* info = infoOf(type);
    return info ? QString::fromUtf8(info->name) : QString();
}

QString accountCategoryCaption(AccountType type)
{
    const AccountTypeInfo* info = infoOf(type);
    return info ? QString::fromUtf8(info->caption) : QString();
}

QString shownAccountTypeName(AccountType type)
{
    return QCoreApplication::translate("AccountTypes", accountTypeName(type).toUtf8().constData());
}

QString shownCategoryCaption(AccountType type)
{
    return QCoreApplication::translate("AccountTypes", accountCategoryCaption(type).toUtf8().constData());
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

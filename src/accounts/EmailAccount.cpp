#include "accounts/EmailAccount.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "logInUrl", FieldKind::Text, "Log In URL" },
};
constexpr int kFileOrder[] = { EmailAccount::LogInUrl };
constexpr int kListOrder[] = { EmailAccount::LogInUrl };
const RecordLayout kLayout { AccountType::Email, kFields, kFileOrder, kListOrder };
} // namespace

EmailAccount::EmailAccount(AccountId id)
    : FieldAccount(id, kLayout)
{
}

const RecordLayout& EmailAccount::Layout() { return kLayout; }

int EmailAccount::ListProperties(QStringList& names, QStringList& values) const
{
    FieldAccount::ListProperties(names, values);
    for (int i = 0; i < GetUserCount(); ++i)
        listUser(i, names, values);
    return int(names.size());
}

void EmailAccount::listUser(int index, QStringList& names, QStringList& values) const
{
    const UserEntry* user = GetUser(index);
    names << QString() << QStringLiteral("User #:") << QStringLiteral("Log In ID:") << QStringLiteral("Password:")
          << QStringLiteral("Email:") << QStringLiteral("Administrator:");
    values << QString() << QString::asprintf("%d", index + 1) << user->GetLoginId() << user->GetPassword()
           << user->GetEmail() << (user->GetAdministrator() != 0 ? QStringLiteral("Yes") : QStringLiteral("No"));
}

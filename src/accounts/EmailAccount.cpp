#include "EmailAccount.h"

#include "AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    {"logInUrl", FieldKind::Text, "Log In URL"},
};
constexpr int kFileOrder[] = {EmailAccount::LogInUrl};
constexpr int kListOrder[] = {EmailAccount::LogInUrl};
const RecordLayout kLayout{AccountType::Email, kFields, kFileOrder, kListOrder};
} // namespace

EmailAccount::EmailAccount(qint32 id) : FieldAccount(id, kLayout) {}

const RecordLayout& EmailAccount::Layout() { return kLayout; }

int EmailAccount::ListProperties(QStringList& names, QStringList& values) const
{
    FieldAccount::ListProperties(names, values);
    for (int i = 0; i < GetUserCount(); ++i) {
        const UserEntry* user = GetUser(i);
        names << QString() << QStringLiteral("User #:") << QStringLiteral("Log In ID:") << QStringLiteral("Password:")
              << QStringLiteral("Email:") << QStringLiteral("Administrator:");
        values << QString() << QString::asprintf("%d", i + 1) << user->GetLoginId() << user->GetPassword()
               << user->GetEmail() << (user->GetAdministrator() != 0 ? QStringLiteral("Yes") : QStringLiteral("No"));
    }
    return int(names.size());
}

#include "accounts/AccountSecrets.h"

#include "core/AccountRecord.h"

#include <QCoreApplication>

namespace {
// The kinds the report grades: an identity number (an SSN) is a secret, but not a password.
bool isGraded(const FieldSpec& field)
{
    return field.kind == FieldKind::Text
        && (field.secret == SecretKind::Password || field.secret == SecretKind::Pin || field.secret == SecretKind::Key);
}
} // namespace

namespace AccountSecrets {

std::vector<AccountSecret> of(const AccountRecord& account)
{
    std::vector<AccountSecret> secrets;
    const RecordLayout& layout = account.layout();
    for (size_t f = 0; f < layout.fields.size(); ++f) {
        if (isGraded(layout.fields[f]))
            secrets.push_back({ layout.fields[f].secret, -1, std::get<ScrambledText>(account.field(int(f))).text() });
    }
    for (int u = 0; u < account.GetUserCount(); ++u)
        secrets.push_back({ SecretKind::Password, u, account.GetUser(u)->GetPassword() });
    return secrets;
}

QString kindName(const AccountSecret& secret)
{
    if (secret.isUserPassword())
        return QCoreApplication::translate("AccountSecrets", "User Password");
    switch (secret.kind) {
    case SecretKind::Password:
        return QCoreApplication::translate("AccountSecrets", "Password");
    case SecretKind::Pin:
        return QCoreApplication::translate("AccountSecrets", "PIN");
    case SecretKind::Key:
        return QCoreApplication::translate("AccountSecrets", "CD Key");
    case SecretKind::IdNumber:
    case SecretKind::None:
        break;
    }
    return {};
}

QString describe(const AccountRecord& account, const AccountSecret& secret)
{
    if (!secret.isUserPassword())
        return kindName(secret);
    const UserEntry* user = account.GetUser(secret.user);
    const QString who
        = user && !user->GetLoginId().isEmpty() ? user->GetLoginId() : QStringLiteral("#%1").arg(secret.user + 1);
    return QStringLiteral("%1 (%2)").arg(kindName(secret), who);
}

} // namespace AccountSecrets

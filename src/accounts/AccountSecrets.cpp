#include "accounts/AccountSecrets.h"

#include "core/AccountRecord.h"

#include <QCoreApplication>

#include <cstring>

namespace {
// The secret fields of the account tables that the report grades, by field name.
struct GradedField {
    const char* name;
    SecretKind kind;
};
constexpr GradedField kGradedFields[] = {
    { "userPassword", SecretKind::Password },
    { "pin", SecretKind::Pin },
    { "cdKey", SecretKind::Key },
};

SecretKind kindOf(const FieldSpec& field)
{
    if (!field.secret || field.kind != FieldKind::Text)
        return SecretKind::None;
    for (const GradedField& graded : kGradedFields)
        if (std::strcmp(graded.name, field.name) == 0)
            return graded.kind;
    return SecretKind::None;
}
} // namespace

namespace AccountSecrets {

std::vector<AccountSecret> of(const AccountRecord& account)
{
    std::vector<AccountSecret> secrets;
    const RecordLayout& layout = account.layout();
    for (size_t f = 0; f < layout.fields.size(); ++f) {
        const SecretKind kind = kindOf(layout.fields[f]);
        if (kind != SecretKind::None)
            secrets.push_back({ kind, -1, std::get<ScrambledText>(account.field(int(f))).text() });
    }
    for (int u = 0; u < account.GetUserCount(); ++u)
        secrets.push_back({ SecretKind::UserPassword, u, account.GetUser(u)->GetPassword() });
    return secrets;
}

QString kindName(SecretKind kind)
{
    switch (kind) {
    case SecretKind::Password:
        return QCoreApplication::translate("AccountSecrets", "Password");
    case SecretKind::UserPassword:
        return QCoreApplication::translate("AccountSecrets", "User Password");
    case SecretKind::Pin:
        return QCoreApplication::translate("AccountSecrets", "PIN");
    case SecretKind::Key:
        return QCoreApplication::translate("AccountSecrets", "CD Key");
    case SecretKind::None:
        break;
    }
    return {};
}

QString describe(const AccountRecord& account, const AccountSecret& secret)
{
    if (secret.kind != SecretKind::UserPassword)
        return kindName(secret.kind);
    const UserEntry* user = account.GetUser(secret.user);
    const QString who
        = user && !user->GetLoginId().isEmpty() ? user->GetLoginId() : QStringLiteral("#%1").arg(secret.user + 1);
    return QStringLiteral("%1 (%2)").arg(kindName(secret.kind), who);
}

} // namespace AccountSecrets

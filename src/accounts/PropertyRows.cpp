#include "accounts/PropertyRows.h"

#include "accounts/EmailAccount.h"

namespace {
// "Type" and "Title" come first for every account.
constexpr int kCommonRows = 2;

bool visitRows(const QStringList& names, const QStringList& values, int firstRow, const AccountRecord& account,
    const std::function<bool(const PropertyRow&)>& visit)
{
    PropertyRow row;
    for (qsizetype i = 0; i < names.size(); ++i) {
        row.label = names.at(i);
        row.value = values.value(i);
        row.secret = isSecretRow(account, firstRow + int(i));
        if (!visit(row))
            return false;
    }
    return true;
}
} // namespace

bool isSecretRow(const AccountRecord& account, int row)
{
    const RecordLayout& layout = account.layout();
    const int fieldRows = int(layout.listOrder.size());
    if (row < kCommonRows)
        return false;
    if (row < kCommonRows + fieldRows)
        return layout.fields[size_t(layout.listOrder[size_t(row - kCommonRows)])].secret;
    if (dynamic_cast<const EmailAccount*>(&account) != nullptr)
        return (row - kCommonRows - fieldRows) % EmailAccount::kRowsPerUser == EmailAccount::kPasswordRow;
    return false;
}

bool forEachPropertyRow(const AccountRecord& account, const std::function<bool(const PropertyRow&)>& visit)
{
    QStringList names, values;
    const auto* email = dynamic_cast<const EmailAccount*>(&account);
    if (email == nullptr) {
        account.ListProperties(names, values);
        return visitRows(names, values, 0, account, visit);
    }
    email->FieldAccount::ListProperties(names, values);
    int row = int(names.size());
    if (!visitRows(names, values, 0, account, visit))
        return false;
    for (int i = 0; i < email->GetUserCount(); ++i) {
        names.clear();
        values.clear();
        email->listUser(i, names, values);
        if (!visitRows(names, values, row, account, visit))
            return false;
        row += int(names.size());
    }
    return true;
}

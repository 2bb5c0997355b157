#include "accounts/PropertyRows.h"

#include "core/AccountRecord.h"

namespace {
// "Type" and "Title" come first for every account.
constexpr int kCommonRows = 2;
// Before a user's fields: a blank row and "User #:".
constexpr int kUserHeadRows = 2;

// The row of one field of the account (user < 0) or of one of its users.
bool visitField(const AccountRecord& account, int user, int index, const std::function<bool(const PropertyRow&)>& visit,
    PropertyRow& row)
{
    const RecordLayout& layout = user < 0 ? account.layout() : UserEntry::Layout();
    const FieldSpec& field = layout.fields[size_t(index)];
    const FieldValue& value = user < 0 ? account.field(index) : account.GetUser(user)->field(index);
    row.label = user < 0 ? account.propertyLabel(index) : QString::fromLatin1(field.label);
    row.value = formatFieldValue(field, value);
    row.secret = field.isSecret();
    row.field = &field;
    row.user = user;
    return visit(row);
}
} // namespace

int rowsPerUser() { return kUserHeadRows + int(UserEntry::Layout().listOrder.size()); }

bool isSecretRow(const AccountRecord& account, int row)
{
    const RecordLayout& layout = account.layout();
    const int fieldRows = int(layout.listOrder.size());
    if (row < kCommonRows)
        return false;
    if (row < kCommonRows + fieldRows)
        return layout.fields[size_t(layout.listOrder[size_t(row - kCommonRows)])].isSecret();
    if (layout.users != UserListing::Listed)
        return false;
    const int inUser = (row - kCommonRows - fieldRows) % rowsPerUser() - kUserHeadRows;
    const RecordLayout& users = UserEntry::Layout();
    return inUser >= 0 && users.fields[size_t(users.listOrder[size_t(inUser)])].isSecret();
}

bool forEachPropertyRow(const AccountRecord& account, const std::function<bool(const PropertyRow&)>& visit)
{
    QStringList names, values;
    account.AccountRecord::ListProperties(names, values);
    PropertyRow row;
    for (qsizetype i = 0; i < names.size(); ++i) {
        row.label = names.at(i);
        row.value = values.value(i);
        if (!visit(row))
            return false;
    }
    const RecordLayout& layout = account.layout();
    for (int index : layout.listOrder)
        if (!visitField(account, -1, index, visit, row))
            return false;
    if (layout.users != UserListing::Listed)
        return true;
    for (int user = 0; user < account.GetUserCount(); ++user) {
        row = PropertyRow { QString(), QString(), false, nullptr, user };
        if (!visit(row))
            return false;
        row.label = QString::fromLatin1(QT_TRANSLATE_NOOP("AccountFields", "User #:"));
        row.value = QString::asprintf("%d", user + 1);
        if (!visit(row))
            return false;
        for (int index : UserEntry::Layout().listOrder)
            if (!visitField(account, user, index, visit, row))
                return false;
    }
    return true;
}

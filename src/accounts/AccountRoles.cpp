#include "accounts/AccountRoles.h"

#include "accounts/AccountFactory.h"
#include "core/AccountRecord.h"

namespace AccountRoles {

RolePlace placeOf(const RecordLayout& layout, FieldRole role)
{
    RolePlace place;
    place.field = layout.indexWith(role);
    if (place.field < 0 && layout.users == UserListing::Listed)
        place.userField = UserEntry::Layout().indexWith(role);
    return place;
}

const FieldSpec* fieldOf(const RecordLayout& layout, FieldRole role)
{
    const RolePlace place = placeOf(layout, role);
    if (place.field >= 0)
        return &layout.fields[size_t(place.field)];
    if (place.userField >= 0)
        return &UserEntry::Layout().fields[size_t(place.userField)];
    return nullptr;
}

bool has(AccountType type, FieldRole role)
{
    const RecordLayout* layout = layoutOf(type);
    return layout && placeOf(*layout, role).exists();
}

std::optional<FieldValue> valueOf(const AccountRecord& account, FieldRole role, int user)
{
    const RolePlace place = placeOf(account.layout(), role);
    if (place.field >= 0)
        return account.field(place.field);
    const UserEntry* entry = account.GetUser(user);
    if (place.userField >= 0 && entry)
        return entry->field(place.userField);
    return std::nullopt;
}

std::optional<QString> textOf(const AccountRecord& account, FieldRole role, int user)
{
    const std::optional<FieldValue> value = valueOf(account, role, user);
    if (!value)
        return std::nullopt;
    return formatFieldValue(*fieldOf(account.layout(), role), *value);
}

} // namespace AccountRoles

#pragma once

// An eleventh account type made of tables alone, as a build that adds a type would bring it: the
// code 19 that no type uses, its name and caption, and a field table with a secret, a date that
// expires, a user name, an address and notes. Its file and listing orders differ from its
// declaration order, as some of the ten types' do.

#include "accounts/AccountFactory.h"
#include "core/AccountFields.h"

namespace Membership {

inline constexpr AccountType kType = AccountType(19);
inline constexpr AccountTypeInfo kInfo { kType, "Membership", "Memberships" };

enum Field : int { Club, SiteUrl, MemberId, Password, Renewal, Fee, Notes };
inline constexpr FieldSpec kFields[] = {
    { "club", FieldKind::Text, "Club" },
    { "siteUrl", FieldKind::Text, "Site", SecretKind::None, FieldRole::Url },
    { "memberId", FieldKind::Text, "Member ID", SecretKind::None, FieldRole::UserName },
    { "password", FieldKind::Text, "Password", SecretKind::Password,
        FieldRole::CopyTarget | FieldRole::GeneratePassword },
    { "renewal", FieldKind::Date, "Renewal", SecretKind::None, FieldRole::Expiry },
    { "fee", FieldKind::Decimal, "Fee" },
    { "notes", FieldKind::Text, "Notes", SecretKind::None, FieldRole::Notes },
};
inline constexpr int kFileOrder[] = { Renewal, Club, SiteUrl, MemberId, Password, Fee, Notes };
inline constexpr int kListOrder[] = { Club, MemberId, Password, Renewal, Fee, SiteUrl, Notes };
inline constexpr RecordLayout kLayout { kType, kFields, kFileOrder, kListOrder };

// Known to the program while it lives.
class Scoped {
public:
    Scoped() { added = addAccountClass(kInfo, kLayout); }
    ~Scoped() { removeAccountClass(kType); }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;

    bool added = false;
};

} // namespace Membership

#include "core/UserEntry.h"

#include "core/AccountTypes.h"
#include "core/CArchive.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "loginId", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Log In ID:"), SecretKind::None,
        FieldRole::UserName },
    { "password", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Password:"), SecretKind::Password,
        FieldRole::CopyTarget | FieldRole::GeneratePassword },
    { "email", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Email:") },
    { "administrator", FieldKind::Integer, QT_TRANSLATE_NOOP("AccountFields", "Administrator:"), SecretKind::None,
        FieldRole::YesNo },
};
constexpr int kFileOrder[] = { UserEntry::Administrator, UserEntry::LoginId, UserEntry::Password, UserEntry::Email };
constexpr int kListOrder[] = { UserEntry::LoginId, UserEntry::Password, UserEntry::Email, UserEntry::Administrator };
static_assert(std::size(kFields) == UserEntry::FieldCount);
const RecordLayout kLayout { AccountType::None, kFields, kFileOrder, kListOrder };
} // namespace

UserEntry::UserEntry(qint32 administrator, const QString& loginId, const QString& password, const QString& email)
    : m_values { ScrambledText(loginId), ScrambledText(password), ScrambledText(email), administrator }
{
}

const RecordLayout& UserEntry::Layout() { return kLayout; }

void UserEntry::setField(int index, const FieldValue& value)
{
    if (index >= 0 && size_t(index) < m_values.size() && value.index() == m_values[size_t(index)].index())
        m_values[size_t(index)] = value;
}

bool UserEntry::IsSameUser(const UserEntry& other) const
{
    return GetLoginId() == other.GetLoginId() && GetPassword() == other.GetPassword()
        && equalsIgnoringAsciiCase(GetEmail(), other.GetEmail());
}

void UserEntry::Serialize(CArchive& ar) { serializeFields(ar, kLayout.fileOrder, m_values); }

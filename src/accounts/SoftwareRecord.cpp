#include "accounts/SoftwareRecord.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "version", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Version") },
    { "manufacturer", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Manufacturer") },
    { "serialNumber", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Serial #") },
    { "cdKey", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "CD Key"), SecretKind::Key, FieldRole::CopyTarget },
    { "supportUrl", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Support URL"), SecretKind::None,
        FieldRole::Url },
    { "servicePhone", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Service Phone #") },
};
constexpr int kFileOrder[] = { SoftwareRecord::Version, SoftwareRecord::Manufacturer, SoftwareRecord::SerialNumber,
    SoftwareRecord::CdKey, SoftwareRecord::SupportUrl, SoftwareRecord::ServicePhone };
constexpr int kListOrder[] = { SoftwareRecord::Version, SoftwareRecord::Manufacturer, SoftwareRecord::SerialNumber,
    SoftwareRecord::CdKey, SoftwareRecord::SupportUrl, SoftwareRecord::ServicePhone };
const RecordLayout kLayout { AccountType::Software, kFields, kFileOrder, kListOrder };
} // namespace

SoftwareRecord::SoftwareRecord(AccountId id)
    : FieldAccount(id, kLayout)
{
}

const RecordLayout& SoftwareRecord::Layout() { return kLayout; }

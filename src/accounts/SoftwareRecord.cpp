#include "accounts/SoftwareRecord.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "version", FieldKind::Text, "Version" },
    { "manufacturer", FieldKind::Text, "Manufacturer" },
    { "serialNumber", FieldKind::Text, "Serial #" },
    { "cdKey", FieldKind::Text, "CD Key", SecretKind::Key, FieldRole::CopyTarget },
    { "supportUrl", FieldKind::Text, "Support URL", SecretKind::None, FieldRole::Url },
    { "servicePhone", FieldKind::Text, "Service Phone #" },
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

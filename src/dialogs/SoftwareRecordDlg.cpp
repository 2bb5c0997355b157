#include "dialogs/SoftwareRecordDlg.h"

#include "core/AccountTypes.h"

namespace {
using K = ControlKind;

constexpr int kTitle = 1091;
constexpr int kVersion = 1092;
constexpr int kManufacturer = 1089;
constexpr int kSerialNumber = 1086;
constexpr int kCdKey = 1087;
constexpr int kSupportUrl = 1088;
constexpr int kServicePhone = 1090;

constexpr ControlSpec kControls[] = {
    { kTitle, K::Edit, "Title:", { 7, 15, 77, 12 }, "title" },
    { kVersion, K::Edit, "Version:", { 91, 15, 82, 12 }, "version" },
    { kManufacturer, K::Edit, "Manufacturer:", { 7, 39, 77, 12 }, "manufacturer" },
    { kSerialNumber, K::Edit, "Serial #:", { 91, 39, 82, 12 }, "serialNumber" },
    { kCdKey, K::SecretEdit, "CD Key:", { 7, 64, 166, 12 }, "cdKey" },
    { kSupportUrl, K::Edit, "Support Website URL:", { 7, 89, 166, 12 }, "supportUrl" },
    { kServicePhone, K::Memo, "Custormer Service Phone Number:", { 7, 114, 166, 42 }, "servicePhone" },
    { kIdCancel, K::CancelButton, "Cancel", { 123, 162, 50, 14 } },
    { kIdOk, K::OkButton, "OK", { 72, 162, 50, 14 } },
};
constexpr int kExchangeOrder[] = { kTitle, kVersion, kManufacturer, kSerialNumber, kCdKey, kSupportUrl, kServicePhone };
constexpr int kStoreOrder[] = { kVersion, kManufacturer, kSerialNumber, kCdKey, kSupportUrl, kServicePhone };
constexpr RequiredLine kRequired[] = {
    { "   - Title\n", { kTitle } },
    { "   - Manufacturer\n", { kManufacturer } },
    { "   - Serial # Or CD Key\n\n", { kSerialNumber, kCdKey } },
};
const DialogSpec kSpec { AccountType::Software, "Software Record", ":/dialogs/icons/software.svg", 180, 183, kControls,
    kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CSoftwareRecordDlg::CSoftwareRecordDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
}

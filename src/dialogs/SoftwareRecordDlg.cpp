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
    { kTitle, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Title:"), { 7, 15, 77, 12 }, "title" },
    { kVersion, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Version:"), { 91, 15, 82, 12 }, "version" },
    { kManufacturer, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Manufacturer:"), { 7, 39, 77, 12 },
        "manufacturer" },
    { kSerialNumber, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Serial #:"), { 91, 39, 82, 12 },
        "serialNumber" },
    { kCdKey, K::SecretEdit, QT_TRANSLATE_NOOP("TableAccountDialog", "CD Key:"), { 7, 64, 166, 12 }, "cdKey" },
    { kSupportUrl, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Support Website URL:"), { 7, 89, 166, 12 },
        "supportUrl" },
    { kServicePhone, K::Memo, QT_TRANSLATE_NOOP("TableAccountDialog", "Custormer Service Phone Number:"),
        { 7, 114, 166, 42 }, "servicePhone" },
    { kIdCancel, K::CancelButton, QT_TRANSLATE_NOOP("TableAccountDialog", "Cancel"), { 123, 162, 50, 14 } },
    { kIdOk, K::OkButton, QT_TRANSLATE_NOOP("TableAccountDialog", "OK"), { 72, 162, 50, 14 } },
};
constexpr int kExchangeOrder[] = { kTitle, kVersion, kManufacturer, kSerialNumber, kCdKey, kSupportUrl, kServicePhone };
constexpr int kStoreOrder[] = { kVersion, kManufacturer, kSerialNumber, kCdKey, kSupportUrl, kServicePhone };
constexpr RequiredLine kRequired[] = {
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Title\n"), { kTitle } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Manufacturer\n"), { kManufacturer } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Serial # Or CD Key\n\n"), { kSerialNumber, kCdKey } },
};
const DialogSpec kSpec { AccountType::Software, QT_TRANSLATE_NOOP("TableAccountDialog", "Software Record"),
    ":/dialogs/icons/software.svg", 180, 183, kControls, kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CSoftwareRecordDlg::CSoftwareRecordDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
}

#include "dialogs/InsuranceAccountDlg.h"

#include "accounts/InsuranceAccount.h"
#include "core/AccountTypes.h"
#include "dialogs/TypeBox.h"

#include <QCoreApplication>
#include <QLabel>

namespace {
using K = ControlKind;

constexpr int kTitle = 1053;
constexpr int kProvider = 1031;
constexpr int kPolicyNumber = 1032;
constexpr int kTypeBox = 1003;
constexpr int kExpiration = 1012;
constexpr int kItemDescription = 1080;
constexpr int kDetailLabel = 1079;
constexpr int kHolderName = 1048;
constexpr int kServicePhone = 1007;

constexpr const char* kInsuranceTypes[]
    = { "Car", "Home Owner", "Life", "Collectiveable", "Art", "Antique", "Equipment", "Household Goods", "Child" };

constexpr ControlSpec kControls[] = {
    { kTitle, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Title:"), { 7, 15, 62, 12 }, "title" },
    { kProvider, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Insurance Provider:"), { 75, 15, 98, 12 },
        "provider" },
    { kPolicyNumber, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Policy #:"), { 7, 37, 166, 12 },
        "accountNumber" },
    { kTypeBox, K::TypeBox, QT_TRANSLATE_NOOP("TableAccountDialog", "Type:"), { 7, 59, 90, 60 }, "insuranceType",
        kInsuranceTypes, "Antique" },
    { kExpiration, K::DatePicker, QT_TRANSLATE_NOOP("TableAccountDialog", "Expires:"), { 105, 59, 68, 12 },
        "expiration" },
    { kItemDescription, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Item Description:"), { 7, 82, 166, 12 },
        "itemDescription", {}, nullptr, kDetailLabel, 138 },
    { kHolderName, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Primary Holder Name:"), { 7, 105, 166, 12 },
        "holderName" },
    { kServicePhone, K::Memo, QT_TRANSLATE_NOOP("TableAccountDialog", "Customer Service Phone Number:"),
        { 7, 130, 166, 27 }, "servicePhone" },
    { kIdCancel, K::CancelButton, QT_TRANSLATE_NOOP("TableAccountDialog", "Cancel"), { 123, 161, 50, 14 } },
    { kIdOk, K::OkButton, QT_TRANSLATE_NOOP("TableAccountDialog", "OK"), { 71, 161, 50, 14 } },
};
constexpr int kExchangeOrder[]
    = { kTypeBox, kExpiration, kHolderName, kPolicyNumber, kProvider, kServicePhone, kTitle, kItemDescription };
constexpr int kStoreOrder[]
    = { kProvider, kTypeBox, kHolderName, kPolicyNumber, kExpiration, kItemDescription, kServicePhone };
constexpr RequiredLine kRequired[] = {
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Title\n"), { kTitle } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Provider\n"), { kProvider } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Holder Name\n"), { kHolderName } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Policy Number\n\n"), { kPolicyNumber } },
};
const DialogSpec kSpec { AccountType::Insurance, QT_TRANSLATE_NOOP("TableAccountDialog", "Insurance Account"),
    ":/dialogs/icons/insurance.svg", 180, 183, kControls, kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CInsuranceAccountDlg::CInsuranceAccountDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
    connect(control<TypeBox>(kTypeBox), &QComboBox::activated, this, &CInsuranceAccountDlg::OnSelchangeType);
}

void CInsuranceAccountDlg::OnSelchangeType()
{
    takeFields();
    const QString detail = InsuranceAccount::detailLabel(control<TypeBox>(kTypeBox)->selectedItemText());
    label(kDetailLabel)->setText(QCoreApplication::translate("AccountFields", detail.toUtf8().constData()));
}

void CInsuranceAccountDlg::afterOpen()
{
    // A new account keeps "Item Description:"; an existing one gets the label of its stored type.
    if (createdNew() || !GetAccount())
        return;
    OnSelchangeType();
    showFields();
}

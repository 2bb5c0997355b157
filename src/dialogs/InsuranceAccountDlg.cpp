#include "InsuranceAccountDlg.h"

#include "AccountTypes.h"
#include "InsuranceAccount.h"
#include "TypeBox.h"

#include <QLabel>

namespace {
using K = ControlKind;

constexpr int kTypeBox = 1003;
constexpr int kDetailLabel = 1079;

constexpr const char* kInsuranceTypes[]
    = { "Car", "Home Owner", "Life", "Collectiveable", "Art", "Antique", "Equipment", "Household Goods", "Child" };

constexpr ControlSpec kControls[] = {
    { 1053, K::Edit, "Title:", { 7, 15, 62, 12 }, "title" },
    { 1031, K::Edit, "Insurance Provider:", { 75, 15, 98, 12 }, "provider" },
    { 1032, K::Edit, "Policy #:", { 7, 37, 166, 12 }, "accountNumber" },
    { kTypeBox, K::TypeBox, "Type:", { 7, 59, 90, 60 }, "insuranceType", kInsuranceTypes, "Antique" },
    { 1012, K::DatePicker, "Expires:", { 105, 59, 68, 12 }, "expiration" },
    { 1080, K::Edit, "Item Description:", { 7, 82, 166, 12 }, "itemDescription", {}, nullptr, kDetailLabel, 138 },
    { 1048, K::Edit, "Primary Holder Name:", { 7, 105, 166, 12 }, "holderName" },
    { 1007, K::Memo, "Customer Service Phone Number:", { 7, 130, 166, 27 }, "servicePhone" },
    { 2, K::CancelButton, "Cancel", { 123, 161, 50, 14 } },
    { 1, K::OkButton, "OK", { 71, 161, 50, 14 } },
};
constexpr int kExchangeOrder[] = { kTypeBox, 1012, 1048, 1032, 1031, 1007, 1053, 1080 };
constexpr int kStoreOrder[] = { 1031, kTypeBox, 1048, 1032, 1012, 1080, 1007 };
constexpr RequiredLine kRequired[] = {
    { "   - Title\n", { 1053 } },
    { "   - Provider\n", { 1031 } },
    { "   - Holder Name\n", { 1048 } },
    { "   - Policy Number\n\n", { 1032 } },
};
const DialogSpec kSpec { AccountType::Insurance, "Insurance Account", ":/dialogs/icons/insurance.svg", 180, 183,
    kControls, kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CInsuranceAccountDlg::CInsuranceAccountDlg(CQuorrilDoc* document, qint32 accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
    connect(control<TypeBox>(kTypeBox), &QComboBox::activated, this, &CInsuranceAccountDlg::OnSelchangeType);
}

void CInsuranceAccountDlg::OnSelchangeType()
{
    UpdateData(true);
    label(kDetailLabel)->setText(InsuranceAccount::detailLabel(control<TypeBox>(kTypeBox)->selectedItemText()));
}

void CInsuranceAccountDlg::afterOpen()
{
    // A new account keeps "Item Description:"; an existing one gets the label of its stored type.
    if (createdNew() || !GetAccount())
        return;
    OnSelchangeType();
    UpdateData(false);
}

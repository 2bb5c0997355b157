#include "dialogs/InsuranceAccountDlg.h"

#include "accounts/InsuranceAccount.h"
#include "core/AccountTypes.h"
#include "dialogs/TypeBox.h"

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
    { kTitle, K::Edit, "Title:", { 7, 15, 62, 12 }, "title" },
    { kProvider, K::Edit, "Insurance Provider:", { 75, 15, 98, 12 }, "provider" },
    { kPolicyNumber, K::Edit, "Policy #:", { 7, 37, 166, 12 }, "accountNumber" },
    { kTypeBox, K::TypeBox, "Type:", { 7, 59, 90, 60 }, "insuranceType", kInsuranceTypes, "Antique" },
    { kExpiration, K::DatePicker, "Expires:", { 105, 59, 68, 12 }, "expiration" },
    { kItemDescription, K::Edit, "Item Description:", { 7, 82, 166, 12 }, "itemDescription", {}, nullptr, kDetailLabel,
        138 },
    { kHolderName, K::Edit, "Primary Holder Name:", { 7, 105, 166, 12 }, "holderName" },
    { kServicePhone, K::Memo, "Customer Service Phone Number:", { 7, 130, 166, 27 }, "servicePhone" },
    { kIdCancel, K::CancelButton, "Cancel", { 123, 161, 50, 14 } },
    { kIdOk, K::OkButton, "OK", { 71, 161, 50, 14 } },
};
constexpr int kExchangeOrder[]
    = { kTypeBox, kExpiration, kHolderName, kPolicyNumber, kProvider, kServicePhone, kTitle, kItemDescription };
constexpr int kStoreOrder[]
    = { kProvider, kTypeBox, kHolderName, kPolicyNumber, kExpiration, kItemDescription, kServicePhone };
constexpr RequiredLine kRequired[] = {
    { "   - Title\n", { kTitle } },
    { "   - Provider\n", { kProvider } },
    { "   - Holder Name\n", { kHolderName } },
    { "   - Policy Number\n\n", { kPolicyNumber } },
};
const DialogSpec kSpec { AccountType::Insurance, "Insurance Account", ":/dialogs/icons/insurance.svg", 180, 183,
    kControls, kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CInsuranceAccountDlg::CInsuranceAccountDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
    connect(control<TypeBox>(kTypeBox), &QComboBox::activated, this, &CInsuranceAccountDlg::OnSelchangeType);
}

void CInsuranceAccountDlg::OnSelchangeType()
{
    takeFields();
    label(kDetailLabel)->setText(InsuranceAccount::detailLabel(control<TypeBox>(kTypeBox)->selectedItemText()));
}

void CInsuranceAccountDlg::afterOpen()
{
    // A new account keeps "Item Description:"; an existing one gets the label of its stored type.
    if (createdNew() || !GetAccount())
        return;
    OnSelchangeType();
    showFields();
}

#include "dialogs/AccountEditor.h"

#include "core/AccountTypes.h"
#include "dialogs/BankAccountDlg.h"
#include "dialogs/CallingCardAccountDlg.h"
#include "dialogs/CreditCardAccountDlg.h"
#include "dialogs/EmailAccountDlg.h"
#include "dialogs/InsuranceAccountDlg.h"
#include "dialogs/MedicalRecordDlg.h"
#include "dialogs/PurchasedItemRecordDlg.h"
#include "dialogs/ReferenceRecordDlg.h"
#include "dialogs/SoftwareRecordDlg.h"
#include "dialogs/WebSiteAccountDlg.h"

namespace {

std::unique_ptr<CAccountDialog> makeDialog(
    AccountType type, CQuorrilDoc* document, AccountId accountId, QWidget* parent)
{
    switch (type) {
    case AccountType::Email:
        return std::make_unique<CEmailAccountDlg>(document, accountId, parent);
    case AccountType::WebSite:
        return std::make_unique<CWebSiteAccountDlg>(document, accountId, parent);
    case AccountType::CreditCard:
        return std::make_unique<CCreditCardAccountDlg>(document, accountId, parent);
    case AccountType::Bank:
        return std::make_unique<CBankAccountDlg>(document, accountId, parent);
    case AccountType::Insurance:
        return std::make_unique<CInsuranceAccountDlg>(document, accountId, parent);
    case AccountType::Medical:
        return std::make_unique<CMedicalRecordDlg>(document, accountId, parent);
    case AccountType::CallingCard:
        return std::make_unique<CCallingCardAccountDlg>(document, accountId, parent);
    case AccountType::PurchasedItem:
        return std::make_unique<CPurchasedItemRecordDlg>(document, accountId, parent);
    case AccountType::Software:
        return std::make_unique<CSoftwareRecordDlg>(document, accountId, parent);
    case AccountType::Reference:
        return std::make_unique<CReferenceRecordDlg>(document, accountId, parent);
    default:
        return nullptr;
    }
}

} // namespace

std::unique_ptr<CAccountDialog> createAccountDialog(
    AccountType type, CQuorrilDoc* document, AccountId accountId, UiPrompts& prompts, QWidget* parent)
{
    std::unique_ptr<CAccountDialog> dialog = makeDialog(type, document, accountId, parent);
    if (dialog)
        dialog->setPrompts(prompts);
    return dialog;
}

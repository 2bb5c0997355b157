#pragma once

#include "dialogs/TableAccountDialog.h"

// The Insurance dialog. The label above the detail field follows the insurance type picked from the
// list: "VIN #:" for a car, "Property Address:" for a home, "Beneficiary:" for life insurance,
// "Child Name:" for a child, "Item Description:" otherwise.
class CInsuranceAccountDlg : public TableAccountDialog {
    Q_OBJECT
public:
    CInsuranceAccountDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent = nullptr);

public Q_SLOTS:
    void OnSelchangeType();

protected:
    void afterOpen() override;
};

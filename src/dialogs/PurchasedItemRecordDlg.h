#pragma once

#include "dialogs/TableAccountDialog.h"

// The Purchased Item dialog; it needs a model number or a serial number.
class CPurchasedItemRecordDlg : public TableAccountDialog {
    Q_OBJECT
public:
    CPurchasedItemRecordDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent = nullptr);
};

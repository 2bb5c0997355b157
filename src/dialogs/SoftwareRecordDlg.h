#pragma once

#include "dialogs/TableAccountDialog.h"

// The Software dialog; it needs a serial number or a CD key.
class CSoftwareRecordDlg : public TableAccountDialog {
    Q_OBJECT
public:
    CSoftwareRecordDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent = nullptr);
};

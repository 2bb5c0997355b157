#pragma once

#include "dialogs/TableAccountDialog.h"

// The Calling Card dialog: provider, access phone, card number, PIN and remaining minutes.
class CCallingCardAccountDlg : public TableAccountDialog {
    Q_OBJECT
public:
    CCallingCardAccountDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent = nullptr);
};

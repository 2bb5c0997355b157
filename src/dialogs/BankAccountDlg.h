#pragma once

#include "dialogs/TableAccountDialog.h"

// The Bank dialog: institution, account and routing numbers, account type, PIN and holder.
class CBankAccountDlg : public TableAccountDialog {
    Q_OBJECT
public:
    CBankAccountDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent = nullptr);
};

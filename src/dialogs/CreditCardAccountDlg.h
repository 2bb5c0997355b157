#pragma once

#include "dialogs/TableAccountDialog.h"

// The Credit Card dialog: provider, number, card type, APR, PIN, expiry and name on the card.
class CCreditCardAccountDlg : public TableAccountDialog {
    Q_OBJECT
public:
    CCreditCardAccountDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent = nullptr);
};

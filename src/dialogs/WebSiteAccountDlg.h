#pragma once

#include "dialogs/TableAccountDialog.h"

// The WebSite dialog. OK and Cancel come between Notes and IP Address in the tab order.
class CWebSiteAccountDlg : public TableAccountDialog {
    Q_OBJECT
public:
    CWebSiteAccountDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent = nullptr);
};

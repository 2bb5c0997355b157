#pragma once

#include "dialogs/TableAccountDialog.h"

// The Reference dialog: a dated free-form note. OK comes before Cancel in the tab order.
class CReferenceRecordDlg : public TableAccountDialog {
    Q_OBJECT
public:
    CReferenceRecordDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent = nullptr);
};

#pragma once

#include "dialogs/TableAccountDialog.h"

// The Medical dialog. It has no title field: the title is the first name, the middle initial and
// the last name joined. The first and last names get a capital first letter when the focus leaves
// them; a new record's blood type is "Unknown".
class CMedicalRecordDlg : public TableAccountDialog {
    Q_OBJECT
public:
    CMedicalRecordDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent = nullptr);

    QString dialogTitle() const override;

public Q_SLOTS:
    void OnKillfocusFirstName();
    void OnKillfocusLastName();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void capitalise(int id);
};

#pragma once

#include "dialogs/AccountEditor.h"
#include "dialogs/DialogTable.h"
#include "dialogs/UiPrompts.h"

#include <QHash>

#include <vector>

class ControlAdapter;
class QLabel;

// The engine behind every account dialog: builds the controls of a DialogSpec, transfers between
// the controls and the dialog's fields in the table's exchange order, and runs open, OK (required
// fields, duplicate title), StoreAccount and Cancel. The dialogs of the ten types add only what
// their type has of its own.
class TableAccountDialog : public CAccountDialog {
    Q_OBJECT
public:
    TableAccountDialog(const DialogSpec& table, CQuorrilDoc* document, AccountId accountId, QWidget* parent);
    ~TableAccountDialog() override;

    AccountRecord* GetAccount() const override { return m_account; }
    bool StoreAccount() override;
    std::unique_ptr<AccountRecord> takeAccount() override;
    QString dialogTitle() const override;

    const DialogSpec& table() const { return m_spec; }
    // The control with the id of the dialog's table (kIdOk is OK, kIdCancel is Cancel), or null.
    QWidget* control(int id) const;
    template <class Widget> Widget* control(int id) const { return qobject_cast<Widget*>(control(id)); }
    // A label the table gives an id of its own, or null.
    QLabel* label(int id) const { return m_labels.value(id); }

    // The dialog's field behind a control (texts, dates, numbers, the check box state).
    const FieldValue& fieldValue(int id) const;
    QString fieldText(int id) const;
    void setFieldValue(int id, const FieldValue& value);

    // Takes every field of the exchange order from its control. Stops at a number that does not
    // read, with the message and the focus on that control, and returns false; the fields after it
    // keep their values.
    bool takeFields();
    // Shows every field of the exchange order in its control.
    void showFields();

    // The message listing the type's required fields.
    QString requiredFieldsMessage() const;

    void setVisible(bool visible) override;

public Q_SLOTS:
    // The OK button and Enter.
    void OnOK();
    // The Cancel button, Esc and the close box (through reject) and the No answers of OK.
    virtual void OnCancel();
    void reject() override;

protected:
    // Runs once, when the dialog is first shown: fills the controls, loads the account.
    virtual void OnInitDialog();
    // Holds a new account (id 0 or less) or the document's account, and copies its fields.
    virtual void LoadAccount();
    // After the account is loaded and shown (the Insurance relabelling).
    virtual void afterOpen() { }
    // After StoreAccount has written the account (the Email user update).
    virtual void afterStore() { }

    // True when another account of the type has the dialog's title (ignoring ASCII case).
    bool titleTaken() const;
    // Copies the title and the fields of the store order into the account and commits it. No
    // duplicate check.
    void writeAccount();
    // Hands the state of an existing account to the document: the first time as a step of its own,
    // then as part of that step.
    void commitEdit();
    // True when every required line of the table has a non-empty field.
    bool requiredFieldsFilled() const;
    // Refuses texts that would not come back from the file as typed: shows which field holds one,
    // puts the focus there and returns false.
    bool checkStorableTexts();
    // Deletes a new account the dialog still owns.
    void discardNewAccount();
    void endDialog(int result) { QDialog::done(result); }

private:
    void buildControls();
    int rowOf(int id) const;
    const ControlAdapter& adapter(int row) const;
    QString fieldName(int row) const;

    const DialogSpec& m_spec;
    std::vector<QWidget*> m_widgets; // by table row
    std::vector<FieldValue> m_values; // by table row
    QHash<int, QLabel*> m_labels;
    QHash<int, QLabel*> m_labelAbove; // by control id
    std::unique_ptr<AccountRecord> m_newAccount;
    // The copy of an existing account that the dialog edits, and the step that holds its changes.
    std::unique_ptr<AccountRecord> m_copy;
    quint64 m_editStep = 0;
    AccountRecord* m_account = nullptr;
    bool m_initialised = false;
};

#pragma once

#include "core/AccountRecord.h"

#include <QDialog>

#include <memory>

class CQuorrilDoc;
class UiPrompts;

// The side of every account dialog that the account commands talk to. An account id of 0 (or
// less) asks the dialog for a new account; a positive id names the document's account to edit. The
// dialog edits a copy of it, and each store hands the copy's state to the document as one step.
class CAccountEditor {
public:
    CAccountEditor(CQuorrilDoc* document, AccountId accountId)
        : m_document(document)
        , m_accountId(accountId)
    {
    }
    virtual ~CAccountEditor() = default;

    // The account the dialog works on (for an existing account, the dialog's copy), or null (after
    // Cancel on a new account, or an unknown id).
    virtual AccountRecord* GetAccount() const = 0;
    // The duplicate-title check, then every dialog field copied into the account; false when the
    // title is taken by another account of the type (nothing stored) or there is no account.
    virtual bool StoreAccount() = 0;

    // After OK on a new account: hands the account over to the caller (the New command offers it to
    // the document). Null for an edited account or after Cancel.
    virtual std::unique_ptr<AccountRecord> takeAccount() = 0;
    // The title as the user left it in the dialog (Medical: first name, initial and last name joined).
    virtual QString dialogTitle() const = 0;

    AccountId accountId() const { return m_accountId; }
    CQuorrilDoc* document() const { return m_document; }
    bool createdNew() const { return m_createdNew; }

protected:
    CQuorrilDoc* m_document;
    AccountId m_accountId;
    bool m_createdNew = false;
};

// A modal account dialog: a QDialog that is also a CAccountEditor. exec() returns QDialog::Accepted
// (OK) or QDialog::Rejected (Cancel). Its questions and notices go to the prompts it is given
// before it is shown (createAccountDialog gives them).
class CAccountDialog : public QDialog, public CAccountEditor {
    Q_OBJECT
public:
    CAccountDialog(CQuorrilDoc* document, AccountId accountId, QWidget* parent)
        : QDialog(parent)
        , CAccountEditor(document, accountId)
    {
    }

    void setPrompts(UiPrompts& prompts) { m_prompts = &prompts; }

protected:
    UiPrompts& prompts() const
    {
        Q_ASSERT(m_prompts);
        return *m_prompts;
    }

private:
    UiPrompts* m_prompts = nullptr;
};

// The dialog of the account type (10 to 18, 20) for a new account (id 0) or the account with the
// given id, asking the user through the prompts; null for codes without a dialog.
std::unique_ptr<CAccountDialog> createAccountDialog(
    AccountType type, CQuorrilDoc* document, AccountId accountId, UiPrompts& prompts, QWidget* parent = nullptr);

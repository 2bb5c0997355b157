#pragma once

#include "dialogs/SecretEdit.h"
#include "dialogs/UiPrompts.h"

#include <QDialog>

class QLabel;
class QPushButton;
class StrengthBar;

// The document password prompt. Verify mode asks for one password (to open or unlock a document);
// set mode asks for a new one twice. OK closes only with a non-empty password, in set mode typed
// twice alike; the reasons it refuses are shown through the prompts. For an encrypted wallet
// (SetEncrypted) a short password brings a warning, and the user may go back or keep it. Both
// fields are secret fields (SecretEdit): dots unless View > "Show Secrets" or their eye shows them.
class CPasswordDlg : public QDialog {
    Q_OBJECT
public:
    CPasswordDlg(UiPrompts& prompts, Prompts::PasswordMode mode, QWidget* parent = nullptr);

    // After OK: the entered password.
    QString password() const { return m_password; }
    // The same, taken out: the dialog and its fields let go of every copy, so that the caller holds
    // the only one and can wipe it (SecretWipe).
    QString takePassword();

    SecretEdit* passwordEdit() const { return m_passwordEdit; }
    SecretEdit* verifyEdit() const { return m_verifyEdit; }
    QLabel* verifyLabel() const { return m_verifyLabel; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    // Under the new password, in set mode; null in verify mode.
    StrengthBar* strengthBar() const { return m_strengthBar; }

public Q_SLOTS:
    void OnOK();

private:
    UiPrompts& m_prompts;
    const bool m_confirm;
    const bool m_forEncrypted;
    QString m_password;
    QString m_verifyPassword;
    SecretEdit* m_passwordEdit;
    SecretEdit* m_verifyEdit;
    QLabel* m_verifyLabel;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    StrengthBar* m_strengthBar = nullptr;
};

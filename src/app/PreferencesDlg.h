#pragma once

#include <QDialog>

class Preferences;
class QCheckBox;
class QSpinBox;

// File > Preferences: one control per preference. A change applies at once (there is nothing to
// confirm), so the dialog has a Close button only.
class PreferencesDlg : public QDialog {
    Q_OBJECT
public:
    explicit PreferencesDlg(Preferences& preferences, QWidget* parent = nullptr);

    QSpinBox* clipboardClearSeconds() const { return m_clipboardSeconds; }
    QSpinBox* autoLockMinutes() const { return m_autoLockMinutes; }
    QSpinBox* backupCount() const { return m_backupCount; }
    QCheckBox* lockOnMinimize() const { return m_lockOnMinimize; }
    QCheckBox* encryptNewWallets() const { return m_encryptNewWallets; }
    QCheckBox* showSecretsOnOpen() const { return m_showSecretsOnOpen; }

private:
    QSpinBox* m_clipboardSeconds = nullptr;
    QSpinBox* m_autoLockMinutes = nullptr;
    QSpinBox* m_backupCount = nullptr;
    QCheckBox* m_lockOnMinimize = nullptr;
    QCheckBox* m_encryptNewWallets = nullptr;
    QCheckBox* m_showSecretsOnOpen = nullptr;
};

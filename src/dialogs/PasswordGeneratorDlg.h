#pragma once

#include "accounts/PasswordGenerator.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class StrengthBar;

// "Generate Password": a length, the kinds of character, the look-alikes, and the password they
// give with its strength in bits and the grade of those bits. Every change makes a new password;
// "Regenerate" makes another of the same kind, and "Copy" asks for the shown one to go to the
// clipboard. The dialog opens with the options last chosen and keeps each change (GeneratorSettings).
class PasswordGeneratorDlg : public QDialog {
    Q_OBJECT
public:
    explicit PasswordGeneratorDlg(QWidget* parent = nullptr);

    PasswordGenerator::Options options() const;
    // Shows the options (the length brought into range) and a password made with them.
    void setOptions(const PasswordGenerator::Options& options);
    QString password() const;

    QSpinBox* lengthBox() const { return m_length; }
    QCheckBox* classBox(PasswordGenerator::CharacterClass characterClass) const;
    QCheckBox* lookAlikesBox() const { return m_lookAlikes; }
    QLineEdit* passwordEdit() const { return m_password; }
    QLabel* strengthLabel() const { return m_strength; }
    StrengthBar* strengthBar() const { return m_strengthBar; }
    QPushButton* copyButton() const { return m_copy; }
    QPushButton* regenerateButton() const { return m_regenerate; }
    QPushButton* closeButton() const { return m_close; }

public Q_SLOTS:
    void regenerate();

Q_SIGNALS:
    void copyRequested(const QString& password);

private:
    void optionsChanged();

    QSpinBox* m_length;
    QCheckBox* m_upper;
    QCheckBox* m_lower;
    QCheckBox* m_digits;
    QCheckBox* m_symbols;
    QCheckBox* m_lookAlikes;
    QLineEdit* m_password;
    QLabel* m_strength;
    StrengthBar* m_strengthBar;
    QPushButton* m_copy;
    QPushButton* m_regenerate;
    QPushButton* m_close;
    bool m_settingOptions = false;
};

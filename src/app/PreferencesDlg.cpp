#include "app/PreferencesDlg.h"

#include "app/Preferences.h"
#include "dialogs/ClampedSpinBox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
// A spin box over a whole-number preference; its lowest value, 0, reads "Never" (or `zeroText`).
QSpinBox* spinBoxFor(Preferences& preferences, const Preferences::IntSetting& setting, const QString& suffix,
    QWidget* parent, const QString& zeroText = QStringLiteral("Never"))
{
    auto* box = new ClampedSpinBox(parent);
    box->setRange(setting.minimum, setting.maximum);
    box->setSuffix(suffix);
    box->setSpecialValueText(zeroText);
    box->setValue(preferences.value(setting));
    QObject::connect(box, &QSpinBox::valueChanged, &preferences,
        [&preferences, &setting](int value) { preferences.setValue(setting, value); });
    return box;
}

QCheckBox* checkBoxFor(
    Preferences& preferences, const Preferences::BoolSetting& setting, const QString& text, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setChecked(preferences.value(setting));
    QObject::connect(box, &QCheckBox::toggled, &preferences,
        [&preferences, &setting](bool checked) { preferences.setValue(setting, checked); });
    return box;
}
} // namespace

PreferencesDlg::PreferencesDlg(Preferences& preferences, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Preferences"));

    auto* security = new QGroupBox(QStringLiteral("Security"), this);
    auto* securityForm = new QFormLayout(security);
    m_clipboardSeconds = spinBoxFor(preferences, Preferences::ClipboardClearSeconds, QStringLiteral(" s"), security);
    securityForm->addRow(QStringLiteral("Clear a copied value from the clip&board after:"), m_clipboardSeconds);
    m_autoLockMinutes = spinBoxFor(preferences, Preferences::AutoLockMinutes, QStringLiteral(" min"), security);
    securityForm->addRow(QStringLiteral("&Lock the document after this long without use:"), m_autoLockMinutes);
    m_lockOnMinimize = checkBoxFor(preferences, Preferences::LockOnMinimize,
        QStringLiteral("Lock the document when the window is &minimized"), security);
    securityForm->addRow(m_lockOnMinimize);
    m_backupCount = spinBoxFor(preferences, Preferences::BackupCount, QString(), security, QStringLiteral("None"));
    m_backupCount->setStatusTip(QStringLiteral("Copies of a wallet kept when a save replaces its file"));
    auto* backupLabel = new QLabel(QStringLiteral("Bac&kups kept of each wallet:"), security);
    backupLabel->setBuddy(m_backupCount);
    securityForm->addRow(backupLabel, m_backupCount);
    m_encryptNewWallets
        = checkBoxFor(preferences, Preferences::EncryptNewWallets, QStringLiteral("&Encrypt new wallets"), security);
    securityForm->addRow(m_encryptNewWallets);

    auto* view = new QGroupBox(QStringLiteral("View"), this);
    auto* viewForm = new QFormLayout(view);
    m_showSecretsOnOpen = checkBoxFor(
        preferences, Preferences::ShowSecretsOnOpen, QStringLiteral("&Show secrets when a wallet opens"), view);
    viewForm->addRow(m_showSecretsOnOpen);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(security);
    layout->addWidget(view);
    layout->addWidget(buttons);
}

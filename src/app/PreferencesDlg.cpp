#include "app/PreferencesDlg.h"

#include "app/Preferences.h"
#include "dialogs/ClampedSpinBox.h"

#include <QCheckBox>
#include <QCoreApplication>
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
    QWidget* parent, const QString& zeroText = QCoreApplication::translate("PreferencesDlg", "Never"))
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
    setWindowTitle(tr("Preferences"));

    auto* security = new QGroupBox(tr("Security"), this);
    auto* securityForm = new QFormLayout(security);
    m_clipboardSeconds = spinBoxFor(preferences, Preferences::ClipboardClearSeconds, tr(" s"), security);
    securityForm->addRow(tr("Clear a copied value from the clip&board after:"), m_clipboardSeconds);
    m_autoLockMinutes = spinBoxFor(preferences, Preferences::AutoLockMinutes, tr(" min"), security);
    securityForm->addRow(tr("&Lock the document after this long without use:"), m_autoLockMinutes);
    m_lockOnMinimize = checkBoxFor(
        preferences, Preferences::LockOnMinimize, tr("Lock the document when the window is &minimized"), security);
    securityForm->addRow(m_lockOnMinimize);
    m_backupCount = spinBoxFor(preferences, Preferences::BackupCount, QString(), security, tr("None"));
    m_backupCount->setStatusTip(tr("Copies of a wallet kept when a save replaces its file"));
    auto* backupLabel = new QLabel(tr("Bac&kups kept of each wallet:"), security);
    backupLabel->setBuddy(m_backupCount);
    securityForm->addRow(backupLabel, m_backupCount);
    m_encryptNewWallets
        = checkBoxFor(preferences, Preferences::EncryptNewWallets, tr("&Encrypt new wallets"), security);
    securityForm->addRow(m_encryptNewWallets);

    auto* view = new QGroupBox(tr("View"), this);
    auto* viewForm = new QFormLayout(view);
    m_showSecretsOnOpen
        = checkBoxFor(preferences, Preferences::ShowSecretsOnOpen, tr("&Show secrets when a wallet opens"), view);
    viewForm->addRow(m_showSecretsOnOpen);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("&Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(security);
    layout->addWidget(view);
    layout->addWidget(buttons);
}

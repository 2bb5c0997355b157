#include "app/EncryptionCommands.h"

#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/Preferences.h"
#include "dialogs/UiPrompts.h"
#include "document/DocumentTexts.h"
#include "document/QuorrilDoc.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>

namespace {
QString newPasswordQuestion()
{
    return QCoreApplication::translate("EncryptionCommands",
        "Choose a new password for the encrypted wallet?\n\n"
        "Every classic copy of this wallet (backups, sync history, the file as it is now) holds its present "
        "password in a form anyone can read, and that password would open the encrypted wallet too.\n\n"
        "Yes chooses a new password; No keeps the present one, which is weaker.");
}

QString classicQuestion()
{
    return QCoreApplication::translate("EncryptionCommands", "Save as a classic wallet?") + QLatin1Char(' ')
        + DocumentText::classicRisk();
}
} // namespace

QString EncryptionCommands::paneText(bool encrypted, bool pending)
{
    const QString state = encrypted ? tr("Encrypted") : tr("Not Encrypted");
    return pending ? tr("%1 at next save").arg(state) : state;
}

EncryptionCommands::EncryptionCommands(CMainFrame& frame)
    : QObject(&frame)
    , m_frame(frame)
    , m_pane(frame.encryptionPane())
{
    QAction* encrypt = m_frame.action(ID_ENCRYPT_WALLET);
    encrypt->setCheckable(true);
    connect(encrypt, &QAction::triggered, this, &EncryptionCommands::OnEncryptWallet);

    // As wide as its longer text, so the status bar does not move when it changes.
    m_pane->setMinimumWidth(m_pane->fontMetrics().horizontalAdvance(paneText(false, true)) + 12);

    CQuorrilDoc& doc = m_frame.document();
    Preferences& preferences = m_frame.preferences();
    doc.setEncryptNewDocuments(preferences.encryptNewWallets());
    connect(&preferences, &Preferences::changed, this, [&doc, &preferences](const QString& key) {
        if (Preferences::EncryptNewWallets.is(key))
            doc.setEncryptNewDocuments(preferences.encryptNewWallets());
    });
    connect(&doc, &CQuorrilDoc::encryptionChanged, this, &EncryptionCommands::updateState);
    updateState();
}

void EncryptionCommands::OnEncryptWallet(bool encrypted)
{
    CQuorrilDoc& doc = m_frame.document();
    if (encrypted)
        encrypt();
    else if (!doc.savedEncrypted()
        || m_frame.prompts().question(
            classicQuestion(), UiPrompts::Icon::Warning, UiPrompts::Answer::No, UiPrompts::Answer::No))
        doc.setEncrypted(false);
    // A switch refused or given up (or the document is locked) leaves the check mark as it was.
    updateState();
}

void EncryptionCommands::encrypt()
{
    CQuorrilDoc& doc = m_frame.document();
    if (!doc.encryptingNeedsNewPassword()) {
        doc.setEncrypted(true);
        return;
    }
    UiPrompts& prompts = m_frame.prompts();
    switch (prompts.questionWithCancel(newPasswordQuestion())) {
    case UiPrompts::Answer::Yes:
        if (const std::optional<QString> password = prompts.password(Prompts::PasswordMode::SetEncrypted))
            doc.encryptWithNewPassword(*password);
        break;
    case UiPrompts::Answer::No:
        doc.setEncrypted(true);
        break;
    case UiPrompts::Answer::Cancel:
        break;
    }
}

void EncryptionCommands::updateState()
{
    const CQuorrilDoc& doc = m_frame.document();
    QAction* encrypt = m_frame.action(ID_ENCRYPT_WALLET);
    encrypt->setChecked(doc.isEncrypted());
    encrypt->setEnabled(doc.canSwitchEncryption());
    m_pane->setText(paneText(doc.isEncrypted(), doc.encryptionPending()));
}

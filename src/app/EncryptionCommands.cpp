#include "app/EncryptionCommands.h"

#include "app/CommandIds.h"
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

EncryptionCommands::EncryptionCommands(CQuorrilDoc& document, UiPrompts& prompts, Preferences& preferences,
    const CommandActions& actions, QLabel& pane, QObject* parent)
    : QObject(parent)
    , m_doc(document)
    , m_prompts(prompts)
    , m_encrypt(actions.value(ID_ENCRYPT_WALLET))
    , m_pane(pane)
{
    m_encrypt->setCheckable(true);
    connect(m_encrypt, &QAction::triggered, this, &EncryptionCommands::OnEncryptWallet);

    m_doc.setEncryptNewDocuments(preferences.encryptNewWallets());
    connect(&preferences, &Preferences::changed, this, [this, &preferences](const QString& key) {
        if (Preferences::EncryptNewWallets.is(key))
            m_doc.setEncryptNewDocuments(preferences.encryptNewWallets());
    });
    connect(&m_doc, &CQuorrilDoc::encryptionChanged, this, &EncryptionCommands::updateState);
    updateState();
}

void EncryptionCommands::OnEncryptWallet(bool encrypted)
{
    if (encrypted)
        encrypt();
    else if (!m_doc.savedEncrypted()
        || m_prompts.question(
            classicQuestion(), UiPrompts::Icon::Warning, UiPrompts::Answer::No, UiPrompts::Answer::No))
        m_doc.setEncrypted(false);
    // A switch refused or given up (or the document is locked) leaves the check mark as it was.
    updateState();
}

void EncryptionCommands::encrypt()
{
    if (!m_doc.encryptingNeedsNewPassword()) {
        m_doc.setEncrypted(true);
        return;
    }
    switch (m_prompts.questionWithCancel(newPasswordQuestion())) {
    case UiPrompts::Answer::Yes:
        if (const std::optional<QString> password = m_prompts.password(Prompts::PasswordMode::SetEncrypted))
            m_doc.encryptWithNewPassword(*password);
        break;
    case UiPrompts::Answer::No:
        m_doc.setEncrypted(true);
        break;
    case UiPrompts::Answer::Cancel:
        break;
    }
}

void EncryptionCommands::updateState()
{
    m_encrypt->setChecked(m_doc.isEncrypted());
    m_encrypt->setEnabled(m_doc.canSwitchEncryption());
    const QString text = paneText(m_doc.isEncrypted(), m_doc.encryptionPending());
    m_pane.setText(text);
    // As wide as the text it shows, not as its longest one: the message pane beside it needs the
    // room for the notes of an opened wallet.
    m_pane.setMinimumWidth(m_pane.fontMetrics().horizontalAdvance(text) + 12);
}

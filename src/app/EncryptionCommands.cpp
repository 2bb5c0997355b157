#include "app/EncryptionCommands.h"

#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/Preferences.h"
#include "document/QuorrilDoc.h"

#include <QAction>
#include <QLabel>

namespace {
const QString kEncrypted = QStringLiteral("Encrypted");
const QString kNotEncrypted = QStringLiteral("Not Encrypted");
} // namespace

EncryptionCommands::EncryptionCommands(CMainFrame& frame)
    : QObject(&frame)
    , m_frame(frame)
    , m_pane(frame.encryptionPane())
{
    QAction* encrypt = m_frame.action(ID_ENCRYPT_WALLET);
    encrypt->setCheckable(true);
    connect(encrypt, &QAction::triggered, this, &EncryptionCommands::OnEncryptWallet);

    // As wide as its longer text, so the status bar does not move when it changes.
    m_pane->setMinimumWidth(m_pane->fontMetrics().horizontalAdvance(kNotEncrypted) + 12);

    CQuorrilDoc& doc = m_frame.document();
    Preferences& preferences = m_frame.preferences();
    doc.setEncryptNewDocuments(preferences.encryptNewWallets());
    connect(&preferences, &Preferences::changed, this,
        [&doc, &preferences] { doc.setEncryptNewDocuments(preferences.encryptNewWallets()); });
    connect(&doc, &CQuorrilDoc::encryptionChanged, this, &EncryptionCommands::updateState);
    updateState();
}

void EncryptionCommands::OnEncryptWallet(bool encrypted)
{
    m_frame.document().setEncrypted(encrypted);
    // A switch the document refused (it is locked) leaves the check mark as it was.
    updateState();
}

void EncryptionCommands::updateState()
{
    const CQuorrilDoc& doc = m_frame.document();
    QAction* encrypt = m_frame.action(ID_ENCRYPT_WALLET);
    encrypt->setChecked(doc.isEncrypted());
    encrypt->setEnabled(doc.canSwitchEncryption());
    m_pane->setText(doc.isEncrypted() ? kEncrypted : kNotEncrypted);
}

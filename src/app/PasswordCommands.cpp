#include "app/PasswordCommands.h"

#include "app/CommandIds.h"
#include "document/QuorrilDoc.h"
#include "format/Sodium.h"

#include <QAction>
#include <QCoreApplication>
#include <QStatusBar>

PasswordCommands::PasswordCommands(
    CQuorrilDoc& document, const CommandActions& actions, QStatusBar& statusBar, QObject* parent)
    : QObject(parent)
    , m_doc(document)
    , m_actions(actions)
    , m_statusBar(statusBar)
{
    connect(m_actions.value(ID_LOCK_DOCUMENT), &QAction::triggered, &m_doc, &CQuorrilDoc::OnLockDocument);
    connect(m_actions.value(ID_UNLOCK_DOCUMENT), &QAction::triggered, &m_doc, &CQuorrilDoc::OnUnlockDocument);
    connect(m_actions.value(ID_CHANGE_PASSWORD), &QAction::triggered, &m_doc, &CQuorrilDoc::OnChangeDocumentPassword);
    connect(&m_doc, &CQuorrilDoc::lockChanged, this, &PasswordCommands::noteMemoryLock);
}

void PasswordCommands::noteMemoryLock()
{
    // The seal works all the same; the user hears of it once a session.
    if (m_memoryLockNoted || !Sodium::memoryLockFailed())
        return;
    m_memoryLockNoted = true;
    m_statusBar.showMessage(memoryLockNote(), kNoteMs);
}

QString PasswordCommands::memoryLockNote()
{
    return QCoreApplication::translate(
        "PasswordCommands", "The system refused to lock memory: the sealed wallet may be written to swap");
}

void PasswordCommands::updateState()
{
    m_actions.value(ID_LOCK_DOCUMENT)->setEnabled(m_doc.canLock());
    m_actions.value(ID_UNLOCK_DOCUMENT)->setEnabled(m_doc.canUnlock());
    m_actions.value(ID_CHANGE_PASSWORD)->setEnabled(m_doc.canChangePassword());
}

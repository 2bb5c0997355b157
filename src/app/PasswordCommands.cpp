#include "app/PasswordCommands.h"

#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "document/QuorrilDoc.h"
#include "format/Sodium.h"

#include <QAction>
#include <QCoreApplication>
#include <QStatusBar>

PasswordCommands::PasswordCommands(CMainFrame& frame)
    : QObject(&frame)
    , m_frame(frame)
{
    CQuorrilDoc& doc = m_frame.document();
    connect(m_frame.action(ID_LOCK_DOCUMENT), &QAction::triggered, &doc, &CQuorrilDoc::OnLockDocument);
    connect(m_frame.action(ID_UNLOCK_DOCUMENT), &QAction::triggered, &doc, &CQuorrilDoc::OnUnlockDocument);
    connect(m_frame.action(ID_CHANGE_PASSWORD), &QAction::triggered, &doc, &CQuorrilDoc::OnChangeDocumentPassword);
    connect(&doc, &CQuorrilDoc::lockChanged, this, &PasswordCommands::noteMemoryLock);
}

void PasswordCommands::noteMemoryLock()
{
    // The seal works all the same; the user hears of it once a session.
    if (m_memoryLockNoted || !Sodium::memoryLockFailed())
        return;
    m_memoryLockNoted = true;
    m_frame.statusBar()->showMessage(memoryLockNote(), kNoteMs);
}

QString PasswordCommands::memoryLockNote()
{
    return QCoreApplication::translate(
        "PasswordCommands", "The system refused to lock memory: the sealed wallet may be written to swap");
}

void PasswordCommands::updateState()
{
    const CQuorrilDoc& doc = m_frame.document();
    m_frame.action(ID_LOCK_DOCUMENT)->setEnabled(doc.canLock());
    m_frame.action(ID_UNLOCK_DOCUMENT)->setEnabled(doc.canUnlock());
    m_frame.action(ID_CHANGE_PASSWORD)->setEnabled(doc.canChangePassword());
}

#include "app/PasswordCommands.h"

#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "document/QuorrilDoc.h"

#include <QAction>

PasswordCommands::PasswordCommands(CMainFrame& frame)
    : QObject(&frame)
    , m_frame(frame)
{
    CQuorrilDoc& doc = m_frame.document();
    connect(m_frame.action(ID_LOCK_DOCUMENT), &QAction::triggered, &doc, &CQuorrilDoc::OnLockDocument);
    connect(m_frame.action(ID_UNLOCK_DOCUMENT), &QAction::triggered, &doc, &CQuorrilDoc::OnUnlockDocument);
    connect(m_frame.action(ID_CHANGE_PASSWORD), &QAction::triggered, &doc, &CQuorrilDoc::OnChangeDocumentPassword);
}

void PasswordCommands::updateState()
{
    const CQuorrilDoc& doc = m_frame.document();
    m_frame.action(ID_LOCK_DOCUMENT)->setEnabled(doc.canLock());
    m_frame.action(ID_UNLOCK_DOCUMENT)->setEnabled(doc.canUnlock());
    m_frame.action(ID_CHANGE_PASSWORD)->setEnabled(doc.canChangePassword());
}

#pragma once

#include "app/CommandActions.h"

#include <QObject>
#include <QString>

class CQuorrilDoc;
class QStatusBar;

// The document-password commands of the toolbar: Lock Document, Unlock Document and Change
// Document Password, each enabled by the document's own rule. Lock and unlock derive their key
// off the window's thread.
class PasswordCommands : public QObject {
    Q_OBJECT
public:
    PasswordCommands(CQuorrilDoc& document, const CommandActions& actions, QStatusBar& statusBar, QObject* parent);

    void updateState();
    // What the status bar says, once, when the memory that holds the sealed wallet cannot be locked
    // (RLIMIT_MEMLOCK).
    static QString memoryLockNote();

private:
    void noteMemoryLock();

    static constexpr int kNoteMs = 15000;
    CQuorrilDoc& m_doc;
    const CommandActions& m_actions;
    QStatusBar& m_statusBar;
    bool m_memoryLockNoted = false;
};

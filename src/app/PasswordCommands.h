#pragma once

#include <QObject>
#include <QString>

class CMainFrame;

// The document-password commands of the toolbar: Lock Document, Unlock Document and Change
// Document Password, each enabled by the document's own rule. Lock and unlock derive their key
// off the window's thread.
class PasswordCommands : public QObject {
    Q_OBJECT
public:
    explicit PasswordCommands(CMainFrame& frame);

    void updateState();
    // What the status bar says, once, when the memory that holds the sealed wallet cannot be locked
    // (RLIMIT_MEMLOCK).
    static QString memoryLockNote();

private:
    void noteMemoryLock();

    static constexpr int kNoteMs = 15000;
    CMainFrame& m_frame;
    bool m_memoryLockNoted = false;
};

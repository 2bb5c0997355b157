#pragma once

#include <QMetaObject>

class CQuorrilDoc;
class QDialog;

// Held by the command that runs a window showing or changing account data, for as long as the
// window is open: a lock of the document rejects the window, as Cancel would, and the command asks
// lockFell() after exec() so that nothing the window returns reaches a locked wallet (an OK pressed
// in the same moment included).
class CloseOnLock {
public:
    CloseOnLock(const CQuorrilDoc& document, QDialog& window);
    ~CloseOnLock();
    CloseOnLock(const CloseOnLock&) = delete;
    CloseOnLock& operator=(const CloseOnLock&) = delete;

    // Whether the document locked while the window was open.
    bool lockFell() const { return m_lockFell; }

private:
    QMetaObject::Connection m_connection;
    bool m_lockFell = false;
};

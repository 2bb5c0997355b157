#include "dialogs/CloseOnLock.h"

#include "document/QuorrilDoc.h"

#include <QDialog>

CloseOnLock::CloseOnLock(const CQuorrilDoc& document, QDialog& window)
{
    m_connection = QObject::connect(&document, &CQuorrilDoc::lockChanged, &window, [this, &window](bool locked) {
        if (!locked)
            return;
        m_lockFell = true;
        window.reject();
    });
}

CloseOnLock::~CloseOnLock() { QObject::disconnect(m_connection); }

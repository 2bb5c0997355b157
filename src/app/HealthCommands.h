#pragma once

#include "app/CommandActions.h"

#include <QFuture>
#include <QObject>

class CQuorrilDoc;
class ExpiringCommands;
class QAction;
class QWidget;

// View > Password Health… and the status-bar note, when a wallet is opened or unlocked, of how many
// of its passwords are weak or reused. The note is graded on another thread, so that a large wallet
// opens as fast as before; it joins the expiring note when it is ready, and is dropped if the wallet
// changed, locked or closed in the meantime.
class HealthCommands : public QObject {
    Q_OBJECT
public:
    // The note is shown through the expiring commands' note; `window` is the parent of the dialog.
    HealthCommands(CQuorrilDoc& document, ExpiringCommands& expiring, const CommandActions& actions, QWidget& window);

    void updateState();
    void OnViewPasswordHealth();
    // Whether a note is being graded.
    bool gradingNote() const { return m_pending > 0; }

Q_SIGNALS:
    // The note is shown (possibly empty: nothing weak or reused).
    void noteReady();

private:
    void startNote();

    CQuorrilDoc& m_doc;
    ExpiringCommands& m_expiring;
    QAction* m_action;
    QWidget& m_window;
    // Each start of a note counts up; a result of an older one is stale.
    quint64 m_generation = 0;
    int m_pending = 0;
    QFuture<qsizetype> m_grading;
};

#pragma once

#include "core/AccountId.h"

#include <QDate>
#include <QFuture>
#include <QObject>

#include <functional>

class CMainFrame;

// View > Password Health… and the status-bar note, when a wallet is opened or unlocked, of how many
// of its passwords are weak or reused. The note is graded on another thread, so that a large wallet
// opens as fast as before; it joins the expiring note when it is ready, and is dropped if the wallet
// changed, locked or closed in the meantime.
class HealthCommands : public QObject {
    Q_OBJECT
public:
    explicit HealthCommands(CMainFrame& frame);

    void updateState();
    void OnViewPasswordHealth();
    // A calendar of the test's own.
    // Whether a note is being graded.
    bool gradingNote() const { return m_pending > 0; }

Q_SIGNALS:
    // The note is shown (possibly empty: nothing weak or reused).
    void noteReady();

private:
    void startNote();

    CMainFrame& m_frame;
    // Each start of a note counts up; a result of an older one is stale.
    quint64 m_generation = 0;
    int m_pending = 0;
    QFuture<qsizetype> m_grading;
};

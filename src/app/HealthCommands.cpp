#include "app/HealthCommands.h"

#include "core/Clock.h"

#include "app/CommandIds.h"
#include "app/ExpiringCommands.h"
#include "app/HealthDlg.h"
#include "document/ExpiringItems.h"
#include "document/PasswordHealth.h"
#include "document/QuorrilDoc.h"

#include <QAction>
#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>

#include <memory>

HealthCommands::HealthCommands(
    CQuorrilDoc& document, ExpiringCommands& expiring, const CommandActions& actions, QWidget& window)
    : QObject(&window)
    , m_doc(document)
    , m_expiring(expiring)
    , m_action(actions.value(ID_VIEW_PASSWORD_HEALTH))
    , m_window(window)
{
    connect(m_action, &QAction::triggered, this, &HealthCommands::OnViewPasswordHealth);
    connect(&m_doc, &CQuorrilDoc::documentReset, this, &HealthCommands::startNote);
    connect(&m_doc, &CQuorrilDoc::lockChanged, this, &HealthCommands::startNote);
}

void HealthCommands::updateState() { m_action->setEnabled(!m_doc.IsLocked()); }

void HealthCommands::OnViewPasswordHealth()
{
    if (m_doc.IsLocked())
        return;
    HealthDlg dialog(m_doc, Clock::today, &m_window);
    connect(&dialog, &HealthDlg::accountActivated, &m_expiring, &ExpiringCommands::openAccount);
    dialog.exec();
}

void HealthCommands::startNote()
{
    // A note still being graded is of a wallet that changed, locked or closed: it stops.
    m_grading.cancel();
    const quint64 generation = ++m_generation;
    m_expiring.setHealthNote(QString());
    const CQuorrilDoc& doc = m_doc;
    // A wallet opened from its file (a new one has nothing yet), and only while it can be read.
    if (doc.GetPathName().isEmpty() || doc.IsLocked())
        return;
    ++m_pending;
    // The snapshot copies what the grading needs, and the other thread touches nothing else: it
    // hands the count over through a promise that this object watches (and stops watching when it
    // goes).
    auto promise = std::make_shared<QPromise<qsizetype>>();
    auto* watcher = new QFutureWatcher<qsizetype>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        --m_pending;
        if (generation != m_generation || watcher->future().isCanceled() || watcher->future().resultCount() == 0)
            return;
        m_expiring.setHealthNote(PasswordHealth::statusNote(watcher->result()));
        Q_EMIT noteReady();
    });
    promise->start();
    m_grading = promise->future();
    watcher->setFuture(m_grading);
    QThreadPool::globalInstance()->start([promise, snapshot = PasswordHealth::snapshot(doc, Clock::today())]() mutable {
        const auto entries
            = PasswordHealth::evaluate(std::move(snapshot), [&promise] { return promise->isCanceled(); });
        if (!promise->isCanceled())
            promise->addResult(PasswordHealth::weakOrReused(entries));
        promise->finish();
    });
}

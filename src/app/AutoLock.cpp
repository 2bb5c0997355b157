#include "app/AutoLock.h"

#include "app/IdleWatcher.h"
#include "app/Preferences.h"
#include "dialogs/UiPrompts.h"
#include "document/QuorrilDoc.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QTimer>

namespace {
constexpr qint64 kMsPerMinute = 60 * 1000;
// How soon a lock that waits for a cancelled password prompt looks again.
constexpr int kRetryMs = 10;
} // namespace

AutoLock::AutoLock(CQuorrilDoc& document, UiPrompts& prompts, Preferences& preferences, QAction& lockCommand,
    QWidget& window, QLabel& messagePane)
    : QObject(&window)
    , m_doc(document)
    , m_prompts(prompts)
    , m_preferences(preferences)
    , m_lockCommand(lockCommand)
    , m_window(window)
    , m_messagePane(messagePane)
    , m_idle(new IdleWatcher(this))
{
    connect(m_idle, &IdleWatcher::idle, this, [this] { lockFor(Reason::Idle); });
    connect(&m_preferences, &Preferences::changed, this, [this](const QString& key) {
        if (Preferences::AutoLockMinutes.is(key))
            followPreferences();
    });
    connect(&m_doc, &CQuorrilDoc::lockChanged, this, [this](bool locked) {
        // Unlocked: the note of why it locked has had its day.
        if (!locked && m_messagePane.text() == m_shownText)
            Q_EMIT noteDone();
    });
    m_window.installEventFilter(this);
    followPreferences();
}

void AutoLock::followPreferences()
{
    const qint64 interval = qint64(m_preferences.autoLockMinutes()) * kMsPerMinute;
    if (interval != m_idle->interval())
        m_idle->setInterval(interval);
}

QString AutoLock::statusText(Reason reason, int idleMinutes)
{
    switch (reason) {
    case Reason::Idle:
        return idleMinutes == 1 ? tr("Locked after 1 minute without use")
                                : tr("Locked after %1 minutes without use").arg(idleMinutes);
    case Reason::ScreenLocked:
        return tr("Locked when the screen was locked");
    case Reason::Minimized:
        return tr("Locked when the window was minimized");
    }
    return {};
}

void AutoLock::lockFor(Reason reason)
{
    if (!m_doc.canLock())
        return;
    if (m_prompts.passwordPromptOpen()) {
        // The prompt belongs to a command of the document that is still running: it is answered
        // Cancel, and the lock falls once that command has returned.
        m_pending = reason;
        m_prompts.cancelOpenPrompts();
        QTimer::singleShot(0, this, &AutoLock::retryPending);
        return;
    }
    m_pending.reset();
    // The command's enabled state is refreshed when the window looks, and may lag behind: the
    // document can lock, so the command can run.
    m_lockCommand.setEnabled(true);
    m_lockCommand.trigger();
    if (m_doc.IsLocked()) {
        m_shownText = statusText(reason, m_preferences.autoLockMinutes());
        m_messagePane.setText(m_shownText);
    }
}

void AutoLock::retryPending()
{
    if (!m_pending)
        return;
    if (m_prompts.passwordPromptOpen()) {
        QTimer::singleShot(kRetryMs, this, &AutoLock::retryPending);
        return;
    }
    lockFor(*m_pending);
}

bool AutoLock::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && event->type() == QEvent::WindowStateChange && m_window.isMinimized()
        && m_preferences.lockOnMinimize())
        lockFor(Reason::Minimized);
    return QObject::eventFilter(watched, event);
}

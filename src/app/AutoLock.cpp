#include "app/AutoLock.h"

#include "app/CommandIds.h"
#include "app/IdleWatcher.h"
#include "app/MainFrame.h"
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

AutoLock::AutoLock(CMainFrame& frame, Preferences& preferences)
    : QObject(&frame)
    , m_frame(frame)
    , m_preferences(preferences)
    , m_idle(new IdleWatcher(this))
{
    connect(m_idle, &IdleWatcher::idle, this, [this] { lockFor(Reason::Idle); });
    connect(&m_preferences, &Preferences::changed, this, [this](const QString& key) {
        if (Preferences::AutoLockMinutes.is(key))
            followPreferences();
    });
    connect(&m_frame.document(), &CQuorrilDoc::lockChanged, this, [this](bool locked) {
        // Unlocked: the note of why it locked has had its day.
        if (!locked && m_frame.messagePane()->text() == m_shownText)
            m_frame.showRestingText();
    });
    m_frame.installEventFilter(this);
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
    CQuorrilDoc& doc = m_frame.document();
    if (!doc.canLock())
        return;
    UiPrompts& prompts = m_frame.prompts();
    if (prompts.passwordPromptOpen()) {
        // The prompt belongs to a command of the document that is still running: it is answered
        // Cancel, and the lock falls once that command has returned.
        m_pending = reason;
        prompts.cancelOpenPrompts();
        QTimer::singleShot(0, this, &AutoLock::retryPending);
        return;
    }
    m_pending.reset();
    m_frame.updateCommandStates();
    m_frame.action(ID_LOCK_DOCUMENT)->trigger();
    if (doc.IsLocked()) {
        m_shownText = statusText(reason, m_preferences.autoLockMinutes());
        m_frame.messagePane()->setText(m_shownText);
    }
}

void AutoLock::retryPending()
{
    if (!m_pending)
        return;
    if (m_frame.prompts().passwordPromptOpen()) {
        QTimer::singleShot(kRetryMs, this, &AutoLock::retryPending);
        return;
    }
    lockFor(*m_pending);
}

bool AutoLock::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_frame && event->type() == QEvent::WindowStateChange && m_frame.isMinimized()
        && m_preferences.lockOnMinimize())
        lockFor(Reason::Minimized);
    return QObject::eventFilter(watched, event);
}

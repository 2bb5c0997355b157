#include "app/AutoLock.h"

#include "app/CommandIds.h"
#include "app/IdleWatcher.h"
#include "app/MainFrame.h"
#include "app/Preferences.h"
#include "dialogs/AccountEditor.h"
#include "dialogs/DuplicateAccountDlg.h"
#include "dialogs/PasswordDlg.h"
#include "document/QuorrilDoc.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>

namespace {
constexpr qint64 kMsPerMinute = 60 * 1000;

template <class Dialog> QList<QPointer<Dialog>> openWindows()
{
    QList<QPointer<Dialog>> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<Dialog*>(window); dialog && dialog->isVisible())
            found.append(dialog);
    return found;
}
} // namespace

AutoLock::AutoLock(CMainFrame& frame, Preferences& preferences)
    : QObject(&frame)
    , m_frame(frame)
    , m_preferences(preferences)
    , m_idle(new IdleWatcher(this))
{
    connect(m_idle, &IdleWatcher::idle, this, [this] { lockFor(Reason::Idle); });
    connect(&m_preferences, &Preferences::changed, this, &AutoLock::followPreferences);
    connect(&m_frame.document(), &CQuorrilDoc::lockChanged, this, [this](bool locked) {
        // Unlocked: the note of why it locked has had its day.
        if (!locked && m_frame.messagePane()->text() == m_shownText)
            m_frame.messagePane()->setText(QStringLiteral("Ready"));
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
        return idleMinutes == 1 ? QStringLiteral("Locked after 1 minute without use")
                                : QStringLiteral("Locked after %1 minutes without use").arg(idleMinutes);
    case Reason::ScreenLocked:
        return QStringLiteral("Locked when the screen was locked");
    case Reason::Minimized:
        return QStringLiteral("Locked when the window was minimized");
    }
    return {};
}

bool AutoLock::passwordPromptOpen() { return !openWindows<CPasswordDlg>().isEmpty(); }

void AutoLock::lockFor(Reason reason)
{
    CQuorrilDoc& doc = m_frame.document();
    if (!doc.canLock())
        return;
    if (passwordPromptOpen()) {
        if (reason == Reason::Idle)
            return;
        if (!m_pending)
            for (const QPointer<CPasswordDlg>& prompt : openWindows<CPasswordDlg>())
                connect(prompt, &QDialog::finished, this, &AutoLock::retryPending, Qt::QueuedConnection);
        m_pending = reason;
        return;
    }
    m_pending.reset();
    cancelAccountDialogs();
    m_frame.updateCommandStates();
    m_frame.action(ID_LOCK_DOCUMENT)->trigger();
    if (doc.IsLocked()) {
        m_shownText = statusText(reason, m_preferences.autoLockMinutes());
        m_frame.messagePane()->setText(m_shownText);
    }
}

void AutoLock::retryPending()
{
    if (!m_pending || passwordPromptOpen())
        return;
    const Reason reason = *m_pending;
    m_pending.reset();
    lockFor(reason);
}

void AutoLock::cancelAccountDialogs()
{
    const QList<QPointer<CAccountDialog>> dialogs = openWindows<CAccountDialog>();
    if (dialogs.isEmpty())
        return;
    // The boxes an account dialog asks with end as Esc would end them; none of its questions
    // stores anything then.
    for (const QPointer<QMessageBox>& box : openWindows<QMessageBox>()) {
        if (QAbstractButton* escape = box->escapeButton())
            escape->click();
        else
            box->reject();
    }
    for (const QPointer<CDuplicateAccountDlg>& warning : openWindows<CDuplicateAccountDlg>())
        warning->reject();
    for (const QPointer<CAccountDialog>& dialog : dialogs)
        if (dialog)
            dialog->reject();
}

bool AutoLock::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_frame && event->type() == QEvent::WindowStateChange && m_frame.isMinimized()
        && m_preferences.lockOnMinimize())
        lockFor(Reason::Minimized);
    return QObject::eventFilter(watched, event);
}

#include "app/IdleWatcher.h"

#include "core/Clock.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <limits>

namespace {
bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
        return true;
    default:
        return false;
    }
}
} // namespace

IdleWatcher::IdleWatcher(QObject* parent)
    : QObject(parent)
{
    m_lastInput = Clock::steadyMs();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &IdleWatcher::onTimeout);
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

IdleWatcher::~IdleWatcher()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

void IdleWatcher::setInterval(qint64 ms)
{
    m_interval = std::max<qint64>(ms, 0);
    m_timer.stop();
    if (m_interval > 0)
        check();
}

void IdleWatcher::noteInput()
{
    m_lastInput = Clock::steadyMs();
    // After idle() was sent the timer sleeps until someone is back.
    if (m_interval > 0 && !m_timer.isActive())
        arm(m_interval);
}

bool IdleWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (isInput(event->type()))
        noteInput();
    return QObject::eventFilter(watched, event);
}

void IdleWatcher::onTimeout()
{
    ++m_wakeUps;
    check();
}

void IdleWatcher::check()
{
    m_timer.stop();
    if (m_interval <= 0)
        return;
    const qint64 quiet = Clock::steadyMs() - m_lastInput;
    if (quiet >= m_interval) {
        Q_EMIT idle();
        return;
    }
    arm(m_interval - quiet);
}

void IdleWatcher::arm(qint64 ms)
{
    const qint64 wait = std::clamp<qint64>(ms, MinimumWakeMs, std::numeric_limits<int>::max());
    m_timer.start(int(wait));
}

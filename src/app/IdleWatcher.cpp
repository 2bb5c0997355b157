#include "app/IdleWatcher.h"

#include "app/InputWatch.h"
#include "core/Clock.h"

#include <algorithm>
#include <limits>

IdleWatcher::IdleWatcher(QObject* parent)
    : QObject(parent)
{
    m_lastInput = Clock::steadyMs();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &IdleWatcher::onTimeout);
    connect(&InputWatch::instance(), &InputWatch::input, this, &IdleWatcher::noteInput);
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

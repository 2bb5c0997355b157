#include "core/Clock.h"

#include <QElapsedTimer>

#include <atomic>
#include <cassert>

namespace Clock {

namespace {
// The fake's state, read by any thread: the time of day in ms since the epoch (UTC), the steady
// count and the second's length.
std::atomic<bool> g_fake { false };
std::atomic<qint64> g_fakeEpochMs { 0 };
std::atomic<qint64> g_fakeSteadyMs { 0 };
std::atomic<qint64> g_secondMs { 1000 };

const QElapsedTimer& steadyTimer()
{
    static const QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return timer;
}
} // namespace

QDateTime nowUtc()
{
    if (g_fake)
        return QDateTime::fromMSecsSinceEpoch(g_fakeEpochMs, Qt::UTC);
    return QDateTime::currentDateTimeUtc();
}

QDateTime now() { return g_fake ? nowUtc().toLocalTime() : QDateTime::currentDateTime(); }

QDate today() { return now().date(); }

qint64 steadyMs() { return g_fake ? g_fakeSteadyMs.load() : steadyTimer().elapsed(); }

std::chrono::milliseconds second() { return std::chrono::milliseconds(g_secondMs.load()); }

Fake::Fake(const QDateTime& start)
{
    assert(!g_fake && "one fake clock at a time");
    g_fakeEpochMs = start.toMSecsSinceEpoch();
    // Far from zero, so that "long ago" is a time the count has seen.
    g_fakeSteadyMs = 1000000;
    g_fake = true;
}

Fake::~Fake()
{
    g_fake = false;
    g_secondMs = 1000;
}

void Fake::advance(std::chrono::milliseconds by)
{
    g_fakeEpochMs += by.count();
    g_fakeSteadyMs += by.count();
}

void Fake::setToday(QDate date)
{
    const QDateTime local = now();
    g_fakeEpochMs = QDateTime(date, local.time()).toMSecsSinceEpoch();
}

void Fake::setSecondLength(std::chrono::milliseconds length) { g_secondMs = length.count(); }

} // namespace Clock

#pragma once

#include <QDateTime>

#include <chrono>

// The program's one clock: the date and time it works with, a steady count for intervals, and the
// length of the second its timers count in. Everything that asks the time asks here, so that a test
// stands the whole program still with one Clock::Fake and moves it as it needs.
namespace Clock {

QDateTime now(); // local time
QDateTime nowUtc();
QDate today();
// Milliseconds on a monotonic count (never set back, not the time of day).
qint64 steadyMs();
// The length of one second of the delays counted in seconds (the clipboard's clearing): a second,
// unless a test makes it shorter.
std::chrono::milliseconds second();

// While one lives, the clock stands at its time and moves only when told; the steady count and the
// time of day move together. One at a time, made and moved on the main thread (other threads may
// read the clock meanwhile).
class Fake {
public:
    explicit Fake(const QDateTime& start = QDateTime(QDate(2026, 12, 10), QTime(12, 0)));
    ~Fake();
    Fake(const Fake&) = delete;
    Fake& operator=(const Fake&) = delete;

    void advance(std::chrono::milliseconds by);
    // Another day at the same time of day.
    void setToday(QDate date);
    void setSecondLength(std::chrono::milliseconds length);
};

} // namespace Clock

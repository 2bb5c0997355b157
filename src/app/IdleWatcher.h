#pragma once

#include <QObject>
#include <QTimer>

// Tells when the program has had no keyboard or mouse input for a while. Every input only notes
// the time (as InputWatch announces it; no timer restarted per event); one single-shot
// timer, armed for the deadline, looks at the last input when it fires and either reports
// idleness or sleeps again for what is left. An idle program so wakes once per interval at most,
// and never more often than once a second.
class IdleWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int MinimumWakeMs = 1000;

    explicit IdleWatcher(QObject* parent = nullptr);

    // The time without input after which idle() is sent; 0 turns the watch off.
    void setInterval(qint64 ms);
    qint64 interval() const { return m_interval; }

    // What the timer does when it fires: reports idleness or waits for the rest of the interval.
    void check();
    // Notes an input now (InputWatch calls it for every key and mouse event).
    void noteInput();

    bool isArmed() const { return m_timer.isActive(); }
    // Milliseconds until the timer fires next; -1 when it is not armed.
    int remainingMs() const { return m_timer.isActive() ? m_timer.remainingTime() : -1; }
    // How often the timer has fired since the watcher was made.
    int wakeUps() const { return m_wakeUps; }

Q_SIGNALS:
    // The interval has passed without input. Sent once; the watch starts again at the next input.
    void idle();

private:
    void arm(qint64 ms);
    void onTimeout();

    QTimer m_timer;
    qint64 m_interval = 0;
    qint64 m_lastInput = 0;
    int m_wakeUps = 0;
};

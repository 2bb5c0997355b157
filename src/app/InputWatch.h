#pragma once

#include <QEvent>
#include <QObject>

// The program's one application-wide event filter: every keyboard, mouse, touch and tablet event
// is announced once, before it reaches its widget. Those who follow the user's hands (the idle
// watch of auto-lock, the lock-key panes) connect to it instead of filtering every event of the
// program themselves. Made at the first use and kept for the life of the application.
class InputWatch : public QObject {
    Q_OBJECT
public:
    static InputWatch& instance();

Q_SIGNALS:
    // An input event; `atWindow` when it is delivered to a top-level window (each key event is seen
    // there once, while the widgets inside may see it again as it propagates).
    void input(QEvent::Type type, bool atWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InputWatch();
};

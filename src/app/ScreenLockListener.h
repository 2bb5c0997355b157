#pragma once

#include <QDBusConnection>
#include <QObject>

// Hears the desktop lock its screen, over D-Bus: the screen saver's ActiveChanged(true) on the
// session bus (org.freedesktop.ScreenSaver, and GNOME's org.gnome.ScreenSaver) and logind's Lock
// on the system bus. Lock is heard for this program's own session when XDG_SESSION_ID names it,
// else for any session (locking is always safe). Where a bus is missing nothing is heard and
// nothing is said.
class ScreenLockListener : public QObject {
    Q_OBJECT
public:
    // Listens on the session and system buses of the desktop.
    explicit ScreenLockListener(QObject* parent = nullptr);
    // Listens on the connections given (tests use private buses).
    ScreenLockListener(const QDBusConnection& session, const QDBusConnection& system, QObject* parent = nullptr);

    // How many of the signals could be subscribed to (0 without any bus).
    int subscriptions() const { return m_subscriptions; }
    // The object path of the logind session for a session id, as logind escapes it:
    // "2" gives "/org/freedesktop/login1/session/_32".
    static QString sessionPath(const QByteArray& sessionId);

Q_SIGNALS:
    void screenLocked();

private Q_SLOTS:
    void onActiveChanged(bool active);
    void onSessionLock();

private:
    void listen(QDBusConnection session, QDBusConnection system);

    int m_subscriptions = 0;
};

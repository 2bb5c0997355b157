#include "app/ScreenLockListener.h"

#include <QFile>

namespace {
// A bus connection only where the environment names one, so that a machine without a desktop
// session tries no autolaunch and prints nothing.
QDBusConnection busIfAny(QDBusConnection::BusType type, const char* addressVariable)
{
    if (qEnvironmentVariableIsEmpty(addressVariable)) {
        if (type == QDBusConnection::SessionBus)
            return QDBusConnection(QStringLiteral("quorril-no-session-bus"));
        // The system bus has a well-known place; without its socket there is no bus.
        if (!QFile::exists(QStringLiteral("/run/dbus/system_bus_socket")))
            return QDBusConnection(QStringLiteral("quorril-no-system-bus"));
    }
    return type == QDBusConnection::SessionBus ? QDBusConnection::sessionBus() : QDBusConnection::systemBus();
}
} // namespace

ScreenLockListener::ScreenLockListener(QObject* parent)
    : QObject(parent)
{
    listen(busIfAny(QDBusConnection::SessionBus, "DBUS_SESSION_BUS_ADDRESS"),
        busIfAny(QDBusConnection::SystemBus, "DBUS_SYSTEM_BUS_ADDRESS"));
}

ScreenLockListener::ScreenLockListener(const QDBusConnection& session, const QDBusConnection& system, QObject* parent)
    : QObject(parent)
{
    listen(session, system);
}

void ScreenLockListener::listen(QDBusConnection session, QDBusConnection system)
{
    if (session.isConnected()) {
        // Any sender, any path: screen savers announce themselves under several names and paths.
        for (const char* interface : { "org.freedesktop.ScreenSaver", "org.gnome.ScreenSaver" })
            if (session.connect(QString(), QString(), QLatin1String(interface), QStringLiteral("ActiveChanged"), this,
                    SLOT(onActiveChanged(bool))))
                ++m_subscriptions;
    }
    if (system.isConnected()) {
        const QByteArray sessionId = qgetenv("XDG_SESSION_ID");
        const QString path = sessionId.isEmpty() ? QString() : sessionPath(sessionId);
        if (system.connect(QStringLiteral("org.freedesktop.login1"), path,
                QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Lock"), this, SLOT(onSessionLock())))
            ++m_subscriptions;
    }
}

QString ScreenLockListener::sessionPath(const QByteArray& sessionId)
{
    QString path = QStringLiteral("/org/freedesktop/login1/session/");
    for (qsizetype i = 0; i < sessionId.size(); ++i) {
        const char c = sessionId.at(i);
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool digit = c >= '0' && c <= '9';
        if (letter || (digit && i > 0))
            path += QLatin1Char(c);
        else
            path += QStringLiteral("_%1").arg(uchar(c), 2, 16, QLatin1Char('0'));
    }
    if (sessionId.isEmpty())
        path += QLatin1Char('_');
    return path;
}

void ScreenLockListener::onActiveChanged(bool active)
{
    if (active)
        Q_EMIT screenLocked();
}

void ScreenLockListener::onSessionLock() { Q_EMIT screenLocked(); }

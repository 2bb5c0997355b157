#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <ctime>

// Runs a test under another local time zone (TZ), restoring the one before at the end of the scope.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone)
        : m_hadZone(qEnvironmentVariableIsSet("TZ"))
        , m_oldZone(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_hadZone)
            qputenv("TZ", m_oldZone);
        else
            qunsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    bool m_hadZone;
    QByteArray m_oldZone;
};

#include "app/Preferences.h"

#include <QSettings>

#include <algorithm>

Preferences::Preferences(QSettings& settings, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
{
}

int Preferences::value(const IntSetting& setting) const
{
    bool ok = false;
    const qlonglong stored = m_settings.value(QLatin1String(setting.key)).toLongLong(&ok);
    if (!ok)
        return setting.fallback;
    return int(std::clamp<qlonglong>(stored, setting.minimum, setting.maximum));
}

bool Preferences::value(const BoolSetting& setting) const
{
    const QVariant stored = m_settings.value(QLatin1String(setting.key));
    // Settings files hold "true"/"false"; anything else is not a choice the user made.
    if (stored.typeId() == QMetaType::Bool)
        return stored.toBool();
    const QString text = stored.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return setting.fallback;
}

void Preferences::setValue(const IntSetting& setting, int value)
{
    const int clamped = std::clamp(value, setting.minimum, setting.maximum);
    const bool differs = clamped != this->value(setting);
    m_settings.setValue(QLatin1String(setting.key), clamped);
    if (differs)
        Q_EMIT changed(QLatin1String(setting.key));
}

void Preferences::setValue(const BoolSetting& setting, bool value)
{
    const bool differs = value != this->value(setting);
    m_settings.setValue(QLatin1String(setting.key), value);
    if (differs)
        Q_EMIT changed(QLatin1String(setting.key));
}

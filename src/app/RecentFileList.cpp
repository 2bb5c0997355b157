#include "app/RecentFileList.h"

#include "core/SettingKeys.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString kGroup = QLatin1String(SettingKeys::RecentFileGroup);
QString key(int number) { return QString::fromLatin1(SettingKeys::RecentFileEntry).arg(number); }
QString fullPath(const QString& path) { return QFileInfo(path).absoluteFilePath(); }
} // namespace

RecentFileList::RecentFileList(QSettings& settings, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
{
    m_settings.beginGroup(kGroup);
    for (int number = 1; number <= MaxEntries; ++number) {
        const QString path = m_settings.value(key(number)).toString();
        if (!path.isEmpty() && !m_entries.contains(path))
            m_entries.append(path);
    }
    m_settings.endGroup();
}

void RecentFileList::add(const QString& path)
{
    const QString full = fullPath(path);
    m_entries.removeAll(full);
    m_entries.prepend(full);
    while (m_entries.size() > MaxEntries)
        m_entries.removeLast();
    save();
}

void RecentFileList::remove(const QString& path)
{
    if (m_entries.removeAll(fullPath(path)) > 0)
        save();
}

void RecentFileList::save()
{
    m_settings.beginGroup(kGroup);
    for (int number = 1; number <= MaxEntries; ++number) {
        if (number <= m_entries.size())
            m_settings.setValue(key(number), m_entries.at(number - 1));
        else
            m_settings.remove(key(number));
    }
    m_settings.endGroup();
    m_settings.sync();
    Q_EMIT changed();
}

#pragma once

#include <QObject>
#include <QStringList>

class QSettings;

// The recent-document list of the File menu: at most four full paths, most recent first, kept in
// the settings group "Recent File List" as File1 to File4 and written back at every change.
class RecentFileList : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxEntries = 4;

    explicit RecentFileList(QSettings& settings, QObject* parent = nullptr);

    QStringList entries() const { return m_entries; }
    // Puts the document's full path first (moving it up when it is listed already).
    void add(const QString& path);
    void remove(const QString& path);

Q_SIGNALS:
    void changed();

private:
    void save();

    QSettings& m_settings;
    QStringList m_entries;
};

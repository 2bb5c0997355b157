#include "document/FileWatch.h"

#include "document/FileAccess.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace {
QByteArray hashOf(const QByteArray& bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256); }

const QString kExtension = QStringLiteral(".qrl");
} // namespace

FileWatch::FileWatch(QObject* parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FileWatch::checkNow);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FileWatch::checkNow);
    connect(&m_poll, &QTimer::timeout, this, &FileWatch::checkNow);
    m_poll.setInterval(PollMilliseconds);
}

void FileWatch::setFile(const QString& path, const QByteArray& bytes)
{
    if (path != m_path) {
        m_copiesSeen.clear();
        if (!m_watcher.files().isEmpty())
            m_watcher.removePaths(m_watcher.files());
        if (!m_watcher.directories().isEmpty())
            m_watcher.removePaths(m_watcher.directories());
    }
    m_path = path;
    m_baseBytes = bytes;
    m_knownHash = hashOf(bytes);
    m_reportedGone = false;
    if (path.isEmpty()) {
        m_poll.stop();
        return;
    }
    rememberStat();
    rewatch();
    m_poll.start();
}

void FileWatch::rememberStat()
{
    const QFileInfo file(m_path);
    m_size = file.exists() ? file.size() : -1;
    m_modified = file.exists() ? file.lastModified() : QDateTime();
}

void FileWatch::rewatch()
{
    // A file replaced by rename is another file: the watch on the old one has ended.
    if (QFileInfo::exists(m_path) && !m_watcher.files().contains(m_path))
        m_watcher.addPath(m_path);
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
}

FileWatch::State FileWatch::check(QByteArray& bytes)
{
    const QFileInfo file(m_path);
    if (!file.exists())
        return State::Gone;
    if (file.size() == m_size && file.lastModified() == m_modified)
        return State::Same;
    QString reason;
    const std::optional<QByteArray> now = FileAccess::readRegularFile(m_path, reason);
    // A file being written may not be readable for a moment: the next look tries again.
    if (!now)
        return State::Same;
    if (hashOf(*now) == m_knownHash) {
        rememberStat();
        return State::Same;
    }
    bytes = *now;
    return State::Changed;
}

void FileWatch::checkNow()
{
    if (m_path.isEmpty())
        return;
    rewatch();
    QByteArray bytes;
    switch (check(bytes)) {
    case State::Same:
        m_reportedGone = false;
        break;
    case State::Changed:
        // Reported once: the same bytes are not news at the next look.
        m_knownHash = hashOf(bytes);
        m_reportedGone = false;
        rememberStat();
        Q_EMIT changedOnDisk(bytes);
        break;
    case State::Gone:
        if (!m_reportedGone) {
            m_reportedGone = true;
            m_size = -1;
            m_modified = QDateTime();
            Q_EMIT gone();
        }
        break;
    }
    if (m_path.isEmpty())
        return;
    for (const QString& copy : conflictCopies()) {
        if (m_copiesSeen.contains(copy))
            continue;
        m_copiesSeen.insert(copy);
        Q_EMIT conflictCopyFound(copy);
    }
}

bool FileWatch::isConflictCopyOf(const QString& walletPath, const QString& candidateName)
{
    QString stem = QFileInfo(walletPath).fileName();
    if (stem.endsWith(kExtension, Qt::CaseInsensitive))
        stem.chop(kExtension.size());
    if (stem.isEmpty() || !candidateName.endsWith(kExtension, Qt::CaseInsensitive))
        return false;
    return candidateName.startsWith(stem + QStringLiteral(".sync-conflict-"))
        || candidateName.startsWith(stem + QStringLiteral(" (conflicted copy "));
}

QStringList FileWatch::conflictCopies() const
{
    const QDir folder = QFileInfo(m_path).absoluteDir();
    QStringList copies;
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (isConflictCopyOf(m_path, name))
            copies << folder.filePath(name);
    }
    return copies;
}

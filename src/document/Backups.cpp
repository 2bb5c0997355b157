#include "document/Backups.h"

#include "core/Clock.h"

#include "document/FileAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimeZone>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
const QString kTimeFormat = QStringLiteral("yyyyMMdd'T'HHmmss'Z'");
constexpr QFileDevice::Permissions kPrivate = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString walletName(const QString& walletPath) { return QFileInfo(walletPath).completeBaseName(); }

// Backups of one wallet: its name, the time, and a number where two were kept within one second.
QRegularExpression namePattern(const QString& wallet)
{
    return QRegularExpression(
        QStringLiteral("^%1-(\\d{8}T\\d{6}Z)(?:-(\\d+))?\\.qrl$").arg(QRegularExpression::escape(wallet)));
}

bool isPrivate(const QFileInfo& file)
{
    const QFileDevice::Permissions others = QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup
        | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    return (file.permissions() & kPrivate) == kPrivate && !(file.permissions() & others);
}

// A second name for the file: nothing is copied, and the kept bytes are the file's own. Only for a
// file that is private already, since both names share the permissions.
bool link(const QFileInfo& source, const QString& target)
{
#ifdef Q_OS_UNIX
    return isPrivate(source)
        && ::link(QFile::encodeName(source.filePath()).constData(), QFile::encodeName(target).constData()) == 0;
#else
    Q_UNUSED(source);
    Q_UNUSED(target);
    return false;
#endif
}

// A backup is seldom read again: its pages leave the memory the system caches files in at once,
// as the replaced file's would have, instead of crowding out what the program writes next.
void releaseCachedPages(const QString& path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
#else
    Q_UNUSED(path);
#endif
}

bool copy(const QFileInfo& source, const QString& target, QString& reason)
{
    const std::optional<QByteArray> bytes = FileAccess::readRegularFile(source.filePath(), reason);
    if (!bytes || !FileAccess::writeWholeFile(target, *bytes, reason))
        return false;
    QFile kept(target);
    if (kept.open(QIODevice::ReadWrite))
        kept.setFileTime(source.lastModified(), QFileDevice::FileModificationTime);
    return true;
}
} // namespace

namespace Backups {

QString folder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Quorril/backups"));
}

std::vector<Entry> list(const QString& walletPath)
{
    std::vector<Entry> entries;
    const QRegularExpression pattern = namePattern(walletName(walletPath));
    const QFileInfoList files = QDir(folder()).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo& file : files) {
        const QRegularExpressionMatch match = pattern.match(file.fileName());
        if (!match.hasMatch())
            continue;
        QDateTime kept = QDateTime::fromString(match.captured(1), kTimeFormat);
        kept.setTimeZone(QTimeZone::utc());
        entries.push_back({ file.filePath(), kept, file.lastModified(), file.size(), match.captured(2).toInt() });
    }
    std::sort(entries.begin(), entries.end(),
        [](const Entry& a, const Entry& b) { return a.kept != b.kept ? a.kept < b.kept : a.number < b.number; });
    return entries;
}

QString keep(const QString& walletPath, QString& reason)
{
    const QFileInfo source(QFileInfo(walletPath).canonicalFilePath());
    const QDir dir(folder());
    if (!dir.exists()) {
        if (!QDir().mkpath(dir.path())) {
            reason = QCoreApplication::translate("Backups", "Cannot make the folder %1")
                         .arg(QDir::toNativeSeparators(dir.path()));
            return {};
        }
        QFile::setPermissions(dir.path(), kPrivate | QFileDevice::ExeOwner);
    }
    // Two kept within one second are numbered after the last of that second, so that the order of
    // the names stays the order they were kept in.
    const QDateTime now = Clock::nowUtc();
    const QString stem = walletName(walletPath) + QLatin1Char('-') + now.toString(kTimeFormat);
    int number = QFileInfo::exists(dir.filePath(stem + QStringLiteral(".qrl"))) ? 1 : 0;
    for (const Entry& entry : list(walletPath))
        if (entry.kept.toString(kTimeFormat) == now.toString(kTimeFormat))
            number = std::max(number, entry.number + 1);
    const QString target
        = dir.filePath(number == 0 ? stem + QStringLiteral(".qrl") : QStringLiteral("%1-%2.qrl").arg(stem).arg(number));
    if (!link(source, target) && !copy(source, target, reason))
        return {};
    releaseCachedPages(target);
    return target;
}

void prune(const QString& walletPath, int count)
{
    const std::vector<Entry> entries = list(walletPath);
    for (size_t i = 0; i + size_t(std::max(count, 0)) < entries.size(); ++i)
        QFile::remove(entries[i].path);
}

} // namespace Backups

#include "document/Backups.h"

#include "document/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimeZone>

#include <algorithm>

#ifdef Q_OS_UNIX
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
    struct Found {
        Entry entry;
        int number;
    };
    std::vector<Found> found;
    const QRegularExpression pattern = namePattern(walletName(walletPath));
    const QFileInfoList files = QDir(folder()).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo& file : files) {
        const QRegularExpressionMatch match = pattern.match(file.fileName());
        if (!match.hasMatch())
            continue;
        QDateTime kept = QDateTime::fromString(match.captured(1), kTimeFormat);
        kept.setTimeZone(QTimeZone::utc());
        found.push_back({ { file.filePath(), kept, file.lastModified(), file.size() }, match.captured(2).toInt() });
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.entry.kept != b.entry.kept ? a.entry.kept < b.entry.kept : a.number < b.number;
    });
    std::vector<Entry> entries;
    entries.reserve(found.size());
    for (Found& f : found)
        entries.push_back(std::move(f.entry));
    return entries;
}

QString keep(const QString& walletPath, QString& reason)
{
    const QFileInfo source(QFileInfo(walletPath).canonicalFilePath());
    const QDir dir(folder());
    if (!dir.exists()) {
        if (!QDir().mkpath(dir.path())) {
            reason = QStringLiteral("Cannot make the folder %1").arg(QDir::toNativeSeparators(dir.path()));
            return {};
        }
        QFile::setPermissions(dir.path(), kPrivate | QFileDevice::ExeOwner);
    }
    const QString stem
        = walletName(walletPath) + QLatin1Char('-') + QDateTime::currentDateTimeUtc().toString(kTimeFormat);
    QString target = dir.filePath(stem + QStringLiteral(".qrl"));
    for (int number = 1; QFileInfo::exists(target); ++number)
        target = dir.filePath(QStringLiteral("%1-%2.qrl").arg(stem).arg(number));
    if (link(source, target) || copy(source, target, reason))
        return target;
    return {};
}

void prune(const QString& walletPath, int count)
{
    const std::vector<Entry> entries = list(walletPath);
    for (size_t i = 0; i + size_t(std::max(count, 0)) < entries.size(); ++i)
        QFile::remove(entries[i].path);
}

} // namespace Backups

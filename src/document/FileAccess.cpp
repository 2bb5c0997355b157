#include "document/FileAccess.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// The rename that ended the save is an entry of the folder: until the folder itself reaches the
// disk, a power cut may bring back the old file, or none. Failing here changes nothing of the save.
void syncFolderOf(const QString& path)
{
#ifdef Q_OS_UNIX
    const QString file = QFileInfo(path).canonicalFilePath(); // the folder of the file a link points to
    const QByteArray folder = QFile::encodeName(QFileInfo(file.isEmpty() ? path : file).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(path);
#endif
}

} // namespace

namespace FileAccess {

std::optional<QByteArray> readRegularFile(const QString& path, QString& reason)
{
    // Checked before opening: opening a named pipe waits for a writer, and a device never ends.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        reason = info.isDir() ? QCoreApplication::translate("FileAccess", "Is a directory")
                              : QCoreApplication::translate("FileAccess", "Not a regular file");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.read(file.size());
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString& reason, bool makePrivate)
{
    // QSaveFile writes beside the target and renames only after everything was written and synced.
    // Unbuffered, so that a write the system cuts short is tried again and fails with its reason
    // (a full disk) instead of an unknown error.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = file.errorString();
        return false;
    }
    const QFileInfo target(path);
    const QFileDevice::Permissions permissions = target.exists() && !makePrivate
        ? target.permissions()
        : QFileDevice::Permissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    bool written = file.setPermissions(permissions);
    for (qint64 done = 0; written && done < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + done, bytes.size() - done);
        written = count > 0;
        done += count;
    }
    if (!written || !file.commit()) {
        reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    syncFolderOf(path);
    return true;
}

} // namespace FileAccess

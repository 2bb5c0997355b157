#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Whole files in and out, for wallets and the files the command line reads.
namespace FileAccess {

// The whole content of a regular file, never more than its size. A file that cannot be read (missing,
// no permission, a folder, a named pipe, a device) gives nothing and `reason` tells why in the words of
// the system ("No such file or directory"). A pipe or a device is never opened, so nothing waits on it.
std::optional<QByteArray> readRegularFile(const QString& path, QString& reason);

// Writes bytes in place of the file at path, all or nothing (the old file stays as it was on any
// failure), then syncs the folder so that the new file survives a power cut. A new file is private
// to its owner (0600); a file written over keeps its permissions, unless makePrivate makes it 0600
// too. False with the reason on failure.
bool writeWholeFile(const QString& path, const QByteArray& bytes, QString& reason, bool makePrivate = false);

} // namespace FileAccess

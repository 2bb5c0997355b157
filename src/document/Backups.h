#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

// The copies of wallet files kept before a save replaces them, in $XDG_DATA_HOME/Quorril/backups
// (~/.local/share/Quorril/backups by default), named "<wallet>-<UTC time>.qrl" after the file's
// name without its extension, private to their owner (0600) and byte for byte the file they keep.
namespace Backups {

struct Entry {
    QString path;
    QDateTime kept; // when the copy was made (UTC, from its name)
    QDateTime saved; // when the kept file had been written
    qint64 size = 0;
    int number = 0; // of those kept within one second, in the order they were kept
};

QString folder();
// The backups of the wallet file at path (all files of its name), oldest first.
std::vector<Entry> list(const QString& walletPath);
// Keeps the file at walletPath as a new backup; its path, or an empty text with the reason.
QString keep(const QString& walletPath, QString& reason);
// Deletes the oldest backups of the wallet beyond the last `count`.
void prune(const QString& walletPath, int count);

} // namespace Backups

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

// Watches the open wallet's file for changes made by someone else (a sync engine, another program,
// another machine through a network folder). The system's change notices alone are not enough: sync
// engines replace a file by renaming a new one over it, which ends the notices for the old one, and
// network folders may send none. So the file's size and modification time are also compared on a
// timer, and when either differs, a hash of the content decides: a file that holds the bytes last
// loaded or saved here (our own save, a touch) is no change.
//
// It keeps the bytes last loaded or saved, the base of a three-way merge with the next change.
class FileWatch : public QObject {
    Q_OBJECT
public:
    enum class State { Same, Changed, Gone };
    static constexpr int PollMilliseconds = 2000;

    explicit FileWatch(QObject* parent = nullptr);

    // The file is now the one at path and holds these bytes (it was just opened or saved, or a
    // change was taken in). An empty path stops the watch.
    void setFile(const QString& path, const QByteArray& bytes);
    void clear() { setFile(QString(), QByteArray()); }
    QString path() const { return m_path; }
    // What the file held when it was last loaded or saved here.
    const QByteArray& baseBytes() const { return m_baseBytes; }

    // Compares the file with the bytes known; for Changed, `bytes` gets what the file holds now.
    // Only reads the file when its size or time differ from the last look.
    State check(QByteArray& bytes);

    // The conflict copies a sync engine made of the file, beside it: "<name>.sync-conflict-*.qrl" and
    // "<name> (conflicted copy *.qrl".
    QStringList conflictCopies() const;
    static bool isConflictCopyOf(const QString& walletPath, const QString& candidateName);

public Q_SLOTS:
    // Looks at the file and the folder now (the watcher's notices and the timer call it too):
    // emits changedOnDisk, gone or conflictCopyFound for what is new since the last look.
    void checkNow();

Q_SIGNALS:
    // The file holds other bytes than those last loaded, saved or reported.
    void changedOnDisk(const QByteArray& bytes);
    // The file was deleted or moved away (reported once, until it comes back).
    void gone();
    // A conflict copy of the file appeared beside it (each reported once for this file).
    void conflictCopyFound(const QString& path);

private:
    void rememberStat();
    void rewatch();

    QFileSystemWatcher m_watcher;
    QTimer m_poll;
    QString m_path;
    QByteArray m_baseBytes;
    QByteArray m_knownHash;
    qint64 m_size = -1;
    QDateTime m_modified;
    bool m_reportedGone = false;
    QSet<QString> m_copiesSeen;
};

// What the document does with the file system around a load and a save: which files it opens and
// what it says of those it cannot, the mode of the files it writes, and the sync of their folder.
#include "document/DocumentFixture.h"
#include "document/FileBuilder.h"

#include <QFileInfo>
#include <QScopeGuard>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

static QStringList g_synced; // the path of every fsync, before the system's fsync runs

extern "C" int fsync(int fd)
{
    char target[4096];
    const ssize_t length
        = readlink(QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(), target, sizeof target);
    if (length > 0)
        g_synced << QFile::decodeName(QByteArray(target, length));
    using Fsync = int (*)(int);
    static const auto systemFsync = reinterpret_cast<Fsync>(dlsym(RTLD_NEXT, "fsync"));
    return systemFsync(fd);
}

namespace {

mode_t modeOf(const QString& path)
{
    struct stat st { };
    return stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

QByteArray wallet() { return FileBuilder().header(2, 1, "pw").raw(QByteArray(40, '\0')).bytes(); }

} // namespace

using FileAccessTest = DocumentFixture;

TEST_F(FileAccessTest, FileThatCannotBeOpenedIsNamedWithTheReason)
{
    const QString fifo = path("pipe.qrl");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(path("gone.qrl"), path("link.qrl")));
    QDir(dir.path()).mkdir("folder.qrl");
    const QString locked = writeFile("locked.qrl", wallet());
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    const bool root = access(QFile::encodeName(locked).constData(), R_OK) == 0;

    // clang-format off
    QList<std::pair<QString, QString>> rows = { // the file, the notice
        { path("missing.qrl"), "Cannot open missing.qrl: No such file or directory." },
        { path("link.qrl"),    "Cannot open link.qrl: No such file or directory." },
        { path("folder.qrl"),  "Cannot open folder.qrl: Is a directory." },
        { fifo,                "Cannot open pipe.qrl: Not a regular file." },
        { "/dev/zero",         "Cannot open zero: Not a regular file." },
        { "/dev/null",         "Cannot open null: Not a regular file." },
    };
    // clang-format on
    if (!root) // root reads any file
        rows.append({ locked, "Cannot open locked.qrl: Permission denied." });
    for (const auto& [file, notice] : rows) {
        SCOPED_TRACE(file.toStdString());
        ASSERT_TRUE(openBytes(wallet(), "pw"));
        prompts.shown.clear();
        EXPECT_FALSE(doc.OnOpenDocument(file));
        EXPECT_EQ(prompts.shown, QStringList { notice }) << "no password is asked";
        EXPECT_EQ(doc.lastOpenResult(), CQuorrilDoc::OpenResult::Unreadable);
        EXPECT_EQ(doc.GetPathName(), QString());
        EXPECT_FALSE(doc.hasPassword());
    }
}

TEST_F(FileAccessTest, NewFilesArePrivateAndFilesWrittenOverKeepTheirMode)
{
    const mode_t oldMask = umask(022);
    const auto restoreMask = qScopeGuard([oldMask] { umask(oldMask); });
    // clang-format off
    const struct { const char* name; mode_t before, after; } rows[] = { // before 0: no file yet
        { "new.qrl", 0, 0600 }, { "shared.qrl", 0644, 0644 }, { "group.qrl", 0640, 0640 }, { "private.qrl", 0600, 0600 },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString file = path(row.name);
        if (row.before) {
            writeFile(row.name, "old");
            ASSERT_EQ(chmod(QFile::encodeName(file).constData(), row.before), 0);
        }
        doc.OnNewDocument();
        doc.setPassword("pw");
        for (int save = 0; save < 2; ++save) { // the second save writes over the first
            doc.SetModifiedFlag(true);
            ASSERT_TRUE(doc.OnSaveDocument(file));
            EXPECT_EQ(modeOf(file), row.after) << save;
        }
    }
}

TEST_F(FileAccessTest, SaveSyncsTheFolderAfterTheFile)
{
    QDir(dir.path()).mkdir("sub");
    writeFile("sub/real.qrl", "old");
    ASSERT_TRUE(QFile::link(path("sub/real.qrl"), path("link.qrl")));
    const std::pair<QString, QString> rows[] = {
        // the saved file, the folder it is renamed into
        { path("w.qrl"), QFileInfo(dir.path()).canonicalFilePath() },
        { path("link.qrl"), QFileInfo(path("sub")).canonicalFilePath() },
    };
    for (const auto& [saved, folder] : rows) {
        SCOPED_TRACE(saved.toStdString());
        doc.OnNewDocument();
        doc.setPassword("pw");
        g_synced.clear();
        ASSERT_TRUE(doc.OnSaveDocument(saved));
        ASSERT_FALSE(g_synced.isEmpty());
        EXPECT_EQ(g_synced.last(), folder) << g_synced.join(", ").toStdString();
    }
}

// What the document does with the file system around a load and a save: which files it opens and
// what it says of those it cannot, the mode of the files it writes, and the sync of their folder.
#include "DocumentFixture.h"
#include "FileBuilder.h"

#include <QFileInfo>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

// Every fsync of this process, by the path of what was synced, so that a test can see the folder
// of a saved file reach the disk. The call goes on to the system's fsync.
namespace {
QStringList g_synced;
}

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

class UmaskScope {
public:
    explicit UmaskScope(mode_t mask)
        : m_old(umask(mask))
    {
    }
    ~UmaskScope() { umask(m_old); }

private:
    mode_t m_old;
};

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

    struct Row {
        QString file;
        QString notice;
    };
    std::vector<Row> rows = {
        { path("missing.qrl"), "Cannot open missing.qrl: No such file or directory." },
        { path("link.qrl"), "Cannot open link.qrl: No such file or directory." },
        { path("folder.qrl"), "Cannot open folder.qrl: Is a directory." },
        { fifo, "Cannot open pipe.qrl: Not a regular file." },
        { "/dev/zero", "Cannot open zero: Not a regular file." },
        { "/dev/null", "Cannot open null: Not a regular file." },
    };
    if (!root) // root reads any file
        rows.push_back({ locked, "Cannot open locked.qrl: Permission denied." });
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file.toStdString());
        ASSERT_TRUE(openBytes(wallet(), "pw"));
        prompts.shown.clear();
        EXPECT_FALSE(doc.OnOpenDocument(row.file));
        EXPECT_EQ(prompts.shown, QStringList { row.notice }) << "no password is asked";
        EXPECT_EQ(doc.lastOpenResult(), CQuorrilDoc::OpenResult::Unreadable);
        EXPECT_EQ(doc.GetPathName(), QString());
        EXPECT_FALSE(doc.hasPassword());
    }
}

TEST_F(FileAccessTest, NewFilesArePrivateAndFilesWrittenOverKeepTheirMode)
{
    const UmaskScope mask(022);
    struct Row {
        const char* name;
        mode_t before; // 0: no file yet
        mode_t after;
    };
    const Row rows[] = {
        { "new.qrl", 0, 0600 },
        { "shared.qrl", 0644, 0644 },
        { "group.qrl", 0640, 0640 },
        { "private.qrl", 0600, 0600 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString file = path(row.name);
        if (row.before) {
            writeFile(row.name, "old");
            ASSERT_EQ(chmod(QFile::encodeName(file).constData(), row.before), 0);
        }
        doc.OnNewDocument();
        doc.setPassword("pw");
        ASSERT_TRUE(doc.OnSaveDocument(file));
        EXPECT_EQ(modeOf(file), row.after);
        // A second save over the file written first keeps its mode too.
        doc.SetModifiedFlag(true);
        ASSERT_TRUE(doc.OnSaveDocument(file));
        EXPECT_EQ(modeOf(file), row.after);
    }
}

TEST_F(FileAccessTest, SaveSyncsTheFolderAfterTheFile)
{
    QDir(dir.path()).mkdir("sub");
    writeFile("sub/real.qrl", "old");
    ASSERT_TRUE(QFile::link(path("sub/real.qrl"), path("link.qrl")));
    struct Row {
        QString saved;
        QString folder; // where the file is renamed into
    };
    const Row rows[] = {
        { path("w.qrl"), QFileInfo(dir.path()).canonicalFilePath() },
        { path("link.qrl"), QFileInfo(path("sub")).canonicalFilePath() },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.saved.toStdString());
        doc.OnNewDocument();
        doc.setPassword("pw");
        g_synced.clear();
        ASSERT_TRUE(doc.OnSaveDocument(row.saved));
        ASSERT_FALSE(g_synced.isEmpty());
        EXPECT_EQ(g_synced.last(), row.folder) << g_synced.join(", ").toStdString();
    }
}

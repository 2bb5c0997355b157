// Saving to targets that cannot be written, for root as well: the old file stays as it was, the
// user sees "Unable To Save File !", the save reports failure and the document stays modified.
#include "document/Backups.h"
#include "document/DocumentFixture.h"
#include "document/FileBuilder.h"
#include "support/FileAccounts.h"

#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Limits the size of files this process may write (a disk that fills up after `bytes`), for root
// too; writes beyond it fail with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_ok = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool ok() const { return m_ok; }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
};

} // namespace

class SaveFailureTest : public DocumentFixture {
protected:
    void SetUp() override
    {
        oldBytes = FileBuilder().header(2, 1, "pw").raw(QByteArray(40, '\0')).bytes();
        oldFile = writeFile("old.qrl", oldBytes);
        ASSERT_TRUE(open(oldFile, "pw"));
        for (int i = 0; i < 200; ++i)
            doc.AddAccount(account(13, idValue(doc.NextAccountId()), QStringLiteral("bank %1").arg(i)));
        ASSERT_TRUE(doc.IsModified());
        prompts.shown.clear();
        prompts.details.clear();
    }

    // The notice names the file and the system's reason in its detail.
    void expectRefused(const QString& target, const QString& reason)
    {
        EXPECT_FALSE(doc.OnSaveDocument(target));
        EXPECT_EQ(prompts.shown, QStringList { "Unable To Save File !" });
        EXPECT_EQ(prompts.details, QStringList { "Cannot save " + target + ": " + reason + "." });
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(doc.GetPathName(), oldFile);
        EXPECT_EQ(readFile(oldFile), oldBytes);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "old.qrl" })
            << "no temporary file left behind";
    }

    QByteArray oldBytes;
    QString oldFile;
};

TEST_F(SaveFailureTest, PathUnderARegularFile) { expectRefused(oldFile + "/wallet.qrl", "Not a directory"); }

TEST_F(SaveFailureTest, PathThatIsAFolder)
{
    QDir(dir.path()).mkdir("folder.qrl");
    QFile inside(path("folder.qrl/keep.txt"));
    ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
    inside.write("kept");
    inside.close();
    EXPECT_FALSE(doc.OnSaveDocument(path("folder.qrl")));
    EXPECT_EQ(prompts.shown, QStringList { "Unable To Save File !" });
    EXPECT_EQ(
        prompts.details, QStringList { "Cannot save " + path("folder.qrl") + ": Filename refers to a directory." });
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(QFileInfo(path("folder.qrl")).isDir());
    EXPECT_EQ(readFile(path("folder.qrl/keep.txt")), "kept");
    EXPECT_EQ(QDir(path("folder.qrl")).entryList(QDir::Files | QDir::Hidden), QStringList { "keep.txt" });
}

TEST_F(SaveFailureTest, FolderOfTheKernel)
{
    EXPECT_FALSE(doc.OnSaveDocument("/proc/quorril-wallet.qrl"));
    EXPECT_FALSE(doc.OnSaveDocument("/sys/quorril-wallet.qrl"));
    EXPECT_EQ(prompts.shown, (QStringList { "Unable To Save File !", "Unable To Save File !" }));
    ASSERT_EQ(prompts.details.size(), 2);
    EXPECT_TRUE(prompts.details[0].startsWith("Cannot save /proc/quorril-wallet.qrl: "))
        << prompts.details[0].toStdString();
    EXPECT_TRUE(prompts.details[1].startsWith("Cannot save /sys/quorril-wallet.qrl: "))
        << prompts.details[1].toStdString();
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(SaveFailureTest, ReadOnlyFolder)
{
    QDir(dir.path()).mkdir("locked");
    QFile::setPermissions(path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (access(path("locked").toLocal8Bit().constData(), W_OK) == 0)
        GTEST_SKIP() << "this user may write into read-only folders (root)";
    expectRefused(path("locked/wallet.qrl"), "Permission denied");
    QFile::setPermissions(path("locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(SaveFailureTest, DiskFullWhileWritingOverTheOldFile)
{
    // Room for a few hundred bytes only: the 200 accounts do not fit.
    FileSizeLimit limit(512);
    ASSERT_TRUE(limit.ok());
    expectRefused(oldFile, "File too large");
}

TEST_F(SaveFailureTest, FailedFirstSaveKeepsThePasswordAndMarksTheDocumentModified)
{
    doc.OnNewDocument();
    prompts.addPassword("new");
    EXPECT_FALSE(doc.OnSaveDocument(oldFile + "/x.qrl"));
    EXPECT_TRUE(doc.IsModified()) << "the password exists in no file yet";
    EXPECT_TRUE(doc.hasPassword());
    EXPECT_EQ(readFile(oldFile), oldBytes);
}

namespace {
// An account whose store step throws what it is given.
template <class Exception> class ThrowingAccount : public AccountRecord {
public:
    explicit ThrowingAccount(qint32 id)
        : AccountRecord(AccountId(id), AccountType::Reference)
    {
    }
    void Serialize(CArchive&) override { throw Exception(); }
};
struct ProgramFault : std::logic_error {
    ProgramFault()
        : std::logic_error("a fault of the program")
    {
    }
};
} // namespace

// A lack of memory is a failed save like any other; a fault of the program is not hidden behind it.
TEST_F(SaveFailureTest, OnlyALackOfMemoryIsReportedAsAFailedSave)
{
    fileAccounts(doc, std::make_unique<ThrowingAccount<std::bad_alloc>>(900));
    expectRefused(oldFile, "Out of memory");

    doc.RemoveAccount(AccountId(900));
    fileAccounts(doc, std::make_unique<ThrowingAccount<ProgramFault>>(901));
    prompts.shown.clear();
    EXPECT_THROW(doc.OnSaveDocument(oldFile), ProgramFault);
    EXPECT_EQ(prompts.shown, QStringList());
    EXPECT_EQ(readFile(oldFile), oldBytes);
}

// The file stays as it was: the copy of it the save had kept is no other version, and goes.
TEST_F(SaveFailureTest, AFailedWriteKeepsNoBackup)
{
    QFile::setPermissions(oldFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    FileSizeLimit limit(4096); // room for the copy of the old file, not for the new one
    ASSERT_TRUE(limit.ok());
    EXPECT_FALSE(doc.OnSaveDocument(oldFile));
    EXPECT_EQ(readFile(oldFile), oldBytes);
    EXPECT_TRUE(Backups::list(oldFile).empty());
}

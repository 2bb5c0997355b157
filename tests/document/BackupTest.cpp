// Before a save replaces a file, the file is kept in the data home's backups: its own bytes, private
// to the owner, the last few of each wallet; a backup that cannot be made never stops the save.
#include "document/Backups.h"
#include "document/DocumentFixture.h"
#include "format/WalletFile.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr QFileDevice::Permissions kPrivate = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kShared = kPrivate | QFileDevice::ReadGroup | QFileDevice::ReadOther;

class BackupTest : public DocumentFixture {
protected:
    BackupTest()
        : m_dataHome(qgetenv("XDG_DATA_HOME"))
    {
        // A data home of this test's own.
        qputenv("XDG_DATA_HOME", QFile::encodeName(path("data")));
        doc.setKdfCost(EncryptedFormat::cheapestCost());
        doc.setPassword("pw");
    }
    ~BackupTest() override { qputenv("XDG_DATA_HOME", m_dataHome); }
    // Saves the wallet `times` times, each after a change; the bytes the file had before each save.
    QList<QByteArray> saveAgain(const QString& wallet, int times)
    {
        QList<QByteArray> replaced;
        for (int i = 0; i < times; ++i) {
            const QString title = QStringLiteral("%1 %2").arg(QFileInfo(wallet).fileName()).arg(i);
            EXPECT_TRUE(doc.AddAccount(account(20, idValue(doc.NextAccountId()), title)));
            replaced << readFile(wallet);
            EXPECT_TRUE(doc.OnSaveDocument(wallet));
        }
        return replaced;
    }
    static QStringList keptBytesOf(const QString& wallet, QList<QByteArray>& bytes)
    {
        QStringList names;
        for (const Backups::Entry& entry : Backups::list(wallet)) {
            names << QFileInfo(entry.path).fileName();
            bytes << readFile(entry.path);
        }
        return names;
    }

private:
    QByteArray m_dataHome;
};

TEST_F(BackupTest, ASaveKeepsTheReplacedFileByteForBytePrivateAndOnlyTheLastFew)
{
    // clang-format off
    struct Row { const char* name; QFileDevice::Permissions mode; bool encrypted; int count; };
    const Row rows[] = {
        { "private", kPrivate, false, 3 },
        { "shared", kShared, false, 2 },
        { "sealed", kPrivate, true, 1 },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString wallet = path(QString::fromLatin1(row.name) + QStringLiteral(".qrl"));
        doc.setEncrypted(row.encrypted);
        doc.setBackupCount(row.count);
        ASSERT_TRUE(doc.OnSaveDocument(wallet));
        EXPECT_TRUE(Backups::list(wallet).empty()) << "a new file replaces nothing";
        QFile::setPermissions(wallet, row.mode);

        const QList<QByteArray> replaced = saveAgain(wallet, 4);
        QList<QByteArray> kept;
        const QStringList names = keptBytesOf(wallet, kept);
        ASSERT_EQ(names.size(), row.count);
        EXPECT_EQ(kept, replaced.mid(4 - row.count)) << "the last ones, oldest first";
        const QRegularExpression name(QStringLiteral("^%1-\\d{8}T\\d{6}Z(-\\d+)?\\.qrl$").arg(row.name));
        for (const Backups::Entry& entry : Backups::list(wallet)) {
            EXPECT_TRUE(name.match(QFileInfo(entry.path).fileName()).hasMatch()) << entry.path.toStdString();
            EXPECT_EQ(QFileInfo(entry.path).permissions() & (kShared | QFileDevice::ExeOwner), kPrivate);
            EXPECT_EQ(entry.size, QFileInfo(entry.path).size());
        }
        EXPECT_EQ(QFileInfo(wallet).permissions() & kShared, row.mode) << "the wallet keeps its own mode";
        EXPECT_EQ(WalletFile::containerOf(kept.last()) == WalletFile::Container::Encrypted, row.encrypted);
    }
    EXPECT_EQ(QFileInfo(Backups::folder()).permissions() & (kShared | QFileDevice::ExeOwner),
        kPrivate | QFileDevice::ExeOwner);
}

TEST_F(BackupTest, NoneAreKeptWithACountOfZeroAndAFailureIsToldWithoutStoppingTheSave)
{
    const QString wallet = path("w.qrl");
    ASSERT_TRUE(doc.OnSaveDocument(wallet));
    doc.setBackupCount(0);
    saveAgain(wallet, 2);
    EXPECT_TRUE(Backups::list(wallet).empty());

    // The backups' folder cannot be made: a file stands in its place.
    doc.setBackupCount(5);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(Backups::folder()).path()));
    writeFile("blocker", "x");
    ASSERT_TRUE(QFile::rename(path("blocker"), Backups::folder()));
    QStringList failed;
    QObject::connect(&doc, &CQuorrilDoc::backupFailed, [&](const QString& message) { failed << message; });
    doc.AddAccount(account(20, 90, "late"));
    EXPECT_TRUE(doc.OnSaveDocument(wallet));
    ASSERT_EQ(failed.size(), 1);
    EXPECT_TRUE(failed.at(0).startsWith("Saved, but the previous file was not kept as a backup: "));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(WalletFile::store(doc.contents()), readFile(wallet));
}

TEST_F(BackupTest, ABackupOpensAsAnUntitledDocumentOfItsOwnAndListsOnlyItsWallet)
{
    const QString wallet = path("home.qrl");
    doc.AddAccount(account(13, 1, "Checking"));
    ASSERT_TRUE(doc.OnSaveDocument(wallet));
    doc.RemoveAccount(AccountId(1));
    ASSERT_TRUE(doc.OnSaveDocument(wallet));
    // Another wallet, its name the first one's followed by more: its backups are its own.
    ASSERT_TRUE(doc.OnSaveDocument(path("home-2.qrl")));
    ASSERT_TRUE(doc.OnSaveDocument(path("home-2.qrl")));
    const std::vector<Backups::Entry> entries = Backups::list(wallet);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(Backups::list(path("home-2.qrl")).size(), 1u);
    EXPECT_LE(entries[0].saved, QDateTime::currentDateTime());
    EXPECT_LE(qAbs(entries[0].kept.secsTo(QDateTime::currentDateTimeUtc())), 60);

    prompts.addPassword("pw");
    ASSERT_TRUE(doc.openFromBytes(readFile(entries[0].path), QString()));
    EXPECT_EQ(doc.GetTitle(), QStringLiteral("Untitled"));
    EXPECT_EQ(accountList(), QStringList { "1:13:Checking" });
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.canUndo());
}

} // namespace

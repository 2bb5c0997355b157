#include "document/DiskChanges.h"
#include "core/Clock.h"

#include "document/DocumentFixture.h"
#include "document/DocumentTexts.h"
#include "document/WalletText.h"

#include <QFileInfo>
#include <QSignalSpy>

#include <cstdio>

namespace {
const QString kPassword = QStringLiteral("hunter22");
const QString kOther = QStringLiteral("other pass");
const QString kVerify = QStringLiteral("[password verify]");
const QDate kToday(2026, 12, 10);
const QStringList kBase = { "1|E|Mail|ann:pw1", "2|W|Shop|site", "3|B|Savings|1234" };

class DiskChangesTest : public DocumentFixture {
protected:
    Clock::Fake clock { QDateTime(kToday, QTime(12, 0)) };

    DiskChangesTest()
    {
        doc.setKdfCost(EncryptedFormat::cheapestCost());
        QObject::connect(&changes, &DiskChanges::status, [this](const QString& text) { statuses << text; });
    }

    // Opens a wallet file of the accounts as the window would.
    QString start(bool encrypted, const QStringList& lines = kBase)
    {
        const QString file
            = writeFile(QStringLiteral("wallet.qrl"), WalletText::fileBytes(lines, kPassword, encrypted));
        EXPECT_TRUE(open(file, kPassword));
        prompts.shown.clear();
        return file;
    }

    // Puts the bytes in place of the file by renaming a new file over it, as sync engines do.
    void replaceByRename(const QByteArray& bytes)
    {
        const QString fresh = writeFile(QStringLiteral(".wallet.qrl.tmp"), bytes);
        ASSERT_EQ(
            std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path("wallet.qrl")).constData()), 0);
    }

    void localChange(const QString& line)
    {
        std::vector<std::unique_ptr<AccountRecord>> list;
        list.push_back(WalletText::account(line));
        doc.changeAccounts(QStringLiteral("Local"), std::move(list));
    }

    QStringList accounts() const { return WalletText::lines(doc.accounts()); }

    DiskChanges changes { doc, prompts };
    QStringList statuses;
};

QString merged(const QString& summary) { return DocumentText::mergedFromDisk(summary); }
const QString kReloaded = DocumentText::reloadedFromDisk();
const QString kCannot = DocumentText::cannotTakeIn(QStringLiteral("wallet.qrl"));
const QString kNotOwner = DocumentText::notOwner();
} // namespace

TEST_F(DiskChangesTest, AnOutsideChangeReloadsWithoutLocalChangesAndMergesWithThem)
{
    struct Row {
        const char* name;
        bool encrypted;
        QString local; // an account changed here first (empty: none)
        QStringList theirs;
        QString theirPassword;
        QStringList answers; // to the one password question, when the file's password differs
        QStringList expected;
        bool modified;
        QStringList shown;
        QStringList status;
    };
    const QStringList added = kBase + QStringList { "4|R|Note|new" };
    const QStringList shopEdited = { "1|E|Mail|ann:pw1", "2|W|Shop|theirs", "3|B|Savings|1234" };
    const QString conflict = QStringLiteral("4|W|Shop (conflict 2026-12-10)|theirs");
    const Row rows[] = {
        { "classic, reload", false, {}, added, kPassword, {}, added, false, {}, { kReloaded } },
        { "encrypted, reload with the password held", true, {}, added, kPassword, {}, added, false, {}, { kReloaded } },
        { "encrypted, another password asked once", true, {}, added, kOther, { kOther }, added, false, { kVerify },
            { kReloaded } },
        { "encrypted, another password refused", true, {}, added, kOther, { "wrong" }, kBase, false,
            { kVerify, kNotOwner, kCannot }, {} },
        { "classic, local change merged with theirs", false, "3|B|Savings|9999", shopEdited, kPassword, {},
            { "1|E|Mail|ann:pw1", "2|W|Shop|theirs", "3|B|Savings|9999" }, true, {},
            { merged("1 taken, 0 kept twice, 0 added, 0 deleted, 0 renumbered") } },
        { "encrypted, both changed one account: kept twice", true, "2|W|Shop|ours", shopEdited, kPassword, {},
            { "1|E|Mail|ann:pw1", "2|W|Shop|ours", "3|B|Savings|1234", conflict }, true, {},
            { merged("0 taken, 1 kept twice, 0 added, 0 deleted, 0 renumbered") } },
        { "encrypted, local change, theirs deleted an account", true, "1|E|Mail|ann:pw2",
            { "1|E|Mail|ann:pw1", "2|W|Shop|site" }, kPassword, {}, { "1|E|Mail|ann:pw2", "2|W|Shop|site" }, true, {},
            { merged("0 taken, 0 kept twice, 0 added, 1 deleted, 0 renumbered") } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        start(row.encrypted);
        statuses.clear();
        if (!row.local.isEmpty())
            localChange(row.local);
        const QStringList ours = accounts();
        for (const QString& answer : row.answers)
            prompts.addPassword(answer);
        replaceByRename(WalletText::fileBytes(row.theirs, row.theirPassword, row.encrypted));
        changes.checkNow();
        EXPECT_EQ(accounts(), row.expected);
        EXPECT_EQ(doc.IsModified(), row.modified);
        EXPECT_EQ(prompts.shown, row.shown);
        EXPECT_EQ(statuses, row.status);
        EXPECT_TRUE(prompts.allAnswersUsed());
        EXPECT_EQ(doc.GetPathName(), path("wallet.qrl")) << "the document stays tied to its file";
        if (row.modified) {
            // The merge is one step: Undo gives back the document as it was here.
            EXPECT_TRUE(doc.Undo());
            EXPECT_EQ(accounts(), ours);
        }
        // The same bytes are not news at the next look.
        statuses.clear();
        changes.checkNow();
        EXPECT_TRUE(statuses.isEmpty());
    }
}

TEST_F(DiskChangesTest, OwnSavesAndTouchesAreNoChangeAndADeletedFileLeavesTheDocumentModified)
{
    const QString file = start(true);
    QSignalSpy changed(&changes.watch(), &FileWatch::changedOnDisk);
    localChange(QStringLiteral("4|R|Note|here"));
    ASSERT_TRUE(doc.OnSaveDocument(file));
    changes.checkNow();
    EXPECT_EQ(changed.count(), 0) << "our own save";

    QFile touched(file);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(touched.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    touched.close();
    changes.checkNow();
    EXPECT_EQ(changed.count(), 0) << "a new time over the same bytes";

    ASSERT_TRUE(QFile::remove(file));
    changes.checkNow();
    changes.checkNow();
    EXPECT_EQ(prompts.shown, QStringList { DocumentText::goneFromDisk(QStringLiteral("wallet.qrl")) }) << "said once";
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.accountCount(), 4);
    EXPECT_EQ(doc.GetPathName(), file);
    ASSERT_TRUE(doc.OnSaveDocument(file)) << "saved again where it was";
    EXPECT_TRUE(QFileInfo::exists(file));
}

TEST_F(DiskChangesTest, ASaveThatFindsTheFileChangedMergesFirstOrWritesNothing)
{
    struct Row {
        const char* name;
        QString theirPassword;
        QStringList answers;
        bool seenFirst; // the watch saw the change before the save
        bool saved;
        QStringList inFile;
    };
    const QStringList theirs = { "1|E|Mail|ann:pw1", "2|W|Shop|site", "3|B|Savings|1234", "7|S|Editor|key" };
    const Row rows[] = {
        { "same password: merged, then saved", kPassword, {}, false, true,
            { "1|E|Mail|ann:pw1", "2|W|Shop|site", "3|B|Savings|1234", "4|R|Note|here", "7|S|Editor|key" } },
        { "another password given", kOther, { kOther }, false, true,
            { "1|E|Mail|ann:pw1", "2|W|Shop|site", "3|B|Savings|1234", "4|R|Note|here", "7|S|Editor|key" } },
        { "another password refused: nothing written", kOther, { "wrong" }, false, false, theirs },
        { "refused when seen, and again at the save", kOther, { "wrong", "wrong" }, true, false, theirs },
        { "refused when seen, given at the save", kOther, { "wrong", kOther }, true, true,
            { "1|E|Mail|ann:pw1", "2|W|Shop|site", "3|B|Savings|1234", "4|R|Note|here", "7|S|Editor|key" } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString file = start(true);
        localChange(QStringLiteral("4|R|Note|here"));
        // Changed after the last look: the save itself must notice.
        replaceByRename(WalletText::fileBytes(theirs, row.theirPassword, true));
        for (const QString& answer : row.answers)
            prompts.addPassword(answer);
        if (row.seenFirst)
            changes.checkNow();
        EXPECT_EQ(doc.OnSaveDocument(file), row.saved);
        EXPECT_TRUE(prompts.allAnswersUsed());
        if (!row.saved) {
            EXPECT_EQ(prompts.shown.last(), DocumentText::notSavedOverChange(QStringLiteral("wallet.qrl")));
        }
        CQuorrilDoc check(prompts);
        prompts.addPassword(row.saved ? kPassword : row.theirPassword);
        ASSERT_TRUE(check.OnOpenDocument(file));
        EXPECT_EQ(WalletText::lines(check.accounts()), row.inFile);
    }
}

TEST_F(DiskChangesTest, AChangeWhileLockedWaitsForTheUnlock)
{
    start(true);
    doc.OnLockDocument();
    const QStringList theirs = kBase + QStringList { "4|R|Note|new" };
    replaceByRename(WalletText::fileBytes(theirs, kPassword, true));
    changes.checkNow();
    EXPECT_EQ(statuses, QStringList { DocumentText::changedWhileLocked() });
    EXPECT_EQ(accounts(), kBase);
    EXPECT_TRUE(changes.hasWaitingChange());
    EXPECT_FALSE(changes.mergeFrom(path("wallet.qrl"))) << "nothing merges into a locked wallet";

    prompts.addPassword(kPassword);
    doc.OnUnlockDocument();
    EXPECT_FALSE(doc.IsLocked());
    EXPECT_EQ(accounts(), theirs);
    EXPECT_FALSE(changes.hasWaitingChange());
    EXPECT_EQ(statuses.last(), kReloaded);
}

TEST_F(DiskChangesTest, MergeFromIsATwoWayUnionInOneStepWithItsReport)
{
    struct Row {
        const char* name;
        QByteArray bytes;
        QStringList answers;
        bool merged;
        QStringList expected;
        QStringList shown;
    };
    const QStringList copy = { "1|E|Mail|ann:pw1", "2|W|Shop|copy", "9|M|Doctor|dr" };
    const QStringList union_ = { "1|E|Mail|ann:pw1", "2|W|Shop|site", "3|B|Savings|1234", "9|M|Doctor|dr",
        "10|W|Shop (conflict 2026-12-10)|copy" };
    const QString report = DocumentText::mergedFrom(
        QStringLiteral("copy.qrl"), QStringLiteral("0 taken, 1 kept twice, 1 added, 0 deleted, 0 renumbered"));
    const Row rows[] = {
        { "same password", WalletText::fileBytes(copy, kPassword, true), {}, true, union_, { report } },
        { "classic copy, other password", WalletText::fileBytes(copy, kOther, false), { kOther }, true, union_,
            { kVerify, report } },
        { "damaged: no password asked", QByteArray("QRL not a wallet at all"), {}, false, kBase,
            { DocumentText::invalidFileFormat() } },
        { "password cancelled", WalletText::fileBytes(copy, kOther, true), { "" }, false, kBase, { kVerify } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        start(true);
        for (const QString& answer : row.answers) {
            if (answer.isEmpty())
                prompts.cancelPassword();
            else
                prompts.addPassword(answer);
        }
        EXPECT_EQ(changes.mergeFrom(writeFile(QStringLiteral("copy.qrl"), row.bytes)), row.merged);
        EXPECT_EQ(accounts(), row.expected);
        EXPECT_EQ(prompts.shown, row.shown);
        EXPECT_EQ(doc.IsModified(), row.merged);
        EXPECT_TRUE(doc.isEncrypted());
        if (row.merged) {
            EXPECT_EQ(prompts.details.last(), QStringLiteral("Kept twice: WebSite \"Shop (conflict 2026-12-10)\""));
            ASSERT_TRUE(doc.Undo());
            EXPECT_EQ(accounts(), kBase);
        }
    }
}

TEST_F(DiskChangesTest, ConflictCopiesAreRecognisedByName)
{
    const std::pair<const char*, bool> names[] = {
        { "wallet.sync-conflict-20261210-142233-ABCDEFG.qrl", true },
        { "wallet (conflicted copy 2026-12-10 142233).qrl", true },
        { "wallet.qrl", false },
        { "wallet.sync-conflict-20261210.txt", false },
        { "other.sync-conflict-20261210-142233-ABCDEFG.qrl", false },
        { "wallet2.sync-conflict-20261210-142233-ABCDEFG.qrl", false },
    };
    for (const auto& [name, copy] : names)
        EXPECT_EQ(FileWatch::isConflictCopyOf(QStringLiteral("/x/wallet.qrl"), QString::fromUtf8(name)), copy) << name;

    start(false);
    QSignalSpy found(&changes, &DiskChanges::conflictCopyFound);
    writeFile(QString::fromUtf8(names[0].first), WalletText::fileBytes(kBase, kPassword, false));
    changes.checkNow();
    changes.checkNow();
    ASSERT_EQ(found.count(), 1) << "offered once";
    EXPECT_EQ(found.at(0).at(0).toString(), path(QString::fromUtf8(names[0].first)));
}

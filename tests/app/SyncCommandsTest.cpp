// The window with a wallet that another machine changes: reloads keep the tree as it was, File >
// Merge From… merges another copy in, and a conflict copy that appears is offered.
#include "app/SyncCommands.h"
#include "app/FrameTest.h"
#include "core/Clock.h"
#include "document/DiskChanges.h"
#include "document/DocumentTexts.h"
#include "document/WalletText.h"

#include <QSignalSpy>
#include <QStatusBar>

#include <cstdio>

namespace {
const QString kPassword = QStringLiteral("hunter22");
const QStringList kWallet = { "1|E|Mail|ann:pw1", "2|W|Shop|site", "3|W|Forum|board", "4|B|Savings|1234" };

class SyncCommandsTest : public FrameTest {
protected:
    Clock::Fake clock { QDateTime(QDate(2026, 12, 10), QTime(12, 0)) };

    DiskChanges& changes() const { return frame.syncCommands().diskChanges(); }
    CQuorrilView& tree() const { return *frame.treeView(); }

    QString openWallet(const QStringList& lines = kWallet)
    {
        // A wallet of its own each time, even at the same path.
        doc.SetModifiedFlag(false);
        doc.OnNewDocument();
        const QString file = path("wallet.qrl");
        writeBytes(file, WalletText::fileBytes(lines, kPassword, true));
        prompts.addPassword(kPassword);
        EXPECT_TRUE(frame.fileCommands().openDocumentFile(file));
        prompts.shown.clear();
        return file;
    }

    static void writeBytes(const QString& file, const QByteArray& bytes)
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

    // What a sync engine does: a new file renamed over the wallet.
    void replaceByRename(const QStringList& lines)
    {
        const QString fresh = path(".wallet.qrl.tmp");
        writeBytes(fresh, WalletText::fileBytes(lines, kPassword, true));
        ASSERT_EQ(
            std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path("wallet.qrl")).constData()), 0);
    }

    QStringList accounts() const { return WalletText::lines(doc.accounts()); }
};
} // namespace

TEST_F(SyncCommandsTest, AReloadKeepsTheTreesSelectionAndExpansion)
{
    struct Row {
        const char* name;
        AccountType open; // the one category left open
        AccountType selectedType;
        int selectedId; // 0: the category itself
        QStringList theirs;
        QString selectedAfter;
    };
    const QStringList renamed = { "1|E|Mail|ann:pw1", "2|W|Shop|site", "3|W|Board|board", "4|B|Savings|1234" };
    const QStringList forumGone = { "1|E|Mail|ann:pw1", "2|W|Shop|site", "4|B|Savings|1234" };
    const Row rows[] = {
        { "account kept, renamed there", AccountType::WebSite, AccountType::WebSite, 3, renamed, "Board" },
        { "category selected", AccountType::Bank, AccountType::Bank, 0, renamed, "Banks" },
        { "account deleted there: its category", AccountType::WebSite, AccountType::WebSite, 3, forumGone, "WebSites" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openWallet();
        for (AccountType type : kAccountTypes) {
            if (tree().categoryNode(type).isValid())
                tree().collapse(tree().categoryNode(type));
        }
        if (row.selectedId != 0)
            ASSERT_TRUE(tree().selectAccount(row.selectedType, AccountId(row.selectedId)));
        else
            tree().selectNode(tree().categoryNode(row.selectedType));
        tree().collapse(tree().categoryNode(row.selectedType));
        tree().expand(tree().categoryNode(row.open));

        replaceByRename(row.theirs);
        changes().checkNow();
        EXPECT_EQ(accounts(), row.theirs);
        EXPECT_EQ(frame.statusBar()->currentMessage(), DocumentText::reloadedFromDisk());
        EXPECT_EQ(CQuorrilView::nodeText(tree().selectedNode()), row.selectedAfter);
        for (AccountType type : { AccountType::Email, AccountType::WebSite, AccountType::Bank }) {
            const bool openBefore = type == row.open;
            EXPECT_EQ(tree().isExpanded(tree().categoryNode(type)), openBefore) << accountTypeName(type).toStdString();
        }
        EXPECT_FALSE(doc.IsModified());
    }
}

TEST_F(SyncCommandsTest, MergeFromAsksForAFileMergesInOneStepAndIsUnavailableWhileLocked)
{
    openWallet();
    const QString copy = path("backup.qrl");
    writeBytes(copy, WalletText::fileBytes({ "2|W|Shop|changed", "9|S|Editor|key" }, kPassword, true));

    prompts.addFileName(QString());
    trigger(ID_FILE_MERGE_FROM);
    EXPECT_EQ(prompts.shown, QStringList { "[open file]" }) << "cancelled: nothing else";
    EXPECT_FALSE(doc.IsModified());

    prompts.addFileName(copy);
    trigger(ID_FILE_MERGE_FROM);
    const QString report = DocumentText::mergedFrom(
        QStringLiteral("backup.qrl"), QStringLiteral("0 taken, 1 kept twice, 1 added, 0 deleted, 0 renumbered"));
    EXPECT_EQ(prompts.shown.last(), report);
    EXPECT_EQ(accounts(), (kWallet + QStringList { "9|S|Editor|key", "10|W|Shop (conflict 2026-12-10)|changed" }));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(frame.statusBar()->currentMessage(), report);
    trigger(ID_EDIT_UNDO);
    EXPECT_EQ(accounts(), kWallet);

    doc.OnLockDocument();
    EXPECT_FALSE(enabled(ID_FILE_MERGE_FROM));
    prompts.addPassword(kPassword);
    doc.OnUnlockDocument();
    EXPECT_TRUE(enabled(ID_FILE_MERGE_FROM));
    EXPECT_TRUE(prompts.allAnswersUsed());
}

TEST_F(SyncCommandsTest, AConflictCopyBesideTheWalletIsOfferedOnceAndMergedOnYes)
{
    struct Row {
        const char* name;
        const char* copyName;
        bool locked;
        bool yes;
        int accountsAfter;
    };
    const Row rows[] = {
        { "Syncthing, yes", "wallet.sync-conflict-20261210-142233-ABCDEFG.qrl", false, true, 5 },
        { "Nextcloud, no", "wallet (conflicted copy 2026-12-10 142233).qrl", false, false, 4 },
        { "found while locked: offered at unlock", "wallet.sync-conflict-20261211-000000-XYZ.qrl", true, true, 5 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openWallet();
        if (row.locked)
            doc.OnLockDocument();
        writeBytes(path(QString::fromUtf8(row.copyName)),
            WalletText::fileBytes(kWallet + QStringList { "8|R|Extra|x" }, kPassword, true));
        const QString question = DocumentText::conflictCopyFound(QString::fromUtf8(row.copyName));
        if (!row.locked)
            prompts.addAnswer(row.yes);
        changes().checkNow();
        changes().checkNow();
        if (row.locked) {
            EXPECT_FALSE(prompts.shown.contains(question)) << "not over a locked wallet";
            prompts.addPassword(kPassword);
            prompts.addAnswer(row.yes);
            doc.OnUnlockDocument();
        }
        EXPECT_EQ(prompts.shown.count(question), 1);
        EXPECT_EQ(doc.accountCount(), row.accountsAfter);
        EXPECT_TRUE(prompts.allAnswersUsed());
        // Answered, it is not asked again for this wallet.
        changes().checkNow();
        EXPECT_EQ(prompts.shown.count(question), 1);
        QFile::remove(path(QString::fromUtf8(row.copyName)));
    }
}

TEST_F(SyncCommandsTest, TheSystemWatcherSeesAFileReplacedByRename)
{
    openWallet();
    QSignalSpy changed(&changes().watch(), &FileWatch::changedOnDisk);
    const QStringList theirs = kWallet + QStringList { "5|R|Note|new" };
    replaceByRename(theirs);
    // No checkNow(): the system's notice (or the timer) brings it.
    ASSERT_TRUE(changed.wait(5000));
    EXPECT_EQ(accounts(), theirs);
    EXPECT_EQ(frame.statusBar()->currentMessage(), DocumentText::reloadedFromDisk());
}

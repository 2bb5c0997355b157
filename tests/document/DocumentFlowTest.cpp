// New, open and save with the password steps, the ownership check, the lock and the enabling rules.
#include "document/DocumentFixture.h"
#include "document/FileBuilder.h"

namespace {
QByteArray walletWithOneMail(const QString& password)
{
    FileBuilder f;
    f.header(2, 2, password).i32(1).common(1, 10, "mail").record("T").raw(QByteArray(36, '\0'));
    return f.bytes();
}
} // namespace

using DocumentFlowTest = DocumentFixture;

TEST_F(DocumentFlowTest, OwnershipCheckOnOpening)
{
    struct Row {
        const char* name;
        QByteArray file;
        std::optional<QString> answer;
        bool opened;
        QStringList shown;
    };
    const QStringList verify { "[password verify]" };
    const QStringList refused { "[password verify]", "You Do Not have ownership of this document !" };
    const Row rows[] = {
        { "right password", walletWithOneMail("Secret"), QString("Secret"), true, verify },
        { "other letter case", walletWithOneMail("Secret"), QString("secret"), false, refused },
        { "cancelled", walletWithOneMail("Secret"), std::nullopt, false, verify },
        { "empty file", QByteArray(), QString("anything"), false, refused },
        { "cut inside the password", walletWithOneMail("Secret").left(14), QString("Secret"), false,
            { "Invalid File Format !", "[password verify]", "You Do Not have ownership of this document !" } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // Start from an opened document with accounts and a path, to see the refusal clear them.
        ASSERT_TRUE(openBytes(walletWithOneMail("old"), "old"));
        const QString file = writeFile("wallet.qrl", row.file);
        prompts.shown.clear();
        events.clear();
        recordSignals();
        if (row.answer)
            prompts.addPassword(*row.answer);
        else
            prompts.cancelPassword();
        EXPECT_EQ(doc.OnOpenDocument(file), row.opened);
        EXPECT_EQ(prompts.shown, row.shown);
        EXPECT_EQ(doc.accountCount(), row.opened ? 1 : 0);
        EXPECT_EQ(doc.hasPassword(), row.opened);
        EXPECT_EQ(doc.GetPathName(), row.opened ? file : QString());
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(events.count("reset"), 1);
        EXPECT_EQ(events.last(), "reset");
        QObject::disconnect(&doc, nullptr, nullptr, nullptr);
    }
}

TEST_F(DocumentFlowTest, SavingAskForAPasswordOnlyTheFirstTime)
{
    doc.OnNewDocument();
    doc.AddAccount(account(10, idValue(doc.NextAccountId()), "mail"));
    prompts.cancelPassword();
    EXPECT_FALSE(doc.OnSaveDocument(path("w.qrl")));
    EXPECT_EQ(prompts.shown, QStringList { "[password set]" });
    EXPECT_FALSE(QFile::exists(path("w.qrl")));
    EXPECT_TRUE(doc.IsModified());

    prompts.shown.clear();
    prompts.addPassword("pw");
    EXPECT_TRUE(doc.OnSaveDocument(path("w.qrl")));
    doc.SetModifiedFlag(true);
    EXPECT_TRUE(doc.OnSaveDocument(path("w.qrl")));
    EXPECT_EQ(prompts.shown, QStringList { "[password set]" });
    EXPECT_TRUE(prompts.allAnswersUsed());
}

// A file read only in part, or not at all beyond its password (a version written by another program),
// may hold more than the document: it is not overwritten unasked.
TEST_F(DocumentFlowTest, DocumentNotReadWhollyAsksForAFileNameOnSave)
{
    struct Row {
        const char* name;
        QByteArray file;
        bool loadFailed;
    };
    const Row rows[] = {
        { "format error", walletWithOneMail("pw").chopped(5), true },
        { "version 3", FileBuilder().header(3, 7, "pw").i32(1).common(1, 10, "newer").record("T").bytes(), false },
        { "version 0", FileBuilder().header(0, 7, "pw").bytes(), false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString file = writeFile("kept.qrl", row.file);
        ASSERT_TRUE(open(file, "pw"));
        EXPECT_EQ(doc.loadFailed(), row.loadFailed);
        EXPECT_EQ(doc.GetPathName(), QString());
        EXPECT_FALSE(doc.canChangePassword());

        prompts.shown.clear();
        prompts.addFileName(QString()); // cancels the file dialog
        EXPECT_FALSE(doc.OnSaveDocument(doc.GetPathName()));
        prompts.addPassword("new"); // Change Document Password saves at once: to a file named first
        prompts.addFileName(QString());
        doc.OnChangeDocumentPassword();
        EXPECT_EQ(readFile(file), row.file);

        prompts.addFileName(path("repaired.qrl"));
        EXPECT_TRUE(doc.OnSaveDocument(doc.GetPathName()));
        EXPECT_EQ(prompts.shown, (QStringList { "[save file]", "[password set]", "[save file]", "[save file]" }));
        EXPECT_EQ(readFile(file), row.file);
        EXPECT_EQ(doc.GetPathName(), path("repaired.qrl"));
        EXPECT_FALSE(doc.loadFailed());
        EXPECT_TRUE(prompts.allAnswersUsed());
    }
}

TEST_F(DocumentFlowTest, EnablingRulesFollowPathPasswordAndLock)
{
    struct State {
        bool save, change, lock, unlock;
    };
    auto state = [this] { return State { doc.canSave(), doc.canChangePassword(), doc.canLock(), doc.canUnlock() }; };
    auto expectState = [&](const char* when, State want) {
        SCOPED_TRACE(when);
        const State got = state();
        EXPECT_EQ(got.save, want.save);
        EXPECT_EQ(got.change, want.change);
        EXPECT_EQ(got.lock, want.lock);
        EXPECT_EQ(got.unlock, want.unlock);
    };

    doc.OnNewDocument();
    expectState("new", { false, false, false, false });
    doc.OnLockDocument();
    EXPECT_FALSE(doc.IsLocked()) << "no password yet";
    doc.AddAccount(account(10, 1, "mail"));
    expectState("modified", { true, false, false, false });
    prompts.addPassword("pw");
    doc.OnSaveDocument(path("w.qrl"));
    expectState("saved", { false, true, true, false });
    doc.OnLockDocument();
    expectState("locked", { false, false, false, true });
    EXPECT_FALSE(doc.IsModified()) << "locking does not modify";
}

TEST_F(DocumentFlowTest, LockAndUnlock)
{
    ASSERT_TRUE(openBytes(walletWithOneMail("Pw"), "Pw"));
    recordSignals();
    doc.OnLockDocument();
    EXPECT_TRUE(doc.IsLocked());
    EXPECT_EQ(events, (QStringList { "lock 1", "views" }));

    events.clear();
    prompts.shown.clear();
    prompts.addPassword("pw");
    doc.OnUnlockDocument();
    prompts.cancelPassword();
    doc.OnUnlockDocument();
    EXPECT_TRUE(doc.IsLocked());
    EXPECT_EQ(prompts.shown, (QStringList { "[password verify]", "[password verify]" })) << "no message";
    EXPECT_TRUE(events.isEmpty());

    // Change Document Password is refused while locked: it would otherwise unlock unasked.
    doc.OnChangeDocumentPassword();
    EXPECT_EQ(prompts.shown.size(), 2);

    // New and Open leave the lock as it is.
    ASSERT_TRUE(open(path("in.qrl"), "Pw"));
    EXPECT_TRUE(doc.IsLocked());
    doc.OnNewDocument();
    EXPECT_TRUE(doc.IsLocked());

    ASSERT_TRUE(openBytes(walletWithOneMail("Pw"), "Pw"));
    events.clear();
    prompts.addPassword("Pw");
    doc.OnUnlockDocument();
    EXPECT_FALSE(doc.IsLocked());
    EXPECT_EQ(events, (QStringList { "lock 0", "views" }));
}

TEST_F(DocumentFlowTest, ChangePasswordSavesAtOnceAndTheFileOpensOnlyWithTheNewOne)
{
    const QString file = writeFile("w.qrl", walletWithOneMail("old"));
    ASSERT_TRUE(open(file, "old"));
    prompts.cancelPassword();
    doc.OnChangeDocumentPassword();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(readFile(file), walletWithOneMail("old"));

    prompts.addPassword("new");
    doc.OnChangeDocumentPassword();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(readFile(file), walletWithOneMail("new"));

    prompts.shown.clear();
    EXPECT_FALSE(open(file, "old"));
    EXPECT_TRUE(open(file, "new"));
    EXPECT_EQ(prompts.shown,
        (QStringList { "[password verify]", "You Do Not have ownership of this document !", "[password verify]" }));
}

TEST_F(DocumentFlowTest, NewDocumentSignalsAndState)
{
    ASSERT_TRUE(openBytes(walletWithOneMail("pw"), "pw"));
    doc.AddAccount(account(11, 9, "site"));
    ASSERT_EQ(doc.NextAccountId(), AccountId(10));
    recordSignals();
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(events, (QStringList { "path ", "modified 0", "views", "reset" }));
    EXPECT_EQ(doc.accountCount(), 0);
    EXPECT_FALSE(doc.hasPassword());
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_EQ(doc.NextAccountId(), AccountId(10)) << "New keeps the next account id";
}

TEST_F(DocumentFlowTest, TextThatWouldNotReadBackIsNeverWritten)
{
    const QString file = writeFile("w.qrl", walletWithOneMail("pw"));
    ASSERT_TRUE(open(file, "pw"));
    auto a = account(10, 5, QStringLiteral("half-width \uFFA5"));
    doc.AddAccount(std::move(a));
    EXPECT_EQ(doc.firstUnstorableText(), "account 5: title");
    prompts.shown.clear();
    EXPECT_FALSE(doc.OnSaveDocument(file));
    EXPECT_EQ(prompts.shown, QStringList { "Unable To Save File !" });
    EXPECT_EQ(prompts.details,
        QStringList { "Cannot save " + file + ": a character that cannot be stored (account 5: title)." });
    EXPECT_EQ(readFile(file), walletWithOneMail("pw"));
    EXPECT_TRUE(doc.IsModified());

    doc.FindAccount(AccountId(5))->SetTitle("plain");
    doc.FindAccount(AccountId(5))->AddUser(0, "id", QStringLiteral("\uFFE0"), "");
    EXPECT_EQ(CQuorrilDoc::firstUnstorableField(*doc.FindAccount(AccountId(5))), "users[0].password");
    doc.FindAccount(AccountId(1))->setField(0, ScrambledText(QStringLiteral("\uFFFE")));
    EXPECT_EQ(doc.firstUnstorableText(), "account 1: logInUrl");
    EXPECT_FALSE(doc.OnSaveDocument(file));
    EXPECT_EQ(readFile(file), walletWithOneMail("pw"));
}

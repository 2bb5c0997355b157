// The history of steps: the modified mark as its clean state, steps that a dialog joins, the
// deleted accounts it keeps, and the whole history taken out and put back as data.
#include "document/DocumentFixture.h"
#include "document/FilledFields.h"

namespace {

class HistoryTest : public DocumentFixture {
protected:
    HistoryTest()
    {
        for (qint32 id = 1; id <= 3; ++id)
            doc.AddAccount(account(13, id, QStringLiteral("Bank %1").arg(id)));
        doc.SetModifiedFlag(false);
    }
    size_t steps() const { return doc.accountTable().history().steps().size(); }
    std::unique_ptr<AccountRecord> renamed(qint32 id, const QString& title) const
    {
        auto copy = cloneAccount(*doc.FindAccount(AccountId(id)));
        copy->SetTitle(title);
        return copy;
    }
};

TEST_F(HistoryTest, TheModifiedMarkIsWhereTheHistoryStandsAgainstTheSavedState)
{
    // clang-format off
    struct Row { const char* action; bool modified; const char* undoName; };
    const Row rows[] = {
        { "delete 1",  true,  "Delete \"Bank 1\"" },
        { "save",      false, "Delete \"Bank 1\"" },
        { "edit 2",    true,  "Edit \"Two\"" },
        { "undo",      false, "Delete \"Bank 1\"" },
        { "undo",      true,  "New \"Bank 3\"" },
        { "redo",      false, "Delete \"Bank 1\"" },
        { "undo",      true,  "New \"Bank 3\"" },
        // A new step where the saved state was undone: nothing leads back to it any more.
        { "delete 3",  true,  "Delete \"Bank 3\"" },
        { "undo",      true,  "New \"Bank 3\"" },
        { "save",      false, "New \"Bank 3\"" },
        // An edit that changes nothing is no step, but still marks the document.
        { "same 2",    true,  "New \"Bank 3\"" },
        { "lock",      true,  "" },
    };
    // clang-format on
    doc.setPassword("pw");
    ASSERT_TRUE(doc.OnSaveDocument(path("w.qrl")));
    doc.SetModifiedFlag(false);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.action);
        const QString action = QString::fromLatin1(row.action);
        if (action.startsWith("delete"))
            EXPECT_TRUE(doc.RemoveAccount(AccountId(action.back().digitValue())));
        else if (action == "edit 2")
            EXPECT_NE(doc.EditAccount(renamed(2, "Two")), 0u);
        else if (action == "same 2")
            EXPECT_EQ(doc.EditAccount(cloneAccount(*doc.FindAccount(AccountId(2)))), 0u);
        else if (action == "save")
            EXPECT_TRUE(doc.OnSaveDocument(path("w.qrl")));
        else if (action == "undo")
            EXPECT_TRUE(doc.Undo());
        else if (action == "redo")
            EXPECT_TRUE(doc.Redo());
        else if (action == "lock")
            doc.OnLockDocument();
        EXPECT_EQ(doc.IsModified(), row.modified);
        EXPECT_EQ(doc.canUndo() ? doc.undoName() : QString(), QString::fromUtf8(row.undoName));
    }
    EXPECT_FALSE(doc.Undo()) << "unavailable while locked";
}

TEST_F(HistoryTest, ADialogJoinsItsStepAndAnEditKeepsTheAccountObject)
{
    AccountRecord* live = doc.FindAccount(AccountId(2));
    const quint64 step = doc.EditAccount(renamed(2, "First"));
    ASSERT_NE(step, 0u);
    auto withUser = renamed(2, "Second");
    withUser->AddUser(0, "u", "p", "e");
    EXPECT_EQ(doc.EditAccount(std::move(withUser), step), step);
    EXPECT_EQ(steps(), 4u);
    EXPECT_EQ(doc.undoName(), QStringLiteral("Edit \"Second\""));
    EXPECT_EQ(doc.FindAccount(AccountId(2)), live) << "what holds the account sees the new state";
    EXPECT_EQ(live->GetUserCount(), 1);

    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(live->GetTitle(), QStringLiteral("Bank 2"));
    EXPECT_EQ(live->GetUserCount(), 0);
    EXPECT_FALSE(doc.IsModified());
    // A step that is no longer the last one done is not joined: the edit is a step of its own.
    EXPECT_NE(doc.EditAccount(renamed(2, "Third"), step), step);
    EXPECT_EQ(steps(), 4u) << "the undone step was dropped";
}

TEST_F(HistoryTest, ManyChangesAreOneStepAndTheViewsHearOfThemBetweenStartAndFinish)
{
    QStringList heard;
    QObject::connect(&doc, &CQuorrilDoc::changesStarting, [&](int n) { heard << QStringLiteral("start %1").arg(n); });
    QObject::connect(
        &doc, &CQuorrilDoc::accountAdded, [&](AccountId id) { heard << QStringLiteral("+%1").arg(idValue(id)); });
    QObject::connect(&doc, &CQuorrilDoc::accountRemoved, [&](AccountId id, AccountType type) {
        heard << QStringLiteral("-%1/%2").arg(idValue(id)).arg(typeCode(type));
    });
    QObject::connect(
        &doc, &CQuorrilDoc::accountChanged, [&](AccountId id) { heard << QStringLiteral("~%1").arg(idValue(id)); });
    QObject::connect(&doc, &CQuorrilDoc::changesFinished, [&] { heard << QStringLiteral("finish"); });

    std::vector<std::unique_ptr<AccountRecord>> accounts;
    accounts.push_back(account(10, 7, "first seven"));
    accounts.push_back(renamed(2, "Two"));
    accounts.push_back(account(10, 7, "second seven")); // the later one with an id wins
    EXPECT_EQ(doc.changeAccounts("Import", std::move(accounts), { AccountId(3), AccountId(99) }), 3);
    EXPECT_EQ(heard, (QStringList { "start 3", "~2", "-3/13", "+7", "finish" }));
    EXPECT_EQ(accountList(), (QStringList { "1:13:Bank 1", "2:13:Two", "7:10:second seven" }));
    heard.clear();
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(heard, (QStringList { "start 3", "-7/10", "+3", "~2", "finish" })) << "undone in reverse order";
    EXPECT_EQ(accountList(), (QStringList { "1:13:Bank 1", "2:13:Bank 2", "3:13:Bank 3" }));
    EXPECT_EQ(doc.changeAccounts("Nothing", {}, { AccountId(42) }), 0);
    EXPECT_EQ(doc.undoName(), QStringLiteral("New \"Bank 3\"")) << "nothing changed, no step";
}

TEST_F(HistoryTest, TheDeletedAccountsAreTheRemovalsOfTheStepsDone)
{
    doc.RemoveAccount(AccountId(1));
    doc.RemoveAccount(AccountId(2));
    doc.RemoveAccount(AccountId(3));
    doc.Undo(); // Bank 3 is back
    auto list = [this] {
        QStringList titles;
        for (const CQuorrilDoc::DeletedAccount& deleted : doc.recentlyDeleted())
            titles << QStringLiteral("%1 %2").arg(idValue(deleted.id)).arg(deleted.title);
        return titles;
    };
    EXPECT_EQ(list(), (QStringList { "2 Bank 2", "1 Bank 1" }));

    // A new account may take a deleted one's title; that one then stays deleted.
    ASSERT_TRUE(doc.AddAccount(account(13, idValue(doc.NextAccountId()), "bank 1")));
    EXPECT_FALSE(doc.restoreDeleted(AccountId(1)));
    EXPECT_FALSE(doc.restoreDeleted(AccountId(3))) << "not deleted";
    ASSERT_TRUE(doc.restoreDeleted(AccountId(2)));
    EXPECT_EQ(doc.undoName(), QStringLiteral("Restore \"Bank 2\""));
    EXPECT_EQ(list(), QStringList { "1 Bank 1" });
    // Deleted again after the restore: listed once.
    doc.RemoveAccount(AccountId(2));
    EXPECT_EQ(list(), (QStringList { "2 Bank 2", "1 Bank 1" }));
    // The ids of deleted accounts are never handed out again, so each can come back under its own.
    EXPECT_EQ(doc.NextAccountId(), AccountId(5));
}

TEST_F(HistoryTest, TheWholeHistoryIsDataThatCanBeTakenOutAndPutBack)
{
    doc.setPassword("old");
    doc.RemoveAccount(AccountId(1));
    doc.EditAccount(renamed(2, "Two"));
    doc.setEncrypted(true);
    ASSERT_TRUE(doc.Undo()); // the container switch can be redone
    int historyChanges = 0;
    QObject::connect(&doc, &CQuorrilDoc::historyChanged, [&] { ++historyChanges; });

    ChangeStack::History taken = doc.accountTable().takeHistory();
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.canRedo());
    // Every account state the history holds, and what kind of change keeps it.
    QStringList held;
    for (const Step& step : taken.steps)
        for (const StepChange& change : step.accounts)
            held << QStringLiteral("%1 %2 %3")
                        .arg(step.name)
                        .arg(idValue(change.id))
                        .arg(change.kept ? change.kept->GetTitle() : QStringLiteral("-"));
    EXPECT_EQ(held,
        (QStringList { "New \"Bank 1\" 1 -", "New \"Bank 2\" 2 -", "New \"Bank 3\" 3 -", "Delete \"Bank 1\" 1 Bank 1",
            "Edit \"Two\" 2 Bank 2" }));
    EXPECT_EQ(taken.done, 5u);
    EXPECT_EQ(taken.steps.back().encrypted, std::optional<bool>(true)) << "undone: it keeps the side after it";

    doc.accountTable().restoreHistory(std::move(taken));
    EXPECT_EQ(historyChanges, 2) << "taken out, put back";
    ASSERT_TRUE(doc.Redo());
    EXPECT_TRUE(doc.isEncrypted());
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(accountList(), (QStringList { "1:13:Bank 1", "2:13:Bank 2", "3:13:Bank 3" }));
}

} // namespace

// Lock seals the document in memory and unlock opens the seal: everything comes back as it was.
#include "document/DocumentFixture.h"
#include "document/SampleWallet.h"
#include "format/EncryptedFormat.h"

#include <functional>
#include <map>

namespace {

// A committed account of the type with every field filled.
std::unique_ptr<AccountRecord> filled(qint32 type, qint32 id, const QString& title, int seed)
{
    auto made = createAccount(AccountId(id), AccountType(type));
    made->SetTitle(title);
    fillFields(*made, seed);
    made->SetCommitted();
    return made;
}

class SealTest : public DocumentFixture {
protected:
    SealTest()
    {
        doc.setKdfCost(EncryptedFormat::cheapestCost());
        doc.setPassword(QStringLiteral("owner pass"));
    }

    // A deep copy of every account, to compare with after unlock.
    std::map<AccountId, std::unique_ptr<AccountRecord>> copies() const
    {
        std::map<AccountId, std::unique_ptr<AccountRecord>> copied;
        for (const auto& [id, account] : doc.accounts())
            copied[id] = cloneAccount(*account);
        return copied;
    }

    // What a user sees of the document besides the accounts' content.
    QStringList state() const
    {
        QStringList deleted;
        for (const CQuorrilDoc::DeletedAccount& gone : doc.recentlyDeleted())
            deleted << gone.title;
        return { QStringLiteral("modified %1").arg(int(doc.IsModified())), QStringLiteral("undo ") + doc.undoName(),
            QStringLiteral("redo ") + doc.redoName(), QStringLiteral("deleted ") + deleted.join(u','),
            QStringLiteral("password ") + doc.password(), QStringLiteral("encrypted %1").arg(int(doc.isEncrypted())) };
    }

    // Every user entry and field value any account still holds, other than a field's default.
    QStringList heldValues() const
    {
        QStringList held;
        for (const auto& [id, account] : doc.accounts()) {
            if (account->GetUserCount() > 0)
                held << QStringLiteral("%1 users").arg(account->GetTitle());
            const RecordLayout& layout = account->layout();
            for (size_t i = 0; i < layout.fields.size(); ++i)
                if (account->field(int(i)) != defaultFieldValue(layout.fields[i].kind))
                    held << QStringLiteral("%1 %2").arg(account->GetTitle(), QLatin1StringView(layout.fields[i].name));
        }
        return held;
    }
};

struct SealRow {
    const char* name;
    // What is done before the lock.
    std::function<void(CQuorrilDoc&)> before;
};

TEST_F(SealTest, LockAndUnlockKeepEverythingAndTheLockedTableHoldsNoSecret)
{
    const std::vector<SealRow> rows = {
        { "saved, no history",
            [](CQuorrilDoc& d) {
                addSampleAccounts(d, 1);
                d.accountTable().clearHistory();
                d.SetModifiedFlag(false);
            } },
        { "unsaved edit, delete and an undone step",
            [](CQuorrilDoc& d) {
                addSampleAccounts(d, 1);
                d.SetModifiedFlag(false);
                d.EditAccount(filled(13, 1, QStringLiteral("Bank renamed"), 77));
                d.RemoveAccount(AccountId(2));
                d.AddAccount(filled(13, 50, QStringLiteral("Undone bank"), 5));
                ASSERT_TRUE(d.Undo());
            } },
        { "password and container changed as one step",
            [](CQuorrilDoc& d) {
                addSampleAccounts(d, 1);
                d.SetModifiedFlag(false);
                ASSERT_TRUE(d.encryptWithNewPassword(QStringLiteral("newer pass")));
            } },
        { "marked modified by hand, clean history",
            [](CQuorrilDoc& d) {
                addSampleAccounts(d, 1);
                d.accountTable().clearHistory();
                d.SetModifiedFlag(false);
                d.SetModifiedFlag(true);
            } },
    };
    for (const SealRow& row : rows) {
        SCOPED_TRACE(row.name);
        doc.OnNewDocument();
        doc.setPassword(QStringLiteral("owner pass"));
        row.before(doc);
        const auto before = copies();
        const QStringList titles = accountList();
        const QStringList shown = state();
        ASSERT_FALSE(heldValues().isEmpty()) << "the rows fill the accounts";

        doc.OnLockDocument();
        ASSERT_TRUE(doc.IsLocked());
        EXPECT_TRUE(doc.isSealed());
        EXPECT_EQ(accountList(), titles) << "the tree keeps its titles";
        EXPECT_EQ(heldValues(), QStringList());
        EXPECT_EQ(doc.password(), QString());
        EXPECT_TRUE(doc.accountTable().history().steps().empty());
        EXPECT_TRUE(doc.recentlyDeleted().empty());
        EXPECT_EQ(doc.IsModified(), shown.first() == QStringLiteral("modified 1")) << "the mark stays while locked";

        prompts.addPassword(QStringLiteral("wrong"));
        doc.OnUnlockDocument();
        EXPECT_TRUE(doc.IsLocked()) << "a wrong password is refused";
        EXPECT_TRUE(doc.isSealed());
        prompts.cancelPassword();
        doc.OnUnlockDocument();
        EXPECT_TRUE(doc.isSealed());

        const QString password = shown[4].mid(9);
        prompts.addPassword(password);
        doc.OnUnlockDocument();
        ASSERT_FALSE(doc.IsLocked());
        EXPECT_FALSE(doc.isSealed());
        EXPECT_EQ(state(), shown);
        ASSERT_EQ(doc.accounts().size(), before.size());
        for (const auto& [id, account] : doc.accounts())
            EXPECT_TRUE(before.count(id) && sameContent(*account, *before.at(id))) << account->GetTitle().toStdString();
        // The history works as before the lock.
        if (doc.canUndo()) {
            ASSERT_TRUE(doc.Undo());
            ASSERT_TRUE(doc.Redo());
            EXPECT_EQ(state(), shown);
        }
    }
}

TEST_F(SealTest, AccountsAddedWhileLockedJoinAtUnlock)
{
    doc.AddAccount(filled(13, 1, QStringLiteral("Sealed bank"), 1));
    doc.AddAccount(filled(15, 2, QStringLiteral("Doomed card"), 2));
    doc.RemoveAccount(AccountId(2));
    ASSERT_TRUE(doc.Undo()); // a step to redo, which the new account drops
    doc.SetModifiedFlag(false);
    const auto sealedBank = cloneAccount(*doc.FindAccount(AccountId(1)));
    doc.OnLockDocument();
    ASSERT_TRUE(doc.isSealed());

    const AccountId newId = doc.NextAccountId();
    ASSERT_TRUE(doc.AddAccount(filled(13, idValue(newId), QStringLiteral("Added while locked"), 9)));
    EXPECT_TRUE(doc.IsModified());
    prompts.addPassword(QStringLiteral("owner pass"));
    doc.OnUnlockDocument();
    ASSERT_FALSE(doc.IsLocked());

    EXPECT_EQ(accountList(), (QStringList { "1:13:Sealed bank", "2:15:Doomed card", "3:13:Added while locked" }));
    EXPECT_TRUE(sameContent(*doc.FindAccount(AccountId(1)), *sealedBank));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.undoName(), QStringLiteral("New \"Added while locked\""));
    EXPECT_FALSE(doc.canRedo()) << "the new step dropped the redo, as any step does";
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.IsModified()) << "back at the saved state";
    EXPECT_EQ(doc.undoName(), QStringLiteral("New \"Doomed card\""));
}

TEST_F(SealTest, ASealedDocumentSavesOnlyOnceUnlocked)
{
    addSampleAccounts(doc, 1);
    const QString file = path(QStringLiteral("w.qrl"));
    ASSERT_TRUE(doc.OnSaveDocument(file));
    const QByteArray saved = readFile(file);
    doc.AddAccount(filled(13, idValue(doc.NextAccountId()), QStringLiteral("Later"), 3));
    doc.OnLockDocument();

    prompts.cancelPassword(); // the unlock that saving asks for
    EXPECT_FALSE(doc.OnSaveDocument(file));
    EXPECT_EQ(readFile(file), saved) << "nothing of the stripped table is written";
    prompts.addPassword(QStringLiteral("owner pass"));
    EXPECT_TRUE(doc.OnSaveDocument(file));
    EXPECT_FALSE(doc.IsLocked());
    ASSERT_TRUE(open(file, QStringLiteral("owner pass")));
    EXPECT_EQ(doc.accountCount(), 11);
}

TEST_F(SealTest, KeyWorkRunsTheDerivationAndANewDocumentForgetsTheSeal)
{
    addSampleAccounts(doc, 1);
    doc.OnLockDocument();
    EXPECT_EQ(prompts.workRunToEnd, 1);
    prompts.addPassword(QStringLiteral("wrong"));
    doc.OnUnlockDocument();
    EXPECT_EQ(prompts.workRunToEnd, 2) << "the typed password is checked by deriving its key";
    doc.OnNewDocument();
    EXPECT_FALSE(doc.isSealed());
}

} // namespace

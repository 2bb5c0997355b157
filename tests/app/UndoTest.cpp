// Every change through the window is one step: it is done, undone and redone, and each time the
// document, the tree and the modified mark agree.
#include "app/CommandTable.h"
#include "app/FrameTest.h"
#include "app/RecentlyDeletedDlg.h"
#include "app/RestoreBackupDlg.h"
#include "document/Backups.h"
#include "document/FilledFields.h"
#include "format/WalletFile.h"
#include "views/FindBar.h"

#include <QCheckBox>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTreeWidget>

#include <functional>

namespace {

constexpr int kOk = 1;
// The Email dialog's user editor.
constexpr int kLogin = 1009, kUserPassword = 1018, kUserEmail = 1011, kAdd = 1022, kRemove = 1020, kUpdate = 1024;

// Everything a file of the document would hold but the next id (which never goes back), and the
// container.
QByteArray documentState(const CQuorrilDoc& doc)
{
    QByteArray bytes = WalletFile::store(doc.contents());
    bytes.replace(4, 4, QByteArray(4, '\0'));
    return bytes + (doc.isEncrypted() ? "encrypted" : "classic");
}

QString nodeLine(AccountType type, AccountId id, const QString& title)
{
    return QStringLiteral("%1 %2 %3").arg(typeCode(type)).arg(idValue(id)).arg(title);
}

// "type id title" of every account the tree shows, and of every account of the document.
QStringList treeAccounts(const CQuorrilView& tree)
{
    QStringList lines;
    const QModelIndex root = tree.rootNode();
    for (const QModelIndex& category : { root }) {
        for (int c = 0; c < tree.model()->rowCount(category); ++c) {
            const QModelIndex node = tree.model()->index(c, 0, category);
            for (int a = 0; a < tree.model()->rowCount(node); ++a) {
                const QModelIndex account = tree.model()->index(a, 0, node);
                lines << nodeLine(CQuorrilView::nodeType(account), CQuorrilView::nodeAccountId(account),
                    CQuorrilView::nodeText(account));
            }
        }
    }
    lines.sort();
    return lines;
}

QStringList documentAccounts(const CQuorrilDoc& doc)
{
    QStringList lines;
    for (const auto& [id, account] : doc.accounts())
        lines << nodeLine(account->GetType(), id, account->GetTitle());
    lines.sort();
    return lines;
}

QString typeTitle(AccountType type) { return QStringLiteral("My %1").arg(accountTypeName(type)); }

class UndoTest : public FrameTest {
protected:
    UndoTest()
    {
        // A saved wallet of one filled account of each type, the Email one with two users.
        ScriptedDocumentPrompts filePrompts;
        CQuorrilDoc file(filePrompts);
        std::vector<std::unique_ptr<AccountRecord>> accounts;
        int seed = 0;
        for (AccountType type : kAccountTypes) {
            auto account = makeAccount(type, AccountId(++seed), typeTitle(type));
            fillFields(*account, seed);
            if (type == AccountType::Email) {
                account->AddUser(0, QStringLiteral("anna"), QStringLiteral("pa"), QStringLiteral("a@x"));
                account->AddUser(1, QStringLiteral("ben"), QStringLiteral("pb"), QStringLiteral("b@x"));
            }
            accounts.push_back(std::move(account));
        }
        file.changeAccounts(QStringLiteral("Import"), std::move(accounts));
        file.setPassword(QStringLiteral("pw"));
        EXPECT_TRUE(file.OnSaveDocument(path(QStringLiteral("wallet.qrl"))));
        prompts.addPassword(QStringLiteral("pw"));
        EXPECT_TRUE(frame.fileCommands().openDocumentFile(path(QStringLiteral("wallet.qrl"))));
        focusTree();
    }

    size_t stepCount() const { return doc.accountTable().history().steps().size(); }
    QStringList shownAccounts() const { return treeAccounts(*frame.treeView()); }

    // Runs the command with its dialog answered by the step.
    void withDialog(int command, std::function<void(TableAccountDialog&)> step)
    {
        onNextModal([step](QWidget* modal) {
            auto* dialog = qobject_cast<TableAccountDialog*>(modal);
            ASSERT_NE(dialog, nullptr) << "not an account dialog";
            step(*dialog);
        });
        focusTree();
        trigger(command);
    }
    static void setText(TableAccountDialog& dialog, int id, const QString& text)
    {
        dialog.control<QLineEdit>(id)->setText(text);
    }
    static void click(TableAccountDialog& dialog, int id) { dialog.control<QPushButton>(id)->click(); }
    // Fills every required field of the dialog with the text and presses OK.
    static void fillRequiredAndAccept(TableAccountDialog& dialog, const QString& text)
    {
        for (const RequiredLine& line : dialog.table().required) {
            for (int id : line.controls) {
                if (auto* edit = dialog.control<QLineEdit>(id))
                    edit->setText(text);
                else if (auto* memo = dialog.control<QPlainTextEdit>(id))
                    memo->setPlainText(text);
            }
        }
        click(dialog, kOk);
    }
    static int newCommandOf(AccountType type)
    {
        for (int id : CommandTable::newAccountMenu())
            if (CommandTable::find(id)->accountType == type)
                return id;
        return 0;
    }
    void editEmail(std::function<void(TableAccountDialog&)> step)
    {
        select(AccountType::Email, typeTitle(AccountType::Email));
        withDialog(ID_ACCOUNT_PROPERTIES, [step](TableAccountDialog& dialog) {
            step(dialog);
            // After a user change Esc ends the dialog with OK, as one step of everything it changed.
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
    }
};

TEST_F(UndoTest, EveryChangeIsOneStepThatUndoesAndRedoesInTheDocumentTheTreeAndTheMark)
{
    struct Row {
        QString name; // what the Undo entry names
        std::function<void()> change;
        bool savesAtOnce = false;
    };
    std::vector<Row> rows;
    for (AccountType type : kAccountTypes) {
        const QString title = typeTitle(type);
        const QString added = type == AccountType::Medical ? QStringLiteral("AddedAdded") : QStringLiteral("Added");
        rows.push_back({ QStringLiteral("New \"%1\"").arg(added), [this, type] {
                            withDialog(newCommandOf(type),
                                [](TableAccountDialog& d) { fillRequiredAndAccept(d, QStringLiteral("Added")); });
                        } });
        rows.push_back({ QStringLiteral("Delete \"%1\"").arg(title), [this, type, title] {
                            select(type, title);
                            prompts.addAnswer(true);
                            trigger(ID_ACCOUNT_DELETE);
                        } });
        rows.push_back({ QString(), [this, type, title] {
                            select(type, title);
                            withDialog(ID_ACCOUNT_PROPERTIES, [](TableAccountDialog& d) {
                                setText(d, d.table().required.front().controls[0], QStringLiteral("Edited"));
                                click(d, kOk);
                            });
                        } });
    }
    const QString email = QStringLiteral("Edit \"%1\"").arg(typeTitle(AccountType::Email));
    rows.push_back({ email, [this] {
                        editEmail([](TableAccountDialog& d) {
                            setText(d, kLogin, QStringLiteral("cleo"));
                            setText(d, kUserPassword, QStringLiteral("pc"));
                            setText(d, kUserEmail, QStringLiteral("c@x"));
                            click(d, kAdd);
                        });
                    } });
    rows.push_back({ email, [this] {
                        editEmail([](TableAccountDialog& d) {
                            setText(d, kUserPassword, QStringLiteral("changed"));
                            click(d, kUpdate);
                        });
                    } });
    rows.push_back({ email, [this] {
                        prompts.addAnswer(true);
                        editEmail([](TableAccountDialog& d) { click(d, kRemove); });
                    } });
    // Add, then Remove, then OK: still one step.
    rows.push_back({ QStringLiteral("Edit \"Renamed\""), [this] {
                        prompts.addAnswer(true);
                        select(AccountType::Email, typeTitle(AccountType::Email));
                        withDialog(ID_ACCOUNT_PROPERTIES, [](TableAccountDialog& d) {
                            setText(d, kLogin, QStringLiteral("dora"));
                            click(d, kAdd);
                            click(d, kRemove);
                            setText(d, 1040, QStringLiteral("Renamed"));
                            click(d, kOk);
                        });
                    } });
    rows.push_back({ QStringLiteral("Change Password"),
        [this] {
            prompts.addPassword(QStringLiteral("new password"));
            trigger(ID_CHANGE_PASSWORD);
        },
        true });

    for (const Row& row : rows) {
        SCOPED_TRACE(row.name.toStdString() + " " + std::to_string(&row - rows.data()));
        doc.SetModifiedFlag(false);
        const QByteArray before = documentState(doc);
        const size_t done = doc.accountTable().history().done();
        row.change();
        const QByteArray after = documentState(doc);
        EXPECT_NE(after, before);
        EXPECT_EQ(doc.accountTable().history().done(), done + 1);
        EXPECT_EQ(stepCount(), done + 1);
        EXPECT_EQ(doc.IsModified(), !row.savesAtOnce);
        EXPECT_EQ(shownAccounts(), documentAccounts(doc));
        if (!row.name.isEmpty())
            EXPECT_EQ(action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo ") + row.name);
        else
            EXPECT_TRUE(action(ID_EDIT_UNDO)->text().startsWith(QStringLiteral("&Undo Edit \"")));

        focusTree();
        trigger(ID_EDIT_UNDO);
        EXPECT_EQ(documentState(doc), before);
        EXPECT_EQ(doc.IsModified(), row.savesAtOnce);
        EXPECT_EQ(shownAccounts(), documentAccounts(doc));
        EXPECT_TRUE(action(ID_EDIT_REDO)->isEnabled());

        trigger(ID_EDIT_REDO);
        EXPECT_EQ(documentState(doc), after);
        EXPECT_EQ(doc.IsModified(), !row.savesAtOnce);
        EXPECT_EQ(shownAccounts(), documentAccounts(doc));

        trigger(ID_EDIT_UNDO); // the next row starts from the wallet as it was
        EXPECT_EQ(documentState(doc), before);
        EXPECT_TRUE(prompts.allAnswersUsed());
    }
}

TEST_F(UndoTest, UndoRestoresTheAccountSelectedAndIsUnavailableWhileLockedOrAfterNewAndOpen)
{
    select(AccountType::Bank, typeTitle(AccountType::Bank));
    prompts.addAnswer(true);
    trigger(ID_ACCOUNT_DELETE);
    EXPECT_EQ(action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo Delete \"My Bank\""));
    EXPECT_EQ(action(ID_EDIT_REDO)->text(), QStringLiteral("&Redo"));
    EXPECT_FALSE(action(ID_EDIT_REDO)->isEnabled());

    doc.OnLockDocument();
    EXPECT_FALSE(action(ID_EDIT_UNDO)->isEnabled());
    EXPECT_EQ(action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo"));
    trigger(ID_EDIT_UNDO);
    EXPECT_EQ(doc.accountCount(), 9);
    prompts.addPassword(QStringLiteral("pw"));
    doc.OnUnlockDocument();

    trigger(ID_EDIT_UNDO);
    EXPECT_EQ(doc.accountCount(), 10);
    EXPECT_EQ(CQuorrilView::nodeText(frame.treeView()->selectedNode()), QStringLiteral("My Bank"));
    EXPECT_EQ(action(ID_EDIT_REDO)->text(), QStringLiteral("&Redo Delete \"My Bank\""));

    // A title with an ampersand shows as it is on the menu.
    auto renamed = cloneAccount(*doc.FindAccount(AccountId(4)));
    renamed->SetTitle(QStringLiteral("Bread & Butter"));
    doc.EditAccount(std::move(renamed));
    EXPECT_EQ(action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo Edit \"Bread && Butter\""));

    doc.OnNewDocument();
    EXPECT_FALSE(action(ID_EDIT_UNDO)->isEnabled());
    EXPECT_FALSE(action(ID_EDIT_REDO)->isEnabled());
}

TEST_F(UndoTest, TheKeysUndoTheDocumentInThePanesAndTheTypingInTheFindField)
{
    select(AccountType::Bank, typeTitle(AccountType::Bank));
    prompts.addAnswer(true);
    trigger(ID_ACCOUNT_DELETE);
    FindBar* find = frame.findBar();

    find->setFocus(Qt::MouseFocusReason);
    pressKey(find, Qt::Key_X);
    pressKey(find, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(find->text(), QString());
    EXPECT_EQ(doc.accountCount(), 9) << "the field's own undo, not the document's";
    pressKey(find, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(find->text(), QStringLiteral("x"));
    find->clear();

    // clang-format off
    struct Row { QWidget* pane; Qt::Key key; Qt::KeyboardModifiers modifiers; int accounts; };
    const Row rows[] = {
        { frame.treeView(), Qt::Key_Z, Qt::ControlModifier, 10 },
        { frame.listView(), Qt::Key_Y, Qt::ControlModifier, 9 },
        { frame.treeView(), Qt::Key_Z, Qt::ControlModifier, 10 },
        { frame.treeView(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, 9 },
    };
    // clang-format on
    for (const Row& row : rows) {
        row.pane->setFocus(Qt::MouseFocusReason);
        pressKey(row.pane, row.key, row.modifiers);
        EXPECT_EQ(doc.accountCount(), row.accounts) << &row - rows;
    }
}

TEST_F(UndoTest, RecentlyDeletedListsTheDeletedAccountsAndRestoresThem)
{
    for (AccountType type : { AccountType::Bank, AccountType::Software, AccountType::Email }) {
        select(type, typeTitle(type));
        prompts.addAnswer(true);
        trigger(ID_ACCOUNT_DELETE);
    }
    trigger(ID_EDIT_UNDO); // the Email account is back: not deleted any more
    // A new account takes the title of a deleted one: that one cannot come back beside it.
    withDialog(newCommandOf(AccountType::Software), [](TableAccountDialog& d) {
        for (int id : { 1091, 1089, 1086 })
            setText(d, id, id == 1091 ? QStringLiteral("My Software") : QStringLiteral("x"));
        click(d, kOk);
    });
    ASSERT_EQ(doc.accountCount(), 9);

    QStringList listed;
    onNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<RecentlyDeletedDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        for (int i = 0; i < dialog->list()->topLevelItemCount(); ++i)
            listed << dialog->list()->topLevelItem(i)->text(0) + QLatin1Char('/')
                    + dialog->list()->topLevelItem(i)->text(1);
        dialog->restoreButton()->click(); // the latest: My Software, whose title is taken
        dialog->list()->setCurrentItem(dialog->list()->topLevelItem(1));
        dialog->restoreButton()->click(); // My Bank
        listed << QString::number(dialog->list()->topLevelItemCount());
        dialog->reject();
    });
    trigger(ID_EDIT_RECENTLY_DELETED);
    EXPECT_EQ(listed, (QStringList { "My Software/Software", "My Bank/Bank", "1" }));
    EXPECT_EQ(prompts.shown.last(), QStringLiteral("An Account of this Type with The Same Name Already Exist !\n\n"));
    EXPECT_EQ(doc.accountCount(), 10);
    EXPECT_EQ(CQuorrilView::nodeText(frame.treeView()->selectedNode()), QStringLiteral("My Bank"));
    EXPECT_EQ(action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo Restore \"My Bank\""));
    EXPECT_EQ(shownAccounts(), documentAccounts(doc));
}

TEST_F(UndoTest, SavesKeepAsManyBackupsAsThePreferenceSaysAndOneOpensUntitled)
{
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(path(QStringLiteral("data"))));
    const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", dataHome); });
    preferences.setValue(Preferences::BackupCount, 2);
    for (AccountType type : { AccountType::Bank, AccountType::Software, AccountType::Email }) {
        select(type, typeTitle(type));
        prompts.addAnswer(true);
        trigger(ID_ACCOUNT_DELETE);
        trigger(ID_FILE_SAVE);
    }
    ASSERT_EQ(Backups::list(doc.GetPathName()).size(), 2u);
    EXPECT_TRUE(action(ID_FILE_RESTORE_BACKUP)->isEnabled());

    QStringList sizes;
    onNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<RestoreBackupDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        for (int i = 0; i < dialog->list()->topLevelItemCount(); ++i)
            sizes << dialog->list()->topLevelItem(i)->text(1);
        // The older one, kept before the second save: the Bank account was gone from it already.
        dialog->list()->setCurrentItem(dialog->list()->topLevelItem(1));
        dialog->accept();
    });
    prompts.addPassword(QStringLiteral("pw"));
    trigger(ID_FILE_RESTORE_BACKUP);
    EXPECT_EQ(sizes.size(), 2);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Untitled - Quorril"));
    EXPECT_EQ(doc.accountCount(), 9);
    EXPECT_EQ(doc.FindAccount(AccountId(4)), nullptr);
    EXPECT_NE(doc.FindAccount(AccountId(9)), nullptr) << "Software was there still";
    EXPECT_FALSE(action(ID_FILE_RESTORE_BACKUP)->isEnabled()) << "an untitled wallet has none";

    // Saved under a name of its own where the backups' folder cannot be: the save goes through.
    ASSERT_TRUE(QDir(Backups::folder()).removeRecursively());
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("data/Quorril"))));
    QFile blocker(Backups::folder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    prompts.addFileName(path(QStringLiteral("restored.qrl")));
    doc.SetModifiedFlag(true);
    trigger(ID_FILE_SAVE);
    ASSERT_EQ(doc.GetPathName(), path(QStringLiteral("restored.qrl")));
    doc.SetModifiedFlag(true);
    trigger(ID_FILE_SAVE);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(frame.statusBar()->currentMessage().startsWith(
        QStringLiteral("Saved, but the previous file was not kept as a backup: ")));
}

} // namespace

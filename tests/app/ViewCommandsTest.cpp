// The View menu, Copy, Copy Password and Generate Password in the main window.
#include "app/ViewCommands.h"
#include "accounts/AccountFactory.h"
#include "app/FrameTest.h"
#include "dialogs/PasswordGeneratorDlg.h"
#include "views/FindBar.h"
#include "views/SecretClipboard.h"

#include <QClipboard>
#include <QFile>
#include <QMenuBar>
#include <QStatusBar>

namespace {

class ViewCommandsTest : public FrameTest {
protected:
    ViewCommandsTest()
    {
        for (AccountType type : { AccountType::Bank, AccountType::Insurance, AccountType::Email }) {
            auto account = createAccount(doc.NextAccountId(), type);
            account->SetTitle(accountTypeName(type));
            const RecordLayout& layout = account->layout();
            for (int f = 0; f < int(layout.fields.size()); ++f)
                if (layout.fields[size_t(f)].kind == FieldKind::Text)
                    account->setField(f,
                        ScrambledText(QString::fromLatin1(layout.fields[size_t(f)].name) + QStringLiteral(" value")));
            account->SetCommitted();
            doc.AddAccount(std::move(account));
        }
        doc.setPassword(QStringLiteral("pw"));
        frame.treeView()->OnInitialUpdate();
        frame.listView()->OnInitialUpdate();
        QGuiApplication::clipboard()->clear();
    }

    QString clipboardText() const { return QGuiApplication::clipboard()->text(); }
    QString status() const { return frame.statusBar()->currentMessage(); }
};

TEST_F(ViewCommandsTest, MenusHoldTheNewCommands)
{
    const QList<QAction*> menus = frame.menuBar()->actions();
    ASSERT_GE(menus.size(), 4);
    EXPECT_EQ(menus.at(3)->text(), QStringLiteral("&View"));
    EXPECT_TRUE(action(ID_VIEW_SHOW_SECRETS)->isCheckable());
    // clang-format off
    struct Row { int id; const char* text; const char* keys; QMenu* menu; }; // menu null: not checked here
    const Row rows[] = {
        { ID_VIEW_FIND, "&Find", "Ctrl+F", menus.at(3)->menu() },
        { ID_VIEW_SHOW_SECRETS, "Show &Secrets", "Ctrl+H", menus.at(3)->menu() },
        { ID_ACCOUNT_COPY_PASSWORD, "Copy &Password", "Ctrl+Shift+C", frame.accountMenu() },
        { ID_ACCOUNT_COPY_USER_NAME, "Copy &User Name", "Ctrl+B", frame.accountMenu() },
        { ID_ACCOUNT_OPEN_URL, "&Open URL", "Ctrl+U", frame.accountMenu() },
        { ID_GENERATE_PASSWORD, "&Generate Password…", "Ctrl+G", frame.accountMenu() },
        { ID_EDIT_COPY, "Copy", "Ctrl+C", nullptr },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_TRUE(!row.menu || row.menu->actions().contains(action(row.id)));
        EXPECT_EQ(action(row.id)->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(action(row.id)->shortcut(), QKeySequence(QString::fromLatin1(row.keys)));
        EXPECT_FALSE(action(row.id)->statusTip().isEmpty());
    }
}

TEST_F(ViewCommandsTest, CopyPasswordCopiesTheSecretWhereThereIsOne)
{
    // clang-format off
    struct Row { AccountType type; bool locked, listActive; const char* copied; }; // copied null: unavailable
    const Row rows[] = {
        { AccountType::Bank, false, false, "pin value" },
        { AccountType::Insurance, false, false, nullptr }, // no secret of its own
        { AccountType::Email, false, false, nullptr }, // no user yet
        { AccountType::Bank, true, false, nullptr },
        { AccountType::Bank, false, true, "pin value" }, // whichever pane has the focus
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(accountTypeName(row.type).toStdString() + (row.locked ? " locked" : "")
            + (row.listActive ? " list active" : ""));
        QGuiApplication::clipboard()->clear();
        select(row.type, accountTypeName(row.type));
        if (row.locked)
            doc.OnLockDocument();
        row.listActive ? focusList() : focusTree();
        frame.updateCommandStates();
        EXPECT_EQ(enabled(ID_ACCOUNT_COPY_PASSWORD), row.copied != nullptr);
        trigger(ID_ACCOUNT_COPY_PASSWORD);
        EXPECT_EQ(clipboardText(), row.copied ? QString::fromLatin1(row.copied) : QString());
        if (row.copied) {
            EXPECT_EQ(status(), QStringLiteral("Copied; the clipboard clears in 20 s."));
        }
        if (row.locked) {
            prompts.addPassword("pw");
            doc.OnUnlockDocument();
        }
    }
    // Locking clears the copy; the delay follows the preferences.
    preferences.setValue(Preferences::ClipboardClearSeconds, 45);
    focusTree();
    select(AccountType::Bank, QStringLiteral("Bank"));
    trigger(ID_ACCOUNT_COPY_PASSWORD);
    EXPECT_EQ(status(), QStringLiteral("Copied; the clipboard clears in 45 s."));
    EXPECT_EQ(clipboardText(), QStringLiteral("pin value"));
    trigger(ID_LOCK_DOCUMENT);
    EXPECT_TRUE(clipboardText().isEmpty());
}

TEST_F(ViewCommandsTest, ShowSecretsGoesOffAtEveryLockAndStartsAsThePreferencesSay)
{
    select(AccountType::Bank, QStringLiteral("Bank"));
    CAccountView* list = frame.listView();
    const QString pinRow = QStringLiteral("PIN=pin value");
    const QString maskedRow = QStringLiteral("PIN=") + CAccountView::maskText();
    EXPECT_FALSE(action(ID_VIEW_SHOW_SECRETS)->isChecked());
    EXPECT_TRUE(shownRows().contains(maskedRow));
    const auto ctrlH = [this] { pressKey(frame.treeView(), Qt::Key_H, Qt::ControlModifier); };
    const auto lockAndUnlock = [this] {
        trigger(ID_LOCK_DOCUMENT);
        prompts.addPassword("pw");
        trigger(ID_UNLOCK_DOCUMENT);
        select(AccountType::Bank, QStringLiteral("Bank"));
    };
    int opened = 0;
    const auto reopen = [this, &opened] {
        // Another file each time: the file open already is not opened again.
        const QString file = path(QStringLiteral("secrets%1.qrl").arg(++opened));
        ASSERT_TRUE(doc.OnSaveDocument(file));
        ASSERT_TRUE(QFile::copy(file, file + QStringLiteral(".copy")));
        prompts.addPassword("pw");
        ASSERT_TRUE(frame.fileCommands().openDocumentFile(file + QStringLiteral(".copy")));
        select(AccountType::Bank, QStringLiteral("Bank"));
    };
    const auto onOpen = [this](bool on) { preferences.setValue(Preferences::ShowSecretsOnOpen, on); };
    // clang-format off
    struct Row { const char* how; std::function<void()> turn; bool shown; };
    const Row rows[] = {
        { "Ctrl+H", ctrlH, true },
        { "Ctrl+H again", ctrlH, false },
        { "the menu", [this] { trigger(ID_VIEW_SHOW_SECRETS); }, true },
        { "a lock", lockAndUnlock, false },
        { "the preference alone changes nothing shown", [&] { onOpen(true); }, false },
        { "a wallet opens, the preference on", reopen, true },
        { "a lock, the preference on", lockAndUnlock, false },
        { "Ctrl+H, then a wallet opens, the preference off", [&] { ctrlH(); onOpen(false); reopen(); }, false },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.how);
        row.turn();
        EXPECT_EQ(action(ID_VIEW_SHOW_SECRETS)->isChecked(), row.shown);
        EXPECT_EQ(shownRows().contains(pinRow), row.shown);
        EXPECT_EQ(shownRows().contains(maskedRow), !row.shown);
    }
    // A start: a window made anew follows the preference.
    for (bool on : { true, false }) {
        onOpen(on);
        CMainFrame another(doc, prompts, recentFiles, preferences);
        EXPECT_EQ(another.action(ID_VIEW_SHOW_SECRETS)->isChecked(), on);
        EXPECT_EQ(another.listView()->showSecrets(), on);
    }
    // Ctrl+C in the list copies the PIN, hidden as it is; in the tree it is not the list's Copy.
    const auto pin = shownRows().indexOf(maskedRow); // hidden, as the last turn left it
    ASSERT_GE(pin, 0);
    ASSERT_TRUE(list->isSecretRow(int(pin)));
    list->selectRow(int(pin));
    focusTree();
    pressKey(frame.treeView(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_NE(clipboardText(), QStringLiteral("pin value"));
    focusList();
    pressKey(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboardText(), QStringLiteral("pin value"));
    EXPECT_EQ(status(), QStringLiteral("Copied; the clipboard clears in 20 s."));
    EXPECT_TRUE(list->actions().contains(action(ID_EDIT_COPY)));
    EXPECT_EQ(list->contextMenuPolicy(), Qt::ActionsContextMenu);
}

TEST_F(ViewCommandsTest, CtrlFFindsAndEscGoesBackToTheTree)
{
    FindBar* bar = frame.findBar();
    pressKey(frame.treeView(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(bar->hasFocus());
    QTest::keyClicks(bar, QStringLiteral("insur"));
    EXPECT_EQ(childTexts(frame.treeView()->rootNode()), QStringList { QStringLiteral("Insurance") });
    EXPECT_EQ(frame.activePane(), CMainFrame::Pane::Tree) << "typing keeps the tree's commands at hand";
    QTest::keyClick(bar, Qt::Key_Escape);
    EXPECT_TRUE(bar->text().isEmpty());
    EXPECT_TRUE(frame.treeView()->hasFocus());
    EXPECT_EQ(childTexts(frame.treeView()->rootNode()).size(), 3);
}

TEST_F(ViewCommandsTest, TheGeneratorCopiesThroughTheSameClipboard)
{
    QString generated;
    onNextModal([&generated](QWidget* modal) {
        auto* dialog = qobject_cast<PasswordGeneratorDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        generated = dialog->password();
        dialog->copyButton()->click();
        dialog->reject();
    });
    pressKey(frame.treeView(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(generated.size(), 20);
    EXPECT_EQ(clipboardText(), generated);
    EXPECT_TRUE(frame.viewCommands().clipboard().holdsCopy());
}

} // namespace

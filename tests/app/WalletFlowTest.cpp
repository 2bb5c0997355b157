#include "app/FrameTest.h"

#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>

namespace {

class WalletFlowTest : public FrameTest {
protected:
    void newBank(const QString& title, const QString& number = QStringLiteral("12-34"))
    {
        newAccount(ID_NEW_BANK,
            { { Bank::Title, title }, { Bank::Institution, "Northgate" }, { Bank::AccountNumber, number },
                { Bank::NameOnAccount, "Jane Doe" } });
    }

    QStringList categories() const { return childTexts(frame.treeView()->rootNode()); }

    // A second window over a document of its own, as the next start of the program would be.
    struct Reopened {
        explicit Reopened(const QString& settingsPath)
            : settings(settingsPath, QSettings::IniFormat)
            , recent(settings)
            , preferences(settings)
            , doc(prompts)
            , frame(doc, prompts, recent, preferences)
        {
            doc.OnNewDocument();
        }
        ScriptedPrompts prompts;
        QSettings settings;
        RecentFileList recent;
        Preferences preferences;
        CQuorrilDoc doc;
        CMainFrame frame;
    };
};

TEST_F(WalletFlowTest, NewCommandsCreateAccountsShownInTreeAndList)
{
    newAccount(ID_NEW_SOFTWARE,
        { { Software::Title, "Photo Editor" }, { Software::Manufacturer, "Lumen Labs" },
            { Software::SerialNumber, "LL-5" } });
    newBank("Savings", "55-90");
    newBank("checking", "42-77");

    // A new category goes after those shown; the accounts in it are sorted.
    EXPECT_EQ(categories(), QStringList({ "Software", "Banks" }));
    const QModelIndex banks = frame.treeView()->categoryNode(AccountType::Bank);
    EXPECT_EQ(childTexts(banks), QStringList({ "checking", "Savings" }));
    EXPECT_TRUE(frame.treeView()->isExpanded(banks));
    // The new account is selected and its rows shown.
    EXPECT_EQ(frame.treeView()->selectedNode(), accountNode(AccountType::Bank, "checking"));
    EXPECT_TRUE(shownRows().contains("Title=checking"));
    EXPECT_TRUE(shownRows().contains("Acct #=42-77"));
    EXPECT_TRUE(shownRows().contains("Institution=Northgate"));
    EXPECT_EQ(doc.accountCount(), 3);
    EXPECT_TRUE(enabled(ID_FILE_SAVE));

    // Cancel adds nothing.
    onNextModal([](QWidget* modal) { modal->close(); });
    trigger(ID_NEW_EMAIL);
    EXPECT_EQ(doc.accountCount(), 3);
    EXPECT_FALSE(frame.treeView()->categoryNode(AccountType::Email).isValid());
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join("|").toStdString();
}

TEST_F(WalletFlowTest, EditThroughPropertiesAndDoubleClick)
{
    newBank("Savings");
    newBank("Checking");
    select(AccountType::Bank, "Savings");

    // Properties: the dialog shows the account; a new title renames the node in place.
    onNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<TableAccountDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->control<QLineEdit>(Bank::Title)->text(), QStringLiteral("Savings"));
        fillAndAccept(modal, { { Bank::Title, "Zebra Savings" }, { Bank::AccountNumber, "99-01" } });
    });
    trigger(ID_ACCOUNT_PROPERTIES);
    // The renamed node keeps its place until the next rebuild.
    EXPECT_EQ(
        childTexts(frame.treeView()->categoryNode(AccountType::Bank)), QStringList({ "Checking", "Zebra Savings" }));
    EXPECT_EQ(frame.treeView()->selectedNode(), accountNode(AccountType::Bank, "Zebra Savings"));
    EXPECT_TRUE(shownRows().contains("Title=Zebra Savings"));
    EXPECT_TRUE(shownRows().contains("Acct #=99-01"));

    // Double-click opens the same dialog; Cancel keeps everything.
    const QModelIndex checking = accountNode(AccountType::Bank, "Checking");
    bool opened = false;
    onNextModal([&opened](QWidget* modal) {
        opened = qobject_cast<TableAccountDialog*>(modal) != nullptr;
        modal->close();
    });
    doubleClick(frame.treeView()->viewport(), frame.treeView()->visualRect(checking).center());
    EXPECT_TRUE(opened);
    EXPECT_EQ(CQuorrilView::nodeText(checking), QStringLiteral("Checking"));
    EXPECT_TRUE(shownRows().contains("Title=Checking"));
}

TEST_F(WalletFlowTest, DeleteThroughTheAccountMenu)
{
    newBank("Savings");
    newBank("Checking");
    select(AccountType::Bank, "Checking");
    prompts.addAnswer(true);
    trigger(ID_ACCOUNT_DELETE);
    EXPECT_EQ(prompts.shown.last(), QStringLiteral("Are you sure you want to delete \"Checking\" account ?"));
    EXPECT_FALSE(accountNode(AccountType::Bank, "Checking").isValid());
    EXPECT_EQ(doc.accountCount(), 1);
    EXPECT_TRUE(shownRows().contains("Title=Savings"));
}

TEST_F(WalletFlowTest, ContextMenuIsTheAccountMenuWithItsRules)
{
    newBank("Savings");
    CQuorrilView* tree = frame.treeView();
    QMenu* accountMenu = frame.findChild<QMenu*>(QStringLiteral("accountMenu"));
    ASSERT_NE(accountMenu, nullptr);

    QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, tree->visualRect(tree->rootNode()).center());
    EXPECT_TRUE(accountMenu->isVisible());
    EXPECT_FALSE(enabled(ID_ACCOUNT_PROPERTIES));
    EXPECT_FALSE(enabled(ID_ACCOUNT_DELETE));
    EXPECT_TRUE(enabled(ID_NEW_BANK));
    accountMenu->hide();

    const QModelIndex node = accountNode(AccountType::Bank, "Savings");
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, tree->visualRect(node).center());
    EXPECT_TRUE(accountMenu->isVisible());
    EXPECT_EQ(tree->selectedNode(), node);
    EXPECT_TRUE(enabled(ID_ACCOUNT_PROPERTIES));
    EXPECT_TRUE(enabled(ID_ACCOUNT_DELETE));
    // A command chosen from it reaches the tree.
    prompts.addAnswer(false);
    action(ID_ACCOUNT_DELETE)->trigger();
    accountMenu->hide();
    EXPECT_EQ(prompts.shown.last(), QStringLiteral("Are you sure you want to delete \"Savings\" account ?"));
}

TEST_F(WalletFlowTest, LockHidesRowsAndBlocksEditingButNotNew)
{
    newBank("Savings");
    prompts.addFileName(path("w.qrl"));
    prompts.addPassword("Secret");
    trigger(ID_FILE_SAVE);
    select(AccountType::Bank, "Savings");
    ASSERT_FALSE(shownRows().isEmpty());

    trigger(ID_LOCK_DOCUMENT);
    EXPECT_TRUE(shownRows().isEmpty());
    EXPECT_FALSE(enabled(ID_ACCOUNT_PROPERTIES));
    EXPECT_FALSE(enabled(ID_ACCOUNT_DELETE));
    // The nodes stay; a double-click opens nothing.
    const QModelIndex savings = accountNode(AccountType::Bank, "Savings");
    ASSERT_TRUE(savings.isValid());
    doubleClick(frame.treeView()->viewport(), frame.treeView()->visualRect(savings).center());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // New still works: the node is added and selected, the list stays empty.
    newBank("Checking");
    EXPECT_TRUE(accountNode(AccountType::Bank, "Checking").isValid());
    EXPECT_EQ(frame.treeView()->selectedNode(), accountNode(AccountType::Bank, "Checking"));
    EXPECT_TRUE(shownRows().isEmpty());

    // Only the right password unlocks.
    for (const char* wrong : { "secret", "Secret " }) {
        prompts.addPassword(wrong);
        trigger(ID_UNLOCK_DOCUMENT);
        EXPECT_TRUE(doc.IsLocked()) << wrong;
    }
    prompts.cancelPassword();
    trigger(ID_UNLOCK_DOCUMENT);
    EXPECT_TRUE(doc.IsLocked());
    prompts.addPassword("Secret");
    trigger(ID_UNLOCK_DOCUMENT);
    EXPECT_FALSE(doc.IsLocked());
    // The selected account shows: the one made while locked.
    EXPECT_TRUE(shownRows().contains("Title=Checking"));
    EXPECT_TRUE(enabled(ID_ACCOUNT_PROPERTIES));
}

TEST_F(WalletFlowTest, SaveAsksThePasswordOnceAndReopens)
{
    newBank("Savings");
    newBank("Checking");
    prompts.addFileName(path("wallet")); // the extension is added
    prompts.addPassword("Secret");
    trigger(ID_FILE_SAVE);
    EXPECT_EQ(prompts.shown, QStringList({ "[save file]", "[password set]" }));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("wallet.qrl - Quorril"));
    EXPECT_FALSE(enabled(ID_FILE_SAVE));

    // A later save asks nothing.
    newBank("Brokerage");
    prompts.shown.clear();
    pressKey(frame.treeView(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_FALSE(doc.IsModified());
    const QString file = path("wallet.qrl");
    ASSERT_TRUE(QFile::exists(file));

    struct Case {
        const char* what;
        std::function<void(ScriptedPrompts&)> answer;
        bool opens;
        QStringList messages;
    };
    const Case cases[] = {
        { "right password", [](ScriptedPrompts& p) { p.addPassword("Secret"); }, true, { "[password verify]" } },
        { "wrong password", [](ScriptedPrompts& p) { p.addPassword("secret"); }, false,
            { "[password verify]", "You Do Not have ownership of this document !" } },
        { "cancelled", [](ScriptedPrompts& p) { p.cancelPassword(); }, false, { "[password verify]" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reopened next(path("settings2.ini"));
        c.answer(next.prompts);
        EXPECT_EQ(next.frame.fileCommands().openDocumentFile(file), c.opens);
        EXPECT_EQ(next.prompts.shown, c.messages);
        if (c.opens) {
            EXPECT_EQ(next.frame.windowTitle(), QStringLiteral("wallet.qrl - Quorril"));
            // After reopening, everything is in order.
            EXPECT_EQ(childTexts(next.frame.treeView()->categoryNode(AccountType::Bank)),
                QStringList({ "Brokerage", "Checking", "Savings" }));
        } else {
            // Nothing of the refused file is shown: a new empty document.
            EXPECT_EQ(next.frame.windowTitle(), QStringLiteral("Untitled - Quorril"));
            EXPECT_TRUE(childTexts(next.frame.treeView()->rootNode()).isEmpty());
            EXPECT_EQ(next.doc.accountCount(), 0);
        }
    }
}

TEST_F(WalletFlowTest, GivingUpWhileAKeyIsDerivedKeepsTheWalletOnScreen)
{
    newBank("Savings");
    prompts.addFileName(path("mine.qrl"));
    prompts.addPassword("pw");
    trigger(ID_FILE_SAVE);
    ASSERT_TRUE(doc.isEncrypted());
    ASSERT_TRUE(QFile::copy(path("mine.qrl"), path("copy.qrl")));
    newBank("Checking");
    const QStringList recent = recentFiles.entries();
    const struct {
        const char* name;
        std::function<void()> open;
    } rows[] = {
        { "Open", [&] { frame.fileCommands().openDocumentFile(path("copy.qrl")); } },
        { "a backup", [&] { frame.fileCommands().openBackup(path("copy.qrl")); } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        prompts.shown.clear();
        prompts.addAnswer(UiPrompts::Answer::No); // "Save changes to mine.qrl?"
        prompts.addPassword("pw");
        prompts.giveUpWaiting();
        row.open();
        EXPECT_EQ(
            prompts.shown, QStringList({ "Save changes to mine.qrl?", "[password verify]", "[gave up waiting]" }));
        EXPECT_EQ(frame.windowTitle(), QStringLiteral("mine.qrl* - Quorril"));
        EXPECT_EQ(
            childTexts(frame.treeView()->categoryNode(AccountType::Bank)), QStringList({ "Checking", "Savings" }));
        EXPECT_EQ(recentFiles.entries(), recent);
    }
}

TEST_F(WalletFlowTest, DamagedFileOpensWithWhatWasReadAndSavesUnderANewName)
{
    const QString good = writeWallet(path("good.qrl"), "pw", oneOfEachType());
    QFile in(good);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    const QString damaged = path("damaged.qrl");
    QFile out(damaged);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes.left(bytes.size() * 2 / 3)); // cut off in the middle
    out.close();

    prompts.addPassword("pw");
    EXPECT_TRUE(frame.fileCommands().openDocumentFile(damaged));
    EXPECT_EQ(prompts.shown, QStringList({ "Invalid File Format !", "[password verify]" }));
    EXPECT_GT(doc.accountCount(), 0);
    EXPECT_LT(doc.accountCount(), 10);
    EXPECT_EQ(childTexts(frame.treeView()->rootNode()).size(), doc.accountCount());
    // The damaged file is not overwritten unasked: saving asks for a name.
    newBank("Extra");
    prompts.shown.clear();
    prompts.addFileName(path("repaired.qrl"));
    trigger(ID_FILE_SAVE);
    EXPECT_EQ(prompts.shown, QStringList({ "[save file]" }));
    QFile check(damaged);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), bytes.left(bytes.size() * 2 / 3));
    EXPECT_TRUE(QFile::exists(path("repaired.qrl")));
}

TEST_F(WalletFlowTest, UnreadableFileShowsTheMessageAndANewDocument)
{
    newBank("Savings");
    prompts.addAnswer(UiPrompts::Answer::No);
    EXPECT_FALSE(frame.fileCommands().openDocumentFile(path("missing.qrl")));
    EXPECT_EQ(prompts.shown,
        QStringList({ "Save changes to Untitled?", "Cannot open missing.qrl: No such file or directory." }));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Untitled - Quorril"));
    EXPECT_TRUE(childTexts(frame.treeView()->rootNode()).isEmpty());
}

TEST_F(WalletFlowTest, SaveChangesBeforeTheDocumentIsReplacedOrClosed)
{
    const QString other = writeWallet(path("other.qrl"), "pw", { { AccountType::Email, "Mail" } });
    newBank("Savings");

    // Cancel: New does nothing.
    prompts.addAnswer(UiPrompts::Answer::Cancel);
    trigger(ID_FILE_NEW);
    EXPECT_EQ(doc.accountCount(), 1);
    // Cancel: Open does nothing either, and the window stays on close.
    prompts.addFileName(other);
    prompts.addAnswer(UiPrompts::Answer::Cancel);
    trigger(ID_FILE_OPEN);
    EXPECT_EQ(doc.accountCount(), 1);
    prompts.addAnswer(UiPrompts::Answer::Cancel);
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(frame.isVisible());
    // Yes: saved first (name and password asked), then replaced.
    prompts.addAnswer(UiPrompts::Answer::Yes);
    prompts.addFileName(path("kept.qrl"));
    prompts.addPassword("pw2");
    trigger(ID_FILE_NEW);
    EXPECT_EQ(doc.accountCount(), 0);
    EXPECT_TRUE(QFile::exists(path("kept.qrl")));
    EXPECT_EQ(prompts.shown.count("Save changes to Untitled?"), 4);
    // No: the changes go.
    newBank("Scratch");
    prompts.addFileName(other); // Open asks for the file first, then about the changes
    prompts.addAnswer(UiPrompts::Answer::No);
    prompts.addPassword("pw");
    trigger(ID_FILE_OPEN);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("other.qrl - Quorril"));
    // Named after the file when it has one; Exit closes after the question.
    addAccounts(doc, { { AccountType::Email, "More" } });
    prompts.addAnswer(UiPrompts::Answer::No);
    trigger(ID_APP_EXIT);
    EXPECT_EQ(prompts.shown.last(), QStringLiteral("Save changes to other.qrl?"));
    EXPECT_FALSE(frame.isVisible());
}

TEST_F(WalletFlowTest, RecentFilesAreRememberedAndOpenFromTheMenu)
{
    QStringList files;
    for (int i = 1; i <= 5; ++i)
        files << writeWallet(
            path(QStringLiteral("w%1.qrl").arg(i)), "pw", { { AccountType::Bank, QStringLiteral("B%1").arg(i) } });
    for (const QString& file : files) {
        prompts.addPassword("pw");
        ASSERT_TRUE(frame.fileCommands().openDocumentFile(file));
    }
    // Four at most, most recent first, in the settings group the program shares with its next start.
    settings.sync();
    QSettings stored(settings.fileName(), QSettings::IniFormat);
    stored.beginGroup("Recent File List");
    EXPECT_EQ(stored.childKeys(), QStringList({ "File1", "File2", "File3", "File4" }));
    EXPECT_EQ(stored.value("File1").toString(), files[4]);
    EXPECT_EQ(stored.value("File4").toString(), files[1]);
    EXPECT_FALSE(frame.recentFilesPlaceholder()->isVisible());
    EXPECT_TRUE(action(ID_FILE_MRU_FILE1)->isVisible());
    EXPECT_TRUE(action(ID_FILE_MRU_FILE1)->text().startsWith("&1 "));
    EXPECT_TRUE(action(ID_FILE_MRU_FILE1)->text().endsWith("w5.qrl"));

    // Opening the third entry moves it to the top.
    prompts.addPassword("pw");
    trigger(ID_FILE_MRU_FILE1 + 2);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("w3.qrl - Quorril"));
    EXPECT_EQ(recentFiles.entries().first(), files[2]);

    // A file that is gone leaves the list when it cannot be opened.
    ASSERT_EQ(recentFiles.entries().at(2), files[3]);
    QFile::remove(files[3]);
    trigger(ID_FILE_MRU_FILE1 + 2);
    EXPECT_EQ(prompts.shown.last(), "Cannot open " + QFileInfo(files[3]).fileName() + ": No such file or directory.");
    EXPECT_FALSE(recentFiles.entries().contains(files[3]));
    // A refused password keeps it.
    prompts.addPassword("nope");
    trigger(ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(recentFiles.entries().size(), 3);
}

TEST_F(WalletFlowTest, DroppedFilesOpenOneAfterAnother)
{
    const QString first = writeWallet(path("first.qrl"), "one", { { AccountType::Bank, "First" } });
    const QString second = writeWallet(path("second.qrl"), "two", { { AccountType::Bank, "Second" } });
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(first), QUrl::fromLocalFile(second) });
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    prompts.addPassword("one");
    prompts.addPassword("two");
    QApplication::sendEvent(&frame, &drop);
    EXPECT_TRUE(prompts.shown.isEmpty()); // nothing is opened while the drop is going on
    QTest::qWait(20);
    EXPECT_EQ(prompts.shown, QStringList({ "[password verify]", "[password verify]" }));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("second.qrl - Quorril"));
    EXPECT_TRUE(accountNode(AccountType::Bank, "Second").isValid());
}

TEST_F(WalletFlowTest, CtrlPInThePropertyListPrintsTheShownTable)
{
    newBank("Savings");
    focusList();
    QPrinter& printer = frame.listView()->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("printed.pdf"));
    bool sawDialog = false;
    onNextModal([&sawDialog](QWidget* modal) {
        sawDialog = modal->inherits("QPrintDialog");
        QMetaObject::invokeMethod(modal, "accept", Qt::QueuedConnection);
    });
    pressKey(frame.listView(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(sawDialog);
    QFile pdf(path("printed.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
}

} // namespace

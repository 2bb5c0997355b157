// File > Import… and File > Export… in the window: the preview and the user's choices in it, the
// import as one undoable step, the export's bytes and permissions, and both commands while locked.
#include "app/FrameTest.h"
#include "app/ImportCommands.h"
#include "app/ImportPreviewDlg.h"
#include "import/Importer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStatusBar>
#include <QTableWidget>

#include <numeric>

#include <sys/stat.h>

namespace {

class ImportWindowTest : public FrameTest {
protected:
    void writeFile(const QString& file, const QByteArray& bytes)
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }
    // The accounts the tree shows, in every category.
    int treeAccountCount() const
    {
        int count = 0;
        for (AccountType type : kAccountTypes)
            count += int(childTexts(frame.treeView()->categoryNode(type)).size());
        return count;
    }
};
using Counts = std::map<AccountType, int>;

const char kChrome[] = "name,url,username,password\n"
                       "Shop,https://shop.example.com,ann,pw1\n"
                       "Webmail,https://mail.example.com,ann,pw2\n"
                       "Bank,https://bank.example.com,bob,pw3\n";

Counts typeCounts(const CQuorrilDoc& doc)
{
    Counts counts;
    for (const auto& [id, account] : doc.accounts())
        ++counts[account->GetType()];
    return counts;
}

QStringList titles(const CQuorrilDoc& doc)
{
    QStringList list;
    for (const auto& [id, account] : doc.accounts())
        list << QStringLiteral("%1 %2").arg(accountTypeName(account->GetType()), account->GetTitle());
    list.sort();
    return list;
}

// The preview's controls, found as the user finds them.
struct Preview {
    explicit Preview(QWidget* modal)
        : dialog(qobject_cast<ImportPreviewDlg*>(modal))
    {
        if (!dialog)
            return;
        format = dialog->findChild<QLabel*>(QStringLiteral("importFormat"));
        summary = dialog->findChild<QPlainTextEdit*>(QStringLiteral("importSummary"));
        rows = dialog->findChild<QTableWidget*>(QStringLiteral("importRows"));
        more = dialog->findChild<QCheckBox*>(QStringLiteral("importMore"));
        skip = dialog->findChild<QCheckBox*>(QStringLiteral("importSkipRefused"));
        ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    }
    // The type box of a row, opened from the keyboard as the user opens it (F2 on the cell).
    QComboBox* typeBox(int row) const
    {
        rows->setCurrentCell(row, ImportPreviewDlg::TypeColumn);
        QTest::keyClick(rows, Qt::Key_F2);
        return qobject_cast<QComboBox*>(rows->indexWidget(rows->model()->index(row, ImportPreviewDlg::TypeColumn)));
    }
    QString cell(int row, int column) const { return rows->item(row, column)->text(); }

    ImportPreviewDlg* dialog;
    QLabel* format = nullptr;
    QPlainTextEdit* summary = nullptr;
    QTableWidget* rows = nullptr;
    QCheckBox* more = nullptr;
    QCheckBox* skip = nullptr;
    QPushButton* ok = nullptr;
};

} // namespace

TEST_F(ImportWindowTest, PreviewShowsTheFormatAndCountsThenAddsWhatItCounted)
{
    struct Case {
        const char* name;
        QByteArray content;
        const char* format;
        Counts added;
        bool more; // the "(more)" switch as the user leaves it
    };
    const Case cases[] = {
        { "chrome.csv", kChrome, "Chrome CSV", { { AccountType::Email, 1 }, { AccountType::WebSite, 2 } }, true },
        { "firefox.csv",
            "url,username,password,httpRealm,formActionOrigin,guid,timeCreated,timeLastUsed,timePasswordChanged\n"
            "https://a.example.org,u,p,,,{1},1,1,1\n",
            "Firefox CSV", { { AccountType::WebSite, 1 } }, true },
        { "keepassxc.csv",
            "\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\"\n"
            "\"Root\",\"Forum\",\"u\",\"p\",\"https://forum.example.net\",\"\"\n"
            "\"Root\",\"Recipe\",\"\",\"\",\"\",\"flour\"\n",
            "KeePassXC CSV", { { AccountType::WebSite, 1 }, { AccountType::Reference, 1 } }, true },
        // A card's security code has no field: a "(more)" account, or nothing when switched off.
        { "bitwarden.json",
            R"({"encrypted":false,"folders":[],"items":[{"id":"1","folderId":null,"type":3,"name":"Visa",
            "notes":null,"card":{"cardholderName":"Ann","brand":"Visa","number":"4111","expMonth":"1",
            "expYear":"2030","code":"123"}},{"id":"2","folderId":null,"type":2,"name":"Memo","notes":"x"}]})",
            "Bitwarden JSON (unencrypted)", { { AccountType::CreditCard, 1 }, { AccountType::Reference, 2 } }, true },
        { "bitwarden-no-more.json",
            R"({"encrypted":false,"folders":[],"items":[{"id":"1","folderId":null,"type":3,"name":"Visa",
            "notes":null,"card":{"cardholderName":"Ann","brand":"Visa","number":"4111","expMonth":"1",
            "expYear":"2030","code":"123"}}]})",
            "Bitwarden JSON (unencrypted)", { { AccountType::CreditCard, 1 } }, false },
        { "keepass.xml",
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<KeePassFile><Root><Group><Name>Root</Name><Entry>"
            "<String><Key>Title</Key><Value>Router</Value></String>"
            "<String><Key>UserName</Key><Value>admin</Value></String>"
            "<String><Key>Password</Key><Value>pw</Value></String></Entry></Group></Root></KeePassFile>\n",
            "KeePass 2 XML", { { AccountType::WebSite, 1 } }, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.OnNewDocument();
        const QString file = path(c.name);
        writeFile(file, c.content);
        QString shownFormat, summary;
        onNextModal([&](QWidget* modal) {
            Preview preview(modal);
            ASSERT_NE(preview.dialog, nullptr);
            shownFormat = preview.format->text();
            if (preview.more->isChecked() != c.more)
                preview.more->click();
            summary = preview.summary->toPlainText();
            QTest::mouseClick(preview.ok, Qt::LeftButton);
        });
        EXPECT_EQ(frame.importCommands().importFile(file),
            std::accumulate(
                c.added.begin(), c.added.end(), 0, [](int sum, const auto& type) { return sum + type.second; }));
        EXPECT_EQ(shownFormat, QStringLiteral("Format: %1").arg(QLatin1StringView(c.format)));
        // The counts shown are the accounts added.
        for (const auto& [type, count] : c.added)
            EXPECT_TRUE(summary.contains(QStringLiteral("  %1: %2").arg(accountTypeName(type)).arg(count)))
                << summary.toStdString();
        EXPECT_EQ(typeCounts(doc), c.added);
    }
}

TEST_F(ImportWindowTest, LoginTypeCanBeSwitchedPerRow)
{
    const QString file = path("chrome.csv");
    writeFile(file, kChrome);
    onNextModal([](QWidget* modal) {
        Preview preview(modal);
        ASSERT_NE(preview.dialog, nullptr);
        ASSERT_EQ(preview.rows->rowCount(), 3);
        // Shop becomes Email, Webmail (Email by its host) becomes WebSite; Bank stays.
        ASSERT_NE(preview.typeBox(0), nullptr);
        ASSERT_NE(preview.typeBox(1), nullptr);
        EXPECT_EQ(preview.typeBox(1)->currentText(), "Email");
        preview.typeBox(0)->setCurrentText("Email");
        preview.typeBox(1)->setCurrentText("WebSite");
        EXPECT_TRUE(preview.summary->toPlainText().contains("  Email: 1"));
        EXPECT_EQ(preview.cell(0, ImportPreviewDlg::TypeColumn), "Email");
        // However many logins it shows, the table is one stop of the Tab chain: nothing inside it
        // takes Tab once no box is open.
        preview.rows->setCurrentCell(0, ImportPreviewDlg::WhereColumn); // closes the open box
        for (QWidget* stop = preview.rows->nextInFocusChain(); stop != preview.rows; stop = stop->nextInFocusChain())
            if (stop->isVisibleTo(preview.dialog) && stop->isEnabled() && (stop->focusPolicy() & Qt::TabFocus)) {
                EXPECT_FALSE(preview.rows->isAncestorOf(stop)) << stop->metaObject()->className();
            }
        QTest::mouseClick(preview.ok, Qt::LeftButton);
    });
    ASSERT_EQ(frame.importCommands().importFile(file), 3);
    EXPECT_EQ(titles(doc), QStringList({ "Email Shop", "WebSite Bank", "WebSite Webmail" }));
}

TEST_F(ImportWindowTest, ImportIsOneStepThatUndoAndRedoTakeWhole)
{
    addAccounts(doc, { { AccountType::WebSite, "Shop" } });
    const QStringList before = titles(doc);
    const QString file = path("chrome.csv");
    writeFile(file, kChrome);
    QString renamed;
    onNextModal([&](QWidget* modal) {
        Preview preview(modal);
        ASSERT_NE(preview.dialog, nullptr);
        renamed = preview.cell(0, ImportPreviewDlg::TitleColumn);
        QTest::mouseClick(preview.ok, Qt::LeftButton);
    });
    prompts.addFileName(file);
    trigger(ID_FILE_IMPORT);
    ASSERT_TRUE(QTest::qWaitFor([this] { return doc.accounts().size() == 4; }));
    EXPECT_EQ(frame.statusBar()->currentMessage(), "3 accounts imported from chrome.csv");
    // The title taken in the wallet is renamed, and the preview said so.
    EXPECT_EQ(renamed, "Shop (2) (renamed from \"Shop\")");
    const QStringList after = titles(doc);
    EXPECT_TRUE(after.contains("WebSite Shop (2)"));
    trigger(ID_EDIT_UNDO);
    EXPECT_EQ(titles(doc), before);
    EXPECT_EQ(treeAccountCount(), 1);
    trigger(ID_EDIT_REDO);
    EXPECT_EQ(titles(doc), after);
    EXPECT_EQ(treeAccountCount(), 4);
    // The file dialog offered every format together, each by name, and any file.
    ASSERT_EQ(prompts.offeredFilters.size(), qsizetype(kImportFormats.size()) + 2);
    EXPECT_EQ(prompts.offeredFilters.front(), "Every format Quorril imports (*.xml *.csv *.json)");
    for (ImportFormat format : kImportFormats)
        EXPECT_TRUE(prompts.offeredFilters.contains(importFormatFilter(format)))
            << importFormatOption(format).toStdString();
}

TEST_F(ImportWindowTest, RefusedRowsImportAllOrNothing)
{
    // A half-width Hangul filler (U+FFA0) is a text a wallet file cannot store.
    const QByteArray refused = "name,url,username,password\n"
                               "Good,https://good.example.com,ann,pw\n"
                               "Bad,https://bad.example.com,\xEF\xBE\xA0,pw\n";
    struct Case {
        const char* name;
        bool skip; // the user ticks "Skip the refused rows"
        bool okEnabled;
        QStringList added;
    };
    const Case cases[] = {
        { "refused rows stop the import", false, false, {} },
        { "the others are imported once skipped", true, true, { "WebSite Good" } },
    };
    const QString file = path("refused.csv");
    writeFile(file, refused);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.OnNewDocument();
        bool okEnabled = !c.okEnabled;
        QString reason;
        onNextModal([&](QWidget* modal) {
            Preview preview(modal);
            ASSERT_NE(preview.dialog, nullptr);
            EXPECT_FALSE(preview.ok->isEnabled());
            EXPECT_TRUE(preview.skip->isVisibleTo(preview.dialog));
            reason = preview.cell(1, ImportPreviewDlg::RefusalColumn);
            if (c.skip)
                preview.skip->click();
            okEnabled = preview.ok->isEnabled();
            if (okEnabled)
                QTest::mouseClick(preview.ok, Qt::LeftButton);
            else
                preview.dialog->reject();
        });
        EXPECT_EQ(frame.importCommands().importFile(file), c.added.size());
        EXPECT_EQ(okEnabled, c.okEnabled);
        EXPECT_TRUE(reason.contains("U+FFA0")) << reason.toStdString();
        EXPECT_EQ(titles(doc), c.added);
    }
}

TEST_F(ImportWindowTest, FileThatCannotBeReadAddsNothingAndSaysWhy)
{
    struct Case {
        const char* name;
        QByteArray content;
        const char* detail; // a part of the reason shown
    };
    const Case cases[] = {
        { "ragged.csv", "name,url,username,password\nA,https://a.example,u\n", "3 fields where the header has 4" },
        { "encrypted.json", R"({"encrypted":true,"items":[]})", "encrypted" },
        { "unknown.txt", "hello\n", "" },
    };
    addAccounts(doc, { { AccountType::Bank, "Checking" } });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(path(c.name), c.content);
        prompts.shown.clear();
        prompts.details.clear();
        EXPECT_EQ(frame.importCommands().importFile(path(c.name)), 0);
        ASSERT_EQ(prompts.shown.size(), 1);
        EXPECT_EQ(prompts.shown.at(0), QStringLiteral("Nothing was imported from %1.").arg(c.name));
        EXPECT_FALSE(prompts.details.at(0).isEmpty());
        EXPECT_TRUE(prompts.details.at(0).contains(QLatin1StringView(c.detail))) << prompts.details.at(0).toStdString();
        EXPECT_EQ(titles(doc), QStringList("Bank Checking"));
    }
}

TEST_F(ImportWindowTest, ExportWritesThePrivateFileAfterTheWarning)
{
    // The wallet as the CLI reads it: opened from its file (the JSON carries the file's version).
    const QString wallet
        = writeWallet(path("w.qrl"), "pw", { { AccountType::Bank, "Checking" }, { AccountType::WebSite, "Forum" } });
    prompts.addPassword("pw");
    ASSERT_TRUE(frame.fileCommands().openDocumentFile(wallet));
    // What quorril-cli export prints for the same wallet.
    QProcess cli;
    cli.start(QStringLiteral(QUORRIL_CLI_PATH), { "export", wallet });
    cli.write("pw\n");
    cli.closeWriteChannel();
    ASSERT_TRUE(cli.waitForFinished(30000));
    const QByteArray cliJson = cli.readAllStandardOutput();
    ASSERT_TRUE(cliJson.startsWith("{"));

    struct Case {
        const char* name;
        bool warningAccepted;
        qsizetype filter;
        ImportFormat readBackAs;
    };
    const Case cases[] = {
        { "declined.json", false, 0, ImportFormat::QuorrilJson },
        { "wallet.json", true, 0, ImportFormat::QuorrilJson },
        { "wallet.csv", true, 1, ImportFormat::KeePassXcCsv },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = path(c.name);
        prompts.addAnswer(c.warningAccepted);
        if (c.warningAccepted)
            prompts.addExportFile(file, c.filter);
        prompts.icons.clear();
        trigger(ID_FILE_EXPORT);
        ASSERT_EQ(prompts.icons.size(), 1u);
        EXPECT_EQ(prompts.icons.front(), UiPrompts::Icon::Warning);
        EXPECT_EQ(prompts.defaults.back(), UiPrompts::Answer::No);
        if (!c.warningAccepted) {
            EXPECT_FALSE(QFile::exists(file));
            continue;
        }
        struct stat info { };
        ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
        QFile written(file);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        if (c.filter == 0) {
            const QByteArray json = written.readAll();
            EXPECT_EQ(json, cliJson) << json.toStdString() << "\n---\n" << cliJson.toStdString();
        }
        // Read back, the file is of its format and gives the same accounts.
        ImportRead read = Importer::readFile(file, std::nullopt);
        ASSERT_NE(read.plan, nullptr) << read.error.toStdString();
        EXPECT_EQ(read.plan->format(), c.readBackAs);
        EXPECT_EQ(read.plan->summary().accountCount(), 2);
    }
    // A file that cannot be written: a notice, and the wallet as it was.
    prompts.shown.clear();
    EXPECT_FALSE(frame.importCommands().exportFile(path("missing/folder/x.json"), 0));
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown.at(0), "The export could not be written to x.json.");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ImportWindowTest, LockedWalletOffersNeitherImportNorExport)
{
    addAccounts(doc, { { AccountType::Bank, "Checking" } });
    prompts.addFileName(path("w.qrl"));
    prompts.addPassword("pw");
    trigger(ID_FILE_SAVE);
    EXPECT_TRUE(enabled(ID_FILE_IMPORT));
    EXPECT_TRUE(enabled(ID_FILE_EXPORT));
    trigger(ID_LOCK_DOCUMENT);
    ASSERT_TRUE(doc.IsLocked());
    EXPECT_FALSE(enabled(ID_FILE_IMPORT));
    EXPECT_FALSE(enabled(ID_FILE_EXPORT));
    // Even when run another way, neither asks anything (no answer is queued) nor changes anything.
    prompts.shown.clear();
    frame.importCommands().OnFileImport();
    frame.importCommands().OnFileExport();
    EXPECT_TRUE(prompts.shown.isEmpty());
    prompts.addPassword("pw");
    trigger(ID_UNLOCK_DOCUMENT);
    EXPECT_TRUE(enabled(ID_FILE_IMPORT));
    EXPECT_EQ(titles(doc), QStringList("Bank Checking"));
}

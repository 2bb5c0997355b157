#include "app/QuorrilApp.h"
#include "accounts/InsuranceAccount.h"
#include "app/FrameTest.h"
#include "dialogs/WidgetPrompts.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>

namespace {

class QuorrilAppTest : public WindowTest {
protected:
    std::unique_ptr<CQuorrilApp> makeApp()
    {
        return std::make_unique<CQuorrilApp>(
            prompts, std::make_unique<QSettings>(path("settings.ini"), QSettings::IniFormat));
    }
};

TEST_F(QuorrilAppTest, NoFileMakesANewDocument)
{
    auto app = makeApp();
    EXPECT_EQ(app->InitInstance({ "quorril" }), std::nullopt);
    ASSERT_NE(app->mainFrame(), nullptr);
    EXPECT_TRUE(app->mainFrame()->isVisible());
    EXPECT_EQ(app->mainFrame()->windowTitle(), QStringLiteral("Untitled - Quorril"));
    EXPECT_EQ(CQuorrilView::nodeText(app->mainFrame()->treeView()->rootNode()), QStringLiteral("Accounts"));
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(QuorrilAppTest, AFileOnTheCommandLineOpensWithItsPasswordOrLeavesANewDocument)
{
    const QString file = writeWallet(path("mine.qrl"), "pw", oneOfEachType());
    struct Case {
        const char* what;
        std::function<void(ScriptedPrompts&)> answer;
        bool opened;
        QStringList shown;
    };
    const Case cases[] = {
        { "wrong password", [](ScriptedPrompts& p) { p.addPassword("PW"); }, false,
            { "[password verify]", "You Do Not have ownership of this document !" } },
        { "cancelled", [](ScriptedPrompts& p) { p.cancelPassword(); }, false, { "[password verify]" } },
        { "right password", [](ScriptedPrompts& p) { p.addPassword("pw"); }, true, { "[password verify]" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path("settings.ini"));
        prompts.shown.clear();
        c.answer(prompts);
        auto app = makeApp();
        EXPECT_EQ(app->InitInstance({ "quorril", file }), std::nullopt);
        EXPECT_EQ(prompts.shown, c.shown);
        // The window shows in any case, with the wallet or a new document, and the wallet is on
        // the recent list to be tried again.
        ASSERT_NE(app->mainFrame(), nullptr);
        EXPECT_TRUE(app->mainFrame()->isVisible());
        EXPECT_EQ(app->mainFrame()->windowTitle(),
            c.opened ? QStringLiteral("mine.qrl - Quorril") : QStringLiteral("Untitled - Quorril"));
        EXPECT_EQ(app->mainFrame()->treeView()->model()->rowCount(app->mainFrame()->treeView()->rootNode()),
            c.opened ? 10 : 0);
        EXPECT_EQ(app->document().accountCount(), c.opened ? 10 : 0);
        EXPECT_EQ(app->recentFiles().entries(), QStringList({ file }));
    }
}

TEST_F(QuorrilAppTest, TheSampleWalletOpensWithAccountsOfAllTenTypes)
{
    prompts.addPassword("quorril-sample");
    auto app = makeApp();
    EXPECT_EQ(app->InitInstance({ "quorril", QStringLiteral(QUORRIL_SAMPLE_WALLET) }), std::nullopt);
    ASSERT_NE(app->mainFrame(), nullptr);
    const CQuorrilView* tree = app->mainFrame()->treeView();
    EXPECT_EQ(tree->model()->rowCount(tree->rootNode()), 10);
    EXPECT_EQ(app->mainFrame()->windowTitle(), QStringLiteral("sample.qrl - Quorril"));
    EXPECT_FALSE(app->document().loadFailed());

    // Each insurance has a type of the dialog's own list, so its detail gets that type's label.
    QStringList detailLabels;
    for (const auto& [key, account] : app->document().accounts()) {
        if (account->GetType() != AccountType::Insurance)
            continue;
        const QString type = static_cast<const InsuranceAccount&>(*account).GetInsuranceType();
        std::unique_ptr<CAccountDialog> dialog
            = createAccountDialog(AccountType::Insurance, &app->document(), account->GetId(), prompts);
        auto* box = qobject_cast<TableAccountDialog*>(dialog.get())->control<QComboBox>(1003);
        ASSERT_NE(box, nullptr);
        EXPECT_GE(box->findText(type, Qt::MatchExactly), 0) << type.toStdString();
        detailLabels << InsuranceAccount::detailLabel(type);
    }
    detailLabels.sort();
    EXPECT_EQ(detailLabels, QStringList({ "Property Address:", "VIN #:" }));
}

TEST_F(QuorrilAppTest, AnUnreadableFileLeavesANewDocumentAndLeavesTheRecentList)
{
    const QString missing = path("missing.qrl");
    {
        QSettings settings(path("settings.ini"), QSettings::IniFormat);
        RecentFileList(settings).add(missing);
    }
    auto app = makeApp();
    ASSERT_EQ(app->recentFiles().entries(), QStringList({ missing }));
    EXPECT_EQ(app->InitInstance({ "quorril", missing }), std::nullopt);
    // One message says why; then the window shows a new document.
    EXPECT_EQ(prompts.shown, QStringList({ "Cannot open missing.qrl: No such file or directory." }));
    ASSERT_NE(app->mainFrame(), nullptr);
    EXPECT_TRUE(app->mainFrame()->isVisible());
    EXPECT_EQ(app->mainFrame()->windowTitle(), QStringLiteral("Untitled - Quorril"));
    EXPECT_TRUE(app->recentFiles().entries().isEmpty());
}

TEST_F(QuorrilAppTest, PromptsBelongToTheMainWindowEvenWhenAnotherWindowIsActive)
{
    const QString file = writeWallet(path("mine.qrl"), "pw", { { AccountType::Bank, "Savings" } });
    WidgetPrompts widgetPrompts;
    CQuorrilApp app(widgetPrompts, std::make_unique<QSettings>(path("settings.ini"), QSettings::IniFormat));
    // The password asked at start-up, before the window shows.
    QWidget* parent = nullptr;
    onNextModal([&](QWidget* modal) {
        parent = modal->parentWidget();
        static_cast<QDialog*>(modal)->reject();
    });
    EXPECT_EQ(app.InitInstance({ "quorril", file }), std::nullopt);
    ASSERT_NE(app.mainFrame(), nullptr);
    EXPECT_EQ(parent, app.mainFrame());

    // Another window is active (as a file manager is after a drop): a notice still goes to ours.
    QWidget other;
    other.show();
    other.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
    parent = nullptr;
    onNextModal([&](QWidget* modal) {
        parent = modal->parentWidget();
        static_cast<QDialog*>(modal)->reject();
    });
    widgetPrompts.notice(QStringLiteral("Hello"));
    EXPECT_EQ(parent, app.mainFrame());
}

TEST_F(QuorrilAppTest, HelpVersionAndBadCommandLines)
{
    struct Case {
        QStringList arguments;
        int status;
        const char* output; // part of standard output
    };
    const Case cases[] = {
        { { "quorril", "--help" }, 0, "[FILE]" },
        { { "quorril", "--version" }, 0, "quorril" },
        { { "quorril", "--no-such-option" }, 2, "" },
        { { "quorril", "a.qrl", "b.qrl" }, 2, "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        auto app = makeApp();
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        EXPECT_EQ(app->InitInstance(c.arguments), c.status);
        const std::string out = testing::internal::GetCapturedStdout();
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(out.find(c.output), std::string::npos) << out;
        EXPECT_EQ(err.empty(), c.status == 0) << err;
        EXPECT_EQ(app->mainFrame(), nullptr);
    }
    EXPECT_TRUE(prompts.shown.isEmpty());
}

} // namespace

#include "QuorrilApp.h"
#include "FrameTest.h"

namespace {

class QuorrilAppTest : public WidgetTest {
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

TEST_F(QuorrilAppTest, AFileOnTheCommandLineOpensWithItsPassword)
{
    const QString file = writeWallet(path("mine.qrl"), "pw", oneOfEachType());
    struct Case {
        const char* what;
        std::function<void(ScriptedPrompts&)> answer;
        std::optional<int> status;
    };
    const Case cases[] = {
        { "wrong password", [](ScriptedPrompts& p) { p.addPassword("PW"); }, 1 },
        { "cancelled", [](ScriptedPrompts& p) { p.cancelPassword(); }, 1 },
        { "right password", [](ScriptedPrompts& p) { p.addPassword("pw"); }, std::nullopt },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.answer(prompts);
        auto app = makeApp();
        EXPECT_EQ(app->InitInstance({ "quorril", file }), c.status);
        if (c.status) {
            // No window at all.
            EXPECT_EQ(app->mainFrame(), nullptr);
            EXPECT_TRUE(app->recentFiles().entries().isEmpty());
        } else {
            ASSERT_NE(app->mainFrame(), nullptr);
            EXPECT_TRUE(app->mainFrame()->isVisible());
            EXPECT_EQ(app->mainFrame()->windowTitle(), QStringLiteral("mine.qrl - Quorril"));
            EXPECT_EQ(app->mainFrame()->treeView()->model()->rowCount(app->mainFrame()->treeView()->rootNode()), 10);
            EXPECT_EQ(app->recentFiles().entries(), QStringList({ file }));
        }
    }
}

TEST_F(QuorrilAppTest, TheSampleWalletOpensWithAccountsOfAllTenTypes)
{
    prompts.addPassword("quorril-sample");
    auto app = makeApp();
    EXPECT_EQ(app->InitInstance({"quorril", QStringLiteral(QUORRIL_SAMPLE_WALLET)}), std::nullopt);
    ASSERT_NE(app->mainFrame(), nullptr);
    const CQuorrilView* tree = app->mainFrame()->treeView();
    EXPECT_EQ(tree->model()->rowCount(tree->rootNode()), 10);
    EXPECT_EQ(app->mainFrame()->windowTitle(), QStringLiteral("sample.qrl - Quorril"));
    EXPECT_FALSE(app->document().loadFailed());
}

TEST_F(QuorrilAppTest, AnUnreadableFileEndsTheStart)
{
    // A file that cannot be read ends the start.
    auto app = makeApp();
    EXPECT_EQ(app->InitInstance({ "quorril", path("missing.qrl") }), 1);
    EXPECT_EQ(app->mainFrame(), nullptr);
    EXPECT_EQ(prompts.shown, QStringList({ "Cannot open missing.qrl: No such file or directory." }));
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

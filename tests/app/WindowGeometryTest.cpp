#include "app/WindowGeometry.h"
#include "app/FrameTest.h"
#include "app/QuorrilApp.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>

namespace {

class WindowGeometryTest : public WindowTest {
protected:
    std::unique_ptr<CQuorrilApp> start()
    {
        auto app = std::make_unique<CQuorrilApp>(
            prompts, std::make_unique<QSettings>(path("settings.ini"), QSettings::IniFormat));
        EXPECT_EQ(app->InitInstance({ "quorril" }), std::nullopt);
        return app;
    }
    static QRect screenArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST_F(WindowGeometryTest, FirstStartIsCentredThenTheWindowComesBackAsItWasLeft)
{
    QRect left;
    {
        auto app = start();
        CMainFrame& frame = *app->mainFrame();
        // A refused close saves nothing.
        frame.document().SetModifiedFlag(true);
        prompts.addAnswer(UiPrompts::Answer::Cancel);
        EXPECT_FALSE(frame.close());
        EXPECT_FALSE(QSettings(path("settings.ini"), QSettings::IniFormat).contains(QStringLiteral("Window/Geometry")));
        frame.document().SetModifiedFlag(false);
        EXPECT_EQ(frame.size(), QSize(500, 500));
        EXPECT_EQ(frame.splitter()->sizes().value(0), 150);
        EXPECT_LE(std::abs(frame.frameGeometry().center().x() - screenArea().center().x()), 2);
        frame.setGeometry(QRect(screenArea().topLeft() + QPoint(30, 40), QSize(640, 420)));
        frame.splitter()->setSizes({ 230, 410 });
        left = frame.geometry();
        ASSERT_TRUE(frame.close());
    }
    {
        auto app = start();
        CMainFrame& frame = *app->mainFrame();
        EXPECT_EQ(frame.geometry(), left);
        EXPECT_EQ(frame.splitter()->sizes().value(0), 230);
        frame.showMaximized();
        ASSERT_TRUE(frame.close());
    }
    auto app = start();
    EXPECT_TRUE(app->mainFrame()->isMaximized());
}

TEST_F(WindowGeometryTest, AWindowSavedOnAScreenThatIsGoneComesBackOntoOne)
{
    const QRect area = screenArea();
    for (const QPoint offset : { QPoint(area.width() + 3000, 100), QPoint(50, -2000) }) {
        SCOPED_TRACE(testing::Message() << offset.x() << "," << offset.y());
        {
            QMainWindow elsewhere;
            QSplitter splitter;
            elsewhere.setGeometry(QRect(area.topLeft() + offset, QSize(400, 300)));
            QSettings settings(path("settings.ini"), QSettings::IniFormat);
            WindowGeometry::save(elsewhere, splitter, settings);
        }
        auto app = start();
        CMainFrame& frame = *app->mainFrame();
        EXPECT_TRUE(area.intersects(frame.frameGeometry()))
            << frame.frameGeometry().x() << "," << frame.frameGeometry().y();
        EXPECT_TRUE(area.contains(frame.geometry().topLeft()));
        EXPECT_EQ(frame.size(), QSize(400, 300));
    }
}

TEST_F(WindowGeometryTest, BringOnScreenMovesOnlyAWindowThatIsOff)
{
    const QRect area = screenArea();
    // clang-format off
    const std::tuple<const char*, QPoint, bool> rows[] = { // where the window is, moved?
        { "inside",            area.topLeft() + QPoint(10, 10),                false },
        { "half off the right", QPoint(area.right() - 200, area.top() + 10),   false },
        { "off the right",     QPoint(area.right() + 50, area.top() + 10),     true },
        { "title bar above",   QPoint(area.left() + 10, area.top() - 400),     true },
        { "far left",          QPoint(area.left() - 4000, area.top() + 100),   true },
        { "far below",         QPoint(area.left() + 50, area.bottom() + 2500), true },
        // Less than a usable part, 100 x 50 pixels of the title's end of the window, on screen.
        { "88 x 32 at the bottom right", QPoint(area.right() - 87, area.bottom() - 31), true },
        { "88 wide at the left",  QPoint(area.left() - 312, area.top() + 10),  true },
        { "32 high at the bottom", QPoint(area.left() + 10, area.bottom() - 31), true },
        { "120 x 60 at the bottom right", QPoint(area.right() - 119, area.bottom() - 59), false },
    };
    // clang-format on
    for (const auto& [name, at, moves] : rows) {
        QMainWindow window;
        window.setGeometry(QRect(at, QSize(400, 300)));
        EXPECT_EQ(WindowGeometry::bringOnScreen(window), moves) << name;
        EXPECT_TRUE(area.contains(window.geometry().topLeft())) << name;
    }
}

} // namespace

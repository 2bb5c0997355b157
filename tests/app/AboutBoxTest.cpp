#include "app/AboutDlg.h"
#include "app/AboutPicture.h"
#include "app/FrameTest.h"
#include "app/StaticLink.h"

#include <QDesktopServices>
#include <QSignalSpy>

namespace {

// Receives the URLs the desktop would open, for the schemes a test registers it for.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    explicit UrlCatcher(const QStringList& schemes)
        : m_schemes(schemes)
    {
        for (const QString& scheme : m_schemes)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlCatcher() override
    {
        for (const QString& scheme : m_schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }

private:
    QStringList m_schemes;
};

class AboutBoxTest : public WindowTest { };

TEST_F(AboutBoxTest, LayoutAndLinks)
{
    CAboutDlg about;
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Quorril"));
    EXPECT_EQ(about.minimumSize(), about.maximumSize()); // fixed size
    EXPECT_TRUE(about.findChildren<QAbstractButton*>().isEmpty());
    // The picture fills most of the box; both links lie inside its light band.
    const QRect picture = about.picture()->geometry();
    EXPECT_GT(picture.width(), about.width() * 8 / 10);
    EXPECT_GT(picture.height(), about.height() * 8 / 10);
    for (CStaticLink* link : { about.webLink(), about.mailLink() }) {
        SCOPED_TRACE(link->text().toStdString());
        EXPECT_TRUE(picture.contains(link->geometry()));
        EXPECT_GE(link->geometry().top(), picture.top() + picture.height() * AboutPicture::LinkBandTop);
        EXPECT_LE(link->geometry().bottom(), picture.top() + picture.height() * AboutPicture::LinkBandBottom);
        EXPECT_EQ(link->textColor(), QColor(0, 0, 255));
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_LT(about.webLink()->geometry().bottom(), about.mailLink()->geometry().top());
    EXPECT_EQ(about.webLink()->link(), QStringLiteral("https://www.quorril.example/"));
    EXPECT_EQ(about.mailLink()->link(), QStringLiteral("mailto:support@quorril.example"));
    EXPECT_EQ(about.mailLink()->text(), QStringLiteral("support@quorril.example"));
}

TEST_F(AboutBoxTest, ClickingALinkOpensItAndTurnsItPurple)
{
    UrlCatcher catcher({ "https", "mailto" });
    CAboutDlg about;
    about.show();
    QTest::mouseClick(about.mailLink(), Qt::LeftButton);
    QTest::mouseClick(about.webLink(), Qt::LeftButton);
    QTest::mouseClick(about.webLink(), Qt::LeftButton); // twice: opened twice, still purple
    EXPECT_EQ(catcher.opened,
        QList<QUrl>({ QUrl("mailto:support@quorril.example"), QUrl("https://www.quorril.example/"),
            QUrl("https://www.quorril.example/") }));
    EXPECT_EQ(about.webLink()->textColor(), QColor(128, 0, 128));
    EXPECT_EQ(about.mailLink()->textColor(), QColor(128, 0, 128));
    EXPECT_EQ(about.webLink()->palette().color(QPalette::WindowText), QColor(128, 0, 128));
    // The right button opens nothing.
    QTest::mouseClick(about.webLink(), Qt::RightButton);
    EXPECT_EQ(catcher.opened.size(), 3);
}

TEST_F(AboutBoxTest, StaticLinkTargets)
{
    UrlCatcher catcher({ "https", "http" });
    struct Case {
        const char* text;
        const char* link;
        const char* opened; // empty: nothing is opened
        bool fails;
    };
    const Case cases[] = {
        { "", "", "", false }, // nothing to open: ignored
        { "https://own.example/", "", "https://own.example/", false }, // its own text
        { "Shown text", "https://target.example/x", "https://target.example/x", false },
        { "no such scheme", "nosuchscheme:somewhere", "", true }, // the desktop cannot open it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        catcher.opened.clear();
        CStaticLink link(QString::fromUtf8(c.text), QString::fromUtf8(c.link));
        link.resize(200, 20);
        link.show();
        QSignalSpy failed(&link, &CStaticLink::openFailed);
        QTest::mouseClick(&link, Qt::LeftButton);
        if (*c.opened) {
            EXPECT_EQ(catcher.opened, QList<QUrl>({ QUrl(QString::fromUtf8(c.opened)) }));
            EXPECT_EQ(link.textColor(), CStaticLink::FollowedColor);
        } else {
            EXPECT_TRUE(catcher.opened.isEmpty());
            EXPECT_EQ(link.textColor(), CStaticLink::NotFollowedColor);
        }
        EXPECT_EQ(failed.count(), c.fails ? 1 : 0);
    }
}

TEST_F(AboutBoxTest, EnterAndEscapeCloseTheBox)
{
    for (Qt::Key key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape }) {
        CAboutDlg about;
        about.show();
        QTest::keyClick(&about, key);
        EXPECT_FALSE(about.isVisible()) << key;
    }
}

class AboutCommandTest : public FrameTest { };

TEST_F(AboutCommandTest, AboutCommandShowsTheBoxModally)
{
    QString title;
    onNextModal([&title](QWidget* modal) {
        title = modal->windowTitle();
        modal->close();
    });
    trigger(ID_APP_ABOUT);
    EXPECT_EQ(title, QStringLiteral("About Quorril"));
}

} // namespace

#include "AboutBoxTest.moc"

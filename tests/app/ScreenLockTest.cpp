#include "app/AutoLock.h"
#include "app/FrameTest.h"
#include "app/QuorrilApp.h"
#include "app/ScreenLockListener.h"
#include "document/QuorrilDoc.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QLabel>
#include <QSignalSpy>

// Runs on a private bus that serves as session and system bus (run-on-private-bus.sh), with
// XDG_SESSION_ID=c2 naming this program's logind session.
namespace {

class ScreenLockTest : public WindowTest {
protected:
    ScreenLockTest()
        : sender(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("sender")))
    {
    }
    ~ScreenLockTest() override
    {
        sender.unregisterService(QStringLiteral("org.freedesktop.login1"));
        QDBusConnection::disconnectFromBus(QStringLiteral("sender"));
    }

    struct Signal {
        const char* path;
        const char* interface;
        const char* member;
        QVariantList arguments;
    };
    void send(const Signal& signal)
    {
        QDBusMessage message = QDBusMessage::createSignal(
            QLatin1String(signal.path), QLatin1String(signal.interface), QLatin1String(signal.member));
        message.setArguments(signal.arguments);
        ASSERT_TRUE(sender.send(message));
    }

    QDBusConnection sender;
};

TEST_F(ScreenLockTest, TheScreenSaverAndLogindSignalsAreHeard)
{
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "not on a private bus";
    EXPECT_EQ(ScreenLockListener(QDBusConnection(QStringLiteral("none")), QDBusConnection(QStringLiteral("none")))
                  .subscriptions(),
        0);
    ScreenLockListener listener;
    EXPECT_EQ(listener.subscriptions(), 3);
    QSignalSpy locked(&listener, &ScreenLockListener::screenLocked);
    const char* const saver = "/org/freedesktop/ScreenSaver";
    const char* const saverIf = "org.freedesktop.ScreenSaver";
    const char* const session = "org.freedesktop.login1.Session";
    struct Row {
        const char* name;
        Signal signal;
        bool heard;
    };
    // clang-format off
    const Row rows[] = {
        { "not from logind's name", { "/org/freedesktop/login1/session/c2", session, "Lock", {} },  false },
        { "screen saver on",        { saver, saverIf, "ActiveChanged", { true } },                  true },
        { "screen saver off",       { saver, saverIf, "ActiveChanged", { false } },                 false },
        { "on another path",        { "/ScreenSaver", saverIf, "ActiveChanged", { true } },         true },
        { "GNOME's screen saver",   { "/org/gnome/ScreenSaver", "org.gnome.ScreenSaver", "ActiveChanged", { true } }, true },
        { "logind locks this session",    { "/org/freedesktop/login1/session/c2", session, "Lock", {} },   true },
        { "logind locks another session", { "/org/freedesktop/login1/session/c7", session, "Lock", {} },   false },
        { "logind unlocks",               { "/org/freedesktop/login1/session/c2", session, "Unlock", {} }, false },
        { "another signal",         { saver, saverIf, "WakeUpScreen", {} },                          false },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        locked.clear();
        send(row.signal);
        if (row.heard)
            EXPECT_TRUE(locked.wait(2000));
        else
            QTest::qWait(200);
        EXPECT_EQ(locked.count(), row.heard ? 1 : 0);
        // From here on the sender holds logind's name.
        if (&row == rows) {
            ASSERT_TRUE(sender.registerService(QStringLiteral("org.freedesktop.login1")));
        }
    }
}

TEST_F(ScreenLockTest, TheProgramLocksItsWalletWhenTheScreenLocks)
{
    const QString file = writeWallet(path("w.qrl"), QStringLiteral("pw"), oneOfEachType());
    CQuorrilApp app(prompts, std::make_unique<QSettings>(path("settings.ini"), QSettings::IniFormat));
    prompts.addPassword(QStringLiteral("pw"));
    ASSERT_EQ(app.InitInstance({ "quorril", file }), std::nullopt);
    ASSERT_FALSE(app.document().IsLocked());
    QSignalSpy lockChanged(&app.document(), &CQuorrilDoc::lockChanged);
    send({ "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver", "ActiveChanged", { true } });
    EXPECT_TRUE(lockChanged.wait(2000));
    EXPECT_TRUE(app.document().IsLocked());
    EXPECT_EQ(app.mainFrame()->messagePane()->text(), QStringLiteral("Locked when the screen was locked"));
}

TEST_F(ScreenLockTest, SessionPathsAreEscapedAsLogindDoes)
{
    const std::pair<const char*, const char*> rows[] = {
        { "c2", "/org/freedesktop/login1/session/c2" },
        { "2", "/org/freedesktop/login1/session/_32" },
        { "12", "/org/freedesktop/login1/session/_312" },
        { "a-b", "/org/freedesktop/login1/session/a_2db" },
        { "", "/org/freedesktop/login1/session/_" },
    };
    for (const auto& [id, path] : rows)
        EXPECT_EQ(ScreenLockListener::sessionPath(id), QString::fromLatin1(path)) << id;
}

} // namespace

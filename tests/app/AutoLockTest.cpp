#include "app/AutoLock.h"
#include "accounts/CreditCardAccount.h"
#include "app/FrameTest.h"
#include "app/IdleWatcher.h"
#include "app/InputWatch.h"
#include "core/Clock.h"

#include <QLabel>
#include <QSignalSpy>
#include <QWindow>

#include <functional>
#include <optional>

namespace {

constexpr qint64 kMinute = 60 * 1000;
const char* const kIdleNote = "Locked after 10 minutes without use";

class AutoLockTest : public FrameTest {
protected:
    AutoLockTest()
    {
        watcher().noteInput(); // from the stopped clock's time on
    }

    IdleWatcher& watcher() const { return frame.autoLock().idleWatcher(); }
    QString status() const { return frame.messagePane()->text(); }
    // A new wallet showing "Ready"; with a password it holds one card, as after an open.
    void startWallet(bool password)
    {
        doc.OnNewDocument();
        frame.messagePane()->setText(QStringLiteral("Ready"));
        if (password) {
            addAccounts(doc, { { AccountType::CreditCard, "Visa" } });
            doc.setPassword(QStringLiteral("pw"));
            doc.SetModifiedFlag(false);
            frame.treeView()->OnInitialUpdate();
        }
    }
    // Checks the lock and its note (null: unlocked, "Ready"), then unlocks; the note goes at unlock.
    void expectLockedWith(const char* note)
    {
        EXPECT_EQ(doc.IsLocked(), note != nullptr);
        EXPECT_EQ(status(), note ? QString::fromUtf8(note) : QStringLiteral("Ready"));
        if (doc.IsLocked()) {
            prompts.addPassword(QStringLiteral("pw"));
            trigger(ID_UNLOCK_DOCUMENT);
        }
        EXPECT_EQ(status(), QStringLiteral("Ready"));
    }
    // Time passes without input, then the timer fires.
    void idleFor(qint64 ms)
    {
        clock->advance(std::chrono::milliseconds(ms));
        watcher().check();
    }
    void typeSomething() { QTest::keyClick(frame.treeView(), Qt::Key_Down); }

    std::optional<Clock::Fake> clock { std::in_place }; // stands still unless a test lets it run
};

TEST_F(AutoLockTest, IdleLocksThroughTheLockCommandAfterTheSetMinutes)
{
    struct Row {
        const char* name;
        bool password;
        int minutes;
        qint64 quietBeforeInput; // -1: no input at all
        qint64 quietAfter;
        const char* status; // null: stays unlocked, "Ready"
    };
    // clang-format off
    const Row rows[] = {
        { "ten quiet minutes",     true,  10, -1,          10 * kMinute,      kIdleNote },
        { "a moment short",        true,  10, -1,          10 * kMinute - 1,  nullptr },
        { "input postpones",       true,  10, 9 * kMinute, 9 * kMinute,       nullptr },
        { "postponed, then quiet", true,  10, 9 * kMinute, 10 * kMinute,      kIdleNote },
        { "one minute",            true,  1,  -1,          kMinute,           "Locked after 1 minute without use" },
        { "0 means never",         true,  0,  -1,          24 * 60 * kMinute, nullptr },
        { "no password, no lock",  false, 10, -1,          60 * kMinute,      nullptr },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        startWallet(row.password);
        typeSomething(); // as in the Preferences dialog, the change comes with input
        preferences.setValue(Preferences::AutoLockMinutes, row.minutes);
        QSignalSpy lockCommand(action(ID_LOCK_DOCUMENT), &QAction::triggered);
        if (row.quietBeforeInput >= 0) {
            idleFor(row.quietBeforeInput);
            typeSomething();
        }
        idleFor(row.quietAfter);
        EXPECT_EQ(lockCommand.count(), row.status ? 1 : 0);
        EXPECT_FALSE(doc.IsModified());
        expectLockedWith(row.status);
    }
}

TEST_F(AutoLockTest, TheTimerWakesOncePerIntervalAndNeverSoonerThanASecond)
{
    preferences.setValue(Preferences::AutoLockMinutes, 10);
    // quiet since the last input when the timer fires; then armed?, remaining in [min, max]
    const std::tuple<qint64, bool, int, int> rows[] = {
        { kMinute, true, int(9 * kMinute) - 50, int(9 * kMinute) }, // input a minute ago: the rest
        { 10 * kMinute - 5, true, 900, 1000 }, // almost due: still a second
        { 10 * kMinute, false, -1, -1 }, // due: reports and sleeps
    };
    for (const auto& [quiet, armed, minRemaining, maxRemaining] : rows) {
        SCOPED_TRACE(quiet);
        typeSomething();
        idleFor(quiet);
        EXPECT_EQ(watcher().isArmed(), armed);
        EXPECT_GE(watcher().remainingMs(), minRemaining);
        EXPECT_LE(watcher().remainingMs(), maxRemaining);
    }
    // Asleep after reporting; the next input arms it for a whole interval, later inputs only note the time.
    typeSomething();
    const int before = watcher().remainingMs();
    EXPECT_GT(before, int(10 * kMinute) - 50);
    for (int i = 0; i < 20; ++i)
        typeSomething();
    EXPECT_LE(watcher().remainingMs(), before);
}

TEST_F(AutoLockTest, AnIdleProgramWakesOnceOnARealClock)
{
    clock.reset();
    IdleWatcher real;
    QSignalSpy idle(&real, &IdleWatcher::idle);
    real.setInterval(1100);
    QTest::qWait(2600);
    EXPECT_EQ(real.wakeUps(), 1);
    EXPECT_EQ(idle.count(), 1);
}

TEST_F(AutoLockTest, AnOpenAccountDialogIsCancelledWithItsMessageBoxAndNothingTypedIsStored)
{
    for (int command : { ID_ACCOUNT_PROPERTIES, ID_NEW_CREDITCARD }) {
        SCOPED_TRACE(command);
        startWallet(true);
        select(AccountType::CreditCard, QStringLiteral("Visa"));
        focusTree();
        QPointer<QWidget> dialog;
        bool answer = true;
        onNextModal([&](QWidget* modal) {
            dialog = modal;
            for (QLineEdit* edit : modal->findChildren<QLineEdit*>())
                if (edit->isVisible() && edit->isEnabled()) {
                    edit->selectAll();
                    QTest::keyClicks(edit, QStringLiteral("Typed"));
                }
            // A question of the dialog, asked through its prompts, is open when the idle lock falls.
            prompts.holdOpen([this] { idleFor(10 * kMinute); });
            answer = prompts.question(QStringLiteral("Continue ?"), UiPrompts::Icon::Question, UiPrompts::Answer::Yes);
            // Whatever the lock left open fails the test instead of hanging it.
            QTimer::singleShot(300, [] {
                for (int i = 0; i < 3 && QApplication::activeModalWidget(); ++i) {
                    ADD_FAILURE() << "left open: " << QApplication::activeModalWidget()->metaObject()->className();
                    QApplication::activeModalWidget()->close();
                }
            });
        });
        trigger(command);
        EXPECT_TRUE(doc.IsLocked());
        EXPECT_FALSE(doc.IsModified());
        ASSERT_EQ(doc.accountCount(), 1);
        const auto& card = static_cast<const CreditCardAccount&>(*doc.accounts().begin()->second);
        EXPECT_EQ(card.GetTitle(), QStringLiteral("Visa"));
        EXPECT_TRUE(card.GetAccountNumber().isEmpty());
        EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
        EXPECT_FALSE(answer);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        expectLockedWith(kIdleNote);
    }
}

// A password prompt open when a lock falls is answered Cancel and the lock follows, whatever its
// kind; the Unlock prompt alone goes on, as its wallet is locked already.
TEST_F(AutoLockTest, APasswordPromptOpenWhenALockFallsIsCancelledExceptUnlock)
{
    struct Row {
        const char* name;
        int command;
        std::function<void()> lock;
        const char* note; // null: the prompt goes on and unlocks
    };
    const Row rows[] = {
        { "idle, Change Password", ID_CHANGE_PASSWORD, [this] { idleFor(10 * kMinute); }, kIdleNote },
        { "screen, Change Password", ID_CHANGE_PASSWORD,
            [this] { frame.autoLock().lockFor(AutoLock::Reason::ScreenLocked); }, "Locked when the screen was locked" },
        { "idle, Unlock", ID_UNLOCK_DOCUMENT, [this] { idleFor(10 * kMinute); }, nullptr },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        startWallet(true);
        ASSERT_TRUE(doc.OnSaveDocument(path(QStringLiteral("wallet.qrl"))));
        typeSomething();
        if (row.command == ID_UNLOCK_DOCUMENT)
            trigger(ID_LOCK_DOCUMENT);
        const int cancelled = prompts.cancelledPrompts;
        prompts.holdOpen(row.lock);
        if (!row.note)
            prompts.addPassword(QStringLiteral("pw"));
        trigger(row.command);
        EXPECT_EQ(prompts.cancelledPrompts - cancelled, row.note ? 1 : 0);
        if (row.note) {
            QTRY_VERIFY(doc.IsLocked());
            EXPECT_FALSE(doc.IsModified());
            // Unlocking with the old password shows that it is unchanged.
            expectLockedWith(row.note);
        }
        EXPECT_FALSE(doc.IsLocked());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST_F(AutoLockTest, MinimisingLocksOnlyWhenChosen)
{
    const std::tuple<bool, bool, const char*> rows[] = { { true, true, "Locked when the window was minimized" },
        { false, true, nullptr }, { true, false, nullptr } }; // lock on minimize, password, note
    for (const auto& [lockOnMinimize, password, note] : rows) {
        SCOPED_TRACE(testing::Message() << lockOnMinimize << password);
        startWallet(password);
        preferences.setValue(Preferences::LockOnMinimize, lockOnMinimize);
        frame.showMinimized();
        expectLockedWith(note);
        frame.showNormal();
    }
}

} // namespace

// Input reaches the idle watch and the lock-key panes through the one application-wide watch: a key
// from the window system is announced once at its window (press and release), whatever widget it
// then reaches, and what is not input is not announced.
TEST_F(AutoLockTest, InputIsAnnouncedOnceByTheOneWatch)
{
    frame.show();
    QWindow* window = frame.windowHandle();
    ASSERT_NE(window, nullptr);
    struct Row {
        const char* name;
        std::function<void()> send;
        bool announced;
        int atWindow; // announcements at the window
    };
    const Row rows[] = {
        { "a key from the window system", [&] { QTest::keyClick(window, Qt::Key_Down); }, true, 2 },
        { "a key sent to a widget", [&] { QTest::keyClick(frame.treeView(), Qt::Key_Down); }, true, 0 },
        { "a repaint",
            [&] {
                QEvent update(QEvent::UpdateRequest);
                QCoreApplication::sendEvent(window, &update);
            },
            false, 0 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QSignalSpy announced(&InputWatch::instance(), &InputWatch::input);
        row.send();
        int atWindow = 0;
        for (const QList<QVariant>& arguments : announced)
            atWindow += arguments.at(1).toBool();
        EXPECT_EQ(!announced.isEmpty(), row.announced);
        EXPECT_EQ(atWindow, row.atWindow);
    }
}

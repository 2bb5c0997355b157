#include "AutoLock.h"
#include "CreditCardAccount.h"
#include "FrameTest.h"
#include "IdleWatcher.h"
#include "PasswordDlg.h"

#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>

namespace {

constexpr qint64 kMinute = 60 * 1000;

class AutoLockTest : public FrameTest {
protected:
    AutoLockTest()
    {
        watcher().setClock([this] { return now; });
    }

    IdleWatcher& watcher() const { return frame.autoLock().idleWatcher(); }
    QString status() const { return frame.messagePane()->text(); }
    // A new wallet, with a password and one card as after an open when asked, and "Ready" shown.
    void startWallet(bool password)
    {
        doc.OnNewDocument();
        frame.messagePane()->setText(QStringLiteral("Ready"));
        if (!password)
            return;
        addAccounts(doc, { { AccountType::CreditCard, "Visa" } });
        doc.setPassword(QStringLiteral("pw"));
        doc.SetModifiedFlag(false);
        frame.treeView()->OnInitialUpdate();
    }
    void unlockIfLocked()
    {
        if (!doc.IsLocked())
            return;
        prompts.addPassword(QStringLiteral("pw"));
        trigger(ID_UNLOCK_DOCUMENT);
    }
    // Time passes without input, then the timer fires.
    void idleFor(qint64 ms)
    {
        now += ms;
        watcher().check();
    }
    // A key press in the tree, seen by the application as any input is.
    void typeSomething() { QTest::keyClick(frame.treeView(), Qt::Key_Down); }

    qint64 now = 1000000;
};

TEST_F(AutoLockTest, IdleLocksThroughTheLockCommandAfterTheSetMinutes)
{
    struct Row {
        const char* name;
        bool password;
        int minutes;
        qint64 quietBeforeInput; // -1: no input at all
        qint64 quietAfter;
        bool locked;
        const char* status;
    };
    // clang-format off
    const Row rows[] = {
        { "ten quiet minutes",         true,  10, -1,          10 * kMinute,     true,  "Locked after 10 minutes without use" },
        { "a moment short",            true,  10, -1,          10 * kMinute - 1, false, "Ready" },
        { "input postpones",           true,  10, 9 * kMinute, 9 * kMinute,      false, "Ready" },
        { "postponed, then quiet",     true,  10, 9 * kMinute, 10 * kMinute,     true,  "Locked after 10 minutes without use" },
        { "one minute",                true,  1,  -1,          kMinute,          true,  "Locked after 1 minute without use" },
        { "0 means never",             true,  0,  -1,          24 * 60 * kMinute, false, "Ready" },
        { "no password, no lock",      false, 10, -1,          60 * kMinute,     false, "Ready" },
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
        EXPECT_EQ(doc.IsLocked(), row.locked);
        EXPECT_EQ(lockCommand.count(), row.locked ? 1 : 0);
        EXPECT_EQ(status(), QString::fromUtf8(row.status));
        EXPECT_FALSE(doc.IsModified());
        unlockIfLocked();
        EXPECT_EQ(status(), QStringLiteral("Ready")) << "the lock note goes at unlock";
    }
}

TEST_F(AutoLockTest, TheTimerWakesOncePerIntervalAndNeverSoonerThanASecond)
{
    preferences.setValue(Preferences::AutoLockMinutes, 10);
    struct Row {
        const char* name;
        qint64 quiet; // since the last input, when the timer fires
        bool armedAfter;
        int minRemaining;
        int maxRemaining;
    };
    // clang-format off
    const Row rows[] = {
        { "input a minute ago: the rest",   kMinute,                true,  int(9 * kMinute) - 50, int(9 * kMinute) },
        { "almost due: still a second",     10 * kMinute - 5,       true,  900,                   1000 },
        { "due: reports and sleeps",        10 * kMinute,           false, -1,                    -1 },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        typeSomething();
        idleFor(row.quiet);
        EXPECT_EQ(watcher().isArmed(), row.armedAfter);
        EXPECT_GE(watcher().remainingMs(), row.minRemaining);
        EXPECT_LE(watcher().remainingMs(), row.maxRemaining);
    }
    // Asleep after reporting; the next input arms it for a whole interval.
    typeSomething();
    EXPECT_GT(watcher().remainingMs(), int(10 * kMinute) - 50);
    // Inputs only note the time: the deadline stays where the first one put it.
    const int before = watcher().remainingMs();
    for (int i = 0; i < 20; ++i)
        typeSomething();
    EXPECT_LE(watcher().remainingMs(), before);
}

TEST_F(AutoLockTest, AnIdleProgramWakesOnceOnARealClock)
{
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
        QPointer<QMessageBox> box;
        QPointer<QWidget> dialog;
        onNextModal([&](QWidget* modal) {
            dialog = modal;
            for (QLineEdit* edit : modal->findChildren<QLineEdit*>())
                if (edit->isVisible() && edit->isEnabled()) {
                    edit->selectAll();
                    QTest::keyClicks(edit, QStringLiteral("Typed"));
                }
            box = new QMessageBox(QMessageBox::Question, QStringLiteral("Quorril"), QStringLiteral("Continue ?"),
                QMessageBox::Yes | QMessageBox::No, modal);
            box->setEscapeButton(QMessageBox::No);
            box->open();
            idleFor(10 * kMinute);
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
        const AccountRecord& card = *doc.accounts().begin()->second;
        EXPECT_EQ(card.GetTitle(), QStringLiteral("Visa"));
        EXPECT_TRUE(static_cast<const CreditCardAccount&>(card).GetAccountNumber().isEmpty());
        EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
        EXPECT_TRUE(box.isNull() || !box->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(status(), QStringLiteral("Locked after 10 minutes without use"));
        unlockIfLocked();
    }
}

TEST_F(AutoLockTest, APasswordPromptIsNeverInterrupted)
{
    struct Row {
        const char* name;
        std::function<void()> cause;
        bool lockedWhenPromptCloses;
        const char* status;
    };
    const Row rows[] = {
        { "idle: dropped, the prompt's input counts as use", [this] { idleFor(10 * kMinute); }, false, "Ready" },
        { "screen lock: waits for the prompt", [this] { frame.autoLock().lockFor(AutoLock::Reason::ScreenLocked); },
            true, "Locked when the screen was locked" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        startWallet(true);
        typeSomething();
        auto prompt = std::make_unique<CPasswordDlg>(prompts, Prompts::PasswordMode::Verify, &frame);
        prompt->show();
        row.cause();
        EXPECT_FALSE(doc.IsLocked());
        EXPECT_TRUE(prompt->isVisible());
        prompt->reject();
        prompt.reset();
        QCoreApplication::processEvents();
        EXPECT_EQ(doc.IsLocked(), row.lockedWhenPromptCloses);
        EXPECT_EQ(status(), QString::fromUtf8(row.status));
        unlockIfLocked();
    }
}

TEST_F(AutoLockTest, MinimisingLocksOnlyWhenChosen)
{
    const struct {
        bool lockOnMinimize, password, locked;
    } rows[] = { { true, true, true }, { false, true, false }, { true, false, false } };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.lockOnMinimize << row.password);
        startWallet(row.password);
        preferences.setValue(Preferences::LockOnMinimize, row.lockOnMinimize);
        frame.showMinimized();
        EXPECT_EQ(doc.IsLocked(), row.locked);
        EXPECT_EQ(
            status(), row.locked ? QStringLiteral("Locked when the window was minimized") : QStringLiteral("Ready"));
        frame.showNormal();
        unlockIfLocked();
    }
}

} // namespace

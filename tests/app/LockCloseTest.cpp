#include "accounts/BankAccount.h"
#include "app/AutoLock.h"
#include "app/ExpiringDlg.h"
#include "app/FrameTest.h"
#include "app/IdleWatcher.h"
#include "core/Clock.h"
#include "dialogs/PasswordGeneratorDlg.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

constexpr qint64 kMinute = 60 * 1000;

enum class Lock { Command, Idle, Screen, Minimize };
const char* lockName(Lock lock)
{
    switch (lock) {
    case Lock::Command:
        return "Lock command";
    case Lock::Idle:
        return "idle";
    case Lock::Screen:
        return "screen lock";
    case Lock::Minimize:
        return "minimize";
    }
    return "";
}
constexpr Lock kEveryLock[] = { Lock::Command, Lock::Idle, Lock::Screen, Lock::Minimize };

// Fails the test and closes every modal window still open once the time is up, so that a window a
// lock should have closed (or a command should never have opened) fails instead of hanging. It
// goes with the scope that holds it.
class LeftOpenGuard {
public:
    explicit LeftOpenGuard(int ms)
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            for (int i = 0; i < 4 && QApplication::activeModalWidget(); ++i) {
                QWidget* modal = QApplication::activeModalWidget();
                ADD_FAILURE() << "left open: " << modal->metaObject()->className();
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
        });
        m_timer.start(ms);
    }

private:
    QTimer m_timer;
};

// Two bank accounts behind the password "pw"; "Checking" has a PIN and an account number.
class LockCloseTest : public FrameTest {
protected:
    LockCloseTest()
    {
        frame.autoLock().idleWatcher().noteInput(); // from the stopped clock's time on
    }

    void startWallet()
    {
        doc.OnNewDocument();
        auto checking = makeAccount(AccountType::Bank, doc.NextAccountId(), QStringLiteral("Checking"));
        static_cast<BankAccount&>(*checking).SetPin(QStringLiteral("4321"));
        static_cast<BankAccount&>(*checking).SetAccountNumber(QStringLiteral("1111"));
        ASSERT_TRUE(doc.AddAccount(std::move(checking)));
        ASSERT_TRUE(doc.AddAccount(makeAccount(AccountType::Bank, doc.NextAccountId(), QStringLiteral("Savings"))));
        doc.setPassword(QStringLiteral("pw"));
        doc.SetModifiedFlag(false);
        frame.treeView()->OnInitialUpdate();
        select(AccountType::Bank, QStringLiteral("Checking"));
        focusTree();
        before = contents();
    }

    // Every account's title and property values.
    QStringList contents() const
    {
        QStringList all;
        for (const auto& [id, account] : doc.accounts()) {
            QStringList names;
            QStringList values;
            account->ListProperties(names, values);
            all << account->GetTitle() + QLatin1Char(':') + values.join(QLatin1Char('|'));
        }
        return all;
    }

    void lockBy(Lock lock)
    {
        switch (lock) {
        case Lock::Command:
            trigger(ID_LOCK_DOCUMENT);
            break;
        case Lock::Idle:
            clock.advance(std::chrono::milliseconds(10 * kMinute));
            frame.autoLock().idleWatcher().check();
            break;
        case Lock::Screen:
            frame.autoLock().lockFor(AutoLock::Reason::ScreenLocked);
            break;
        case Lock::Minimize:
            preferences.setValue(Preferences::LockOnMinimize, true);
            frame.showMinimized();
            break;
        }
    }

    // Locked with nothing open and nothing changed; then unlocked, with the accounts as they were.
    void expectLockedAndUnchanged()
    {
        if (frame.isMinimized()) {
            frame.showNormal();
            preferences.setValue(Preferences::LockOnMinimize, false);
        }
        EXPECT_TRUE(doc.IsLocked());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_FALSE(doc.IsModified());
        if (doc.IsLocked()) {
            prompts.addPassword(QStringLiteral("pw"));
            trigger(ID_UNLOCK_DOCUMENT);
        }
        EXPECT_FALSE(doc.IsLocked());
        EXPECT_EQ(contents(), before);
    }

    Clock::Fake clock;
    QStringList before;
};

// Runs the step in the next modal window, checking first that it is of the class expected.
template <class Window> void inNextModal(std::function<void(QWidget*)> step)
{
    onNextModal([step](QWidget* modal) {
        EXPECT_NE(qobject_cast<Window*>(modal), nullptr) << modal->metaObject()->className();
        step(modal);
    });
}

TEST_F(LockCloseTest, EveryKindOfLockClosesEachWindowOfAccountDataAndNothingChanges)
{
    using LockNow = std::function<void()>;
    struct Row {
        const char* window;
        // Opens the window and runs lockNow while it is open.
        std::function<void(LockNow)> open;
        // Prompts answered Cancel or No by the lock.
        int cancelled;
    };
    const Row rows[] = {
        { "Delete's question",
            [this](LockNow lockNow) {
                prompts.holdOpen(lockNow);
                trigger(ID_ACCOUNT_DELETE);
            },
            1 },
        { "password generator",
            [this](LockNow lockNow) {
                inNextModal<PasswordGeneratorDlg>([lockNow](QWidget*) { lockNow(); });
                trigger(ID_GENERATE_PASSWORD);
            },
            0 },
        { "expiring list",
            [this](LockNow lockNow) {
                inNextModal<ExpiringDlg>([lockNow](QWidget*) { lockNow(); });
                trigger(ID_VIEW_EXPIRING);
            },
            0 },
        { "account dialog with typed changes",
            [this](LockNow lockNow) {
                inNextModal<TableAccountDialog>([lockNow](QWidget* modal) {
                    auto* number = static_cast<TableAccountDialog*>(modal)->control<QLineEdit>(Bank::AccountNumber);
                    number->selectAll();
                    QTest::keyClicks(number, QStringLiteral("9999"));
                    lockNow();
                });
                trigger(ID_ACCOUNT_PROPERTIES);
            },
            0 },
        { "account dialog's duplicate-title box",
            [this](LockNow lockNow) {
                prompts.holdOpen(lockNow);
                onNextModal([](QWidget* modal) {
                    fillAndAccept(modal,
                        { { Bank::Title, QStringLiteral("Savings") },
                            { Bank::AccountNumber, QStringLiteral("9999") } });
                });
                trigger(ID_ACCOUNT_PROPERTIES);
            },
            1 },
        { "new account dialog",
            [this](LockNow lockNow) {
                inNextModal<TableAccountDialog>([lockNow](QWidget* modal) {
                    auto* title = static_cast<TableAccountDialog*>(modal)->control<QLineEdit>(Bank::Title);
                    QTest::keyClicks(title, QStringLiteral("Brokerage"));
                    lockNow();
                });
                trigger(ID_NEW_BANK);
            },
            0 },
    };
    for (const Row& row : rows) {
        for (const Lock lock : kEveryLock) {
            SCOPED_TRACE(testing::Message() << row.window << ", " << lockName(lock));
            startWallet();
            const int cancelledBefore = prompts.cancelledPrompts;
            {
                const LeftOpenGuard guard(2000);
                row.open([this, lock] { lockBy(lock); });
            }
            EXPECT_EQ(prompts.cancelledPrompts - cancelledBefore, row.cancelled);
            expectLockedAndUnchanged();
        }
    }
}

// A command reached while locked (a shortcut, or a trigger queued before the lock greyed it) does
// nothing: no window, no question, no change, nothing copied.
TEST_F(LockCloseTest, EveryAccountCommandRunWhileLockedDoesNothing)
{
    const std::pair<int, bool> rows[] = { { ID_ACCOUNT_DELETE, true }, { ID_ACCOUNT_PROPERTIES, true },
        { ID_ACCOUNT_COPY_PASSWORD, true }, { ID_EDIT_COPY, false } }; // command, from the tree
    for (const auto& [command, fromTree] : rows) {
        SCOPED_TRACE(action(command)->text().toStdString());
        startWallet();
        if (!fromTree) {
            focusList();
            frame.listView()->selectRow(0);
        }
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        trigger(ID_LOCK_DOCUMENT);
        ASSERT_TRUE(doc.IsLocked());
        const qsizetype shown = prompts.shown.size();
        {
            const LeftOpenGuard guard(50);
            action(command)->setEnabled(true);
            trigger(command);
            QTest::qWait(100);
        }
        EXPECT_EQ(prompts.shown.size(), shown);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        expectLockedAndUnchanged();
    }
}

} // namespace

// View > Password Health… and the status note of weak or reused passwords.
#include "accounts/BankAccount.h"
#include "accounts/CreditCardAccount.h"
#include "accounts/WebSiteAccount.h"
#include "app/ExpiringCommands.h"
#include "app/FrameTest.h"
#include "app/HealthCommands.h"
#include "app/HealthDlg.h"
#include "core/Clock.h"
#include "core/OleDateTime.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>

namespace {

const QDate kToday(2024, 3, 1);
QDate today() { return kToday; }
const char* const kStrong = "uG8&zN3^wT6*bY1%hJ5#";

class HealthTest : public FrameTest {
protected:
    Clock::Fake clock { QDateTime(kToday, QTime(12, 0)) };

    void addSite(const QString& title, const char* password)
    {
        auto account = makeAccount(AccountType::WebSite, doc.NextAccountId(), title);
        account->setField(WebSiteAccount::UserPassword, ScrambledText(QString::fromUtf8(password)));
        ASSERT_TRUE(doc.AddAccount(std::move(account)));
    }
    void addCard(const QString& title, const char* pin, qint64 expiresInDays)
    {
        auto account = makeAccount(AccountType::CreditCard, doc.NextAccountId(), title);
        account->setField(CreditCardAccount::Pin, ScrambledText(QString::fromUtf8(pin)));
        account->setField(CreditCardAccount::Expiration, OleDateTime::fromDate(kToday.addDays(expiresInDays)));
        ASSERT_TRUE(doc.AddAccount(std::move(account)));
    }
    static QStringList rows(const HealthDlg& dialog)
    {
        QStringList shown;
        const QStandardItemModel* model = dialog.model();
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells << model->item(r, c)->text();
            shown << cells.join(QLatin1Char('|'));
        }
        return shown;
    }
    // Opens the wallet from a file, as File > Open does, and waits for the note of its passwords.
    void openSaved(const QString& name)
    {
        const QString file = path(name);
        doc.setPassword(QStringLiteral("pw"));
        ASSERT_TRUE(doc.OnSaveDocument(file));
        doc.OnNewDocument();
        prompts.addPassword(QStringLiteral("pw"));
        QSignalSpy ready(&frame.healthCommands(), &HealthCommands::noteReady);
        ASSERT_TRUE(frame.fileCommands().openDocumentFile(file));
        ASSERT_TRUE(ready.wait(10000));
    }
    QString status() const { return frame.messagePane()->text(); }
};

TEST_F(HealthTest, TheWindowGradesWorstFirstAndNeverShowsAValue)
{
    addSite(QStringLiteral("Forum"), "dragon");
    addSite(QStringLiteral("Shop"), kStrong);
    addSite(QStringLiteral("Bank site"), kStrong);
    addCard(QStringLiteral("Visa"), "58291", -3);
    HealthDlg dialog(doc, today, &frame);
    QStringList header;
    for (int c = 0; c < dialog.model()->columnCount(); ++c)
        header << dialog.model()->horizontalHeaderItem(c)->text();
    EXPECT_EQ(header, QStringList({ "Account", "Type", "Secret", "Grade", "Bits", "Problems" }));
    const QStringList shown = rows(dialog);
    ASSERT_EQ(shown.size(), 4);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("Forum|WebSite|Password|Poor|"))) << shown[0].toStdString();
    EXPECT_TRUE(shown[0].endsWith(QStringLiteral("|weak")));
    EXPECT_EQ(shown[1],
        QStringLiteral("Bank site|WebSite|Password|Weak|%1|reused (2 places)")
            .arg(dialog.model()->item(1, HealthDlg::Bits)->text()));
    EXPECT_EQ(shown[3], QStringLiteral("Visa|Credit Card|PIN|Good||expired"));
    for (const QString& row : shown)
        for (const char* secret : { kStrong, "dragon", "58291" })
            EXPECT_FALSE(row.contains(QString::fromUtf8(secret))) << row.toStdString();
    // The grade's colour stands beside its word.
    EXPECT_FALSE(dialog.model()->item(0, HealthDlg::Grade)->icon().isNull());
    EXPECT_EQ(dialog.note()->text(),
        QStringLiteral("Worst first. Open an account with a double-click or Enter to change its password."));
}

TEST_F(HealthTest, EnterOrADoubleClickOpensTheAccountAndALockClosesTheWindow)
{
    addSite(QStringLiteral("Forum"), "dragon");
    addSite(QStringLiteral("Shop"), kStrong);
    frame.treeView()->OnInitialUpdate();
    doc.setPassword(QStringLiteral("pw"));
    frame.updateCommandStates();
    HealthDlg dialog(doc, today, &frame);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy activated(&dialog, &HealthDlg::accountActivated);
    QTableView* table = dialog.table();
    const QPoint shop = table->visualRect(dialog.model()->index(1, HealthDlg::Type)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, shop);
    EXPECT_EQ(activated.count(), 0) << "a click only selects";
    QTest::keyClick(table, Qt::Key_Return);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, shop);
    ASSERT_EQ(activated.count(), 2);
    EXPECT_TRUE(dialog.isVisible()) << "Enter is the table's, not the Close button's";
    for (const QList<QVariant>& signal : activated)
        EXPECT_EQ(doc.FindAccount(signal.at(0).value<AccountId>())->GetTitle(), QStringLiteral("Shop"));

    trigger(ID_LOCK_DOCUMENT);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), int(QDialog::Rejected));
    EXPECT_FALSE(enabled(ID_VIEW_PASSWORD_HEALTH));
    prompts.addPassword(QStringLiteral("pw"));
    trigger(ID_UNLOCK_DOCUMENT);
    EXPECT_TRUE(enabled(ID_VIEW_PASSWORD_HEALTH));

    // The command opens the window, and the window the account's dialog through Properties.
    QString opened;
    onNextModal([&opened](QWidget* health) {
        auto* window = qobject_cast<HealthDlg*>(health);
        ASSERT_NE(window, nullptr);
        onNextModal([&opened, window](QWidget* account) {
            opened = account->windowTitle();
            account->close();
            window->close();
        });
        QTest::keyClick(window->table(), Qt::Key_Return); // the first row: Forum
    });
    trigger(ID_VIEW_PASSWORD_HEALTH);
    EXPECT_EQ(opened, QStringLiteral("Web Site Account"));
    EXPECT_EQ(CQuorrilView::nodeText(frame.treeView()->selectedNode()), QStringLiteral("Forum"));
}

TEST_F(HealthTest, OpeningAWalletNotesWeakOrReusedPasswordsBesideWhatExpires)
{
    // clang-format off
    const std::tuple<const char*, std::vector<const char*>, int, const char*> rows[] = { // passwords, card due in days, note
        { "all strong", { kStrong }, 400, "Ready" },
        { "one weak", { kStrong, "dragon" }, 400, "1 weak or reused password (View > Password Health…)" },
        { "reused and due", { kStrong, kStrong }, 5,
          "1 item expires within 30 days (View > Expiring…); 2 weak or reused passwords (View > Password Health…)" },
    };
    // clang-format on
    int n = 0;
    for (const auto& [name, passwords, due, note] : rows) {
        SCOPED_TRACE(name);
        doc.OnNewDocument();
        for (const char* password : passwords)
            addSite(QStringLiteral("Site %1").arg(++n), password);
        addCard(QStringLiteral("Card %1").arg(n), "58291", due); // a Good PIN
        openSaved(QStringLiteral("w%1.qrl").arg(n));
        const QString expected = QString::fromUtf8(note);
        EXPECT_EQ(status(), expected);
        // Locked, the note goes; unlocked, it comes back.
        trigger(ID_LOCK_DOCUMENT);
        EXPECT_EQ(status(), QStringLiteral("Ready"));
        QSignalSpy ready(&frame.healthCommands(), &HealthCommands::noteReady);
        prompts.addPassword(QStringLiteral("pw"));
        trigger(ID_UNLOCK_DOCUMENT);
        ASSERT_TRUE(ready.wait(10000));
        EXPECT_EQ(status(), expected);
    }
    // A note still being graded when the wallet locks is dropped.
    trigger(ID_LOCK_DOCUMENT);
    prompts.addPassword(QStringLiteral("pw"));
    trigger(ID_UNLOCK_DOCUMENT);
    trigger(ID_LOCK_DOCUMENT);
    QTRY_VERIFY(!frame.healthCommands().gradingNote());
    EXPECT_EQ(status(), QStringLiteral("Ready"));
}

} // namespace

#include "accounts/CreditCardAccount.h"
#include "accounts/InsuranceAccount.h"
#include "accounts/PurchasedItemRecord.h"
#include "app/ExpiringCommands.h"
#include "app/ExpiringDlg.h"
#include "app/FrameTest.h"
#include "core/Clock.h"
#include "core/OleDateTime.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>

namespace {

const QDate kToday(2024, 3, 1);
QDate today() { return kToday; }

class ExpiringTest : public FrameTest {
protected:
    Clock::Fake clock { QDateTime(kToday, QTime(12, 0)) };

    // An account with its expiry date so many days from today (no value: unset).
    void addDated(AccountType type, const QString& title, std::optional<qint64> days)
    {
        auto account = makeAccount(type, doc.NextAccountId(), title);
        const OleDateTime date = days ? OleDateTime::fromDate(kToday.addDays(*days)) : OleDateTime();
        if (auto* card = dynamic_cast<CreditCardAccount*>(account.get()))
            card->SetExpiration(date);
        else if (auto* policy = dynamic_cast<InsuranceAccount*>(account.get()))
            policy->SetExpiration(date);
        else if (auto* item = dynamic_cast<PurchasedItemRecord*>(account.get()))
            item->SetWarrantyExpiration(date);
        ASSERT_TRUE(doc.AddAccount(std::move(account)));
    }
    static QStringList rows(const ExpiringDlg& dialog)
    {
        QStringList shown;
        const QStandardItemModel* model = dialog.model();
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells << (c == ExpiringDlg::Date ? QStringLiteral("-") : model->item(r, c)->text());
            shown << cells.join(QLatin1Char('|'));
        }
        return shown;
    }
    QString status() const { return frame.messagePane()->text(); }
};

TEST_F(ExpiringTest, TheListMarksWhatIsDueOrExpiredByTextAndColour)
{
    addDated(AccountType::PurchasedItem, QStringLiteral("Fridge"), 90);
    addDated(AccountType::CreditCard, QStringLiteral("Visa"), 30);
    addDated(AccountType::Insurance, QStringLiteral("Home"), -2);
    addDated(AccountType::CreditCard, QStringLiteral("Old card"), std::nullopt);
    addDated(AccountType::Insurance, QStringLiteral("Car"), 31);
    ExpiringDlg dialog(doc, today, &frame);
    QStringList header;
    for (int c = 0; c < dialog.model()->columnCount(); ++c)
        header << dialog.model()->horizontalHeaderItem(c)->text();
    EXPECT_EQ(header, QStringList({ "Title", "Type", "What", "Date", "Due" }));
    // clang-format off
    const std::pair<const char*, bool> expected[] = { // the row, marked?
        { "Home|Insurance|Expiration|-|⚠ expired 2 days ago", true },
        { "Visa|Credit Card|Expiration|-|⚠ in 30 days",          true },
        { "Car|Insurance|Expiration|-|in 31 days",               false },
        { "Fridge|Purchased Item|Warranty Expiration|-|in 90 days", false },
    };
    // clang-format on
    const QStringList shown = rows(dialog);
    ASSERT_EQ(shown.size(), std::size(expected));
    const QColor plain = dialog.model()->item(2, 0)->foreground().color();
    for (int r = 0; r < shown.size(); ++r) {
        EXPECT_EQ(shown[r], QString::fromUtf8(expected[r].first));
        EXPECT_EQ(dialog.model()->item(r, ExpiringDlg::Due)->foreground().color() != plain, expected[r].second) << r;
    }
    EXPECT_EQ(dialog.model()->item(0, ExpiringDlg::Date)->text(),
        QLocale().toString(kToday.addDays(-2), QLocale::ShortFormat));
}

TEST_F(ExpiringTest, TheListEmptiesWhenTheDocumentLocksAndFillsAtUnlock)
{
    addDated(AccountType::CreditCard, QStringLiteral("Visa"), 3);
    doc.setPassword(QStringLiteral("pw"));
    frame.updateCommandStates();
    ExpiringDlg dialog(doc, today, &frame);
    const auto unlockWith = [this](const char* password) {
        prompts.addPassword(QString::fromLatin1(password));
        trigger(ID_UNLOCK_DOCUMENT);
    };
    // clang-format off
    const std::tuple<const char*, std::function<void()>, int> steps[] = {
        { "shown",              [] {},                                  1 },
        { "locked while shown", [this] { trigger(ID_LOCK_DOCUMENT); }, 0 },
        { "wrong password",     [&] { unlockWith("PW"); },             0 },
        { "unlocked",           [&] { unlockWith("pw"); },             1 },
        { "a new document",     [this] { doc.OnNewDocument(); },       0 },
    };
    // clang-format on
    for (const auto& [name, act, rows] : steps) {
        act();
        EXPECT_EQ(dialog.model()->rowCount(), rows) << name;
    }
    // Locked from the start: nothing either.
    addDated(AccountType::CreditCard, QStringLiteral("Visa"), 3);
    doc.setPassword(QStringLiteral("pw"));
    doc.OnLockDocument();
    ExpiringDlg locked(doc, today, &frame);
    EXPECT_EQ(locked.model()->rowCount(), 0);
}

TEST_F(ExpiringTest, ADoubleClickOpensTheAccountsDialog)
{
    addDated(AccountType::Insurance, QStringLiteral("Home"), 10);
    addDated(AccountType::CreditCard, QStringLiteral("Visa"), 5);
    frame.treeView()->OnInitialUpdate();
    ExpiringDlg dialog(doc, today, &frame);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy activated(&dialog, &ExpiringDlg::accountActivated);
    QTableView* table = dialog.table();
    const QPoint home = table->visualRect(dialog.model()->index(1, ExpiringDlg::What)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, home);
    EXPECT_EQ(activated.count(), 0) << "a click only selects";
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, home);
    ASSERT_EQ(activated.count(), 1);
    const AccountId id = activated.at(0).at(0).value<AccountId>();
    EXPECT_EQ(doc.FindAccount(id)->GetTitle(), QStringLiteral("Home"));
    dialog.close();

    QString opened;
    onNextModal([&opened](QWidget* account) {
        for (QLineEdit* edit : account->findChildren<QLineEdit*>())
            if (edit->text() == QStringLiteral("Home"))
                opened = account->metaObject()->className();
        account->close();
    });
    // A search that hides the account ends for it.
    frame.treeView()->setFindText(QStringLiteral("Visa"));
    frame.expiringCommands().openAccount(id);
    EXPECT_EQ(opened, QStringLiteral("CInsuranceAccountDlg"));
    EXPECT_TRUE(frame.treeView()->findText().isEmpty());
    EXPECT_EQ(CQuorrilView::nodeText(frame.treeView()->selectedNode()), QStringLiteral("Home"));
}

TEST_F(ExpiringTest, EnterOpensTheRowAndALockKeepsTheColumns)
{
    addDated(AccountType::Insurance, QStringLiteral("Home insurance of the family"), 10);
    addDated(AccountType::CreditCard, QStringLiteral("Visa"), -5);
    doc.setPassword(QStringLiteral("pw"));
    frame.updateCommandStates();
    ExpiringDlg dialog(doc, today, &frame);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QSignalSpy activated(&dialog, &ExpiringDlg::accountActivated);
    QTableView* table = dialog.table();
    const auto widths = [table] {
        QList<int> all;
        for (int c = 0; c < ExpiringDlg::ColumnCount; ++c)
            all << table->columnWidth(c);
        return all;
    };
    const QList<int> filled = widths();
    // clang-format off
    struct Row { const char* step; std::function<void()> act; const char* opened; int rows; };
    const Row rows[] = {
        { "Enter on the first row", [table] { table->selectRow(0); QTest::keyClick(table, Qt::Key_Return); }, "Visa", 2 },
        { "Enter on the second row", [table] { table->selectRow(1); QTest::keyClick(table, Qt::Key_Enter); },
          "Home insurance of the family", 2 },
        { "locked", [this] { trigger(ID_LOCK_DOCUMENT); }, nullptr, 0 },
        { "unlocked", [this] { prompts.addPassword("pw"); trigger(ID_UNLOCK_DOCUMENT); }, nullptr, 2 },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.step);
        activated.clear();
        row.act();
        EXPECT_TRUE(dialog.isVisible()) << "Enter does not close the list";
        ASSERT_EQ(activated.count(), row.opened ? 1 : 0);
        if (row.opened) {
            EXPECT_EQ(
                doc.FindAccount(activated.at(0).at(0).value<AccountId>())->GetTitle(), QString::fromUtf8(row.opened));
        }
        EXPECT_EQ(dialog.model()->rowCount(), row.rows);
        EXPECT_EQ(widths(), filled);
    }
}

TEST_F(ExpiringTest, OpeningAWalletNotesWhatHasExpiredAndWhatExpiresWithinThirtyDays)
{
    // clang-format off
    const std::tuple<const char*, std::vector<std::optional<qint64>>, const char*> rows[] = { // days from today, note
        { "none dated",         { std::nullopt, std::nullopt }, "Ready" },
        { "only far off",       { 31, 400 },                    "Ready" },
        { "only expired",       { -1, -300 },                   "2 items have expired (View > Expiring…)" },
        { "one expired",        { -1, 300 },                    "1 item has expired (View > Expiring…)" },
        { "one of each",        { 30, 31, -5 },   "1 item has expired, 1 expires within 30 days (View > Expiring…)" },
        { "two expired, 1 due", { -1, -300, 5 },  "2 items have expired, 1 expires within 30 days (View > Expiring…)" },
        { "1 expired, 2 due",   { -1, 0, 9 },     "1 item has expired, 2 expire within 30 days (View > Expiring…)" },
        { "two due",            { 0, 12, std::nullopt },        "2 items expire within 30 days (View > Expiring…)" },
    };
    // clang-format on
    int n = 0;
    for (const auto& [name, dates, note] : rows) {
        SCOPED_TRACE(name);
        const QString expected = QString::fromUtf8(note);
        doc.OnNewDocument();
        for (const std::optional<qint64>& days : dates)
            addDated(AccountType::CreditCard, QStringLiteral("Card %1").arg(++n), days);
        const QString file = path(QStringLiteral("w%1.qrl").arg(n));
        doc.setPassword(QStringLiteral("pw"));
        ASSERT_TRUE(doc.OnSaveDocument(file));
        doc.OnNewDocument();
        prompts.addPassword(QStringLiteral("pw"));
        ASSERT_TRUE(frame.fileCommands().openDocumentFile(file));
        EXPECT_EQ(status(), expected);
        // Locked, the note goes; unlocked, it comes back.
        trigger(ID_LOCK_DOCUMENT);
        EXPECT_EQ(status(), QStringLiteral("Ready"));
        prompts.addPassword(QStringLiteral("pw"));
        trigger(ID_UNLOCK_DOCUMENT);
        EXPECT_EQ(status(), expected);
    }
    // A new document has nothing to say.
    trigger(ID_FILE_NEW);
    EXPECT_EQ(status(), QStringLiteral("Ready"));
    EXPECT_FALSE(prompts.shown.contains(QStringLiteral("1 item expires within 30 days (View > Expiring…)")));
}

} // namespace

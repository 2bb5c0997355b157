#include "views/AccountView.h"
#include "views/WidgetTestSupport.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QPrinter>
#include <QTextDocument>
#include <QToolTip>

namespace {

class AccountViewTest : public WidgetTest {
protected:
    AccountViewTest()
        : doc(prompts)
        , list(doc)
    {
    }

    AccountId addBank(const QString& title)
    {
        auto account = makeAccount(AccountType::Bank, doc.NextAccountId(), title);
        account->setField(account->layout().indexOf(u"accountNumber"), ScrambledText(QStringLiteral("12-345")));
        return doc.AddAccount(std::move(account)).value_or(AccountId(-1));
    }

    QStringList row(int r) const { return { list.item(r, 0)->text(), list.item(r, 1)->text() }; }

    CQuorrilDoc doc;
    CAccountView list;
};

TEST_F(AccountViewTest, ColumnsAndLook)
{
    ASSERT_EQ(list.columnCount(), 2);
    EXPECT_EQ(list.horizontalHeaderItem(0)->text(), QStringLiteral("Property"));
    EXPECT_EQ(list.horizontalHeaderItem(1)->text(), QStringLiteral("Value"));
    EXPECT_EQ(list.columnWidth(0), 125);
    EXPECT_EQ(list.columnWidth(1), 205);
    EXPECT_TRUE(list.showGrid());
    EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(list.isSortingEnabled());
}

TEST_F(AccountViewTest, TheValueColumnFillsThePaneAndWidthsComeBackWithEachDocument)
{
    list.show();
    struct Case {
        int paneWidth;
        int valueWidth; // 0: what the pane leaves beside the Property column
    };
    for (const Case& c : { Case { 1000, 0 }, Case { 250, 205 }, Case { 600, 0 } }) {
        SCOPED_TRACE(c.paneWidth);
        // Widths the user changed come back with the next document.
        list.setColumnWidth(0, 40);
        list.horizontalHeader()->resizeSection(1, 90);
        list.resize(c.paneWidth, 300);
        list.OnInitialUpdate();
        EXPECT_EQ(list.columnWidth(0), 125);
        EXPECT_EQ(list.columnWidth(1), c.valueWidth ? c.valueWidth : list.viewport()->width() - 125);
    }
    // The window grows and so does the Value column; a narrower Property column leaves it more.
    list.resize(800, 300);
    EXPECT_EQ(list.columnWidth(1), list.viewport()->width() - 125);
    list.setColumnWidth(0, 60);
    EXPECT_EQ(list.columnWidth(1), list.viewport()->width() - 60);
}

TEST_F(AccountViewTest, MultiLineValuesShowEveryLineAndCutTextsHaveATooltip)
{
    auto account = makeAccount(AccountType::Medical, doc.NextAccountId(), "Me");
    account->setField(account->layout().indexOf(u"vaccinations"), ScrambledText("Tetanus 2021\nFlu 2023\r\nMMR 1990"));
    const QString longNotes = QString(60, QLatin1Char('x')) + QStringLiteral(" end");
    account->setField(account->layout().indexOf(u"notes"), ScrambledText(longNotes));
    doc.SetCurrentAccountId(doc.AddAccount(std::move(account)).value_or(AccountId(-1)));
    list.resize(700, 500);
    list.show();
    doc.UpdateAllViews();
    auto rowOf = [this](const char* label) {
        const QList<QTableWidgetItem*> found = list.findItems(QString::fromUtf8(label), Qt::MatchExactly);
        return found.isEmpty() ? -1 : found.first()->row();
    };
    const int vaccinations = rowOf("Vaccinations");
    const int notes = rowOf("Notes");
    ASSERT_GE(vaccinations, 0);
    ASSERT_GE(notes, 0);
    auto cell = [this](int row) { return list.visualRect(list.model()->index(row, 1)).center(); };

    // All three lines show: the row is three lines high, the other rows stay one line high.
    EXPECT_EQ(list.item(vaccinations, 1)->text(), QStringLiteral("Tetanus 2021\nFlu 2023\nMMR 1990"));
    EXPECT_GE(list.rowHeight(vaccinations), 3 * list.fontMetrics().lineSpacing());
    EXPECT_LT(list.rowHeight(notes), 2 * list.fontMetrics().lineSpacing());
    EXPECT_EQ(list.cutText(cell(vaccinations)), QString());
    EXPECT_EQ(list.cutText(cell(notes)), QString());

    // A narrow pane cuts the long value: its tooltip shows the whole text.
    list.resize(200, 500);
    EXPECT_EQ(list.cutText(cell(notes)), longNotes);
    EXPECT_EQ(list.cutText(cell(rowOf("First Name"))), QString());
    QHelpEvent help(QEvent::ToolTip, cell(notes), list.viewport()->mapToGlobal(cell(notes)));
    QApplication::sendEvent(list.viewport(), &help);
    EXPECT_EQ(QToolTip::text(), longNotes);
    QToolTip::hideText();
}

TEST_F(AccountViewTest, ListsTheCurrentAccountsPropertiesInOrder)
{
    const AccountId id = addBank("Savings");
    doc.SetCurrentAccountId(id);
    doc.UpdateAllViews();
    QStringList names;
    QStringList values;
    const int count = doc.FindAccount(id)->ListProperties(names, values);
    ASSERT_EQ(list.rowCount(), count);
    for (int r = 0; r < count; ++r)
        EXPECT_EQ(row(r), QStringList({ names[r], values[r] })) << r;
    EXPECT_TRUE(values.contains("12-345"));
}

TEST_F(AccountViewTest, EmptyWithoutACurrentAccountOrWhileLocked)
{
    const AccountId id = addBank("Savings");
    const AccountId other = addBank("Checking");
    struct Case {
        const char* what;
        AccountId current;
        bool locked;
        bool rows;
    };
    const Case cases[] = {
        { "no selection", AccountId::None, false, false },
        { "an id nobody has", AccountId(999), false, false },
        { "an account", id, false, true },
        { "locked", id, true, false },
    };
    doc.setPassword("pw");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.locked)
            doc.OnLockDocument();
        doc.SetCurrentAccountId(c.current);
        doc.UpdateAllViews();
        EXPECT_EQ(list.rowCount() > 0, c.rows);
    }
    EXPECT_EQ(list.columnCount(), 2);
    // Another account replaces every row.
    prompts.addPassword("pw");
    doc.OnUnlockDocument();
    doc.SetCurrentAccountId(other);
    doc.UpdateAllViews();
    EXPECT_FALSE(list.findItems(QStringLiteral("Checking"), Qt::MatchExactly).isEmpty());
    EXPECT_TRUE(list.findItems(QStringLiteral("Savings"), Qt::MatchExactly).isEmpty());
}

TEST_F(AccountViewTest, ThePrintedPageHoldsTheTitleAndEveryRow)
{
    const AccountId id = addBank("Savings");
    doc.SetCurrentAccountId(id);
    doc.UpdateAllViews();
    const std::unique_ptr<QTextDocument> page = list.printDocument();
    const QString text = page->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Savings"))) << text.toStdString();
    for (int r = 0; r < list.rowCount(); ++r) {
        EXPECT_TRUE(text.contains(list.item(r, 0)->text())) << r;
        EXPECT_TRUE(text.contains(list.item(r, 1)->text())) << r;
    }

    // And it really prints: a PDF with some content.
    QPrinter& printer = list.printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("page.pdf"));
    page->print(&printer);
    QFile pdf(path("page.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    EXPECT_GT(pdf.size(), 1000);
}

} // namespace

#include "AccountView.h"
#include "WidgetTestSupport.h"

#include <QHeaderView>
#include <QPrinter>
#include <QTextDocument>

namespace {

class AccountViewTest : public WidgetTest {
protected:
    AccountViewTest()
        : doc(prompts)
        , list(doc)
    {
    }

    qint32 addBank(const QString& title)
    {
        auto account = makeAccount(AccountType::Bank, doc.NextAccountId(), title);
        account->setField(account->layout().indexOf(u"accountNumber"), ScrambledText(QStringLiteral("12-345")));
        return doc.AddAccount(std::move(account));
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

    // Widths the user changed come back with the next document.
    list.setColumnWidth(0, 40);
    list.horizontalHeader()->resizeSection(1, 400);
    list.OnInitialUpdate();
    EXPECT_EQ(list.columnWidth(0), 125);
    EXPECT_EQ(list.columnWidth(1), 205);
}

TEST_F(AccountViewTest, ListsTheCurrentAccountsPropertiesInOrder)
{
    const qint32 id = addBank("Savings");
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
    const qint32 id = addBank("Savings");
    const qint32 other = addBank("Checking");
    struct Case {
        const char* what;
        qint32 current;
        bool locked;
        bool rows;
    };
    const Case cases[] = {
        { "no selection", 0, false, false },
        { "an id nobody has", 999, false, false },
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
    const qint32 id = addBank("Savings");
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

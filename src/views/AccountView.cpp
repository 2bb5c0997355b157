#include "views/AccountView.h"

#include "accounts/PropertyRows.h"
#include "core/AccountFields.h"
#include "core/AccountRecord.h"
#include "core/SecretWipe.h"
#include "document/QuorrilDoc.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QToolTip>

CAccountView::CAccountView(CQuorrilDoc& document, QWidget* parent)
    : QTableWidget(parent)
    , m_doc(document)
{
    setAccessibleName(tr("Properties"));
    // Tab moves on to the next pane; the arrows move between the rows.
    setTabKeyNavigation(false);
    setColumnCount(2);
    setHorizontalHeaderLabels({ tr("Property"), tr("Value") });
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setWordWrap(false);
    setColumnWidth(0, PropertyColumnWidth);
    setColumnWidth(1, ValueColumnWidth);
    connect(&m_doc, &CQuorrilDoc::viewsUpdated, this, &CAccountView::OnUpdate);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column == 0)
            fitValueColumn();
    });
}

CAccountView::~CAccountView() = default;

void CAccountView::OnInitialUpdate()
{
    OnUpdate();
    setColumnWidth(0, PropertyColumnWidth);
    setColumnWidth(1, ValueColumnWidth);
    fitValueColumn();
}

void CAccountView::fitValueColumn()
{
    // The Value column takes the width the pane leaves beside the Property column, and never less
    // than its first width.
    const int width = qMax(ValueColumnWidth, viewport()->width() - columnWidth(0));
    if (columnWidth(1) != width)
        setColumnWidth(1, width);
}

bool CAccountView::fits(const QModelIndex& index) const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    const QSize needed = itemDelegateForIndex(index)->sizeHint(option, index);
    return needed.width() <= option.rect.width() && needed.height() <= option.rect.height();
}

QString CAccountView::cutText(const QPoint& at) const
{
    const QModelIndex index = indexAt(at);
    if (!index.isValid() || fits(index))
        return {};
    return index.data(Qt::DisplayRole).toString();
}

bool CAccountView::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize: {
        const bool handled = QTableWidget::viewportEvent(event);
        fitValueColumn();
        return handled;
    }
    case QEvent::ToolTip: {
        // A text cut by its column shows whole in a tooltip; one that fits needs none.
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = cutText(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, viewport(), visualRect(indexAt(help->pos())));
        return true;
    }
    default:
        return QTableWidget::viewportEvent(event);
    }
}

void CAccountView::wipeValues()
{
    // An item's text shares the account's own, or is a copy made for showing it: let go of the item's
    // share first, so that the copy, held here alone, can be wiped.
    for (int row = 0; row < rowCount(); ++row) {
        if (QTableWidgetItem* cell = item(row, 1)) {
            QString value = cell->text();
            cell->setText(QString());
            cell->setData(Qt::AccessibleTextRole, QVariant());
            SecretWipe::text(value);
        }
    }
}

void CAccountView::OnUpdate()
{
    wipeValues();
    setRowCount(0);
    m_shownTitle.clear();
    m_secretRows.clear();
    if (m_doc.IsLocked())
        return;
    const AccountRecord* account = m_doc.GetCurrentAccount();
    if (!account)
        return;
    QStringList names;
    QStringList values;
    const int listed = account->ListProperties(names, values);
    const int count = qMin(listed, int(names.size()));
    m_shownTitle = account->GetTitle();
    setRowCount(count);
    // The flags listed as "Yes" or "No" are shown in the window's language; other values as stored.
    QList<int> yesNoRows;
    forEachPropertyRow(*account, [&yesNoRows, row = 0](const PropertyRow& property) mutable {
        if (property.field && property.field->has(FieldRole::YesNo))
            yesNoRows.append(row);
        ++row;
        return true;
    });
    for (int row = 0; row < count; ++row) {
        // Labels and the type's name are shown in the window's language; the values as stored.
        setItem(row, 0,
            new QTableWidgetItem(QCoreApplication::translate("AccountFields", names.at(row).toUtf8().constData())));
        const bool secret = ::isSecretRow(*account, row);
        m_secretRows.push_back(secret);
        // Every line of a value shows: its row grows to hold them. A hidden secret is one row of
        // dots, which tells neither its length nor its lines, to the eye or to a screen reader.
        QString value = row == 0 ? shownAccountTypeName(account->GetType()) : values.value(row);
        if (yesNoRows.contains(row))
            value = QCoreApplication::translate("AccountFields", value.toUtf8().constData());
        value.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        auto* cell = new QTableWidgetItem;
        if (secret && !m_showSecrets && !value.isEmpty()) {
            value = maskText();
            cell->setData(Qt::AccessibleTextRole, tr("Hidden"));
        }
        cell->setText(value);
        setItem(row, 1, cell);
        if (const qsizetype breaks = value.count(QLatin1Char('\n')))
            setRowHeight(row, verticalHeader()->defaultSectionSize() + int(breaks) * fontMetrics().lineSpacing());
    }
}

QString CAccountView::maskText() { return QString(8, QChar(0x25CF)); }

void CAccountView::setShowSecrets(bool show)
{
    if (show == m_showSecrets)
        return;
    m_showSecrets = show;
    // The same row stays selected.
    const int row = selectedRow();
    OnUpdate();
    if (row >= 0 && row < rowCount())
        selectRow(row);
}

bool CAccountView::isSecretRow(int row) const
{
    return row >= 0 && size_t(row) < m_secretRows.size() && m_secretRows[size_t(row)];
}

int CAccountView::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

std::optional<PropertyRow> CAccountView::propertyRow(int row) const
{
    const AccountRecord* account = m_doc.IsLocked() ? nullptr : m_doc.GetCurrentAccount();
    if (!account || row < 0 || row >= rowCount())
        return std::nullopt;
    // Read again from the account: the table holds only what it shows.
    std::optional<PropertyRow> found;
    int at = 0;
    forEachPropertyRow(*account, [&](const PropertyRow& property) {
        if (at++ == row)
            found = property;
        return !found;
    });
    return found;
}

std::optional<QString> CAccountView::rowValue(int row) const
{
    const std::optional<PropertyRow> property = propertyRow(row);
    return property ? std::optional<QString>(property->value) : std::nullopt;
}

int CAccountView::rowUser(int row) const
{
    const std::optional<PropertyRow> property = propertyRow(row);
    return property ? property->user : -1;
}

QPrinter& CAccountView::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

std::unique_ptr<QTextDocument> CAccountView::printDocument() const
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(font());
    QTextCursor cursor(document.get());

    QTextCharFormat titleFormat;
    titleFormat.setFontPointSize(font().pointSizeF() * 1.5);
    titleFormat.setFontWeight(QFont::Bold);
    cursor.insertText(m_shownTitle, titleFormat);
    cursor.insertBlock();

    QTextTableFormat tableFormat;
    tableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    tableFormat.setBorder(0.5);
    tableFormat.setCellSpacing(0);
    tableFormat.setCellPadding(4);
    tableFormat.setHeaderRowCount(1);
    tableFormat.setColumnWidthConstraints(
        { QTextLength(QTextLength::PercentageLength, 38), QTextLength(QTextLength::PercentageLength, 62) });
    QTextTable* table = cursor.insertTable(rowCount() + 1, 2, tableFormat);
    QTextCharFormat headerFormat;
    headerFormat.setFontWeight(QFont::Bold);
    for (int column = 0; column < 2; ++column)
        table->cellAt(0, column).firstCursorPosition().insertText(horizontalHeaderItem(column)->text(), headerFormat);
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < 2; ++column)
            if (const QTableWidgetItem* cell = item(row, column))
                table->cellAt(row + 1, column).firstCursorPosition().insertText(cell->text());
    return document;
}

void CAccountView::OnFilePrint()
{
    if (m_doc.IsLocked())
        return;
    QPrintDialog dialog(&printer(), window());
    dialog.setWindowTitle(tr("Print"));
    // A lock closes the dialog as Cancel would, and nothing of the account is printed.
    connect(&m_doc, &CQuorrilDoc::lockChanged, &dialog, [&dialog](bool locked) {
        if (locked)
            dialog.reject();
    });
    if (dialog.exec() != QDialog::Accepted || m_doc.IsLocked())
        return;
    printDocument()->print(&printer());
}

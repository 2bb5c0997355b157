#include "app/ExpiringDlg.h"

#include "document/ExpiringItems.h"
#include "document/QuorrilDoc.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr int kAccountIdRole = Qt::UserRole + 1;

QColor attentionColour(const ExpiringItem& item)
{
    return item.daysLeft < 0 ? QColor(0xb0, 0x00, 0x00) : QColor(0xa0, 0x52, 0x00);
}
} // namespace

ExpiringDlg::ExpiringDlg(CQuorrilDoc& document, Today today, QWidget* parent)
    : QDialog(parent)
    , m_doc(document)
    , m_today(std::move(today))
{
    setWindowTitle(tr("Expiring"));
    m_model = new QStandardItemModel(0, ColumnCount, this);
    m_model->setHorizontalHeaderLabels({ tr("Title"), tr("Type"), tr("What"), tr("Date"), tr("Due") });

    m_table = new QTableView(this);
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    m_table->setAccessibleName(tr("Expiring items"));
    // Tab leaves the table for the next control; the arrows move between its rows.
    m_table->setTabKeyNavigation(false);
    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT accountActivated(accountAt(index.row()));
    });
    // Enter on a row opens it as a double-click does, rather than pressing Close.
    m_table->installEventFilter(this);

    m_note = new QLabel(this);
    m_note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText(tr("&Close"));
    close->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
    resize(620, 320);

    connect(&m_doc, &CQuorrilDoc::lockChanged, this, &ExpiringDlg::refresh);
    connect(&m_doc, &CQuorrilDoc::documentReset, this, &ExpiringDlg::refresh);
    connect(&m_doc, &CQuorrilDoc::viewsUpdated, this, &ExpiringDlg::refresh);
    refresh();
}

bool ExpiringDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && key->modifiers() == Qt::NoModifier && m_table->currentIndex().isValid()) {
            Q_EMIT accountActivated(accountAt(m_table->currentIndex().row()));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

AccountId ExpiringDlg::accountAt(int row) const
{
    const QStandardItem* item = m_model->item(row, Title);
    return item ? AccountId(item->data(kAccountIdRole).toInt()) : AccountId::None;
}

void ExpiringDlg::refresh()
{
    m_model->removeRows(0, m_model->rowCount());
    const QList<ExpiringItem> items = ExpiringItems::collect(m_doc, m_today());
    for (const ExpiringItem& item : items) {
        QString due = ExpiringItems::dueText(item.daysLeft);
        if (item.needsAttention())
            due = QStringLiteral("%1 %2").arg(AttentionSign, due);
        QList<QStandardItem*> row {
            new QStandardItem(item.title),
            new QStandardItem(shownAccountTypeName(item.type)),
            new QStandardItem(item.what),
            new QStandardItem(QLocale().toString(item.date, QLocale::ShortFormat)),
            new QStandardItem(due),
        };
        row[Title]->setData(qint32(item.id), kAccountIdRole);
        if (item.needsAttention()) {
            for (QStandardItem* cell : row)
                cell->setForeground(attentionColour(item));
            QFont bold = row[Due]->font();
            bold.setBold(true);
            row[Due]->setFont(bold);
        }
        m_model->appendRow(row);
    }
    // An empty list (locked) keeps the widths the rows had, so they come back as they were. The
    // last column takes the rest of the width.
    for (int column = 0; !items.isEmpty() && column < ColumnCount - 1; ++column)
        m_table->resizeColumnToContents(column);
    if (m_doc.IsLocked())
        m_note->setText(tr("The document is locked: unlock it to see what expires."));
    else if (items.isEmpty())
        m_note->setText(tr("No card, policy or warranty of this wallet has an expiry date."));
    else
        m_note->setText(tr("%1 marks what has expired or expires within %2 days.")
                            .arg(AttentionSign)
                            .arg(ExpiringItem::WarningDays));
}

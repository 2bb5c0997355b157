#include "app/HealthDlg.h"

#include "dialogs/StrengthBar.h"
#include "document/QuorrilDoc.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace {
constexpr int kAccountIdRole = Qt::UserRole + 1;

QList<QStandardItem*> rowOf(const PasswordHealth::Entry& entry)
{
    QList<QStandardItem*> row {
        new QStandardItem(entry.title),
        new QStandardItem(shownAccountTypeName(entry.type)),
        new QStandardItem(entry.secretName),
        new QStandardItem(entry.grade ? PasswordStrength::gradeName(*entry.grade) : QString()),
        new QStandardItem(entry.bits ? QString::number(std::floor(*entry.bits)) : QString()),
        new QStandardItem(PasswordHealth::problemText(entry)),
    };
    row[HealthDlg::Account]->setData(qint32(entry.id), kAccountIdRole);
    row[HealthDlg::Bits]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (entry.grade) {
        // The grade's colour as a square before its word: the word says it to those who cannot see it.
        QPixmap swatch(10, 10);
        swatch.fill(StrengthBar::colour(*entry.grade));
        row[HealthDlg::Grade]->setIcon(QIcon(swatch));
    }
    if (entry.problems != 0) {
        QFont bold = row[HealthDlg::Problems]->font();
        bold.setBold(true);
        row[HealthDlg::Problems]->setFont(bold);
    }
    return row;
}
} // namespace

HealthDlg::HealthDlg(CQuorrilDoc& document, Today today, QWidget* parent)
    : QDialog(parent)
    , m_doc(document)
    , m_today(std::move(today))
{
    setWindowTitle(tr("Password Health"));
    m_model = new QStandardItemModel(0, ColumnCount, this);
    m_model->setHorizontalHeaderLabels(
        { tr("Account"), tr("Type"), tr("Secret"), tr("Grade"), tr("Bits"), tr("Problems") });

    m_table = new QTableView(this);
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    // Enter on a row and a double-click (a click, where the desktop asks for single clicks) both
    // activate it.
    connect(m_table, &QTableView::activated, this, [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT accountActivated(accountAt(index.row()));
    });

    m_note = new QLabel(this);
    m_note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Enter belongs to the table: Close is pressed with a click or Esc only.
    for (QAbstractButton* button : buttons->buttons())
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
    resize(760, 420);

    // A lock closes the window; a change of the wallet shows again.
    connect(&m_doc, &CQuorrilDoc::lockChanged, this, [this](bool locked) {
        if (locked)
            reject();
    });
    connect(&m_doc, &CQuorrilDoc::documentReset, this, &HealthDlg::refresh);
    connect(&m_doc, &CQuorrilDoc::viewsUpdated, this, &HealthDlg::refresh);
    refresh();
}

AccountId HealthDlg::accountAt(int row) const
{
    const QStandardItem* item = m_model->item(row, Account);
    return item ? AccountId(item->data(kAccountIdRole).toInt()) : AccountId::None;
}

void HealthDlg::refresh()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::vector<PasswordHealth::Entry> entries = PasswordHealth::collect(m_doc, m_today());
    const int current = m_table->currentIndex().row();
    m_model->removeRows(0, m_model->rowCount());
    for (const PasswordHealth::Entry& entry : entries)
        m_model->appendRow(rowOf(entry));
    m_table->resizeColumnsToContents();
    if (current >= 0 && current < m_model->rowCount())
        m_table->selectRow(current);
    else if (m_model->rowCount() > 0)
        m_table->selectRow(0);
    QGuiApplication::restoreOverrideCursor();
    const qsizetype flagged = PasswordHealth::weakOrReused(entries);
    if (entries.empty())
        m_note->setText(tr("This wallet holds no password, PIN or key."));
    else if (flagged == 0)
        m_note->setText(tr("No password of this wallet is weak, reused or empty."));
    else
        m_note->setText(tr("Worst first. Open an account with a double-click or Enter to change its password."));
}

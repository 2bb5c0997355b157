#include "app/ImportPreviewDlg.h"

#include "core/AccountTypes.h"
#include "import/ImportPlan.h"
#include "import/ImportReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidgetItem* readOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString moreText(const ImportRow& row, bool moreAccounts)
{
    if (row.toMore.isEmpty())
        return {};
    const QString labels = row.toMore.join(QStringLiteral(", "));
    if (!moreAccounts)
        return ImportPreviewDlg::tr("left out: %1").arg(labels);
    return QStringLiteral("%1: %2").arg(row.moreTitle, labels);
}

} // namespace

ImportPreviewDlg::ImportPreviewDlg(ImportPlan& plan, QWidget* parent)
    : QDialog(parent)
    , m_plan(plan)
{
    setWindowTitle(tr("Import"));
    m_format = new QLabel(tr("Format: %1").arg(importFormatName(plan.format())), this);
    m_format->setObjectName(QStringLiteral("importFormat"));
    m_format->setAccessibleName(tr("Detected format"));

    m_summary = new QPlainTextEdit(this);
    m_summary->setObjectName(QStringLiteral("importSummary"));
    m_summary->setAccessibleName(tr("Summary of the import"));
    m_summary->setReadOnly(true);
    m_summary->setTabChangesFocus(true);

    m_rows = new QTableWidget(plan.rowCount(), ColumnCount, this);
    m_rows->setObjectName(QStringLiteral("importRows"));
    m_rows->setAccessibleName(tr("Rows of the file"));
    m_rows->setHorizontalHeaderLabels(
        { tr("Row"), tr("Type"), tr("Title"), tr("To notes"), tr("To \"(more)\""), tr("Refused") });
    m_rows->verticalHeader()->hide();
    m_rows->horizontalHeader()->setStretchLastSection(true);
    m_rows->setWordWrap(false);
    m_rows->setColumnWidth(TitleColumn, 220);
    m_rows->setColumnWidth(NotesColumn, 140);
    m_rows->setColumnWidth(MoreColumn, 200);
    m_rows->setTabKeyNavigation(false);

    m_more = new QCheckBox(tr("&Make \"(more)\" accounts for values with no place"), this);
    m_more->setObjectName(QStringLiteral("importMore"));
    m_more->setAccessibleName(tr("Make \"(more)\" accounts"));
    m_more->setChecked(plan.moreAccounts());
    connect(m_more, &QCheckBox::toggled, this, [this](bool on) {
        m_plan.setMoreAccounts(on);
        refresh();
    });

    m_skipRefused = new QCheckBox(tr("&Skip the refused rows and import the others"), this);
    m_skipRefused->setObjectName(QStringLiteral("importSkipRefused"));
    m_skipRefused->setAccessibleName(tr("Skip the refused rows"));
    m_skipRefused->setChecked(plan.skipRefused());
    m_skipRefused->setVisible(!plan.summary().refusedRows.empty());
    connect(m_skipRefused, &QCheckBox::toggled, this, [this](bool on) {
        m_plan.setSkipRefused(on);
        refresh();
    });

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("&Import"));
    m_buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("Import"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    m_buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_format);
    layout->addWidget(m_summary, 1);
    layout->addWidget(m_rows, 2);
    layout->addWidget(m_more);
    layout->addWidget(m_skipRefused);
    layout->addWidget(m_buttons);
    resize(900, 600);

    fillRows();
    refresh();
}

void ImportPreviewDlg::fillRows()
{
    // Rows whose type can be switched get a box over their type's cell.
    for (int index = 0; index < m_plan.rowCount(); ++index) {
        const ImportRow row = m_plan.row(index);
        m_rows->setItem(index, WhereColumn, readOnlyItem(row.where));
        if (row.choices.size() > 1 && row.refusal.isEmpty()) {
            auto* box = new QComboBox(m_rows);
            box->setAccessibleName(tr("Type of %1").arg(row.where));
            for (AccountType type : row.choices)
                box->addItem(shownAccountTypeName(type), typeCode(type));
            box->setCurrentIndex(box->findData(typeCode(row.type)));
            connect(box, &QComboBox::currentIndexChanged, this, [this, box, index] {
                m_plan.setRowType(index, static_cast<AccountType>(box->currentData().toInt()));
                refresh();
            });
            m_rows->setCellWidget(index, TypeColumn, box);
        }
    }
}

void ImportPreviewDlg::refresh()
{
    m_summary->setPlainText(importReport(m_plan));
    // Titles and "(more)" accounts follow the types and the switches: each row again.
    for (int index = 0; index < m_plan.rowCount(); ++index) {
        const ImportRow row = m_plan.row(index);
        QString title = row.title;
        if (row.renamed)
            title += tr(" (renamed from \"%1\")").arg(row.sourceTitle);
        m_rows->setItem(index, TypeColumn, readOnlyItem(shownAccountTypeName(row.type)));
        m_rows->setItem(index, TitleColumn, readOnlyItem(row.refusal.isEmpty() ? title : row.sourceTitle));
        m_rows->setItem(index, NotesColumn, readOnlyItem(row.toNotes.join(QStringLiteral(", "))));
        m_rows->setItem(index, MoreColumn, readOnlyItem(moreText(row, m_plan.moreAccounts())));
        m_rows->setItem(index, RefusalColumn, readOnlyItem(row.refusal));
    }
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(m_plan.canImport());
}

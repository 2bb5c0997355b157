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
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A type cell that can be switched holds the type codes it may take; its type is edited in place
// by a box, so that the whole table is one stop of the Tab chain however many logins it shows.
constexpr int ChoicesRole = Qt::UserRole;
constexpr int TypeCodeRole = Qt::UserRole + 1;

class TypeChoiceDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* box = new QComboBox(parent);
        box->setAccessibleName(ImportPreviewDlg::tr("Type of %1")
                                   .arg(index.siblingAtColumn(ImportPreviewDlg::WhereColumn).data().toString()));
        for (const QVariant& code : index.data(ChoicesRole).toList())
            box->addItem(shownAccountTypeName(static_cast<AccountType>(code.toInt())), code);
        // A choice takes effect at once, as a box in a form does; the box stays open until the
        // focus leaves it, Return or Escape.
        connect(box, &QComboBox::currentIndexChanged, this,
            [this, box] { Q_EMIT const_cast<TypeChoiceDelegate*>(this)->commitData(box); });
        return box;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* box = static_cast<QComboBox*>(editor);
        const QSignalBlocker quiet(box); // showing the stored type is no choice
        box->setCurrentIndex(box->findData(index.data(TypeCodeRole)));
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index, static_cast<QComboBox*>(editor)->currentData(), TypeCodeRole);
    }
};

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
    m_rows->setItemDelegateForColumn(TypeColumn, new TypeChoiceDelegate(m_rows));
    m_rows->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
        | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    connect(m_rows, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        const QVariant code = item->data(TypeCodeRole);
        if (item->column() != TypeColumn || !code.isValid() || code.toInt() == typeCode(m_plan.row(item->row()).type))
            return;
        m_plan.setRowType(item->row(), static_cast<AccountType>(code.toInt()));
        refresh();
    });

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
    for (int index = 0; index < m_plan.rowCount(); ++index)
        m_rows->setItem(index, WhereColumn, readOnlyItem(m_plan.row(index).where));
}

void ImportPreviewDlg::refresh()
{
    // The cells are written again in place: the one the user just changed may be the caller's.
    const QSignalBlocker quiet(m_rows); // what is written here is no choice of the user's
    m_summary->setPlainText(importReport(m_plan));
    const auto setCell = [this](int index, int column, const QString& text) {
        QTableWidgetItem* item = m_rows->item(index, column);
        if (!item)
            m_rows->setItem(index, column, item = readOnlyItem(text));
        item->setText(text);
        return item;
    };
    // Titles and "(more)" accounts follow the types and the switches: each row again.
    for (int index = 0; index < m_plan.rowCount(); ++index) {
        const ImportRow row = m_plan.row(index);
        QString title = row.title;
        if (row.renamed)
            title += tr(" (renamed from \"%1\")").arg(row.sourceTitle);
        QTableWidgetItem* type = setCell(index, TypeColumn, shownAccountTypeName(row.type));
        if (row.choices.size() > 1 && row.refusal.isEmpty()) {
            QVariantList choices;
            for (AccountType choice : row.choices)
                choices << typeCode(choice);
            type->setFlags(type->flags() | Qt::ItemIsEditable);
            type->setData(ChoicesRole, choices);
            type->setData(TypeCodeRole, typeCode(row.type));
            type->setToolTip(tr("Double-click or press F2 to choose the type"));
        }
        setCell(index, TitleColumn, row.refusal.isEmpty() ? title : row.sourceTitle);
        setCell(index, NotesColumn, row.toNotes.join(QStringLiteral(", ")));
        setCell(index, MoreColumn, moreText(row, m_plan.moreAccounts()));
        setCell(index, RefusalColumn, row.refusal);
    }
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(m_plan.canImport());
}

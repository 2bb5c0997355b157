#include "app/RestoreBackupDlg.h"

#include "document/Backups.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kPathRole = Qt::UserRole;
}

RestoreBackupDlg::RestoreBackupDlg(const QString& walletPath, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Restore Backup"));
    const std::vector<Backups::Entry> entries = Backups::list(walletPath);
    m_note = new QLabel(this);
    m_note->setWordWrap(true);
    m_note->setText(entries.empty()
            ? tr("No backup of %1 has been kept in %2.")
                  .arg(QFileInfo(walletPath).fileName(), QDir::toNativeSeparators(Backups::folder()))
            : tr("The copies of %1 kept before it was saved again. The one you open comes up as an untitled "
                 "wallet, which you may save under a name of its own.")
                  .arg(QFileInfo(walletPath).fileName()));

    m_list = new QTreeWidget(this);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({ tr("Saved"), tr("Size") });
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    const QLocale locale;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        auto* item = new QTreeWidgetItem(m_list,
            { locale.toString(entry->saved.toLocalTime(), QLocale::ShortFormat),
                locale.formattedDataSize(entry->size) });
        item->setData(0, kPathRole, entry->path);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_list->resizeColumnToContents(0);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    QPushButton* open = m_buttons->addButton(tr("&Open"), QDialogButtonBox::AcceptRole);
    open->setDefault(true);
    open->setEnabled(!entries.empty());
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_note);
    layout->addWidget(m_list);
    layout->addWidget(m_buttons);
    resize(420, 300);
}

QString RestoreBackupDlg::chosenPath() const
{
    const QTreeWidgetItem* item = m_list->currentItem();
    return item ? item->data(0, kPathRole).toString() : QString();
}

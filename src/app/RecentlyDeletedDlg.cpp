#include "app/RecentlyDeletedDlg.h"

#include "core/AccountTypes.h"
#include "document/QuorrilDoc.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kIdRole = Qt::UserRole;
}

RecentlyDeletedDlg::RecentlyDeletedDlg(CQuorrilDoc& document, QWidget* parent)
    : QDialog(parent)
    , m_doc(document)
{
    setWindowTitle(tr("Recently Deleted"));
    auto* note = new QLabel(tr("The accounts deleted since this wallet was opened:"), this);
    m_list = new QTreeWidget(this);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({ tr("Title"), tr("Type") });
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->header()->setStretchLastSection(true);
    note->setBuddy(m_list);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &RecentlyDeletedDlg::requestRestore);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &RecentlyDeletedDlg::updateButton);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("&Close"));
    m_restore = buttons->addButton(tr("&Restore"), QDialogButtonBox::ActionRole);
    m_restore->setStatusTip(tr("Put the selected account back into the wallet"));
    connect(m_restore, &QPushButton::clicked, this, &RecentlyDeletedDlg::requestRestore);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(420, 300);

    connect(&m_doc, &CQuorrilDoc::historyChanged, this, &RecentlyDeletedDlg::refresh);
    connect(&m_doc, &CQuorrilDoc::lockChanged, this, &RecentlyDeletedDlg::updateButton);
    refresh();
}

void RecentlyDeletedDlg::refresh()
{
    m_list->clear();
    for (const CQuorrilDoc::DeletedAccount& account : m_doc.recentlyDeleted()) {
        auto* item = new QTreeWidgetItem(m_list, { account.title, shownAccountTypeName(account.type) });
        item->setData(0, kIdRole, idValue(account.id));
    }
    m_list->resizeColumnToContents(0);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    updateButton();
}

void RecentlyDeletedDlg::updateButton() { m_restore->setEnabled(!m_doc.IsLocked() && m_list->currentItem()); }

void RecentlyDeletedDlg::requestRestore()
{
    if (const QTreeWidgetItem* item = m_list->currentItem(); item && !m_doc.IsLocked())
        Q_EMIT restoreRequested(AccountId(item->data(0, kIdRole).toInt()));
}

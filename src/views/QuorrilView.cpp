#include "QuorrilView.h"

#include "AccountEditor.h"
#include "AccountTypes.h"
#include "Artwork.h"
#include "QuorrilDoc.h"
#include "TreeBranchStyle.h"
#include "TreeNode.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>
#include <vector>

CQuorrilView::CQuorrilView(CQuorrilDoc& document, QWidget* parent) : QTreeWidget(parent), m_doc(document)
{
    setColumnCount(1);
    header()->hide();
    // Long titles are shown whole; the pane scrolls sideways instead.
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setSortingEnabled(false);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    auto* branchStyle = new TreeBranchStyle;
    branchStyle->setParent(this);
    setStyle(branchStyle);
    // Double-clicks are handled below: Properties first, then the usual expand or collapse.
    setExpandsOnDoubleClick(true);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { OnSelChanged(current); });
}

QTreeWidgetItem* CQuorrilView::categoryNode(qint32 type) const
{
    const int position = accountTypeIndex(type);
    return position < 0 ? nullptr : m_categories[size_t(position)];
}

bool CQuorrilView::isAccountNode(const QTreeWidgetItem* node) const
{
    if (!node || node == m_root)
        return false;
    return std::find(m_categories.begin(), m_categories.end(), node) == m_categories.end();
}

qint32 CQuorrilView::nodeAccountId(const QTreeWidgetItem* node)
{
    return node ? node->data(0, TreeNode::AccountIdRole).toInt() : 0;
}

int CQuorrilView::nodeImage(const QTreeWidgetItem* node)
{
    return node ? node->data(0, TreeNode::ImageRole).toInt() : -1;
}

void CQuorrilView::OnInitialUpdate()
{
    {
        // The rebuild itself raises no selection change; it sets the current account id to 0 so
        // that no account of the previous document can show up in the new one.
        QSignalBlocker blocker(this);
        clear();
        m_categories.fill(nullptr);
        m_root = new TreeNode(QStringLiteral("Accounts"), 0);
        addTopLevelItem(m_root);

        // Collect the titles per type in the table's order, sort each list once, then hand every
        // category its nodes in one step: no sort per inserted node.
        struct Entry {
            QString title;
            qint32 id;
        };
        std::array<std::vector<Entry>, kAccountTypes.size()> byType;
        for (const auto& [key, account] : m_doc.accounts()) {
            const int position = accountTypeIndex(account->GetType());
            if (position >= 0)
                byType[size_t(position)].push_back({account->GetTitle(), account->GetId()});
        }
        for (size_t position = 0; position < byType.size(); ++position) {
            auto& entries = byType[position];
            if (entries.empty())
                continue;
            const qint32 type = kAccountTypes[position];
            QTreeWidgetItem* category = insertCategory(type);
            std::stable_sort(entries.begin(), entries.end(),
                             [](const Entry& a, const Entry& b) { return TreeNode::textLess(a.title, b.title); });
            QList<QTreeWidgetItem*> nodes;
            nodes.reserve(qsizetype(entries.size()));
            for (const Entry& entry : entries)
                nodes.append(new TreeNode(entry.title, type, entry.id));
            category->addChildren(nodes);
        }
        m_root->sortChildren(0, Qt::AscendingOrder);
        m_root->setExpanded(true);
        m_doc.SetCurrentAccountId(0);
    }
    Q_EMIT selectionStateChanged();
}

QTreeWidgetItem* CQuorrilView::insertCategory(qint32 type)
{
    const int position = accountTypeIndex(type);
    auto* category = new TreeNode(accountCategoryCaption(type), Artwork::categoryImageIndex(type));
    m_root->addChild(category);
    m_categories[size_t(position)] = category;
    return category;
}

void CQuorrilView::OnNewAccount(qint32 type)
{
    std::unique_ptr<CAccountDialog> dialog = createAccountDialog(type, &m_doc, 0, window());
    if (!dialog)
        return;
    if (dialog->exec() != QDialog::Accepted)
        return;
    std::unique_ptr<AccountRecord> account = dialog->takeAccount();
    if (!account)
        return;
    // A new category goes after the others; the categories are sorted again at the next rebuild.
    QTreeWidgetItem* category = categoryNode(type);
    if (!category)
        category = insertCategory(type);
    addAccountToTree(std::move(account), category);
}

bool CQuorrilView::addAccountToTree(std::unique_ptr<AccountRecord> account, QTreeWidgetItem* category)
{
    const qint32 type = account->GetType();
    const QString title = account->GetTitle();
    const qint32 id = m_doc.AddAccount(std::move(account));
    if (id < 0) {
        m_doc.prompts().notice(QStringLiteral("An Account of this Type with The Same Name Already Exist !\n\n"));
        return false;
    }
    auto* node = new TreeNode(title, type, id);
    category->addChild(node);
    category->sortChildren(0, Qt::AscendingOrder);
    m_root->setExpanded(true);
    category->setExpanded(true);
    setCurrentItem(node);
    scrollToItem(node);
    return true;
}

bool CQuorrilView::OnUpdateAccountProperties() const
{
    return !m_doc.IsLocked() && isAccountNode(selectedNode());
}

void CQuorrilView::OnAccountProperties()
{
    QTreeWidgetItem* node = selectedNode();
    if (m_doc.IsLocked() || !node)
        return;
    const qint32 id = nodeAccountId(node);
    m_doc.SetCurrentAccountId(id);
    m_doc.UpdateAllViews();

    const int image = nodeImage(node);
    if (!isAccountNode(node) || !isAccountType(image))
        return;
    std::unique_ptr<CAccountDialog> dialog = createAccountDialog(image, &m_doc, id, window());
    if (!dialog)
        return;
    const bool accepted = dialog->exec() == QDialog::Accepted;
    const QString title = dialog->dialogTitle();
    dialog.reset();
    if (!accepted)
        return;
    // The node keeps its place among its siblings until the next rebuild; selecting the root and
    // then the node again refills the property list with the edited values.
    node->setText(0, title);
    setCurrentItem(m_root);
    setCurrentItem(node);
}

void CQuorrilView::OnAccountDelete()
{
    QTreeWidgetItem* node = selectedNode();
    if (m_doc.IsLocked() || !isAccountNode(node))
        return;
    const qint32 id = nodeAccountId(node);
    const QString text = node->text(0);
    const QString question = QStringLiteral("Are you sure you want to delete \"%1\" account ?").arg(text);
    if (!m_doc.prompts().question(question, Prompts::Icon::None))
        return;
    if (!m_doc.RemoveAccount(id))
        return;
    // The next sibling takes the selection, else the previous one, else the category; the
    // selection change then refreshes the property list.
    QTreeWidgetItem* parent = node->parent();
    const int index = parent->indexOfChild(node);
    QTreeWidgetItem* next = parent->child(index + 1);
    if (!next)
        next = index > 0 ? parent->child(index - 1) : parent;
    setCurrentItem(next);
    delete node;
}

void CQuorrilView::OnSelChanged(QTreeWidgetItem* current)
{
    if (!m_doc.IsLocked()) {
        m_doc.SetCurrentAccountId(nodeAccountId(current));
        m_doc.UpdateAllViews();
    }
    Q_EMIT selectionStateChanged();
}

QItemSelectionModel::SelectionFlags CQuorrilView::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const
{
    // The selected node is always the current one: a Ctrl+click cannot leave the tree with a current
    // node that is not selected.
    QItemSelectionModel::SelectionFlags flags = QTreeWidget::selectionCommand(index, event);
    if (flags & QItemSelectionModel::Deselect)
        return QItemSelectionModel::NoUpdate;
    return flags;
}

void CQuorrilView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        QTreeWidget::mousePressEvent(event);
        return;
    }
    QTreeWidgetItem* node = itemAt(event->position().toPoint());
    if (!node)
        return;
    setCurrentItem(node);
    if (currentItem() != node)
        return;
    QTreeWidget::mousePressEvent(event);
    showContextMenu(node);
}

void CQuorrilView::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse opens the menu on the button press; the keyboard's menu key opens it here.
    if (event->reason() == QContextMenuEvent::Keyboard && selectedNode())
        showContextMenu(selectedNode());
    event->accept();
}

void CQuorrilView::showContextMenu(QTreeWidgetItem* node)
{
    if (!m_contextMenu)
        return;
    scrollToItem(node);
    const QRect text = textRect(node);
    m_contextMenu->popup(viewport()->mapToGlobal(QPoint(text.left(), text.bottom())));
}

QRect CQuorrilView::textRect(QTreeWidgetItem* node) const
{
    const QModelIndex index = indexFromItem(node);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.index = index;
    option.text = node->text(0);
    option.icon = node->icon(0);
    option.features |= QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
    return style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
}

void CQuorrilView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
        OnAccountProperties();
    QTreeWidget::mouseDoubleClickEvent(event);
}

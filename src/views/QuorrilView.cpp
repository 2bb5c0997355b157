#include "QuorrilView.h"

#include "AccountTreeModel.h"
#include "QuorrilDoc.h"
#include "TreeBranchStyle.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QStyle>

CQuorrilView::CQuorrilView(CQuorrilDoc& document, QWidget* parent)
    : QTreeView(parent)
    , m_doc(document)
    , m_model(new AccountTreeModel(this))
{
    setModel(m_model);
    header()->hide();
    // Long titles are shown whole; the pane scrolls sideways instead.
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setTextElideMode(Qt::ElideNone);
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
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current) { OnSelChanged(current); });
    // While locked, selecting nodes does not reach the document; once unlocked, the property list
    // shows the selected node again rather than whatever was current when the lock came on.
    connect(&m_doc, &CQuorrilDoc::lockChanged, this, [this](bool locked) {
        if (!locked)
            OnSelChanged(selectedNode());
    });
}

QModelIndex CQuorrilView::rootNode() const { return m_model->rootNode(); }

QModelIndex CQuorrilView::categoryNode(AccountType type) const { return m_model->categoryNode(type); }

bool CQuorrilView::isAccountNode(const QModelIndex& node) const { return m_model->isAccountNode(node); }

QString CQuorrilView::nodeText(const QModelIndex& node) { return node.data(Qt::DisplayRole).toString(); }

AccountId CQuorrilView::nodeAccountId(const QModelIndex& node)
{
    return AccountId(node.data(AccountTreeModel::AccountIdRole).toInt());
}

int CQuorrilView::nodeImage(const QModelIndex& node)
{
    return node.isValid() ? node.data(AccountTreeModel::ImageRole).toInt() : -1;
}

AccountType CQuorrilView::nodeType(const QModelIndex& node)
{
    return node.isValid() ? node.data(AccountTreeModel::TypeRole).value<AccountType>() : AccountType::None;
}

void CQuorrilView::selectNode(const QModelIndex& node)
{
    setCurrentIndex(node);
    if (node.isValid())
        scrollTo(node);
}

void CQuorrilView::OnInitialUpdate()
{
    {
        // The rebuild itself raises no selection change; it sets the current account id to 0 so
        // that no account of the previous document can show up in the new one.
        QScopedValueRollback rebuilding(m_rebuilding, true);
        m_model->rebuild(m_doc);
        expand(rootNode());
        m_doc.SetCurrentAccountId(AccountId::None);
    }
    Q_EMIT selectionStateChanged();
}

void CQuorrilView::releaseDocument()
{
    QScopedValueRollback rebuilding(m_rebuilding, true);
    m_model->clear();
}

bool CQuorrilView::canEditAccount() const { return !m_doc.IsLocked() && isAccountNode(selectedNode()); }

void CQuorrilView::OnSelChanged(const QModelIndex& current)
{
    if (m_rebuilding)
        return;
    if (!m_doc.IsLocked()) {
        m_doc.SetCurrentAccountId(nodeAccountId(current));
        m_doc.UpdateAllViews();
    }
    Q_EMIT selectionStateChanged();
}

QItemSelectionModel::SelectionFlags CQuorrilView::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    // The selected node is always the current one: a Ctrl+click cannot leave the tree with a current
    // node that is not selected.
    QItemSelectionModel::SelectionFlags flags = QTreeView::selectionCommand(index, event);
    if (flags & QItemSelectionModel::Deselect)
        return QItemSelectionModel::NoUpdate;
    return flags;
}

void CQuorrilView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        QTreeView::mousePressEvent(event);
        return;
    }
    const QModelIndex node = indexAt(event->position().toPoint());
    if (!node.isValid())
        return;
    selectNode(node);
    if (currentIndex() != node)
        return;
    QTreeView::mousePressEvent(event);
    showContextMenu(node);
}

void CQuorrilView::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse opens the menu on the button press; the keyboard's menu key opens it here.
    if (event->reason() == QContextMenuEvent::Keyboard && selectedNode().isValid())
        showContextMenu(selectedNode());
    event->accept();
}

void CQuorrilView::showContextMenu(const QModelIndex& node)
{
    if (!m_contextMenu)
        return;
    scrollTo(node);
    const QRect text = textRect(node);
    m_contextMenu->popup(viewport()->mapToGlobal(QPoint(text.left(), text.bottom())));
}

QRect CQuorrilView::textRect(const QModelIndex& node) const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(node);
    option.index = node;
    option.text = nodeText(node);
    option.icon = node.data(Qt::DecorationRole).value<QIcon>();
    option.features |= QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
    return style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
}

void CQuorrilView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Only a double-click on an account asks for Properties, and then for that account: a press on
    // a category's expand box leaves the selection where it was, so the selected node may be
    // another one.
    const QModelIndex node = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && isAccountNode(node)) {
        if (currentIndex() != node)
            selectNode(node);
        if (currentIndex() == node)
            Q_EMIT propertiesRequested();
    }
    QTreeView::mouseDoubleClickEvent(event);
}

void CQuorrilView::keyPressEvent(QKeyEvent* event)
{
    // The keyboard reaches what the mouse does: Shift+F10 opens the context menu as the menu key
    // does, and Delete asks for the Delete command.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        if (selectedNode().isValid())
            showContextMenu(selectedNode());
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Q_EMIT deleteRequested();
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

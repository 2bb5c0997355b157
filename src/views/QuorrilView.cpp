#include "QuorrilView.h"

#include "AccountEditor.h"
#include "AccountTreeModel.h"
#include "AccountTypes.h"
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

void CQuorrilView::OnNewAccount(AccountType type)
{
    std::unique_ptr<CAccountDialog> dialog = createAccountDialog(type, &m_doc, AccountId::None, window());
    if (!dialog || dialog->exec() != QDialog::Accepted)
        return;
    std::unique_ptr<AccountRecord> account = dialog->takeAccount();
    dialog.reset();
    if (!account)
        return;
    // A new category goes after the others; the categories are sorted again at the next rebuild.
    m_model->ensureCategory(account->GetType());
    addAccountToTree(std::move(account));
}

bool CQuorrilView::addAccountToTree(std::unique_ptr<AccountRecord> account)
{
    const AccountType type = account->GetType();
    const QString title = account->GetTitle();
    const std::optional<AccountId> id = m_doc.AddAccount(std::move(account));
    if (!id) {
        m_doc.prompts().notice(QStringLiteral("An Account of this Type with The Same Name Already Exist !\n\n"));
        return false;
    }
    selectNode(m_model->insertAccount(type, title, *id));
    return true;
}

bool CQuorrilView::OnUpdateAccountProperties() const { return !m_doc.IsLocked() && isAccountNode(selectedNode()); }

void CQuorrilView::OnAccountProperties()
{
    const QPersistentModelIndex node = selectedNode();
    if (m_doc.IsLocked() || !node.isValid())
        return;
    const AccountId id = nodeAccountId(node);
    m_doc.SetCurrentAccountId(id);
    m_doc.UpdateAllViews();

    const AccountType type = nodeType(node);
    if (!isAccountNode(node) || !isAccountType(type))
        return;
    std::unique_ptr<CAccountDialog> dialog = createAccountDialog(type, &m_doc, id, window());
    if (!dialog)
        return;
    const bool accepted = dialog->exec() == QDialog::Accepted;
    // The title the account holds: a dialog can end with OK without storing what was typed (Esc
    // after a user change in the Email dialog).
    const AccountRecord* account = dialog->GetAccount();
    const QString title = account ? account->GetTitle() : QString();
    dialog.reset();
    if (!accepted || !account || !node.isValid())
        return;
    // The node keeps its place among its siblings until the next rebuild; selecting the root and
    // then the node again refills the property list with the edited values.
    m_model->setTitle(node, title);
    selectNode(rootNode());
    selectNode(node);
}

void CQuorrilView::OnAccountDelete()
{
    const QPersistentModelIndex node = selectedNode();
    if (m_doc.IsLocked() || !isAccountNode(node))
        return;
    const AccountId id = nodeAccountId(node);
    const QString question = QStringLiteral("Are you sure you want to delete \"%1\" account ?").arg(nodeText(node));
    if (!m_doc.prompts().question(question, Prompts::Icon::None))
        return;
    if (!m_doc.RemoveAccount(id))
        return;
    // The next sibling takes the selection, else the previous one, else the category; the
    // selection change then refreshes the property list.
    QModelIndex next = node.sibling(node.row() + 1, 0);
    if (!next.isValid())
        next = node.row() > 0 ? node.sibling(node.row() - 1, 0) : node.parent();
    selectNode(next);
    m_model->removeAccount(node);
}

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
    // Only a double-click on an account opens a dialog, and then that account's: a press on a
    // category's expand box leaves the selection where it was, so the selected node may be
    // another one.
    const QModelIndex node = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && isAccountNode(node)) {
        if (currentIndex() != node)
            selectNode(node);
        if (currentIndex() == node)
            OnAccountProperties();
    }
    QTreeView::mouseDoubleClickEvent(event);
}

void CQuorrilView::keyPressEvent(QKeyEvent* event)
{
    // The keyboard reaches what the mouse does: Shift+F10 opens the context menu as the menu key
    // does, and Delete runs Delete with its question.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        if (selectedNode().isValid())
            showContextMenu(selectedNode());
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        OnAccountDelete();
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

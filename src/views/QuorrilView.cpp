#include "views/QuorrilView.h"

#include "document/QuorrilDoc.h"
#include "views/AccountFilterModel.h"
#include "views/AccountTreeModel.h"
#include "views/TreeBranchStyle.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QSet>
#include <QStyle>

#include <algorithm>
#include <array>
#include <optional>

namespace {
// A step of more changes than this reaches the tree as one relayout when it ends, not node by node,
// so that an import or a merge of thousands of accounts costs no more than a rebuild.
constexpr int kNodeByNodeChanges = 32;
} // namespace

CQuorrilView::CQuorrilView(CQuorrilDoc& document, QWidget* parent)
    : QTreeView(parent)
    , m_doc(document)
    , m_model(new AccountTreeModel(this))
    , m_filter(new AccountFilterModel(document, this))
{
    m_filter->setSourceModel(m_model);
    setModel(m_filter);
    setAccessibleName(tr("Accounts"));
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
    connect(&m_doc, &CQuorrilDoc::accountAdded, this, &CQuorrilView::OnAccountAdded);
    connect(&m_doc, &CQuorrilDoc::accountRemoved, this, &CQuorrilView::OnAccountRemoved);
    connect(&m_doc, &CQuorrilDoc::accountChanged, this, &CQuorrilView::OnAccountChanged);
    connect(&m_doc, &CQuorrilDoc::changesStarting, this,
        [this](int count) { m_pending.gathering = count > kNodeByNodeChanges; });
    connect(&m_doc, &CQuorrilDoc::changesFinished, this, &CQuorrilView::OnChangesFinished);
    // While locked, selecting nodes does not reach the document; once unlocked, the property list
    // shows the selected node again rather than whatever was current when the lock came on.
    connect(&m_doc, &CQuorrilDoc::lockChanged, this, [this](bool locked) {
        // A locked document is searched by titles alone: its values are not shown.
        const QPersistentModelIndex selected = sourceNode(selectedNode());
        {
            QScopedValueRollback refiltering(m_rebuilding, true);
            m_filter->setTitlesOnly(locked);
        }
        // The values count again once unlocked: the categories that now hold matches open.
        if (m_filter->isFiltering())
            openMatches();
        followFilter(selected);
        showMatchState();
        if (!locked)
            OnSelChanged(selectedNode());
    });
    m_noMatches = new QLabel(tr("No matches"), viewport());
    m_noMatches->setObjectName(QStringLiteral("noMatches"));
    m_noMatches->setForegroundRole(QPalette::PlaceholderText);
    m_noMatches->hide();
    for (auto signal : { &QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved })
        connect(m_filter, signal, this, &CQuorrilView::showMatchState);
    connect(m_filter, &QAbstractItemModel::modelReset, this, &CQuorrilView::showMatchState);
    connect(m_filter, &QAbstractItemModel::layoutChanged, this, &CQuorrilView::showMatchState);
}

void CQuorrilView::OnAccountAdded(AccountId id)
{
    if (m_pending.gathering) {
        m_pending.added.emplace_back(id, m_pending.count++);
        return;
    }
    const AccountRecord* account = m_doc.FindAccount(id);
    // A new category goes after the others; the categories are sorted again at the next rebuild.
    if (account && m_model->ensureCategory(account->GetType()).isValid())
        m_model->insertAccount(account->GetType(), account->GetTitle(), id);
}

void CQuorrilView::OnAccountRemoved(AccountId id, AccountType type)
{
    if (m_pending.gathering) {
        m_pending.removed.emplace_back(id, type);
        return;
    }
    const QModelIndex node = m_model->accountNode(type, id);
    if (!node.isValid())
        return;
    moveSelectionFrom(node);
    m_model->removeAccount(node);
}

void CQuorrilView::OnAccountChanged(AccountId id)
{
    if (m_pending.gathering) {
        m_pending.changed.emplace_back(id, m_pending.count++);
        return;
    }
    const AccountRecord* account = m_doc.FindAccount(id);
    if (!account)
        return;
    // The node keeps its place among its siblings until the next rebuild.
    const QModelIndex node = m_model->accountNode(account->GetType(), id);
    if (node.isValid()) {
        m_model->setTitle(node, account->GetTitle());
        return;
    }
    // An account that changed its type moves to the other category.
    for (AccountType type : kAccountTypes)
        if (const QModelIndex old = m_model->accountNode(type, id); old.isValid())
            OnAccountRemoved(id, type);
    OnAccountAdded(id);
}

void CQuorrilView::OnChangesFinished()
{
    if (!m_pending.gathering)
        return;
    PendingChanges pending = std::exchange(m_pending, PendingChanges());
    std::vector<AccountTreeModel::Node> removed;
    std::vector<AccountTreeModel::Node> renamedBefore;
    std::vector<AccountTreeModel::Node> added;
    std::vector<AccountTreeModel::Node> renamedAfter;
    std::array<int, kAccountTypes.size()> lastAdded;
    lastAdded.fill(-1);
    auto add = [&](const AccountRecord& account, int order) {
        added.push_back({ account.GetType(), account.GetId(), account.GetTitle() });
        if (const int slot = accountTypeIndex(account.GetType()); slot >= 0)
            lastAdded[size_t(slot)] = std::max(lastAdded[size_t(slot)], order);
    };
    for (const auto& [id, type] : pending.removed)
        removed.push_back({ type, id, QString() });
    for (const auto& [id, order] : pending.added)
        if (const AccountRecord* account = m_doc.FindAccount(id))
            add(*account, order);
    // The ids each category shows, gathered once (not a search of the category per account).
    std::array<std::optional<QSet<qint32>>, kAccountTypes.size()> shown;
    auto isShown = [&](AccountType type, AccountId id) {
        const int slot = accountTypeIndex(type);
        if (slot < 0)
            return false;
        if (!shown[size_t(slot)]) {
            QSet<qint32>& ids = shown[size_t(slot)].emplace();
            const QModelIndex category = m_model->categoryNode(type);
            for (int row = 0; row < m_model->rowCount(category); ++row)
                ids.insert(idValue(m_model->accountId(m_model->index(row, 0, category))));
        }
        return shown[size_t(slot)]->contains(idValue(id));
    };
    std::vector<std::pair<const AccountRecord*, int>> renames;
    for (const auto& [id, order] : pending.changed) {
        const AccountRecord* account = m_doc.FindAccount(id);
        if (!account)
            continue;
        if (isShown(account->GetType(), id)) {
            renames.emplace_back(account, order);
            continue;
        }
        // Of another type now: out of the old category (wherever it is), into the new one.
        for (AccountType type : kAccountTypes)
            removed.push_back({ type, id, QString() });
        add(*account, order);
    }
    for (const auto& [account, order] : renames) {
        const int slot = accountTypeIndex(account->GetType());
        (order < lastAdded[size_t(slot)] ? renamedBefore : renamedAfter)
            .push_back({ account->GetType(), account->GetId(), account->GetTitle() });
    }

    const QPersistentModelIndex selected = sourceNode(selectedNode());
    const bool accountSelected = m_model->isAccountNode(selected);
    const AccountType selectedType = nodeType(selected);
    m_model->applyChanges(removed, renamedBefore, std::move(added), renamedAfter);
    // The selected account went: its category takes the selection, and the list follows.
    if (accountSelected && !selected.isValid())
        selectNode(m_model->categoryNode(selectedType));
}

void CQuorrilView::moveSelectionFrom(const QModelIndex& node)
{
    const QModelIndex shown = viewNode(node);
    if (!shown.isValid() || shown != selectedNode())
        return;
    QModelIndex next = shown.sibling(shown.row() + 1, 0);
    if (!next.isValid())
        next = shown.row() > 0 ? shown.sibling(shown.row() - 1, 0) : shown.parent();
    selectNode(next);
}

QModelIndex CQuorrilView::rootNode() const { return viewNode(m_model->rootNode()); }

QModelIndex CQuorrilView::categoryNode(AccountType type) const { return viewNode(m_model->categoryNode(type)); }

bool CQuorrilView::isAccountNode(const QModelIndex& node) const { return m_model->isAccountNode(sourceNode(node)); }

QModelIndex CQuorrilView::sourceNode(const QModelIndex& node) const
{
    return node.model() == m_filter ? m_filter->mapToSource(node) : node;
}

QModelIndex CQuorrilView::viewNode(const QModelIndex& node) const
{
    return node.model() == m_model ? m_filter->mapFromSource(node) : node;
}

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
    QModelIndex shown = viewNode(node);
    if (node.isValid() && !shown.isValid() && m_filter->isFiltering()) {
        // A node the search hides (a new account that does not match): the search ends.
        const QPersistentModelIndex wanted = sourceNode(node);
        setFindText(QString());
        Q_EMIT findTextChanged(QString());
        shown = viewNode(wanted);
    }
    setCurrentIndex(shown);
    if (shown.isValid())
        scrollTo(shown);
}

bool CQuorrilView::selectAccount(AccountType type, AccountId id)
{
    const QModelIndex category = m_model->categoryNode(type);
    for (int row = 0; category.isValid() && row < m_model->rowCount(category); ++row) {
        const QModelIndex node = m_model->index(row, 0, category);
        if (m_model->accountId(node) == id) {
            selectNode(node);
            return true;
        }
    }
    return false;
}

QString CQuorrilView::findText() const { return m_filter->findText(); }

void CQuorrilView::setFindText(const QString& text)
{
    const bool wasFiltering = m_filter->isFiltering();
    const QPersistentModelIndex selected = sourceNode(selectedNode());
    if (!wasFiltering && !AccountSearch::fold(QStringView(text).trimmed()).isEmpty())
        saveTreeState();
    {
        QScopedValueRollback refiltering(m_rebuilding, true);
        m_filter->setFindText(text);
    }
    if (m_filter->isFiltering()) {
        openMatches();
        followFilter(selected);
    } else if (wasFiltering) {
        restoreTreeState();
    }
    showMatchState();
}

void CQuorrilView::openMatches()
{
    // Every category left holds a match: all of them open.
    const QModelIndex root = rootNode();
    expand(root);
    for (int row = 0; row < m_filter->rowCount(root); ++row)
        expand(m_filter->index(row, 0, root));
}

bool CQuorrilView::hasNoMatch() const { return m_filter->isFiltering() && m_filter->rowCount(rootNode()) == 0; }

void CQuorrilView::showMatchState()
{
    // Placed only when shown: then the tree holds the root alone and lays out at once, while asking
    // where the root is in a full tree lays out every open row, at each row added or removed.
    if (!hasNoMatch()) {
        m_noMatches->hide();
        return;
    }
    // Below the root, where the matches would be.
    m_noMatches->adjustSize();
    const QRect root = visualRect(rootNode());
    m_noMatches->move(root.left() + indentation(), root.bottom() + 4);
    m_noMatches->show();
}

QModelIndex CQuorrilView::firstMatch() const
{
    const QModelIndex root = rootNode();
    for (int row = 0; row < m_filter->rowCount(root); ++row) {
        const QModelIndex category = m_filter->index(row, 0, root);
        if (m_filter->rowCount(category) > 0)
            return m_filter->index(0, 0, category);
    }
    return {};
}

void CQuorrilView::selectFirstMatch()
{
    // An account picked among the matches stays; otherwise the first match is the one.
    if (!m_filter->isFiltering() || isAccountNode(selectedNode()))
        return;
    const QModelIndex first = firstMatch();
    if (first.isValid())
        selectNode(first);
}

void CQuorrilView::followFilter(const QPersistentModelIndex& selected)
{
    if (selected.isValid() && !viewNode(selected).isValid())
        OnSelChanged(QModelIndex());
}

void CQuorrilView::saveTreeState()
{
    m_expandedBefore.clear();
    const QModelIndex root = m_model->rootNode();
    if (isExpanded(viewNode(root)))
        m_expandedBefore.append(root);
    for (int row = 0; row < m_model->rowCount(root); ++row) {
        const QModelIndex category = m_model->index(row, 0, root);
        if (isExpanded(viewNode(category)))
            m_expandedBefore.append(category);
    }
    m_selectedBefore = sourceNode(selectedNode());
    m_pickedDuringFind = QPersistentModelIndex();
}

void CQuorrilView::restoreTreeState()
{
    const QModelIndex root = m_model->rootNode();
    for (int row = 0; row < m_model->rowCount(root); ++row)
        collapse(viewNode(m_model->index(row, 0, root)));
    collapse(viewNode(root));
    for (const QPersistentModelIndex& node : std::as_const(m_expandedBefore))
        expand(viewNode(node));
    // The account picked during the search stays selected and in sight; otherwise the selection of
    // before comes back as it was, inside a closed category if it was.
    const QPersistentModelIndex picked = m_pickedDuringFind;
    const QPersistentModelIndex before = m_selectedBefore;
    m_expandedBefore.clear();
    m_selectedBefore = m_pickedDuringFind = QPersistentModelIndex();
    if (picked.isValid()) {
        selectNode(picked);
    } else {
        const bool scrolls = hasAutoScroll();
        setAutoScroll(false);
        setCurrentIndex(viewNode(before));
        setAutoScroll(scrolls);
    }
}

void CQuorrilView::OnInitialUpdate()
{
    {
        // The rebuild itself raises no selection change; it sets the current account id to 0 so
        // that no account of the previous document can show up in the new one.
        QScopedValueRollback rebuilding(m_rebuilding, true);
        // A new document starts without a search.
        const bool wasFiltering = !findText().isEmpty();
        m_filter->setFindText(QString());
        m_expandedBefore.clear();
        m_selectedBefore = m_pickedDuringFind = QPersistentModelIndex();
        if (wasFiltering)
            Q_EMIT findTextChanged(QString());
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
    if (m_filter->isFiltering() && current.isValid())
        m_pickedDuringFind = sourceNode(current);
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

#include "AccountFilterModel.h"

#include "AccountTreeModel.h"
#include "QuorrilDoc.h"

AccountFilterModel::AccountFilterModel(const CQuorrilDoc& document, QObject* parent)
    : QSortFilterProxyModel(parent)
    , m_doc(document)
{
    setRecursiveFilteringEnabled(true);
    // An account edited while a search is shown stays in view until the next keystroke.
    setDynamicSortFilter(false);
}

void AccountFilterModel::setSourceModel(QAbstractItemModel* source)
{
    if (sourceModel())
        disconnect(sourceModel(), nullptr, this, nullptr);
    QSortFilterProxyModel::setSourceModel(source);
    m_folded.clear();
    if (!source)
        return;
    const auto forget
        = [this](const QModelIndex& node) { m_folded.remove(node.data(AccountTreeModel::AccountIdRole).toInt()); };
    connect(source, &QAbstractItemModel::modelReset, this, [this] { m_folded.clear(); });
    connect(source, &QAbstractItemModel::dataChanged, this,
        [forget](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
            for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
                forget(topLeft.siblingAtRow(row));
        });
    connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this,
        [source, forget](const QModelIndex& parent, int first, int last) {
            for (int row = first; row <= last; ++row)
                forget(source->index(row, 0, parent));
        });
}

void AccountFilterModel::setFindText(const QString& text)
{
    const QString needle = AccountSearch::fold(text);
    m_text = text;
    if (needle == m_needle)
        return;
    m_needle = needle;
    // One relayout of the whole tree: row-by-row removals cost a tree view time for each.
    invalidate();
}

void AccountFilterModel::setTitlesOnly(bool titlesOnly)
{
    const auto scope = titlesOnly ? AccountSearch::Scope::TitlesOnly : AccountSearch::Scope::TitlesAndValues;
    if (scope == m_scope)
        return;
    m_scope = scope;
    if (isFiltering())
        invalidate();
}

const AccountSearch::FoldedAccount& AccountFilterModel::folded(const QModelIndex& sourceNode) const
{
    const int id = sourceNode.data(AccountTreeModel::AccountIdRole).toInt();
    auto it = m_folded.find(id);
    if (it == m_folded.end()) {
        const AccountRecord* account = m_doc.FindAccount(AccountId(id));
        it = m_folded.insert(id,
            account ? AccountSearch::foldAccount(*account)
                    : AccountSearch::FoldedAccount { AccountSearch::fold(sourceNode.data().toString()), {} });
    }
    return *it;
}

bool AccountFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (m_needle.isEmpty() || !sourceParent.isValid())
        return true; // everything, or the root
    const auto* tree = static_cast<const AccountTreeModel*>(sourceModel());
    const QModelIndex node = tree->index(sourceRow, 0, sourceParent);
    // A category shows when one of its accounts does (recursive filtering asks them).
    if (!tree->isAccountNode(node))
        return false;
    return AccountSearch::matches(folded(node), m_needle, m_scope);
}

#include "AccountFilterModel.h"

#include "AccountTreeModel.h"
#include "QuorrilDoc.h"

#include <QElapsedTimer>

AccountFilterModel::AccountFilterModel(const CQuorrilDoc& document, QObject* parent)
    : QSortFilterProxyModel(parent)
    , m_doc(document)
{
    // Categories are decided here from their accounts' matches, so the filter needs no second pass
    // over the accounts to find out.
    // An account edited while a search is shown stays in view until the next keystroke.
    setDynamicSortFilter(false);
    m_idleFolding.setInterval(0);
    connect(&m_idleFolding, &QTimer::timeout, this, &AccountFilterModel::foldWhileIdle);
}

void AccountFilterModel::setSourceModel(QAbstractItemModel* source)
{
    if (sourceModel())
        disconnect(sourceModel(), nullptr, this, nullptr);
    QSortFilterProxyModel::setSourceModel(source);
    m_folded.clear();
    if (!source)
        return;
    const auto forget = [this](const QModelIndex& node) {
        m_folded.remove(node.data(AccountTreeModel::AccountIdRole).toInt());
        forgetMatches();
    };
    connect(source, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_idleFolding.stop();
        m_folded.clear();
        forgetMatches();
    });
    connect(source, &QAbstractItemModel::modelReset, this, [this] {
        m_foldCategory = m_foldRow = 0;
        if (m_scope == AccountSearch::Scope::TitlesAndValues)
            m_idleFolding.start();
    });
    // Rows that come, go or move change the positions the matches are kept by; the proxy asks
    // again only once they have.
    connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] { forgetMatches(); });
    connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { forgetMatches(); });
    connect(source, &QAbstractItemModel::layoutAboutToBeChanged, this, [this] { forgetMatches(); });
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
    if (!m_needle.isEmpty() && !m_matches.empty()) {
        if (m_recent.size() >= 64)
            m_recent.clear();
        m_recent.insert(m_needle, m_matches);
    }
    m_narrowing = !m_needle.isEmpty() && needle.contains(m_needle) ? std::move(m_matches) : decltype(m_narrowing) {};
    m_matches = m_recent.take(needle);
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
    // A locked document keeps no folded values here.
    m_folded.clear();
    forgetMatches();
    m_foldCategory = m_foldRow = 0;
    if (titlesOnly)
        m_idleFolding.stop();
    else
        m_idleFolding.start();
    if (isFiltering())
        invalidate();
}

const AccountSearch::FoldedAccount& AccountFilterModel::folded(const QModelIndex& sourceNode) const
{
    const int id = idValue(static_cast<const AccountTreeModel*>(sourceModel())->accountId(sourceNode));
    auto it = m_folded.find(id);
    if (it == m_folded.end()) {
        const AccountRecord* account = m_doc.FindAccount(AccountId(id));
        it = m_folded.insert(id,
            account ? AccountSearch::foldAccount(*account)
                    : AccountSearch::FoldedAccount { AccountSearch::fold(sourceNode.data().toString()), {} });
    }
    return *it;
}

void AccountFilterModel::foldWhileIdle()
{
    // A slice short enough that typing or scrolling meanwhile does not stutter.
    constexpr qint64 sliceMs = 10;
    const auto* tree = static_cast<const AccountTreeModel*>(sourceModel());
    const QModelIndex root = tree ? tree->rootNode() : QModelIndex();
    QElapsedTimer slice;
    slice.start();
    while (tree && m_foldCategory < tree->rowCount(root)) {
        const QModelIndex category = tree->index(m_foldCategory, 0, root);
        const int count = tree->rowCount(category);
        for (; m_foldRow < count; ++m_foldRow) {
            if (slice.elapsed() >= sliceMs)
                return;
            folded(tree->index(m_foldRow, 0, category));
        }
        ++m_foldCategory;
        m_foldRow = 0;
    }
    m_idleFolding.stop();
}

void AccountFilterModel::forgetMatches()
{
    m_matches.clear();
    m_narrowing.clear();
    m_recent.clear();
}

const std::vector<char>& AccountFilterModel::categoryMatches(int categoryRow) const
{
    if (m_matches.size() <= size_t(categoryRow))
        m_matches.resize(size_t(categoryRow) + 1);
    std::vector<char>& matches = m_matches[size_t(categoryRow)];
    const auto* tree = static_cast<const AccountTreeModel*>(sourceModel());
    const QModelIndex category = tree->index(categoryRow, 0, tree->rootNode());
    const int count = tree->rowCount(category);
    if (matches.size() == size_t(count) + 1)
        return matches;
    matches.assign(size_t(count) + 1, 0);
    const std::vector<char>* narrowing
        = size_t(categoryRow) < m_narrowing.size() && m_narrowing[size_t(categoryRow)].size() == matches.size()
        ? &m_narrowing[size_t(categoryRow)]
        : nullptr;
    bool any = false;
    for (int row = 0; row < count; ++row) {
        if (narrowing && !(*narrowing)[size_t(row)])
            continue;
        const bool match = AccountSearch::matches(folded(tree->index(row, 0, category)), m_needle, m_scope);
        matches[size_t(row)] = match;
        any = any || match;
    }
    matches[size_t(count)] = any;
    return matches;
}

bool AccountFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (m_needle.isEmpty() || !sourceParent.isValid())
        return true; // everything, or the root
    const auto* tree = static_cast<const AccountTreeModel*>(sourceModel());
    if (tree->isCategoryNode(tree->index(sourceRow, 0, sourceParent)))
        return categoryMatches(sourceRow).back() != 0;
    if (!tree->isCategoryNode(sourceParent))
        return false;
    const std::vector<char>& matches = categoryMatches(sourceParent.row());
    return size_t(sourceRow) + 1 < matches.size() && matches[size_t(sourceRow)] != 0;
}

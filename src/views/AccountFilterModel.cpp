#include "views/AccountFilterModel.h"

#include "document/QuorrilDoc.h"
#include "views/AccountTreeModel.h"

#include <numeric>

namespace {
// A slice of idle folding short enough that typing or scrolling meanwhile does not stutter.
constexpr qint64 kSliceMs = 10;
} // namespace

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
    // What was folded of a category goes when its accounts come, go, move or change; a category that
    // comes or goes moves the others, so everything goes then.
    const auto forget = [this](const QModelIndex& parent) {
        forgetMatches();
        forgetFolded(parent.isValid() && parent.parent().isValid() ? parent.row() : -1);
    };
    connect(source, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_idleFolding.stop();
        m_folded.clear();
        forgetMatches();
    });
    connect(source, &QAbstractItemModel::modelReset, this, [this] { forgetFolded(-1); });
    connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this, forget);
    connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this, forget);
    connect(source, &QAbstractItemModel::layoutAboutToBeChanged, this,
        [this, forget](const QList<QPersistentModelIndex>& parents) {
            forgetMatches();
            if (parents.isEmpty())
                forgetFolded(-1);
            for (const QPersistentModelIndex& parent : parents)
                forget(parent);
        });
    connect(source, &QAbstractItemModel::dataChanged, this,
        [forget](const QModelIndex& topLeft) { forget(topLeft.parent()); });
}

void AccountFilterModel::setFindText(const QString& text)
{
    // Blanks at either end are no part of what is looked for ("visa " finds "Visa").
    const QString needle = AccountSearch::fold(QStringView(text).trimmed());
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
    forgetMatches();
    // A locked document keeps no folded values here, and titles fold fast enough when searched.
    if (titlesOnly) {
        m_idleFolding.stop();
        m_folded.clear();
    } else {
        forgetFolded(-1);
    }
    if (isFiltering())
        invalidate();
}

qsizetype AccountFilterModel::foldedCount() const
{
    return std::accumulate(m_folded.begin(), m_folded.end(), qsizetype(0),
        [](qsizetype sum, const FoldedCategory& category) { return sum + qsizetype(category.titleStarts.size()); });
}

AccountFilterModel::FoldedCategory& AccountFilterModel::foldedCategory(int categoryRow) const
{
    if (m_folded.size() <= size_t(categoryRow))
        m_folded.resize(size_t(categoryRow) + 1);
    return m_folded[size_t(categoryRow)];
}

bool AccountFilterModel::foldCategory(int categoryRow, const QElapsedTimer* slice) const
{
    const auto* tree = static_cast<const AccountTreeModel*>(sourceModel());
    const QModelIndex category = tree->index(categoryRow, 0, tree->rootNode());
    const size_t count = size_t(tree->rowCount(category));
    FoldedCategory& folded = foldedCategory(categoryRow);
    const bool withValues = m_scope == AccountSearch::Scope::TitlesAndValues;
    for (size_t row = folded.titleStarts.size(); row < count; ++row) {
        if (slice && slice->elapsed() >= kSliceMs)
            return false;
        const QModelIndex node = tree->index(int(row), 0, category);
        const AccountRecord* account = m_doc.FindAccount(tree->accountId(node));
        const AccountSearch::FoldedAccount texts = account && withValues
            ? AccountSearch::foldAccount(*account)
            : AccountSearch::FoldedAccount {
                  AccountSearch::fold(account ? account->GetTitle() : node.data().toString()), {}
              };
        folded.titleStarts.push_back(folded.text.size());
        folded.text += texts.title;
        folded.valueStarts.push_back(folded.text.size());
        folded.text += texts.values;
    }
    return true;
}

void AccountFilterModel::forgetFolded(int categoryRow)
{
    if (categoryRow < 0)
        m_folded.clear();
    else if (size_t(categoryRow) < m_folded.size())
        m_folded[size_t(categoryRow)] = FoldedCategory {};
    m_foldCategory = 0;
    if (m_scope == AccountSearch::Scope::TitlesAndValues && sourceModel())
        m_idleFolding.start();
}

void AccountFilterModel::foldWhileIdle()
{
    const auto* tree = static_cast<const AccountTreeModel*>(sourceModel());
    const int categories = tree ? tree->rowCount(tree->rootNode()) : 0;
    QElapsedTimer slice;
    slice.start();
    for (; m_foldCategory < categories; ++m_foldCategory)
        if (!foldCategory(m_foldCategory, &slice))
            return;
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
    foldCategory(categoryRow);
    const FoldedCategory& folded = foldedCategory(categoryRow);
    matches.assign(size_t(count) + 1, 0);
    const std::vector<char>* narrowing
        = size_t(categoryRow) < m_narrowing.size() && m_narrowing[size_t(categoryRow)].size() == matches.size()
        ? &m_narrowing[size_t(categoryRow)]
        : nullptr;
    const QStringView text(folded.text);
    bool any = false;
    for (size_t row = 0; row < size_t(count); ++row) {
        if (narrowing && !(*narrowing)[row])
            continue;
        const qsizetype titleStart = folded.titleStarts[row];
        const qsizetype valueStart = folded.valueStarts[row];
        const qsizetype end = row + 1 < folded.titleStarts.size() ? folded.titleStarts[row + 1] : text.size();
        const bool match = AccountSearch::matches(text.sliced(titleStart, valueStart - titleStart),
            text.sliced(valueStart, end - valueStart), m_needle, m_scope);
        matches[row] = match;
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

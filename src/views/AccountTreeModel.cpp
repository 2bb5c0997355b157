#include "views/AccountTreeModel.h"

#include "core/AccountTypes.h"
#include "document/QuorrilDoc.h"
#include "views/Artwork.h"

#include <QCollator>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <iterator>

AccountTreeModel::AccountTreeModel(QObject* parent)
    : QAbstractItemModel(parent)
{
    resetCategories();
}

void AccountTreeModel::resetCategories()
{
    const std::span<const AccountType> types = accountTypes();
    m_categories.assign(types.size(), Category());
    for (size_t slot = 0; slot < types.size(); ++slot)
        m_categories[slot].type = types[slot];
}

int AccountTreeModel::slotOf(AccountType type) const
{
    const int slot = accountTypeIndex(type);
    return slot < int(m_categories.size()) ? slot : -1;
}

namespace {
// Titles and captions compare as the user's language orders words, without regard to case. Making
// a collator costs more than many comparisons, so one is kept for as long as the language stays.
const QCollator& titleCollator()
{
    static QCollator collator;
    static QLocale locale(QLocale::c());
    if (const QLocale current; current != locale || collator.caseSensitivity() != Qt::CaseInsensitive) {
        locale = current;
        collator = QCollator(current);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
    }
    return collator;
}
} // namespace

bool AccountTreeModel::textLess(const QString& a, const QString& b) { return titleCollator().compare(a, b) < 0; }

std::vector<size_t> AccountTreeModel::titleOrder(const std::vector<Account>& accounts)
{
    // Each title gets its sort key once, so the sort compares plain byte strings: the order of
    // textLess without collating every title again at every comparison. Equal titles keep their
    // order.
    const QCollator& collator = titleCollator();
    struct Keyed {
        QCollatorSortKey key;
        size_t position;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(accounts.size());
    for (size_t i = 0; i < accounts.size(); ++i)
        keyed.push_back({ collator.sortKey(accounts[i].title), i });
    std::stable_sort(
        keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) { return a.key.compare(b.key) < 0; });
    std::vector<size_t> order;
    order.reserve(keyed.size());
    for (const Keyed& k : keyed)
        order.push_back(k.position);
    return order;
}

void AccountTreeModel::applyOrder(std::vector<Account>& accounts, const std::vector<size_t>& order)
{
    std::vector<Account> sorted;
    sorted.reserve(accounts.size());
    for (size_t position : order)
        sorted.push_back(std::move(accounts[position]));
    accounts = std::move(sorted);
}

void AccountTreeModel::clear()
{
    beginResetModel();
    m_hasRoot = true;
    m_order.clear();
    resetCategories();
    endResetModel();
}

void AccountTreeModel::rebuild(const CQuorrilDoc& document)
{
    clear();
    beginResetModel();
    for (const auto& [key, account] : document.accounts()) {
        const int slot = slotOf(account->GetType());
        if (slot >= 0)
            m_categories[size_t(slot)].accounts.push_back({ account->GetTitle(), account->GetId() });
    }
    // One sort per category and one for the categories: no sort per inserted node.
    for (size_t slot = 0; slot < m_categories.size(); ++slot) {
        Category& category = m_categories[slot];
        if (category.accounts.empty())
            continue;
        category.shown = true;
        m_order.append(int(slot));
        applyOrder(category.accounts, titleOrder(category.accounts));
    }
    std::stable_sort(m_order.begin(), m_order.end(), [this](int a, int b) {
        return textLess(
            shownCategoryCaption(m_categories[size_t(a)].type), shownCategoryCaption(m_categories[size_t(b)].type));
    });
    endResetModel();
}

QModelIndex AccountTreeModel::rootNode() const { return m_hasRoot ? createIndex(0, 0, RootKey) : QModelIndex(); }

QModelIndex AccountTreeModel::categoryIndex(int slot) const
{
    const qsizetype row = m_order.indexOf(slot);
    return row < 0 ? QModelIndex() : createIndex(int(row), 0, CategoryKey);
}

QModelIndex AccountTreeModel::categoryNode(AccountType type) const
{
    const int slot = slotOf(type);
    return slot < 0 ? QModelIndex() : categoryIndex(slot);
}

QModelIndex AccountTreeModel::ensureCategory(AccountType type)
{
    const int slot = slotOf(type);
    if (slot < 0 || !m_hasRoot)
        return QModelIndex();
    if (!m_categories[size_t(slot)].shown) {
        const int row = int(m_order.size());
        beginInsertRows(rootNode(), row, row);
        m_categories[size_t(slot)].shown = true;
        m_order.append(slot);
        endInsertRows();
    }
    return categoryIndex(slot);
}

QModelIndex AccountTreeModel::insertAccount(AccountType type, const QString& title, AccountId id)
{
    const QModelIndex category = categoryNode(type);
    if (!category.isValid())
        return QModelIndex();
    const int slot = slotOf(type);
    auto& accounts = m_categories[size_t(slot)].accounts;
    if (!m_categories[size_t(slot)].sorted) {
        // A renamed account stands out of order: the new one comes last, then all are sorted.
        const int row = int(accounts.size());
        beginInsertRows(category, row, row);
        accounts.push_back({ title, id });
        endInsertRows();
        sortCategory(slot);
        return accountNode(type, id);
    }
    // In order already: the new account goes after the titles that sort before it or equal it,
    // where appending and sorting would put it, with a few comparisons.
    const QCollator& collator = titleCollator();
    const auto at = std::upper_bound(
        accounts.begin(), accounts.end(), title, [&collator](const QString& wanted, const Account& account) {
            return collator.compare(wanted, account.title) < 0;
        });
    const int row = int(at - accounts.begin());
    beginInsertRows(category, row, row);
    accounts.insert(at, { title, id });
    endInsertRows();
    return index(row, 0, category);
}

QModelIndex AccountTreeModel::accountNode(AccountType type, AccountId id) const
{
    const int slot = slotOf(type);
    const QModelIndex category = slot < 0 ? QModelIndex() : categoryIndex(slot);
    if (!category.isValid())
        return QModelIndex();
    const auto& accounts = m_categories[size_t(slot)].accounts;
    for (size_t row = 0; row < accounts.size(); ++row)
        if (accounts[row].id == id)
            return createIndex(int(row), 0, AccountKeyBase + quintptr(slot));
    return QModelIndex();
}

void AccountTreeModel::sortCategory(int slot)
{
    auto& accounts = m_categories[size_t(slot)].accounts;
    const std::vector<size_t> order = titleOrder(accounts);
    m_categories[size_t(slot)].sorted = true;
    if (std::is_sorted(order.begin(), order.end()))
        return;

    const QModelIndex category = categoryIndex(slot);
    Q_EMIT layoutAboutToBeChanged({ QPersistentModelIndex(category) }, QAbstractItemModel::VerticalSortHint);
    applyOrder(accounts, order);
    // Every index into the category moves with its account.
    std::vector<int> newRow(order.size());
    for (size_t row = 0; row < order.size(); ++row)
        newRow[order[row]] = int(row);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) {
        const bool moved = old.internalId() == AccountKeyBase + quintptr(slot);
        after.append(moved ? createIndex(newRow[size_t(old.row())], old.column(), old.internalId()) : old);
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({ QPersistentModelIndex(category) }, QAbstractItemModel::VerticalSortHint);
}

bool AccountTreeModel::inOrder(const Category& category, size_t row) const
{
    const auto& accounts = category.accounts;
    return (row == 0 || !textLess(accounts[row].title, accounts[row - 1].title))
        && (row + 1 >= accounts.size() || !textLess(accounts[row + 1].title, accounts[row].title));
}

void AccountTreeModel::mergeAccounts(Category& category, std::vector<Account> added)
{
    auto& accounts = category.accounts;
    if (!category.sorted || accounts.empty()) {
        std::move(added.begin(), added.end(), std::back_inserter(accounts));
        applyOrder(accounts, titleOrder(accounts));
        category.sorted = true;
        return;
    }
    applyOrder(added, titleOrder(added));
    const QCollator& collator = titleCollator();
    std::vector<Account> merged;
    merged.reserve(accounts.size() + added.size());
    // Of equal titles, those already there come first.
    std::merge(std::make_move_iterator(accounts.begin()), std::make_move_iterator(accounts.end()),
        std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()), std::back_inserter(merged),
        [&collator](const Account& a, const Account& b) { return collator.compare(a.title, b.title) < 0; });
    accounts = std::move(merged);
}

void AccountTreeModel::rename(const std::vector<Node>& renamed)
{
    std::vector<QHash<qint32, QString>> titles(m_categories.size());
    for (const Node& node : renamed)
        if (const int slot = slotOf(node.type); slot >= 0)
            titles[size_t(slot)].insert(idValue(node.id), node.title);
    for (size_t slot = 0; slot < m_categories.size(); ++slot) {
        Category& category = m_categories[slot];
        for (size_t row = 0; !titles[slot].isEmpty() && row < category.accounts.size(); ++row) {
            const auto title = titles[slot].constFind(idValue(category.accounts[row].id));
            if (title == titles[slot].cend())
                continue;
            category.accounts[row].title = *title;
            category.sorted = category.sorted && inOrder(category, row);
        }
    }
}

void AccountTreeModel::applyChanges(const std::vector<Node>& removed, const std::vector<Node>& renamed,
    std::vector<Node> added, const std::vector<Node>& renamedAfter)
{
    Q_EMIT layoutAboutToBeChanged();
    // What each index held stands for, to find it again afterwards.
    const QModelIndexList before = persistentIndexList();
    std::vector<std::pair<int, AccountId>> heldBefore; // (slot, id); slot -1 for the root
    heldBefore.reserve(size_t(before.size()));
    for (const QModelIndex& node : before) {
        if (node.internalId() == RootKey)
            heldBefore.emplace_back(-1, AccountId::None);
        else if (node.internalId() == CategoryKey)
            heldBefore.emplace_back(m_order.at(node.row()), AccountId::None);
        else
            heldBefore.emplace_back(int(node.internalId() - AccountKeyBase), accountId(node));
    }

    std::vector<QSet<qint32>> gone(m_categories.size());
    for (const Node& node : removed)
        if (const int slot = slotOf(node.type); slot >= 0)
            gone[size_t(slot)].insert(idValue(node.id));
    std::vector<std::vector<Account>> coming(m_categories.size());
    for (Node& node : added) {
        const int slot = slotOf(node.type);
        if (slot < 0)
            continue;
        if (!m_categories[size_t(slot)].shown) {
            m_categories[size_t(slot)].shown = true;
            m_order.append(slot);
        }
        coming[size_t(slot)].push_back({ std::move(node.title), node.id });
    }
    for (size_t slot = 0; slot < m_categories.size(); ++slot)
        if (!gone[slot].isEmpty())
            std::erase_if(
                m_categories[slot].accounts, [&](const Account& a) { return gone[slot].contains(idValue(a.id)); });
    rename(renamed);
    for (size_t slot = 0; slot < m_categories.size(); ++slot)
        if (!coming[slot].empty())
            mergeAccounts(m_categories[slot], std::move(coming[slot]));
    rename(renamedAfter);

    // Every index follows what it held; one of an account that went becomes invalid.
    std::vector<QHash<qint32, int>> rowOfId(m_categories.size());
    QModelIndexList after;
    after.reserve(before.size());
    for (const auto& [slot, id] : heldBefore) {
        if (slot < 0) {
            after.append(rootNode());
        } else if (id == AccountId::None) {
            after.append(categoryIndex(slot));
        } else {
            QHash<qint32, int>& rows = rowOfId[size_t(slot)];
            const auto& accounts = m_categories[size_t(slot)].accounts;
            if (rows.isEmpty())
                for (size_t row = 0; row < accounts.size(); ++row)
                    rows.insert(idValue(accounts[row].id), int(row));
            const auto row = rows.constFind(idValue(id));
            after.append(row == rows.cend() ? QModelIndex() : createIndex(*row, 0, AccountKeyBase + quintptr(slot)));
        }
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged();
}

bool AccountTreeModel::removeAccount(const QModelIndex& node)
{
    Category* category = isAccountNode(node) ? categoryOf(node) : nullptr;
    if (!category)
        return false;
    beginRemoveRows(node.parent(), node.row(), node.row());
    category->accounts.erase(category->accounts.begin() + node.row());
    endRemoveRows();
    return true;
}

void AccountTreeModel::setTitle(const QModelIndex& node, const QString& title)
{
    Category* category = isAccountNode(node) ? categoryOf(node) : nullptr;
    if (!category)
        return;
    category->accounts[size_t(node.row())].title = title;
    category->sorted = category->sorted && inOrder(*category, size_t(node.row()));
    Q_EMIT dataChanged(node, node, { Qt::DisplayRole });
}

bool AccountTreeModel::isAccountNode(const QModelIndex& node) const
{
    return node.isValid() && node.model() == this && node.internalId() >= AccountKeyBase;
}

bool AccountTreeModel::isCategoryNode(const QModelIndex& node) const
{
    return node.isValid() && node.model() == this && node.internalId() == CategoryKey;
}

AccountId AccountTreeModel::accountId(const QModelIndex& node) const
{
    if (!isAccountNode(node))
        return AccountId::None;
    return categoryOf(node)->accounts[size_t(node.row())].id;
}

const AccountTreeModel::Category* AccountTreeModel::categoryOf(const QModelIndex& node) const
{
    if (node.internalId() == CategoryKey)
        return &m_categories[size_t(m_order.at(node.row()))];
    if (node.internalId() >= AccountKeyBase)
        return &m_categories[size_t(node.internalId() - AccountKeyBase)];
    return nullptr;
}

AccountTreeModel::Category* AccountTreeModel::categoryOf(const QModelIndex& node)
{
    return const_cast<Category*>(std::as_const(*this).categoryOf(node));
}

QModelIndex AccountTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return QModelIndex();
    if (!parent.isValid())
        return row == 0 && m_hasRoot ? rootNode() : QModelIndex();
    if (parent.internalId() == RootKey)
        return row < m_order.size() ? createIndex(row, 0, CategoryKey) : QModelIndex();
    if (parent.internalId() == CategoryKey) {
        const int slot = m_order.at(parent.row());
        return row < int(m_categories[size_t(slot)].accounts.size())
            ? createIndex(row, 0, AccountKeyBase + quintptr(slot))
            : QModelIndex();
    }
    return QModelIndex();
}

QModelIndex AccountTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == RootKey)
        return QModelIndex();
    if (child.internalId() == CategoryKey)
        return rootNode();
    return categoryIndex(int(child.internalId() - AccountKeyBase));
}

int AccountTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return m_hasRoot ? 1 : 0;
    if (parent.column() != 0)
        return 0;
    if (parent.internalId() == RootKey)
        return int(m_order.size());
    if (parent.internalId() == CategoryKey)
        return int(m_categories[size_t(m_order.at(parent.row()))].accounts.size());
    return 0;
}

int AccountTreeModel::columnCount(const QModelIndex&) const { return 1; }

Qt::ItemFlags AccountTreeModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QVariant AccountTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() != 0)
        return QVariant();
    QString text;
    int image = 0;
    AccountId id = AccountId::None;
    AccountType type = AccountType::None;
    if (index.internalId() == RootKey) {
        text = tr("Accounts");
    } else if (index.internalId() == CategoryKey) {
        type = categoryOf(index)->type;
        text = shownCategoryCaption(type);
        image = Artwork::categoryImageIndex(type);
    } else {
        const Category* category = categoryOf(index);
        const Account& account = category->accounts[size_t(index.row())];
        text = account.title;
        type = category->type;
        image = Artwork::accountImageIndex(type);
        id = account.id;
    }
    switch (role) {
    case Qt::DisplayRole:
        return text;
    case Qt::DecorationRole:
        return Artwork::treeImage(image);
    case AccountIdRole:
        return idValue(id);
    case ImageRole:
        return image;
    case TypeRole:
        return QVariant::fromValue(type);
    default:
        return QVariant();
    }
}

#include "views/AccountTreeModel.h"

#include "core/AccountTypes.h"
#include "document/QuorrilDoc.h"
#include "views/Artwork.h"

#include <QCollator>

#include <algorithm>

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
// Titles and captions compare as the user's language orders words, without regard to case.
QCollator titleCollator()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}
} // namespace

bool AccountTreeModel::textLess(const QString& a, const QString& b) { return titleCollator().compare(a, b) < 0; }

std::vector<size_t> AccountTreeModel::titleOrder(const std::vector<Account>& accounts)
{
    // Each title gets its sort key once, so the sort compares plain byte strings: the order of
    // textLess without collating every title again at every comparison. Equal titles keep their
    // order.
    const QCollator collator = titleCollator();
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
            accountCategoryCaption(m_categories[size_t(a)].type), accountCategoryCaption(m_categories[size_t(b)].type));
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
    const int row = int(accounts.size());
    beginInsertRows(category, row, row);
    accounts.push_back({ title, id });
    endInsertRows();
    sortCategory(slot);
    for (int r = 0; r < int(accounts.size()); ++r)
        if (accounts[size_t(r)].id == id)
            return index(r, 0, category);
    return QModelIndex();
}

void AccountTreeModel::sortCategory(int slot)
{
    auto& accounts = m_categories[size_t(slot)].accounts;
    const std::vector<size_t> order = titleOrder(accounts);
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
        text = QStringLiteral("Accounts");
    } else if (index.internalId() == CategoryKey) {
        type = categoryOf(index)->type;
        text = accountCategoryCaption(type);
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

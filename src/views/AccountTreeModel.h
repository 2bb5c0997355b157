#pragma once

#include "core/AccountId.h"
#include "core/AccountTypes.h"

#include <QAbstractItemModel>
#include <QList>
#include <QString>

#include <vector>

class CQuorrilDoc;

// The nodes of the account tree: the root "Accounts", a category per account type that has a node,
// and the accounts of each category as (title, id) pairs kept in plain vectors, so a wallet of
// 100,000 accounts is laid out in a few allocations. Every node has a text, an image index, an
// account id (0 for the root and the categories) and an account type (None for the root).
class AccountTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    static constexpr int AccountIdRole = Qt::UserRole;
    static constexpr int ImageRole = Qt::UserRole + 1;
    // The AccountType of a category or account node (AccountType::None for the root).
    static constexpr int TypeRole = Qt::UserRole + 2;

    explicit AccountTreeModel(QObject* parent = nullptr);

    // Fills the tree from the document: categories by caption, accounts by title, each sorted
    // without regard to case; accounts whose type code is none of the ten get no node.
    void rebuild(const CQuorrilDoc& document);
    // The category of the type, made as the root's last child when there is none yet.
    QModelIndex ensureCategory(AccountType type);
    // Shows the root alone, holding nothing of any document (until the next rebuild).
    void clear();
    // Puts an account node into its category (which must exist) and sorts the category by title:
    // into its place when the category is in order (no sort), else with a sort of the category.
    QModelIndex insertAccount(AccountType type, const QString& title, AccountId id);
    // The node of the account in its type's category; invalid when there is none.
    QModelIndex accountNode(AccountType type, AccountId id) const;

    // Many changes as one relayout of the tree, for a step of many accounts, as node by node: the
    // accounts that go, the new titles of accounts that stay (in place), the accounts that come (into
    // their places in their categories, made last under the root as needed; a category out of order
    // is sorted whole), then the titles renamed after that. Indexes of nodes that stay follow.
    struct Node {
        AccountType type;
        AccountId id;
        QString title;
    };
    void applyChanges(const std::vector<Node>& removed, const std::vector<Node>& renamed, std::vector<Node> added,
        const std::vector<Node>& renamedAfter = {});
    // Removes an account node; false for other nodes.
    bool removeAccount(const QModelIndex& node);
    // Renames an account node in place (no sorting).
    void setTitle(const QModelIndex& node, const QString& title);

    QModelIndex rootNode() const;
    QModelIndex categoryNode(AccountType type) const;
    bool isAccountNode(const QModelIndex& node) const;
    bool isCategoryNode(const QModelIndex& node) const;
    // The account id of a node (0 for the root and the categories), read without a QVariant: the
    // find filter asks it of every account at every keystroke.
    AccountId accountId(const QModelIndex& node) const;

    // The order of titles and captions in the tree: the user's language, without regard to case.
    static bool textLess(const QString& a, const QString& b);

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Account {
        QString title;
        AccountId id;
    };
    struct Category {
        AccountType type = AccountType::None;
        bool shown = false;
        // The accounts are in title order (a rename may leave them out of it).
        bool sorted = true;
        std::vector<Account> accounts;
    };

    // An index's internal id says where it sits: the root, a category, or an account of the
    // category with the given slot (the type's position in accountTypes()).
    static constexpr quintptr RootKey = 0;
    static constexpr quintptr CategoryKey = 1;
    static constexpr quintptr AccountKeyBase = 2;

    // The positions of the accounts in title order, and the accounts put into such an order.
    static std::vector<size_t> titleOrder(const std::vector<Account>& accounts);
    static void applyOrder(std::vector<Account>& accounts, const std::vector<size_t>& order);
    const Category* categoryOf(const QModelIndex& node) const;
    Category* categoryOf(const QModelIndex& node);
    QModelIndex categoryIndex(int slot) const;
    void sortCategory(int slot);
    // One empty category per type of accountTypes(), none shown.
    void resetCategories();
    // The slot of the type's category, or -1.
    int slotOf(AccountType type) const;
    // Whether the account at the row still stands between its neighbours in title order.
    bool inOrder(const Category& category, size_t row) const;
    // The category's accounts with the new ones merged in title order (or sorted in, when it is not
    // in order), each new one after the equal titles before it.
    static void mergeAccounts(Category& category, std::vector<Account> added);
    // New titles for accounts of the categories, in place.
    void rename(const std::vector<Node>& renamed);

    std::vector<Category> m_categories; // by slot: the type's position in accountTypes()
    QList<int> m_order; // the slots of the root's children, in their order
    bool m_hasRoot = false;
};

#pragma once

#include "AccountId.h"
#include "AccountTypes.h"

#include <QTreeView>

#include <memory>

class AccountRecord;
class AccountTreeModel;
class CQuorrilDoc;
class QMenu;

// The left pane: the accounts of the document as a tree under the root "Accounts", one category
// node per account type that has accounts, one node per account labelled with its title. It is the
// home of the account commands (New, Properties, Delete, the context menu and the double-click),
// and its selection decides which account the property list shows.
class CQuorrilView : public QTreeView {
    Q_OBJECT
public:
    explicit CQuorrilView(CQuorrilDoc& document, QWidget* parent = nullptr);

    // Rebuilds the tree from the document (after New and Open). The current account id becomes 0.
    void OnInitialUpdate();
    // Before the document's accounts are replaced: the tree lets go of them and shows the root
    // alone until the rebuild that follows.
    void releaseDocument();

    // The New command of an account type: the type's dialog for a new account.
    void OnNewAccount(AccountType type);
    void OnAccountProperties();
    void OnAccountDelete();
    // Enabling of Properties and Delete: unlocked, and an account node selected.
    bool OnUpdateAccountProperties() const;

    // The popup shown on a right click at a node (the frame's Account menu).
    void setContextMenu(QMenu* menu) { m_contextMenu = menu; }

    AccountTreeModel* accountModel() const { return m_model; }
    QModelIndex rootNode() const;
    QModelIndex categoryNode(AccountType type) const;
    QModelIndex selectedNode() const { return currentIndex(); }
    // Selects a node as the caret, showing it (its ancestors expand).
    void selectNode(const QModelIndex& node);
    bool isAccountNode(const QModelIndex& node) const;
    // A node's text, account id (0 for the root and the categories) and image index.
    static QString nodeText(const QModelIndex& node);
    static AccountId nodeAccountId(const QModelIndex& node);
    static int nodeImage(const QModelIndex& node);
    // The type of a category or account node; AccountType::None for the root or no node.
    static AccountType nodeType(const QModelIndex& node);

Q_SIGNALS:
    // The selected node changed: the enabling of Properties and Delete may have changed.
    void selectionStateChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;

private:
    void OnSelChanged(const QModelIndex& current);
    // Offers the account to the document and shows it in its category; false when refused.
    bool addAccountToTree(std::unique_ptr<AccountRecord> account);
    void showContextMenu(const QModelIndex& node);
    QRect textRect(const QModelIndex& node) const;

    CQuorrilDoc& m_doc;
    AccountTreeModel* m_model = nullptr;
    QMenu* m_contextMenu = nullptr;
    bool m_rebuilding = false;
};

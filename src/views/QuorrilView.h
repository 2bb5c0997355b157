#pragma once

#include "core/AccountId.h"
#include "core/AccountTypes.h"

#include <QTreeView>

#include <utility>
#include <vector>

class AccountFilterModel;
class AccountTreeModel;
class CQuorrilDoc;
class QLabel;
class QMenu;

// The left pane: the accounts of the document as a tree under the root "Accounts", one category
// node per account type that has accounts, one node per account labelled with its title. Its
// selection decides which account the property list shows. It runs no command itself: a right click
// or the menu key opens the context menu it is given, and a double-click on an account or the Delete
// key ask for Properties or Delete through its signals.
//
// The tree shows its model through a filter (the find field's text). The nodes it takes and gives
// are those it shows; a node of the account model itself is accepted too and mapped.
class CQuorrilView : public QTreeView {
    Q_OBJECT
public:
    explicit CQuorrilView(CQuorrilDoc& document, QWidget* parent = nullptr);

    // Rebuilds the tree from the document (after New and Open). The current account id becomes 0.
    void OnInitialUpdate();
    // Before the document's accounts are replaced: the tree lets go of them and shows the root
    // alone until the rebuild that follows.
    void releaseDocument();

    // Enabling of Properties and Delete: unlocked, and an account node selected.
    bool canEditAccount() const;

    // The popup shown on a right click at a node (the frame's Account menu).
    void setContextMenu(QMenu* menu) { m_contextMenu = menu; }

    AccountTreeModel* accountModel() const { return m_model; }
    AccountFilterModel* filterModel() const { return m_filter; }
    // The node of the account model behind a shown node (or the node itself when it is one).
    QModelIndex sourceNode(const QModelIndex& node) const;
    // Where a node of either model shows in the tree; invalid when the filter hides it.
    QModelIndex viewNode(const QModelIndex& node) const;

    // The find field's text. While it is set the tree shows only the matching accounts, with their
    // categories expanded; clearing it brings back the expansion and the selection of before the
    // search, or the account picked during it.
    QString findText() const;
    void setFindText(const QString& text);
    // A search that leaves no account: the tree says "No matches" below the root.
    bool hasNoMatch() const;
    QLabel* noMatchesLabel() const { return m_noMatches; }
    // Enter in the find field: the first account shown is selected, unless one already is.
    void selectFirstMatch();
    QModelIndex rootNode() const;
    QModelIndex categoryNode(AccountType type) const;
    QModelIndex selectedNode() const { return currentIndex(); }
    // Selects a node as the caret, showing it (its ancestors expand).
    void selectNode(const QModelIndex& node);
    // Selects the node of the account, ending a search that hides it; false when the tree has none.
    bool selectAccount(AccountType type, AccountId id);
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
    // A double-click on an account node, which is the selected node by then.
    void propertiesRequested();
    // The Delete key, whatever node is selected.
    void deleteRequested();
    // The find text changed other than through setFindText (a rebuild, a node that had to show).
    void findTextChanged(const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;

private:
    // The tree follows the document's changes: one node at a time, or, for a step of many
    // accounts, all of them as one relayout when the step ends.
    void OnAccountAdded(AccountId id);
    void OnAccountRemoved(AccountId id, AccountType type);
    void OnAccountChanged(AccountId id);
    void OnChangesFinished();
    // Before a selected node goes: the next sibling takes the selection, else the previous one,
    // else the category.
    void moveSelectionFrom(const QModelIndex& node);
    void OnSelChanged(const QModelIndex& current);
    void showContextMenu(const QModelIndex& node);
    QRect textRect(const QModelIndex& node) const;
    // After the filter changed: the selected node, if hidden now, is no longer the current account.
    void followFilter(const QPersistentModelIndex& selected);
    void saveTreeState();
    void restoreTreeState();
    void openMatches();
    void showMatchState();
    QModelIndex firstMatch() const;

    CQuorrilDoc& m_doc;
    AccountTreeModel* m_model = nullptr;
    AccountFilterModel* m_filter = nullptr;
    // The tree before a search began (nodes of the account model), and the account picked during it.
    QList<QPersistentModelIndex> m_expandedBefore;
    QPersistentModelIndex m_selectedBefore;
    QPersistentModelIndex m_pickedDuringFind;
    QMenu* m_contextMenu = nullptr;
    QLabel* m_noMatches = nullptr;
    bool m_rebuilding = false;
    // The changes of a large step, gathered until it ends.
    struct PendingChanges {
        bool gathering = false;
        std::vector<std::pair<AccountId, AccountType>> removed;
        // With the order they came in: a rename before an account came into its category is sorted
        // with it, a later one keeps its place.
        std::vector<std::pair<AccountId, int>> changed;
        std::vector<std::pair<AccountId, int>> added;
        int count = 0;
    };
    PendingChanges m_pending;
};

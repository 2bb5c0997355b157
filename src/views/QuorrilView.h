#pragma once

#include "AccountId.h"
#include "AccountTypes.h"

#include <QTreeView>

class AccountTreeModel;
class CQuorrilDoc;
class QMenu;

// The left pane: the accounts of the document as a tree under the root "Accounts", one category
// node per account type that has accounts, one node per account labelled with its title. Its
// selection decides which account the property list shows. It runs no command itself: a right click
// or the menu key opens the context menu it is given, and a double-click on an account or the Delete
// key ask for Properties or Delete through its signals.
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
    // A double-click on an account node, which is the selected node by then.
    void propertiesRequested();
    // The Delete key, whatever node is selected.
    void deleteRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;

private:
    void OnSelChanged(const QModelIndex& current);
    void showContextMenu(const QModelIndex& node);
    QRect textRect(const QModelIndex& node) const;

    CQuorrilDoc& m_doc;
    AccountTreeModel* m_model = nullptr;
    QMenu* m_contextMenu = nullptr;
    bool m_rebuilding = false;
};

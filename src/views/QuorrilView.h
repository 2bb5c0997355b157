#pragma once

#include <QTreeWidget>

#include <array>
#include <memory>

class AccountRecord;
class CQuorrilDoc;
class QMenu;

// The left pane: the accounts of the document as a tree under the root "Accounts", one category
// node per account type that has accounts, one node per account labelled with its title. It is the
// home of the account commands (New, Properties, Delete, the context menu and the double-click),
// and its selection decides which account the property list shows.
class CQuorrilView : public QTreeWidget {
    Q_OBJECT
public:
    explicit CQuorrilView(CQuorrilDoc& document, QWidget* parent = nullptr);

    // Rebuilds the tree from the document (after New and Open). The current account id becomes 0.
    void OnInitialUpdate();

    // The New command of an account type: the type's dialog for a new account.
    void OnNewAccount(qint32 type);
    void OnAccountProperties();
    void OnAccountDelete();
    // Enabling of Properties and Delete: unlocked, and an account node selected.
    bool OnUpdateAccountProperties() const;

    // The popup shown on a right click at a node (the frame's Account menu).
    void setContextMenu(QMenu* menu) { m_contextMenu = menu; }

    QTreeWidgetItem* rootNode() const { return m_root; }
    QTreeWidgetItem* categoryNode(qint32 type) const;
    QTreeWidgetItem* selectedNode() const { return currentItem(); }
    bool isAccountNode(const QTreeWidgetItem* node) const;
    // The account id of a node (0 for the root and the categories) and its image index.
    static qint32 nodeAccountId(const QTreeWidgetItem* node);
    static int nodeImage(const QTreeWidgetItem* node);

Q_SIGNALS:
    // The selected node changed: the enabling of Properties and Delete may have changed.
    void selectionStateChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    void OnSelChanged(QTreeWidgetItem* current);
    QTreeWidgetItem* insertCategory(qint32 type);
    // Offers the account to the document and shows it under the category; false when refused.
    bool addAccountToTree(std::unique_ptr<AccountRecord> account, QTreeWidgetItem* category);
    void showContextMenu(QTreeWidgetItem* node);
    QRect textRect(QTreeWidgetItem* node) const;

    CQuorrilDoc& m_doc;
    QTreeWidgetItem* m_root = nullptr;
    std::array<QTreeWidgetItem*, 10> m_categories{};
    QMenu* m_contextMenu = nullptr;
};

#pragma once

#include "app/CommandActions.h"
#include "core/AccountId.h"
#include "core/AccountTypes.h"

#include <QObject>
#include <QStringList>

#include <vector>

class CQuorrilDoc;
class CQuorrilView;
class DiskChanges;
class QStatusBar;
class UiPrompts;

// The window's side of a wallet that other machines change too: the open file is watched
// (DiskChanges), a reload keeps the tree's selection and expansion, what happened goes to the status
// bar, File > Merge From… merges another wallet in, and a conflict copy that appears beside the
// wallet is offered for a merge. Nothing of it runs while a dialog is open or the wallet is locked:
// it waits.
class SyncCommands : public QObject {
    Q_OBJECT
public:
    SyncCommands(CQuorrilDoc& document, UiPrompts& prompts, CQuorrilView& tree, const CommandActions& actions,
        QStatusBar& statusBar, QObject* parent);

    DiskChanges& diskChanges() const { return *m_changes; }
    void updateState();
    void OnMergeFrom();

Q_SIGNALS:
    // A reload is about to replace the document's contents: the views let go of them.
    void documentClosing();
    // A reload was given up and the document stayed as it was: the views rebuild from it.
    void documentKept();

private:
    // What the tree showed before a reload: the open categories, and the selected node.
    struct TreeState {
        bool rootOpen = false;
        std::vector<AccountType> openCategories;
        AccountType selectedType = AccountType::None;
        AccountId selectedId = AccountId(0);
    };
    TreeState treeState() const;
    void restore(const TreeState& state);
    void offerConflictCopies();
    bool busy() const;

    CQuorrilDoc& m_doc;
    UiPrompts& m_prompts;
    CQuorrilView& m_tree;
    QAction* m_mergeFrom;
    DiskChanges* m_changes;
    TreeState m_beforeReload;
    QStringList m_copiesToOffer;
};

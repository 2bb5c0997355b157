#pragma once

#include "app/CommandActions.h"

#include <QObject>

#include <functional>

class AccountCommands;
class CAccountView;
class CQuorrilView;

// The commands that belong to the active pane: the Account menu (the ten New commands, Properties,
// Delete) reaches the account commands only while the tree is the active pane, print reaches the
// property list only while it is, and F6 / Shift+F6 move between the two.
class PaneCommands : public QObject {
    Q_OBJECT
public:
    // `treeActive` tells whether the tree is the active pane (the window follows the focus).
    PaneCommands(CQuorrilView& tree, CAccountView& list, std::function<bool()> treeActive,
        AccountCommands& accountCommands, const CommandActions& actions, QObject* parent);

    void updateState();

private:
    void switchPane();

    CQuorrilView& m_tree;
    CAccountView& m_list;
    std::function<bool()> m_treeActive;
    AccountCommands& m_accountCommands;
    const CommandActions& m_actions;
};

#pragma once

#include <QObject>

class AccountCommands;
class CMainFrame;

// The commands that belong to the active pane: the Account menu (the ten New commands, Properties,
// Delete) reaches the account commands only while the tree is the active pane, print reaches the
// property list only while it is, and F6 / Shift+F6 move between the two.
class PaneCommands : public QObject {
    Q_OBJECT
public:
    PaneCommands(CMainFrame& frame, AccountCommands& accountCommands);

    void updateState();

private:
    bool treeActive() const;
    void switchPane();

    CMainFrame& m_frame;
    AccountCommands& m_accountCommands;
};

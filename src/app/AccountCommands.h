#pragma once

#include <QObject>

class CMainFrame;

// The commands that belong to the active pane: the Account menu (the ten New commands, Properties,
// Delete) reaches the tree only while it is the active pane, print reaches the property list only
// while it is, and F6 / Shift+F6 move between the two.
class AccountCommands : public QObject {
    Q_OBJECT
public:
    explicit AccountCommands(CMainFrame& frame);

    void updateState();

private:
    bool treeActive() const;
    void switchPane();

    CMainFrame& m_frame;
};

#include "AccountCommands.h"

#include "AccountView.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "MainFrame.h"
#include "QuorrilView.h"

#include <QAction>

AccountCommands::AccountCommands(CMainFrame& frame)
    : QObject(&frame)
    , m_frame(frame)
{
    for (int id : CommandTable::newAccountMenu()) {
        const AccountType type = CommandTable::find(id)->accountType;
        connect(m_frame.action(id), &QAction::triggered, this, [this, type] {
            if (treeActive())
                m_frame.treeView()->OnNewAccount(type);
        });
    }
    connect(m_frame.action(ID_ACCOUNT_PROPERTIES), &QAction::triggered, this, [this] {
        if (treeActive())
            m_frame.treeView()->OnAccountProperties();
    });
    connect(m_frame.action(ID_ACCOUNT_DELETE), &QAction::triggered, this, [this] {
        if (treeActive())
            m_frame.treeView()->OnAccountDelete();
    });
    connect(m_frame.action(ID_FILE_PRINT), &QAction::triggered, this, [this] {
        if (!treeActive())
            m_frame.listView()->OnFilePrint();
    });
    connect(m_frame.action(ID_NEXT_PANE), &QAction::triggered, this, &AccountCommands::switchPane);
    connect(m_frame.action(ID_PREV_PANE), &QAction::triggered, this, &AccountCommands::switchPane);
}

bool AccountCommands::treeActive() const { return m_frame.activePane() == CMainFrame::Pane::Tree; }

void AccountCommands::switchPane()
{
    // Two panes: the next and the previous pane are both the other one.
    if (treeActive())
        m_frame.listView()->setFocus(Qt::ShortcutFocusReason);
    else
        m_frame.treeView()->setFocus(Qt::ShortcutFocusReason);
}

void AccountCommands::updateState()
{
    const bool tree = treeActive();
    for (int id : CommandTable::newAccountMenu())
        m_frame.action(id)->setEnabled(tree);
    const bool editable = tree && m_frame.treeView()->OnUpdateAccountProperties();
    m_frame.action(ID_ACCOUNT_PROPERTIES)->setEnabled(editable);
    m_frame.action(ID_ACCOUNT_DELETE)->setEnabled(editable);
    m_frame.action(ID_FILE_PRINT)->setEnabled(!tree);
}

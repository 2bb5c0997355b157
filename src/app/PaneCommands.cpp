#include "app/PaneCommands.h"

#include "app/AccountCommands.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/MainFrame.h"
#include "views/AccountView.h"
#include "views/QuorrilView.h"

#include <QAction>

PaneCommands::PaneCommands(CMainFrame& frame, AccountCommands& accountCommands)
    : QObject(&frame)
    , m_frame(frame)
    , m_accountCommands(accountCommands)
{
    for (int id : CommandTable::newAccountMenu()) {
        const AccountType type = CommandTable::find(id)->accountType;
        connect(m_frame.action(id), &QAction::triggered, this, [this, type] {
            if (treeActive())
                m_accountCommands.OnNewAccount(type);
        });
    }
    connect(m_frame.action(ID_ACCOUNT_PROPERTIES), &QAction::triggered, this, [this] {
        if (treeActive())
            m_accountCommands.OnAccountProperties();
    });
    connect(m_frame.action(ID_ACCOUNT_DELETE), &QAction::triggered, this, [this] {
        if (treeActive())
            m_accountCommands.OnAccountDelete();
    });
    connect(m_frame.action(ID_FILE_PRINT), &QAction::triggered, this, [this] {
        if (!treeActive())
            m_frame.listView()->OnFilePrint();
    });
    connect(m_frame.action(ID_NEXT_PANE), &QAction::triggered, this, &PaneCommands::switchPane);
    connect(m_frame.action(ID_PREV_PANE), &QAction::triggered, this, &PaneCommands::switchPane);
}

bool PaneCommands::treeActive() const { return m_frame.activePane() == CMainFrame::Pane::Tree; }

void PaneCommands::switchPane()
{
    // Two panes: the next and the previous pane are both the other one.
    if (treeActive())
        m_frame.listView()->setFocus(Qt::ShortcutFocusReason);
    else
        m_frame.treeView()->setFocus(Qt::ShortcutFocusReason);
}

void PaneCommands::updateState()
{
    const bool tree = treeActive();
    for (int id : CommandTable::newAccountMenu())
        m_frame.action(id)->setEnabled(tree);
    const bool editable = tree && m_frame.treeView()->canEditAccount();
    m_frame.action(ID_ACCOUNT_PROPERTIES)->setEnabled(editable);
    m_frame.action(ID_ACCOUNT_DELETE)->setEnabled(editable);
    m_frame.action(ID_FILE_PRINT)->setEnabled(!tree);
}

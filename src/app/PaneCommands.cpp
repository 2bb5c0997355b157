#include "app/PaneCommands.h"

#include "app/AccountCommands.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "views/AccountView.h"
#include "views/QuorrilView.h"

#include <QAction>

PaneCommands::PaneCommands(CQuorrilView& tree, CAccountView& list, std::function<bool()> treeActive,
    AccountCommands& accountCommands, const CommandActions& actions, QObject* parent)
    : QObject(parent)
    , m_tree(tree)
    , m_list(list)
    , m_treeActive(std::move(treeActive))
    , m_accountCommands(accountCommands)
    , m_actions(actions)
{
    for (int id : CommandTable::newAccountMenu()) {
        const AccountType type = CommandTable::find(id)->accountType;
        connect(m_actions.value(id), &QAction::triggered, this, [this, type] {
            if (m_treeActive())
                m_accountCommands.OnNewAccount(type);
        });
    }
    connect(m_actions.value(ID_ACCOUNT_PROPERTIES), &QAction::triggered, this, [this] {
        if (m_treeActive())
            m_accountCommands.OnAccountProperties();
    });
    connect(m_actions.value(ID_ACCOUNT_DELETE), &QAction::triggered, this, [this] {
        if (m_treeActive())
            m_accountCommands.OnAccountDelete();
    });
    connect(m_actions.value(ID_FILE_PRINT), &QAction::triggered, this, [this] {
        if (!m_treeActive())
            m_list.OnFilePrint();
    });
    connect(m_actions.value(ID_NEXT_PANE), &QAction::triggered, this, &PaneCommands::switchPane);
    connect(m_actions.value(ID_PREV_PANE), &QAction::triggered, this, &PaneCommands::switchPane);
}

void PaneCommands::switchPane()
{
    // Two panes: the next and the previous pane are both the other one.
    if (m_treeActive())
        m_list.setFocus(Qt::ShortcutFocusReason);
    else
        m_tree.setFocus(Qt::ShortcutFocusReason);
}

void PaneCommands::updateState()
{
    const bool tree = m_treeActive();
    for (int id : CommandTable::newAccountMenu())
        m_actions.value(id)->setEnabled(tree);
    const bool editable = tree && m_tree.canEditAccount();
    m_actions.value(ID_ACCOUNT_PROPERTIES)->setEnabled(editable);
    m_actions.value(ID_ACCOUNT_DELETE)->setEnabled(editable);
    m_actions.value(ID_FILE_PRINT)->setEnabled(!tree);
}

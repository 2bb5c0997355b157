#include "app/EditCommands.h"

#include "app/RecentlyDeletedDlg.h"
#include "dialogs/CloseOnLock.h"
#include "dialogs/UiPrompts.h"
#include "document/QuorrilDoc.h"
#include "views/QuorrilView.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

namespace {
// The one account a step changes (0 when it changes none or many).
qint32 onlyAccountOf(const Step* step)
{
    return step && step->accounts.size() == 1 ? idValue(step->accounts.front().id) : 0;
}

// A step's name on a menu: an ampersand of a title is shown, not taken for a mnemonic.
QString menuText(const QString& command, const QString& stepName)
{
    if (stepName.isEmpty())
        return command;
    // One text, so that a language may join the two its own way ("Rückgängig: Löschen ...").
    return QCoreApplication::translate("EditCommands", "%1 %2", "Undo or Redo, then the name of the step")
        .arg(command, QString(stepName).replace(QLatin1Char('&'), QStringLiteral("&&")));
}
} // namespace

EditCommands::EditCommands(CQuorrilDoc& document, CQuorrilView& tree, UiPrompts& prompts, const Actions& actions,
    const QList<QWidget*>& panes, QWidget& window)
    : QObject(&window)
    , m_doc(document)
    , m_tree(tree)
    , m_prompts(prompts)
    , m_actions(actions)
    , m_window(window)
{
    // In a text field Ctrl+Z undoes the typing: the keys reach these commands from the panes alone.
    for (QAction* action : { m_actions.undo, m_actions.redo }) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        for (QWidget* pane : panes)
            pane->addAction(action);
    }
    connect(m_actions.undo, &QAction::triggered, this, &EditCommands::OnEditUndo);
    connect(m_actions.redo, &QAction::triggered, this, &EditCommands::OnEditRedo);
    connect(m_actions.recentlyDeleted, &QAction::triggered, this, &EditCommands::OnRecentlyDeleted);
    connect(&m_doc, &CQuorrilDoc::historyChanged, this, &EditCommands::updateState);
    updateState();
}

void EditCommands::updateState()
{
    m_actions.undo->setEnabled(m_doc.canUndo());
    m_actions.undo->setText(menuText(tr("&Undo"), m_doc.canUndo() ? m_doc.undoName() : QString()));
    m_actions.redo->setEnabled(m_doc.canRedo());
    m_actions.redo->setText(menuText(tr("&Redo"), m_doc.canRedo() ? m_doc.redoName() : QString()));
}

void EditCommands::OnEditUndo()
{
    const qint32 account = onlyAccountOf(m_doc.accountTable().history().undoStep());
    if (m_doc.Undo())
        selectAfter(account);
}

void EditCommands::OnEditRedo()
{
    const qint32 account = onlyAccountOf(m_doc.accountTable().history().redoStep());
    if (m_doc.Redo())
        selectAfter(account);
}

void EditCommands::selectAfter(qint32 accountId)
{
    if (const AccountRecord* account = m_doc.FindAccount(AccountId(accountId)))
        m_tree.selectAccount(account->GetType(), account->GetId());
}

void EditCommands::OnRecentlyDeleted()
{
    RecentlyDeletedDlg dialog(m_doc, &m_window);
    connect(&dialog, &RecentlyDeletedDlg::restoreRequested, this, [this](AccountId id) { restore(idValue(id)); });
    const CloseOnLock closeOnLock(m_doc, dialog);
    dialog.exec();
}

bool EditCommands::restore(qint32 accountId)
{
    if (!m_doc.restoreDeleted(AccountId(accountId))) {
        if (!m_doc.IsLocked())
            m_prompts.notice(tr("An Account of this Type with The Same Name Already Exist !\n\n"));
        return false;
    }
    selectAfter(accountId);
    return true;
}

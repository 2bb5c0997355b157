#include "app/AccountCommands.h"

#include "core/AccountTypes.h"
#include "dialogs/AccountEditor.h"
#include "dialogs/CloseOnLock.h"
#include "dialogs/UiPrompts.h"
#include "document/QuorrilDoc.h"
#include "views/QuorrilView.h"

AccountCommands::AccountCommands(CQuorrilDoc& document, CQuorrilView& tree, UiPrompts& prompts, QObject* parent)
    : QObject(parent)
    , m_doc(document)
    , m_tree(tree)
    , m_prompts(prompts)
{
    connect(&m_tree, &CQuorrilView::propertiesRequested, this, &AccountCommands::OnAccountProperties);
    connect(&m_tree, &CQuorrilView::deleteRequested, this, &AccountCommands::OnAccountDelete);
}

void AccountCommands::OnNewAccount(AccountType type)
{
    std::unique_ptr<CAccountDialog> dialog
        = createAccountDialog(type, &m_doc, AccountId::None, m_prompts, m_tree.window());
    if (!dialog)
        return;
    // New works while locked; a lock that falls while the dialog is open closes it as Cancel.
    const CloseOnLock closeOnLock(m_doc, *dialog);
    if (dialog->exec() != QDialog::Accepted || closeOnLock.lockFell())
        return;
    std::unique_ptr<AccountRecord> account = dialog->takeAccount();
    dialog.reset();
    if (!account)
        return;
    // The tree shows the account as the document takes it; it is then selected and shown.
    const std::optional<AccountId> id = m_doc.AddAccount(std::move(account));
    if (!id) {
        m_prompts.notice(tr("An Account of this Type with The Same Name Already Exist !\n\n"));
        return;
    }
    m_tree.selectAccount(type, *id);
}

void AccountCommands::OnAccountProperties()
{
    const QPersistentModelIndex node = m_tree.selectedNode();
    if (m_doc.IsLocked() || !node.isValid())
        return;
    const AccountId id = CQuorrilView::nodeAccountId(node);
    m_doc.SetCurrentAccountId(id);
    m_doc.UpdateAllViews();

    const AccountType type = CQuorrilView::nodeType(node);
    if (!m_tree.isAccountNode(node) || !isAccountType(type))
        return;
    std::unique_ptr<CAccountDialog> dialog = createAccountDialog(type, &m_doc, id, m_prompts, m_tree.window());
    if (!dialog)
        return;
    const CloseOnLock closeOnLock(m_doc, *dialog);
    const bool accepted = dialog->exec() == QDialog::Accepted && dialog->GetAccount() && !closeOnLock.lockFell();
    dialog.reset();
    if (!accepted || m_doc.IsLocked() || !node.isValid())
        return;
    // The node follows the document (its title changed in place); selecting the root and then the
    // node again refills the property list with the edited values.
    m_tree.selectNode(m_tree.rootNode());
    m_tree.selectNode(node);
}

void AccountCommands::OnAccountDelete()
{
    const QPersistentModelIndex node = m_tree.selectedNode();
    if (m_doc.IsLocked() || !m_tree.isAccountNode(node))
        return;
    const AccountId id = CQuorrilView::nodeAccountId(node);
    const QString question = tr("Are you sure you want to delete \"%1\" account ?").arg(CQuorrilView::nodeText(node));
    // The question may be open when a lock falls: it then answers No, and a Yes that came in the
    // same moment still finds the document locked.
    if (!m_prompts.question(question, UiPrompts::Icon::None) || m_doc.IsLocked())
        return;
    // The tree lets the node go and moves the selection on, and the property list follows.
    m_doc.RemoveAccount(id);
}

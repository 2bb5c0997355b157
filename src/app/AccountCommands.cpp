#include "app/AccountCommands.h"

#include "core/AccountTypes.h"
#include "dialogs/AccountEditor.h"
#include "dialogs/UiPrompts.h"
#include "document/QuorrilDoc.h"
#include "views/AccountTreeModel.h"
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
    if (!dialog || dialog->exec() != QDialog::Accepted)
        return;
    std::unique_ptr<AccountRecord> account = dialog->takeAccount();
    dialog.reset();
    if (!account)
        return;
    // A new category goes after the others; the categories are sorted again at the next rebuild.
    m_tree.accountModel()->ensureCategory(account->GetType());
    addAccountToTree(std::move(account));
}

bool AccountCommands::addAccountToTree(std::unique_ptr<AccountRecord> account)
{
    const AccountType type = account->GetType();
    const QString title = account->GetTitle();
    const std::optional<AccountId> id = m_doc.AddAccount(std::move(account));
    if (!id) {
        m_prompts.notice(tr("An Account of this Type with The Same Name Already Exist !\n\n"));
        return false;
    }
    m_tree.selectNode(m_tree.accountModel()->insertAccount(type, title, *id));
    return true;
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
    const bool accepted = dialog->exec() == QDialog::Accepted;
    // The title the account holds: a dialog can end with OK without storing what was typed (Esc
    // after a user change in the Email dialog).
    const AccountRecord* account = dialog->GetAccount();
    const QString title = account ? account->GetTitle() : QString();
    dialog.reset();
    if (!accepted || !account || !node.isValid())
        return;
    // The node keeps its place among its siblings until the next rebuild; selecting the root and
    // then the node again refills the property list with the edited values.
    m_tree.accountModel()->setTitle(m_tree.sourceNode(node), title);
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
    if (!m_prompts.question(question, UiPrompts::Icon::None))
        return;
    if (!m_doc.RemoveAccount(id))
        return;
    // The next sibling takes the selection, else the previous one, else the category; the
    // selection change then refreshes the property list.
    QModelIndex next = node.sibling(node.row() + 1, 0);
    if (!next.isValid())
        next = node.row() > 0 ? node.sibling(node.row() - 1, 0) : node.parent();
    m_tree.selectNode(next);
    m_tree.accountModel()->removeAccount(m_tree.sourceNode(node));
}

#include "app/CopyCommands.h"

#include "accounts/AccountRoles.h"
#include "accounts/OpenableUrl.h"
#include "app/CommandIds.h"
#include "dialogs/UiPrompts.h"
#include "document/QuorrilDoc.h"
#include "views/AccountView.h"
#include "views/QuorrilView.h"
#include "views/SecretClipboard.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QItemSelectionModel>
#include <QStatusBar>

namespace {

struct RoleCommand {
    int id;
    FieldRole role;
    void (CopyCommands::*run)();
};
const RoleCommand kCommands[] = {
    { ID_ACCOUNT_COPY_PASSWORD, FieldRole::CopyTarget, &CopyCommands::OnCopyPassword },
    { ID_ACCOUNT_COPY_USER_NAME, FieldRole::UserName, &CopyCommands::OnCopyUserName },
    { ID_ACCOUNT_OPEN_URL, FieldRole::Url, &CopyCommands::OnOpenUrl },
};
} // namespace

CopyCommands::CopyCommands(CQuorrilDoc& document, UiPrompts& prompts, const CommandActions& actions, Panes panes,
    SecretClipboard& clipboard, QStatusBar& statusBar, QObject* parent)
    : QObject(parent)
    , m_doc(document)
    , m_prompts(prompts)
    , m_actions(actions)
    , m_panes(panes)
    , m_clipboard(clipboard)
    , m_statusBar(statusBar)
    , m_openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    for (const RoleCommand& command : kCommands)
        connect(m_actions.value(command.id), &QAction::triggered, this, command.run);
    // Selecting another user's rows in the property list changes what Email copies.
    connect(m_panes.list.selectionModel(), &QItemSelectionModel::selectionChanged, this, &CopyCommands::updateState);
}

std::optional<QString> CopyCommands::selectedText(FieldRole role) const
{
    const CQuorrilView& tree = m_panes.tree;
    if (!tree.canEditAccount())
        return std::nullopt;
    const AccountRecord* account = m_doc.FindAccount(CQuorrilView::nodeAccountId(tree.selectedNode()));
    if (!account)
        return std::nullopt;
    const CAccountView& list = m_panes.list;
    const int user = qMax(0, list.rowUser(list.selectedRow()));
    std::optional<QString> text = AccountRoles::textOf(*account, role, user);
    if (!text || text->isEmpty())
        return std::nullopt;
    return text;
}

void CopyCommands::updateState()
{
    for (const RoleCommand& command : kCommands)
        m_actions.value(command.id)->setEnabled(selectedText(command.role).has_value());
}

void CopyCommands::showStatus(const QString& message) { m_statusBar.showMessage(message, kStatusMilliseconds); }

void CopyCommands::copy(FieldRole role)
{
    // A command run while it was greyed (a queued trigger) leaves the user's clipboard alone.
    if (const std::optional<QString> text = selectedText(role))
        showStatus(m_clipboard.copy(*text));
    else
        showStatus(tr("Nothing to copy."));
}

void CopyCommands::OnCopyPassword() { copy(FieldRole::CopyTarget); }

void CopyCommands::OnCopyUserName() { copy(FieldRole::UserName); }

void CopyCommands::OnOpenUrl()
{
    const OpenableUrl::Result address = OpenableUrl::fromText(selectedText(FieldRole::Url).value_or(QString()));
    switch (address.verdict) {
    case OpenableUrl::Verdict::Empty:
        showStatus(tr("Nothing to open."));
        break;
    case OpenableUrl::Verdict::Refused:
        m_prompts.notice(tr("This URL is not opened: only http, https and ftp addresses with a host name are "
                            "opened from a wallet."));
        break;
    case OpenableUrl::Verdict::Open:
        if (!m_openUrl(address.url)) {
            QApplication::beep();
            showStatus(tr("The URL could not be opened."));
        }
        break;
    }
}

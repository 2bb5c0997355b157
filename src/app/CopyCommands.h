#pragma once

#include "app/CommandActions.h"
#include "core/AccountFields.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class CAccountView;
class CQuorrilDoc;
class CQuorrilView;
class QStatusBar;
class SecretClipboard;
class UiPrompts;

// Copy Password, Copy User Name and Open URL, in the Account menu and the tree's context menu. They
// act on the account selected in the tree, whichever pane has the focus; for a type that lists its
// users (Email), on the user whose rows are selected in the property list, or else the first user.
// Each reads the field with its role (CopyTarget, UserName, Url) from the field tables, and is
// available only while that field holds something and the wallet is unlocked. What they copy goes
// through the window's one SecretClipboard.
class CopyCommands : public QObject {
    Q_OBJECT
public:
    using UrlOpener = std::function<bool(const QUrl&)>;

    struct Panes {
        CQuorrilView& tree;
        CAccountView& list;
    };

    CopyCommands(CQuorrilDoc& document, UiPrompts& prompts, const CommandActions& actions, Panes panes,
        SecretClipboard& clipboard, QStatusBar& statusBar, QObject* parent);

    void updateState();
    // What hands an address to the browser: the desktop's, unless a test puts another.
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

    void OnCopyPassword();
    void OnCopyUserName();
    void OnOpenUrl();

private:
    // The text of the selected account's field with the role, for its selected user; nothing when
    // the wallet is locked, no account is selected, or the field is missing or empty.
    std::optional<QString> selectedText(FieldRole role) const;
    void copy(FieldRole role);
    void showStatus(const QString& message);

    CQuorrilDoc& m_doc;
    UiPrompts& m_prompts;
    const CommandActions& m_actions;
    Panes m_panes;
    SecretClipboard& m_clipboard;
    QStatusBar& m_statusBar;
    UrlOpener m_openUrl;
};

#pragma once

#include <QObject>
#include <QString>

#include <optional>

class CMainFrame;
class FindBar;
class SecretClipboard;

// The View menu (Find, Show Secrets) and the commands that copy or make secrets: Copy in the
// property list, Copy Password and Generate Password in the Account menu. Whatever they copy goes
// through one SecretClipboard, which the status bar reports on and which is cleared on lock and
// on exit.
class ViewCommands : public QObject {
    Q_OBJECT
public:
    ViewCommands(CMainFrame& frame, FindBar& findBar);

    void updateState();
    SecretClipboard& clipboard() const { return *m_clipboard; }

    void OnCopyPassword();
    void OnCopyValue();
    void OnGeneratePassword();

private:
    // The secret Copy Password would copy now, if it is available.
    std::optional<QString> passwordToCopy() const;
    void copy(const QString& text);
    void resetShowSecrets();

    CMainFrame& m_frame;
    FindBar& m_findBar;
    SecretClipboard* m_clipboard;
};

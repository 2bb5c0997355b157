#pragma once

#include <QObject>
#include <QString>

#include <optional>

class CMainFrame;
class FindBar;
class SecretClipboard;

// The View menu (Find, Show Secrets), Copy in the property list and Generate Password in the
// Account menu. They own the window's one SecretClipboard, through which every copy goes (Copy
// Password and Copy User Name too), which the status bar reports on and which is cleared on lock
// and on exit.
class ViewCommands : public QObject {
    Q_OBJECT
public:
    ViewCommands(CMainFrame& frame, FindBar& findBar);

    void updateState();
    SecretClipboard& clipboard() const { return *m_clipboard; }

    void OnCopyValue();
    void OnGeneratePassword();

private:
    void copy(const QString& text);
    void resetShowSecrets();

    CMainFrame& m_frame;
    FindBar& m_findBar;
    SecretClipboard* m_clipboard;
};

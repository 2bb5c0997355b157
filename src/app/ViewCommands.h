#pragma once

#include "app/CommandActions.h"

#include <QObject>
#include <QString>

#include <optional>

class CAccountView;
class CQuorrilDoc;
class FindBar;
class Preferences;
class QStatusBar;
class QWidget;
class SecretClipboard;

// The View menu (Find, Show Secrets), Copy in the property list and Generate Password in the
// Account menu. They own the window's one SecretClipboard, through which every copy goes (Copy
// Password and Copy User Name too), which the status bar reports on and which is cleared on lock
// and on exit.
class ViewCommands : public QObject {
    Q_OBJECT
public:
    // `window` is the parent of the generator's dialog.
    ViewCommands(CQuorrilDoc& document, Preferences& preferences, const CommandActions& actions, CAccountView& list,
        FindBar& findBar, QStatusBar& statusBar, QWidget& window);

    void updateState();
    SecretClipboard& clipboard() const { return *m_clipboard; }

    void OnCopyValue();
    void OnGeneratePassword();

private:
    void copy(const QString& text);
    void resetShowSecrets();

    CQuorrilDoc& m_doc;
    Preferences& m_preferences;
    const CommandActions& m_actions;
    CAccountView& m_list;
    FindBar& m_findBar;
    QStatusBar& m_statusBar;
    QWidget& m_window;
    SecretClipboard* m_clipboard;
};

#pragma once

#include "app/CommandActions.h"
#include "core/AccountId.h"

#include <QObject>

class AccountCommands;
class CQuorrilDoc;
class CQuorrilView;
class QWidget;

// View > Expiring… with its list, and the status-bar note, when a wallet is opened or unlocked, of
// how many of its dates fall due within 30 days (and, in the same note, how many of its passwords
// are weak or reused: HealthCommands tells). A double-click in the list opens the account's
// dialog as Account > Properties does.
class ExpiringCommands : public QObject {
    Q_OBJECT
public:
    // `window` is the parent of the list's dialog.
    ExpiringCommands(CQuorrilDoc& document, CQuorrilView& tree, AccountCommands& accountCommands,
        const CommandActions& actions, QWidget& window);

    void OnViewExpiring();
    // Selects the account in the tree and runs Properties on it.
    void openAccount(AccountId id);
    // The password health part of the note ("3 weak or reused passwords (View > Password
    // Health…)"), shown after the expiring part; empty for none.
    void setHealthNote(const QString& note);

Q_SIGNALS:
    // The whole note changed: what the message pane shows at rest (empty for none).
    void noteChanged(const QString& note);

private:
    void showNote();
    void showNotes();

    CQuorrilDoc& m_doc;
    CQuorrilView& m_tree;
    AccountCommands& m_accountCommands;
    QWidget& m_window;
    QString m_expiringNote;
    QString m_healthNote;
};

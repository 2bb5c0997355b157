#pragma once

#include "core/AccountId.h"

#include <QDate>
#include <QObject>

#include <functional>

class CMainFrame;

// View > Expiring… with its list, and the status-bar note, when a wallet is opened or unlocked, of
// how many of its dates fall due within 30 days (and, in the same note, how many of its passwords
// are weak or reused: HealthCommands tells). A double-click in the list opens the account's
// dialog as Account > Properties does.
class ExpiringCommands : public QObject {
    Q_OBJECT
public:
    explicit ExpiringCommands(CMainFrame& frame);

    void OnViewExpiring();
    // Selects the account in the tree and runs Properties on it.
    void openAccount(AccountId id);
    // A calendar of the test's own.
    // The password health part of the note ("3 weak or reused passwords (View > Password
    // Health…)"), shown after the expiring part; empty for none.
    void setHealthNote(const QString& note);

private:
    void showNote();
    void showNotes();

    CMainFrame& m_frame;
    QString m_expiringNote;
    QString m_healthNote;
};

#pragma once

#include <QObject>

#include <optional>

class CMainFrame;
class IdleWatcher;
class Preferences;

// Locks the document without being asked: after the minutes of Security/AutoLockMinutes without
// input, when the desktop's screen locks, and (Security/LockOnMinimize) when the window is
// minimised. Each goes through the Lock Document command, so it locks only a document with a
// password, and whatever follows a lock (the clipboard cleared) follows here too. Account dialogs
// that are open are cancelled first, with any message box they show, so nothing typed there is
// stored. A password prompt is never interrupted: an idle lock is dropped while one is open (the
// input that closes it starts the idle time again), a screen or minimise lock waits until it has
// closed.
class AutoLock : public QObject {
    Q_OBJECT
public:
    enum class Reason { Idle, ScreenLocked, Minimized };

    AutoLock(CMainFrame& frame, Preferences& preferences);

    IdleWatcher& idleWatcher() const { return *m_idle; }
    // Locks for the reason as described above; the status bar then says why.
    void lockFor(Reason reason);
    // The status-bar text after a lock for the reason.
    static QString statusText(Reason reason, int idleMinutes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followPreferences();
    void cancelAccountDialogs();
    void retryPending();
    static bool passwordPromptOpen();

    CMainFrame& m_frame;
    Preferences& m_preferences;
    IdleWatcher* m_idle = nullptr;
    std::optional<Reason> m_pending;
    QString m_shownText;
};

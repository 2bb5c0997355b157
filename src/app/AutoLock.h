#pragma once

#include <QObject>

#include <optional>

class CQuorrilDoc;
class IdleWatcher;
class Preferences;
class QAction;
class QLabel;
class QWidget;
class UiPrompts;

// Locks the document without being asked: after the minutes of Security/AutoLockMinutes without
// input, when the desktop's screen locks, and (Security/LockOnMinimize) when the window is
// minimised. Each goes through the Lock Document command, so it locks only a document with a
// password, and whatever follows a lock follows here too: the clipboard cleared, every prompt
// answered Cancel or No, every window of account data closed by the command that opened it. A
// password prompt open when a lock falls is answered Cancel first, and the lock falls as soon as
// the command that asked has let go of it. The Unlock prompt is the one left alone: its document
// is locked already.
class AutoLock : public QObject {
    Q_OBJECT
public:
    enum class Reason { Idle, ScreenLocked, Minimized };

    // `window` is watched for minimising; `messagePane` says why the document locked.
    AutoLock(CQuorrilDoc& document, UiPrompts& prompts, Preferences& preferences, QAction& lockCommand, QWidget& window,
        QLabel& messagePane);

    IdleWatcher& idleWatcher() const { return *m_idle; }
    // Locks for the reason as described above; the status bar then says why.
    void lockFor(Reason reason);
    // The status-bar text after a lock for the reason.
    static QString statusText(Reason reason, int idleMinutes);

Q_SIGNALS:
    // The document unlocked while the message pane still said why it locked: the pane may rest.
    void noteDone();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followPreferences();
    void retryPending();

    CQuorrilDoc& m_doc;
    UiPrompts& m_prompts;
    Preferences& m_preferences;
    QAction& m_lockCommand;
    QWidget& m_window;
    QLabel& m_messagePane;
    IdleWatcher* m_idle = nullptr;
    std::optional<Reason> m_pending;
    QString m_shownText;
};

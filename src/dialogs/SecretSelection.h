#pragma once

#include <QClipboard>
#include <QObject>

// Keeps the text of secret fields off the X PRIMARY selection, which any program reads with a
// middle click and which carries no "secret" hint. Qt's line edit offers no switch for it: it puts
// a selection on PRIMARY (mouse release, double and triple click, keyboard selection) only while it
// handles the event, and only when it shows its text (a password-mode edit never does). So the
// guard empties PRIMARY at once whenever it changes while a SecretEdit handles an event, and
// clear() empties it when it still holds text of an open secret field (the hook for the lock).
class SecretSelection : public QObject {
    Q_OBJECT
public:
    // The program's guard of PRIMARY, made with the first secret field (a child of the application).
    static SecretSelection& instance();
    // A guard of the given clipboard: tests watch the Clipboard, which every platform has.
    explicit SecretSelection(QClipboard::Mode mode, QObject* parent = nullptr);

    // Empties the watched selection when it holds text of a secret field that is open now.
    void clear();
    // How many times the guard emptied the selection.
    int clearCount() const { return m_clearCount; }

private:
    void changed(QClipboard::Mode mode);
    void empty();

    QClipboard::Mode m_mode;
    int m_clearCount = 0;
    bool m_emptying = false;
};

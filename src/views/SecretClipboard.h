#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

// Copies values to the system clipboard the way a wallet should: marked with the hint clipboard
// managers honour (MIME "x-kde-passwordManagerHint" = "secret", so they keep no history of it), and
// cleared again after the user's delay, on lock and on exit, but only while the clipboard still
// holds what was copied here: something the user copied since is left alone.
class SecretClipboard : public QObject {
    Q_OBJECT
public:
    static constexpr const char* HintFormat = "x-kde-passwordManagerHint";
    static constexpr const char* HintValue = "secret";

    // `clearSeconds` gives the delay at each copy (0: never cleared by time).
    explicit SecretClipboard(std::function<int()> clearSeconds, QObject* parent = nullptr);
    ~SecretClipboard() override;

    // Puts the text on the clipboard and returns what the status bar says about it.
    QString copy(const QString& text);
    // Empties the clipboard if it still holds the last copy.
    void clear();
    // Whether the clipboard still holds the last copy.
    bool holdsCopy() const;

    const QTimer& clearTimer() const { return m_timer; }

private:
    static QByteArray digest(const QString& text);

    std::function<int()> m_clearSeconds;
    QTimer m_timer;
    QByteArray m_copied; // a digest of the copy, so the value itself is not kept here
    bool m_held = false;
    bool m_setting = false;
};

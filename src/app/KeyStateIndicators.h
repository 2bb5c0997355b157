#pragma once

#include <QObject>

#include <array>
#include <optional>

class QLabel;
class QStatusBar;

// The status bar's CAP, NUM and SCRL panes. Each shows its text while its lock key is on and is
// blank while it is off or while the platform cannot tell (only X11 reports the lock states).
class KeyStateIndicators : public QObject {
    Q_OBJECT
public:
    enum Key { CapsLock, NumLock, ScrollLock };

    explicit KeyStateIndicators(QStatusBar& statusBar);

    // Reads the lock states again and shows them.
    void refresh();
    QLabel* pane(Key key) const { return m_panes[size_t(key)]; }

private:
    static std::optional<bool> platformState(Key key);

    std::array<QLabel*, 3> m_panes {};
};

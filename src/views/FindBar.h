#pragma once

#include <QLineEdit>

class CQuorrilView;

// The find field above the account tree: as the user types, the tree shows only the matching
// accounts. Esc clears it and gives the focus back to the tree; Down goes to the tree too, and Enter
// selects the first match there.
class FindBar : public QLineEdit {
    Q_OBJECT
public:
    static constexpr const char* PlaceholderText = QT_TRANSLATE_NOOP("FindBar", "Find (Ctrl+F)");

    explicit FindBar(CQuorrilView& tree, QWidget* parent = nullptr);

    // Ctrl+F: the focus here, the text selected, so typing replaces it.
    void activate();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CQuorrilView& m_tree;
    bool m_followingTree = false;
};

#pragma once

#include <QList>
#include <QObject>

class CQuorrilDoc;
class CQuorrilView;
class QAction;
class QWidget;
class UiPrompts;

// The Edit menu: Undo and Redo of the document's steps, named after the step ("Undo Delete
// "Checking""), and Recently Deleted…, the accounts the history removed, with Restore. Undo and
// Redo are unavailable while the document is locked. Their keys act in the account panes only, so
// that a text field keeps its own Ctrl+Z. After a step of one account, that account is selected.
class EditCommands : public QObject {
    Q_OBJECT
public:
    struct Actions {
        QAction* undo;
        QAction* redo;
        QAction* recentlyDeleted;
    };

    // `panes` are the widgets in which the keys of Undo and Redo act (with their children).
    EditCommands(CQuorrilDoc& document, CQuorrilView& tree, UiPrompts& prompts, const Actions& actions,
        const QList<QWidget*>& panes, QWidget& window);

    void OnEditUndo();
    void OnEditRedo();
    void OnRecentlyDeleted();
    // Puts the deleted account back and selects it; a title its type has now is refused with the
    // New command's message.
    bool restore(qint32 accountId);

    void updateState();

private:
    // Selects the account of a step that changed one account, when it is there after the step.
    void selectAfter(qint32 accountId);

    CQuorrilDoc& m_doc;
    CQuorrilView& m_tree;
    UiPrompts& m_prompts;
    Actions m_actions;
    QWidget& m_window;
};

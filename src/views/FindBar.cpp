#include "views/FindBar.h"

#include "views/QuorrilView.h"

#include <QAction>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QToolButton>

FindBar::FindBar(CQuorrilView& tree, QWidget* parent)
    : QLineEdit(parent)
    , m_tree(tree)
{
    setObjectName(QStringLiteral("findBar"));
    setPlaceholderText(tr(PlaceholderText));
    setAccessibleName(tr("Find"));
    setClearButtonEnabled(true);
    // The clear button is named for screen readers (its picture alone says nothing to them).
    if (auto* clear = findChild<QAction*>(QStringLiteral("_q_qlineeditclearaction"))) {
        clear->setText(tr("Clear the find text"));
        clear->setToolTip(clear->text());
        for (QToolButton* button : findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
            button->setAccessibleName(clear->text());
    }
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_followingTree)
            m_tree.setFindText(text);
    });
    // The tree ends a search itself when a new document comes or a hidden account must show. The
    // text changes as typing would change it, so the clear button goes with the text.
    connect(&m_tree, &CQuorrilView::findTextChanged, this, [this](const QString& text) {
        const QScopedValueRollback following(m_followingTree, true);
        setText(text);
    });
}

void FindBar::activate()
{
    setFocus(Qt::ShortcutFocusReason);
    selectAll();
}

void FindBar::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        clear();
        m_tree.setFocus(Qt::ShortcutFocusReason);
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The first match, with its rows in the property list.
        m_tree.selectFirstMatch();
        m_tree.setFocus(Qt::ShortcutFocusReason);
        event->accept();
        return;
    case Qt::Key_Down:
        m_tree.setFocus(Qt::ShortcutFocusReason);
        event->accept();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

#include "views/FindBar.h"

#include "views/QuorrilView.h"

#include <QKeyEvent>
#include <QSignalBlocker>

FindBar::FindBar(CQuorrilView& tree, QWidget* parent)
    : QLineEdit(parent)
    , m_tree(tree)
{
    setObjectName(QStringLiteral("findBar"));
    setPlaceholderText(QString::fromUtf8(PlaceholderText));
    setClearButtonEnabled(true);
    connect(this, &QLineEdit::textChanged, &m_tree, &CQuorrilView::setFindText);
    // The tree ends a search itself when a new document comes or a hidden account must show.
    connect(&m_tree, &CQuorrilView::findTextChanged, this, [this](const QString& text) {
        const QSignalBlocker blocker(this);
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
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_tree.setFocus(Qt::ShortcutFocusReason);
        event->accept();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include <optional>

// What a keyboard or screen-reader user gets of a window: the mnemonic letters of its entries, the
// focus chain that Tab walks, and the names a screen reader speaks.
namespace KeyboardReach {

// The letter after a single '&' ("Save &As..." gives 'a'); nothing when the text has none ("&&" is a
// plain ampersand).
inline std::optional<QChar> mnemonic(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return std::nullopt;
}

// The letters of the menu's entries that have one, and the first that two entries share (or none).
inline std::optional<QChar> clash(const QList<QString>& texts)
{
    QList<QChar> seen;
    for (const QString& text : texts)
        if (const std::optional<QChar> letter = mnemonic(text)) {
            if (seen.contains(*letter))
                return letter;
            seen.append(*letter);
        }
    return std::nullopt;
}

inline QList<QString> entryTexts(const QMenu& menu)
{
    QList<QString> texts;
    for (const QAction* action : menu.actions())
        if (!action->isSeparator() && action->isVisible())
            texts.append(action->text());
    return texts;
}

// The texts that give a dialog's controls their letters: buttons and check boxes, and the labels
// that lead to a control.
inline QList<QString> controlTexts(const QWidget& dialog)
{
    QList<QString> texts;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->isVisibleTo(&dialog) && button->focusPolicy() != Qt::NoFocus)
            texts.append(button->text());
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() && label->isVisibleTo(&dialog))
            texts.append(label->text());
    return texts;
}

// The widget that owns the focus widget among the given ones (a spin box for its inner edit).
inline QWidget* owner(QWidget* focus, const QList<QWidget*>& among)
{
    for (QWidget* widget = focus; widget; widget = widget->parentWidget())
        if (among.contains(widget))
            return widget;
    return focus;
}

// The widgets Tab reaches from the focused one, in order, until the focus comes back to where it
// started or `limit` presses have gone by. Compare with the expected list, whose first entry has the
// focus.
inline QList<QWidget*> tabWalk(const QList<QWidget*>& expected, int limit = 40)
{
    QList<QWidget*> reached;
    QWidget* start = owner(QApplication::focusWidget(), expected);
    reached.append(start);
    for (int press = 0; press < limit; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = owner(QApplication::focusWidget(), expected);
        if (now == start)
            break;
        reached.append(now);
    }
    return reached;
}

} // namespace KeyboardReach

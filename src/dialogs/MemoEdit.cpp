#include "dialogs/MemoEdit.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextDocument>

MemoEdit::MemoEdit(bool horizontalScrollBar, QWidget* parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(horizontalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void MemoEdit::setText(const QString& text)
{
    m_given = text;
    setPlainText(text);
    m_givenShown = shownText();
}

QString MemoEdit::shownText() const
{
    // toRawText keeps every character (toPlainText would turn no-break spaces into blanks); blocks
    // are separated by U+2029.
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, u'\n');
    return raw;
}

QString MemoEdit::text() const
{
    QString shown = shownText();
    if (shown == m_givenShown)
        return m_given;
    // A memo's text breaks its lines with CR LF, as the classic edit hands its text over and as
    // the wallets it writes hold them.
    shown.replace(u'\n', QLatin1String("\r\n"));
    return shown;
}

void MemoEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (event->modifiers() & Qt::ControlModifier) {
            insertPlainText(QStringLiteral("\n"));
            event->accept();
        } else {
            event->ignore(); // the dialog presses its default button
        }
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

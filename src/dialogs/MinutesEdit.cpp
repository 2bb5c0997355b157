#include "dialogs/MinutesEdit.h"

#include "dialogs/NumberText.h"

#include <QApplication>
#include <QKeyEvent>

MinutesEdit::MinutesEdit(QWidget* parent)
    : TextEdit(parent)
{
}

void MinutesEdit::setValue(qint32 value) { setText(QString::number(value)); }

std::optional<qint32> MinutesEdit::value() const { return NumberText::parseInteger(text()); }

void MinutesEdit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.front().isPrint();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (printable && !shortcut) {
        for (QChar c : typed) {
            if (c < u'0' || c > u'9') {
                QApplication::beep();
                event->accept();
                return;
            }
        }
    }
    TextEdit::keyPressEvent(event);
}

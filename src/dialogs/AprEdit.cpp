#include "dialogs/AprEdit.h"

#include "dialogs/NumberText.h"

AprEdit::AprEdit(QWidget* parent)
    : TextEdit(parent)
{
    setAlignment(Qt::AlignRight);
}

void AprEdit::setValue(double value)
{
    m_given = value;
    m_shown = NumberText::formatDecimal(value);
    setText(m_shown);
}

std::optional<double> AprEdit::value() const
{
    if (text() == m_shown)
        return m_given;
    return NumberText::parseDecimal(text());
}

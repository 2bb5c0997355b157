#include "dialogs/TextEdit.h"

#include <limits>

TextEdit::TextEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
}

#include "dialogs/UpperCaseEdit.h"

#include <QValidator>

namespace {
// Accepts every text, in upper case. QLineEdit runs it on each edit, but not on setText().
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};
} // namespace

UpperCaseEdit::UpperCaseEdit(QWidget* parent)
    : TextEdit(parent)
{
    setValidator(new UpperCaseValidator(this));
}

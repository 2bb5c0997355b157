#include "dialogs/ClampedSpinBox.h"

ClampedSpinBox::ClampedSpinBox(QWidget* parent)
    : QSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State ClampedSpinBox::validate(QString& input, int& pos) const
{
    // Only the number between prefix and suffix is looked at; a special value text is left alone.
    QString number = input;
    if (number.startsWith(prefix()))
        number.remove(0, prefix().size());
    if (!suffix().isEmpty() && number.endsWith(suffix()))
        number.chop(suffix().size());
    bool ok = false;
    const qlonglong typed = number.trimmed().toLongLong(&ok);
    if (ok && typed > maximum()) {
        input = prefix() + textFromValue(maximum()) + suffix();
        pos = int(input.size() - suffix().size());
        return QValidator::Acceptable;
    }
    return QSpinBox::validate(input, pos);
}

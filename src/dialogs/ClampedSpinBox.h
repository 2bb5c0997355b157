#pragma once

#include <QSpinBox>

// A spin box that takes a typed number beyond its range and shows the bound it uses instead,
// as the digits are typed: 200 typed where 128 is the most becomes 128 in the field, never a
// silent 20. A number below the lowest is brought up to it when the field is left.
class ClampedSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit ClampedSpinBox(QWidget* parent = nullptr);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
};

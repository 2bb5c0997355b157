#pragma once

#include "dialogs/TextEdit.h"

#include <optional>

// The right-aligned decimal edit. A number that the user leaves untouched comes back exactly as it
// was given, even when its shown form (15 significant digits) would read back as another double.
class AprEdit : public TextEdit {
    Q_OBJECT
public:
    explicit AprEdit(QWidget* parent = nullptr);

    void setValue(double value);
    // The number, or nothing when the text does not read as one.
    std::optional<double> value() const;

private:
    double m_given = 0.0;
    QString m_shown;
};

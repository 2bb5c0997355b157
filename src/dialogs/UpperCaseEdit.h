#pragma once

#include "dialogs/TextEdit.h"

// A one-line edit that turns the letters the user types or pastes into upper case. A text set by
// the program is shown as it is.
class UpperCaseEdit : public TextEdit {
    Q_OBJECT
public:
    explicit UpperCaseEdit(QWidget* parent = nullptr);
};

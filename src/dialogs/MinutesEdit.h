#pragma once

#include "dialogs/TextEdit.h"

#include <optional>

// The whole-number edit: the keyboard types digits only; the number is read back when the dialog
// takes its fields (a pasted or emptied text can still fail to read).
class MinutesEdit : public TextEdit {
    Q_OBJECT
public:
    explicit MinutesEdit(QWidget* parent = nullptr);

    void setValue(qint32 value);
    // The number shown, or nothing when the text does not read as a 32-bit integer.
    std::optional<qint32> value() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

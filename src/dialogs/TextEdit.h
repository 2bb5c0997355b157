#pragma once

#include <QLineEdit>

// A one-line edit without a length limit (QLineEdit would cut a text at 32767 characters), scrolling
// horizontally and showing every character as it is.
class TextEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TextEdit(QWidget* parent = nullptr);
};

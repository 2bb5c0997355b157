#pragma once

#include <QComboBox>

// An editable combo box over a preset list shown sorted (ignoring case). The user may pick an item
// or type any text; the text of the edit field is the value.
class TypeBox : public QComboBox {
    Q_OBJECT
public:
    TypeBox(const QStringList& items, QWidget* parent = nullptr);

    // Selects the first item that begins with the text (ignoring case); when none does (or the text
    // is empty) shows the text with no item selected.
    void setText(const QString& text);
    QString text() const { return currentText(); }
    // The text of the selected list item; empty when none is selected.
    QString selectedItemText() const;
};

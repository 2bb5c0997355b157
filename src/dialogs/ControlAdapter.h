#pragma once

#include "core/AccountFields.h"
#include "dialogs/DialogTable.h"

class Prompts;
class QWidget;
class TableAccountDialog;

// Everything the dialog engine does with one kind of control: make its widget, give the field it
// starts with, and transfer between the widget and the field. Each ControlKind has one adapter in
// ControlAdapters.cpp; the engine asks the adapter and never looks at the kind itself.
class ControlAdapter {
public:
    virtual ~ControlAdapter() = default;

    // The adapter of the kind.
    static const ControlAdapter& of(ControlKind kind);

    // The widget of a table row, a child of the dialog (buttons connect themselves to it).
    virtual QWidget* create(const ControlSpec& row, TableAccountDialog& dialog) const = 0;
    // The field before an account is loaded; its type is that of the account field the control shows.
    virtual FieldValue initialValue() const { return ScrambledText(); }
    // Control to field. False when the control's text does not read: the message has been shown,
    // the focus is on the control and the field keeps its value.
    virtual bool take(QWidget* widget, FieldValue& value, Prompts& prompts) const;
    // Field to control.
    virtual void show(QWidget* widget, const FieldValue& value) const;
    // Whether the field is a text the user types (checked for characters a file cannot hold).
    virtual bool holdsText() const { return false; }
    // Whether the row's text is a label above the control; otherwise it is the control's own text.
    virtual bool hasLabelAbove() const { return true; }
    // The control's height in dialog units: the table's, but a combo box's table height is that of
    // its drop-down list.
    virtual int height(const DialogPlace& place) const { return place.h; }
};

#pragma once

#include "core/AccountTypes.h"

#include <QtGlobal>

#include <span>

// What one account dialog is made of, as plain constant data: its controls in tab order (with the
// place of each in dialog units and the account field behind it), the order in which its fields are
// transferred and stored, and its required fields. TableAccountDialog builds and runs a dialog from
// such a table.

enum class ControlKind {
    Edit, // one-line text
    SecretEdit, // one-line text of a secret: dots unless shown, an eye button, never on PRIMARY
    Memo, // multi-line text; Enter presses the default button, Ctrl+Enter breaks the line
    MemoHScroll, // a memo with a horizontal scroll bar as well
    TypeBox, // editable combo box over a sorted preset list
    DatePicker, // short date with a calendar pop-up
    AprEdit, // right-aligned decimal number
    MinutesEdit, // digits-only whole number
    UpperEdit, // one-line text that turns typed letters into upper case
    CheckBox, // 0 or 1
    UsersBox, // drop-down list that is not editable (the Email users)
    PushButton, // a button handled by the dialog's own code
    OkButton, // id kIdOk
    CancelButton, // id kIdCancel
    GroupBox, // a frame with a caption
    Static, // a text of its own (not a label above a control)
};

// The ids of the OK and Cancel buttons in every table.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

// A place in dialog units.
struct DialogPlace {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

struct ControlSpec {
    int id = 0;
    ControlKind kind = ControlKind::Edit;
    // The label above the control; for buttons, check boxes, group boxes and statics their own text.
    const char* text = nullptr;
    DialogPlace place;
    // "title" for the account title, otherwise the field name of the account type's layout; null for
    // a control whose field the dialog keeps to itself.
    const char* field = nullptr;
    // The preset list of a type box, in template order (the box shows it sorted).
    std::span<const char* const> items = {};
    // The text a new account starts with (type boxes: the list item to select).
    const char* newText = nullptr;
    // The control id of the label above, for labels the dialog rewrites; 0 otherwise.
    int labelId = 0;
    // The width of the label above when it differs from the control's.
    int labelWidth = 0;
    // The field of a user entry (a name of UserEntry::Layout()) that the control edits: the Email
    // dialog's user editor, which the dialog fills and stores itself. Null for other controls.
    const char* userField = nullptr;
};

// One line of the required-fields message: the field is missing when every control named is empty
// (two controls for an either-or requirement).
struct RequiredLine {
    const char* line;
    int controls[2];
};

struct DialogSpec {
    AccountType type;
    const char* caption;
    const char* icon; // resource path of the type icon
    int width; // dialog units
    int height;
    std::span<const ControlSpec> controls; // tab order
    std::span<const int> exchangeOrder; // control ids, the order of every transfer
    std::span<const int> storeOrder; // control ids stored after the title
    std::span<const RequiredLine> required; // check and message order
    bool hasDefaultButton = true;
};

#include "dialogs/ControlAdapter.h"

#include "dialogs/AprEdit.h"
#include "dialogs/DatePicker.h"
#include "dialogs/MemoEdit.h"
#include "dialogs/MinutesEdit.h"
#include "dialogs/SecretEdit.h"
#include "dialogs/TableAccountDialog.h"
#include "dialogs/TypeBox.h"
#include "dialogs/UpperCaseEdit.h"
#include "document/Prompts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

bool ControlAdapter::take(QWidget*, FieldValue&, Prompts&) const { return true; }

void ControlAdapter::show(QWidget*, const FieldValue&) const { }

namespace {
// Height of the edit field of a combo box.
constexpr int kComboHeight = 12;

QString ownText(const ControlSpec& row) { return row.text ? TableAccountDialog::tr(row.text) : QString(); }

const QString& textOf(const FieldValue& value) { return std::get<ScrambledText>(value).text(); }

// A number that does not read: the message, and the text selected for typing it again.
bool refuse(QLineEdit* edit, Prompts& prompts, const QString& message)
{
    prompts.notice(message);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    return false;
}

// Edit, SecretEdit and UpperEdit: one line of text.
template <class Edit> class LineAdapter final : public ControlAdapter {
public:
    QWidget* create(const ControlSpec&, TableAccountDialog& dialog) const override { return new Edit(&dialog); }
    bool take(QWidget* widget, FieldValue& value, Prompts&) const override
    {
        value = ScrambledText(static_cast<Edit*>(widget)->text());
        return true;
    }
    void show(QWidget* widget, const FieldValue& value) const override
    {
        auto* edit = static_cast<Edit*>(widget);
        edit->setText(textOf(value));
        edit->setCursorPosition(0);
    }
    bool holdsText() const override { return true; }
};

// Memo and MemoHScroll: several lines of text.
class MemoAdapter final : public ControlAdapter {
public:
    explicit MemoAdapter(bool horizontalScrollBar)
        : m_horizontalScrollBar(horizontalScrollBar)
    {
    }
    QWidget* create(const ControlSpec&, TableAccountDialog& dialog) const override
    {
        return new MemoEdit(m_horizontalScrollBar, &dialog);
    }
    bool take(QWidget* widget, FieldValue& value, Prompts&) const override
    {
        value = ScrambledText(static_cast<MemoEdit*>(widget)->text());
        return true;
    }
    void show(QWidget* widget, const FieldValue& value) const override
    {
        static_cast<MemoEdit*>(widget)->setText(textOf(value));
    }
    bool holdsText() const override { return true; }

private:
    const bool m_horizontalScrollBar;
};

class TypeBoxAdapter final : public ControlAdapter {
public:
    QWidget* create(const ControlSpec& row, TableAccountDialog& dialog) const override
    {
        // The items are stored as they are: they stay untranslated.
        QStringList items;
        for (const char* item : row.items)
            items << QString::fromUtf8(item);
        return new TypeBox(items, &dialog);
    }
    bool take(QWidget* widget, FieldValue& value, Prompts&) const override
    {
        value = ScrambledText(static_cast<TypeBox*>(widget)->text());
        return true;
    }
    void show(QWidget* widget, const FieldValue& value) const override
    {
        static_cast<TypeBox*>(widget)->setText(textOf(value));
    }
    bool holdsText() const override { return true; }
    int height(const DialogPlace&) const override { return kComboHeight; }
};

class DateAdapter final : public ControlAdapter {
public:
    QWidget* create(const ControlSpec&, TableAccountDialog& dialog) const override { return new DatePicker(&dialog); }
    FieldValue initialValue() const override { return OleDateTime::GetCurrentTime(); }
    bool take(QWidget* widget, FieldValue& value, Prompts&) const override
    {
        value = static_cast<DatePicker*>(widget)->value();
        return true;
    }
    void show(QWidget* widget, const FieldValue& value) const override
    {
        static_cast<DatePicker*>(widget)->setValue(std::get<OleDateTime>(value));
    }
};

class AprAdapter final : public ControlAdapter {
public:
    QWidget* create(const ControlSpec&, TableAccountDialog& dialog) const override { return new AprEdit(&dialog); }
    FieldValue initialValue() const override { return 0.0; }
    bool take(QWidget* widget, FieldValue& value, Prompts& prompts) const override
    {
        auto* edit = static_cast<AprEdit*>(widget);
        const std::optional<double> number = edit->value();
        if (!number)
            return refuse(edit, prompts, QCoreApplication::translate("ControlAdapter", "Please enter a number."));
        value = *number;
        return true;
    }
    void show(QWidget* widget, const FieldValue& value) const override
    {
        static_cast<AprEdit*>(widget)->setValue(std::get<double>(value));
    }
};

class MinutesAdapter final : public ControlAdapter {
public:
    QWidget* create(const ControlSpec&, TableAccountDialog& dialog) const override { return new MinutesEdit(&dialog); }
    FieldValue initialValue() const override { return qint32(0); }
    bool take(QWidget* widget, FieldValue& value, Prompts& prompts) const override
    {
        auto* edit = static_cast<MinutesEdit*>(widget);
        const std::optional<qint32> number = edit->value();
        if (!number)
            return refuse(edit, prompts, QCoreApplication::translate("ControlAdapter", "Please enter an integer."));
        value = *number;
        return true;
    }
    void show(QWidget* widget, const FieldValue& value) const override
    {
        static_cast<MinutesEdit*>(widget)->setValue(std::get<qint32>(value));
    }
};

// 0 or 1.
class CheckBoxAdapter final : public ControlAdapter {
public:
    QWidget* create(const ControlSpec& row, TableAccountDialog& dialog) const override
    {
        return new QCheckBox(ownText(row), &dialog);
    }
    FieldValue initialValue() const override { return qint32(0); }
    bool take(QWidget* widget, FieldValue& value, Prompts&) const override
    {
        value = qint32(static_cast<QCheckBox*>(widget)->isChecked() ? 1 : 0);
        return true;
    }
    void show(QWidget* widget, const FieldValue& value) const override
    {
        static_cast<QCheckBox*>(widget)->setChecked(std::get<qint32>(value) == 1);
    }
    bool hasLabelAbove() const override { return false; }
};

// A drop-down list the dialog fills and reads itself.
class UsersBoxAdapter final : public ControlAdapter {
public:
    QWidget* create(const ControlSpec&, TableAccountDialog& dialog) const override { return new QComboBox(&dialog); }
    int height(const DialogPlace&) const override { return kComboHeight; }
};

// PushButton, OkButton and CancelButton.
class ButtonAdapter final : public ControlAdapter {
public:
    enum class Role { Own, Ok, Cancel };
    explicit ButtonAdapter(Role role)
        : m_role(role)
    {
    }
    QWidget* create(const ControlSpec& row, TableAccountDialog& dialog) const override
    {
        auto* button = new QPushButton(ownText(row), &dialog);
        const bool hasDefault = dialog.table().hasDefaultButton;
        // Without a default button no button may become one by taking the focus either.
        button->setAutoDefault(hasDefault);
        if (m_role == Role::Ok) {
            button->setDefault(hasDefault);
            QObject::connect(button, &QPushButton::clicked, &dialog, &TableAccountDialog::OnOK);
        } else if (m_role == Role::Cancel) {
            QObject::connect(button, &QPushButton::clicked, &dialog, &TableAccountDialog::reject);
        }
        return button;
    }
    bool hasLabelAbove() const override { return false; }

private:
    const Role m_role;
};

class GroupBoxAdapter final : public ControlAdapter {
public:
    QWidget* create(const ControlSpec& row, TableAccountDialog& dialog) const override
    {
        return new QGroupBox(ownText(row), &dialog);
    }
    bool hasLabelAbove() const override { return false; }
};

class StaticAdapter final : public ControlAdapter {
public:
    QWidget* create(const ControlSpec& row, TableAccountDialog& dialog) const override
    {
        return new QLabel(ownText(row), &dialog);
    }
    bool hasLabelAbove() const override { return false; }
};
} // namespace

const ControlAdapter& ControlAdapter::of(ControlKind kind)
{
    static const LineAdapter<TextEdit> edit;
    static const LineAdapter<SecretEdit> secretEdit;
    static const MemoAdapter memo(false);
    static const MemoAdapter memoHScroll(true);
    static const TypeBoxAdapter typeBox;
    static const DateAdapter datePicker;
    static const AprAdapter apr;
    static const MinutesAdapter minutes;
    static const LineAdapter<UpperCaseEdit> upperEdit;
    static const CheckBoxAdapter checkBox;
    static const UsersBoxAdapter usersBox;
    static const ButtonAdapter pushButton(ButtonAdapter::Role::Own);
    static const ButtonAdapter okButton(ButtonAdapter::Role::Ok);
    static const ButtonAdapter cancelButton(ButtonAdapter::Role::Cancel);
    static const GroupBoxAdapter groupBox;
    static const StaticAdapter staticText;
    // No default: the compiler names a new kind that has no adapter yet.
    switch (kind) {
    case ControlKind::Edit:
        return edit;
    case ControlKind::SecretEdit:
        return secretEdit;
    case ControlKind::Memo:
        return memo;
    case ControlKind::MemoHScroll:
        return memoHScroll;
    case ControlKind::TypeBox:
        return typeBox;
    case ControlKind::DatePicker:
        return datePicker;
    case ControlKind::AprEdit:
        return apr;
    case ControlKind::MinutesEdit:
        return minutes;
    case ControlKind::UpperEdit:
        return upperEdit;
    case ControlKind::CheckBox:
        return checkBox;
    case ControlKind::UsersBox:
        return usersBox;
    case ControlKind::PushButton:
        return pushButton;
    case ControlKind::OkButton:
        return okButton;
    case ControlKind::CancelButton:
        return cancelButton;
    case ControlKind::GroupBox:
        return groupBox;
    case ControlKind::Static:
        return staticText;
    }
    Q_UNREACHABLE();
    return edit;
}

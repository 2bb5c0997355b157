#include "TableAccountDialog.h"

#include "AccountFactory.h"
#include "AprEdit.h"
#include "DatePicker.h"
#include "DialogResources.h"
#include "DialogUnits.h"
#include "MemoEdit.h"
#include "MinutesEdit.h"
#include "QuorrilDoc.h"
#include "TextEdit.h"
#include "TypeBox.h"
#include "UpperCaseEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {
// Height of the edit field of a combo box; the table's height is that of its drop-down list.
constexpr int kComboHeight = 12;
constexpr int kLabelHeight = 8;

FieldValue initialValue(ControlKind kind)
{
    switch (kind) {
    case ControlKind::DatePicker:
        return OleDateTime::GetCurrentTime();
    case ControlKind::AprEdit:
        return 0.0;
    case ControlKind::MinutesEdit:
    case ControlKind::CheckBox:
        return qint32(0);
    default:
        return ScrambledText();
    }
}

bool holdsText(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Edit:
    case ControlKind::Memo:
    case ControlKind::MemoHScroll:
    case ControlKind::TypeBox:
    case ControlKind::UpperEdit:
        return true;
    default:
        return false;
    }
}

bool hasLabelAbove(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::OkButton:
    case ControlKind::CancelButton:
    case ControlKind::CheckBox:
    case ControlKind::GroupBox:
    case ControlKind::Static:
        return false;
    default:
        return true;
    }
}

bool isTitle(const char* field) { return field && qstrcmp(field, "title") == 0; }

QString storableMessage(const QString& field, char16_t code)
{
    return QStringLiteral("The field \"%1\" holds the character U+%2, which cannot be stored in a Quorril "
                          "file.\n\nRemove it and try again.")
        .arg(field, QString::number(code, 16).toUpper());
}
} // namespace

TableAccountDialog::TableAccountDialog(
    const DialogSpec& table, CQuorrilDoc* document, qint32 accountId, QWidget* parent)
    : CAccountDialog(document, accountId, parent)
    , m_spec(table)
{
    initDialogResources();
    setWindowTitle(QString::fromUtf8(table.caption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    buildControls();
}

TableAccountDialog::~TableAccountDialog() = default;

void TableAccountDialog::buildControls()
{
    const DialogUnits units(font());
    setFixedSize(units.size(m_spec.width, m_spec.height));
    m_widgets.reserve(m_spec.controls.size());
    m_values.reserve(m_spec.controls.size());
    QWidget* previous = nullptr;
    for (const ControlSpec& row : m_spec.controls) {
        if (row.text && hasLabelAbove(row.kind)) {
            auto* above = new QLabel(QString::fromUtf8(row.text), this);
            const int width = row.labelWidth ? row.labelWidth : row.place.w;
            above->setGeometry(units.rect({ row.place.x, row.place.y - kLabelHeight, width, kLabelHeight }));
            m_labelAbove.insert(row.id, above);
            if (row.labelId)
                m_labels.insert(row.labelId, above);
        }
        QWidget* widget = createControl(row);
        DialogPlace place = row.place;
        if (row.kind == ControlKind::TypeBox || row.kind == ControlKind::UsersBox)
            place.h = kComboHeight;
        widget->setGeometry(units.rect(place));
        m_widgets.push_back(widget);
        m_values.push_back(initialValue(row.kind));
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previous)
                setTabOrder(previous, widget);
            previous = widget;
        }
    }
}

QWidget* TableAccountDialog::createControl(const ControlSpec& row)
{
    const QString text = row.text ? QString::fromUtf8(row.text) : QString();
    switch (row.kind) {
    case ControlKind::Edit:
        return new TextEdit(this);
    case ControlKind::Memo:
    case ControlKind::MemoHScroll:
        return new MemoEdit(row.kind == ControlKind::MemoHScroll, this);
    case ControlKind::TypeBox: {
        QStringList items;
        for (const char* item : row.items)
            items << QString::fromUtf8(item);
        return new TypeBox(items, this);
    }
    case ControlKind::DatePicker:
        return new DatePicker(this);
    case ControlKind::AprEdit:
        return new AprEdit(this);
    case ControlKind::MinutesEdit:
        return new MinutesEdit(this);
    case ControlKind::UpperEdit:
        return new UpperCaseEdit(this);
    case ControlKind::CheckBox:
        return new QCheckBox(text, this);
    case ControlKind::UsersBox:
        return new QComboBox(this);
    case ControlKind::PushButton:
    case ControlKind::OkButton:
    case ControlKind::CancelButton: {
        auto* button = new QPushButton(text, this);
        // Without a default button no button may become one by taking the focus either.
        button->setAutoDefault(m_spec.hasDefaultButton);
        if (row.kind == ControlKind::OkButton) {
            button->setDefault(m_spec.hasDefaultButton);
            connect(button, &QPushButton::clicked, this, &TableAccountDialog::OnOK);
        } else if (row.kind == ControlKind::CancelButton) {
            connect(button, &QPushButton::clicked, this, &TableAccountDialog::reject);
        }
        return button;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(text, this);
    case ControlKind::Static:
        return new QLabel(text, this);
    }
    return new QWidget(this);
}

int TableAccountDialog::rowOf(int id) const
{
    for (size_t row = 0; row < m_spec.controls.size(); ++row)
        if (m_spec.controls[row].id == id)
            return int(row);
    return -1;
}

QWidget* TableAccountDialog::control(int id) const
{
    const int row = rowOf(id);
    return row < 0 ? nullptr : m_widgets[size_t(row)];
}

const FieldValue& TableAccountDialog::fieldValue(int id) const
{
    const int row = rowOf(id);
    Q_ASSERT(row >= 0);
    return m_values[size_t(row)];
}

QString TableAccountDialog::fieldText(int id) const
{
    const FieldValue& value = fieldValue(id);
    if (const auto* text = std::get_if<ScrambledText>(&value))
        return text->text();
    return {};
}

void TableAccountDialog::setFieldValue(int id, const FieldValue& value)
{
    const int row = rowOf(id);
    if (row >= 0 && m_values[size_t(row)].index() == value.index())
        m_values[size_t(row)] = value;
}

Prompts& TableAccountDialog::prompts() const { return document()->prompts(); }

QString TableAccountDialog::fieldName(int row) const
{
    const QLabel* above = m_labelAbove.value(m_spec.controls[size_t(row)].id);
    QString name = above ? above->text() : QString::fromUtf8(m_spec.controls[size_t(row)].text);
    if (name.endsWith(u':'))
        name.chop(1);
    return name;
}

// --- transfer ---

bool TableAccountDialog::takeControl(int row)
{
    QWidget* widget = m_widgets[size_t(row)];
    FieldValue& value = m_values[size_t(row)];
    switch (m_spec.controls[size_t(row)].kind) {
    case ControlKind::Edit:
    case ControlKind::UpperEdit:
        value = ScrambledText(static_cast<QLineEdit*>(widget)->text());
        return true;
    case ControlKind::Memo:
    case ControlKind::MemoHScroll:
        value = ScrambledText(static_cast<MemoEdit*>(widget)->text());
        return true;
    case ControlKind::TypeBox:
        value = ScrambledText(static_cast<TypeBox*>(widget)->text());
        return true;
    case ControlKind::DatePicker:
        value = static_cast<DatePicker*>(widget)->value();
        return true;
    case ControlKind::CheckBox:
        value = qint32(static_cast<QCheckBox*>(widget)->isChecked() ? 1 : 0);
        return true;
    case ControlKind::AprEdit:
        if (const std::optional<double> number = static_cast<AprEdit*>(widget)->value()) {
            value = *number;
            return true;
        }
        prompts().notice(QStringLiteral("Please enter a number."));
        break;
    case ControlKind::MinutesEdit:
        if (const std::optional<qint32> number = static_cast<MinutesEdit*>(widget)->value()) {
            value = *number;
            return true;
        }
        prompts().notice(QStringLiteral("Please enter an integer."));
        break;
    default:
        return true;
    }
    widget->setFocus(Qt::OtherFocusReason);
    static_cast<QLineEdit*>(widget)->selectAll();
    return false;
}

void TableAccountDialog::showControl(int row)
{
    QWidget* widget = m_widgets[size_t(row)];
    const FieldValue& value = m_values[size_t(row)];
    switch (m_spec.controls[size_t(row)].kind) {
    case ControlKind::Edit:
    case ControlKind::UpperEdit:
        static_cast<QLineEdit*>(widget)->setText(std::get<ScrambledText>(value).text());
        static_cast<QLineEdit*>(widget)->setCursorPosition(0);
        break;
    case ControlKind::Memo:
    case ControlKind::MemoHScroll:
        static_cast<MemoEdit*>(widget)->setText(std::get<ScrambledText>(value).text());
        break;
    case ControlKind::TypeBox:
        static_cast<TypeBox*>(widget)->setText(std::get<ScrambledText>(value).text());
        break;
    case ControlKind::DatePicker:
        static_cast<DatePicker*>(widget)->setValue(std::get<OleDateTime>(value));
        break;
    case ControlKind::AprEdit:
        static_cast<AprEdit*>(widget)->setValue(std::get<double>(value));
        break;
    case ControlKind::MinutesEdit:
        static_cast<MinutesEdit*>(widget)->setValue(std::get<qint32>(value));
        break;
    case ControlKind::CheckBox:
        static_cast<QCheckBox*>(widget)->setChecked(std::get<qint32>(value) == 1);
        break;
    default:
        break;
    }
}

bool TableAccountDialog::UpdateData(bool saveAndValidate)
{
    for (int id : m_spec.exchangeOrder) {
        const int row = rowOf(id);
        if (row < 0)
            continue;
        if (!saveAndValidate)
            showControl(row);
        else if (!takeControl(row))
            return false;
    }
    return true;
}

// --- open ---

void TableAccountDialog::setVisible(bool visible)
{
    if (visible && !m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    CAccountDialog::setVisible(visible);
    if (visible) {
        for (QWidget* widget : m_widgets) {
            if (widget->focusPolicy() != Qt::NoFocus && widget->isEnabled()) {
                widget->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
}

void TableAccountDialog::OnInitDialog()
{
    UpdateData(false);
    setWindowIcon(QIcon(QString::fromUtf8(m_spec.icon)));
    LoadAccount();
    UpdateData(false);
    afterOpen();
}

void TableAccountDialog::LoadAccount()
{
    if (accountId() <= 0) {
        m_createdNew = true;
        m_newAccount = createAccount(m_spec.type, document()->NextAccountId());
        m_account = m_newAccount.get();
        for (size_t row = 0; row < m_spec.controls.size(); ++row)
            if (const char* text = m_spec.controls[row].newText)
                m_values[row] = ScrambledText(QString::fromUtf8(text));
        return;
    }
    AccountRecord* account = document()->FindAccount(accountId());
    // An account of another type has other fields: the dialog treats it as not found.
    if (!account || account->GetType() != m_spec.type)
        return;
    m_account = account;
    const RecordLayout& layout = account->layout();
    for (size_t row = 0; row < m_spec.controls.size(); ++row) {
        const char* field = m_spec.controls[row].field;
        if (!field)
            continue;
        if (isTitle(field)) {
            m_values[row] = ScrambledText(account->GetTitle());
            continue;
        }
        const int index = layout.indexOf(QString::fromLatin1(field));
        if (index >= 0 && account->field(index).index() == m_values[row].index())
            m_values[row] = account->field(index);
    }
}

// --- OK and store ---

bool TableAccountDialog::requiredFieldsFilled() const
{
    for (const RequiredLine& line : m_spec.required) {
        bool filled = false;
        for (int id : line.controls)
            if (id && !fieldText(id).isEmpty())
                filled = true;
        if (!filled)
            return false;
    }
    return true;
}

QString TableAccountDialog::requiredFieldsMessage() const
{
    QString message = QStringLiteral("Account cannot be Created or Updated if these fields are empty:\n");
    for (const RequiredLine& line : m_spec.required)
        message += QString::fromUtf8(line.line);
    message += QStringLiteral("Would you like to go back and edit these?");
    return message;
}

bool TableAccountDialog::checkStorableTexts()
{
    for (int id : m_spec.exchangeOrder) {
        const int row = rowOf(id);
        if (row < 0 || !holdsText(m_spec.controls[size_t(row)].kind))
            continue;
        const QString text = fieldText(id);
        const qsizetype at = ScrambledText::firstUnstorable(text);
        if (at < 0)
            continue;
        prompts().notice(storableMessage(fieldName(row), text[at].unicode()));
        m_widgets[size_t(row)]->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

void TableAccountDialog::OnOK()
{
    // A number that does not read stops here: its message has been shown, the dialog stays open.
    if (!UpdateData(true))
        return;
    if (!requiredFieldsFilled()) {
        // Esc and the close box go back to the dialog: No would throw away everything typed.
        if (!prompts().question(requiredFieldsMessage(), Prompts::Icon::Question, Prompts::Answer::Yes))
            OnCancel();
        return;
    }
    if (!checkStorableTexts())
        return;
    if (StoreAccount()) {
        if (UpdateData(true))
            endDialog(QDialog::Accepted);
        return;
    }
    if (!prompts().duplicateAccount())
        OnCancel();
}

QString TableAccountDialog::dialogTitle() const
{
    for (size_t row = 0; row < m_spec.controls.size(); ++row)
        if (isTitle(m_spec.controls[row].field))
            return std::get<ScrambledText>(m_values[row]).text();
    return {};
}

bool TableAccountDialog::titleTaken() const
{
    return document()->IsTitleTaken(m_account->GetId(), m_account->GetType(), dialogTitle());
}

bool TableAccountDialog::StoreAccount()
{
    if (!m_account || titleTaken())
        return false;
    writeAccount();
    afterStore();
    return true;
}

void TableAccountDialog::writeAccount()
{
    m_account->SetTitle(dialogTitle());
    const RecordLayout& layout = m_account->layout();
    for (int id : m_spec.storeOrder) {
        const int row = rowOf(id);
        if (row < 0 || !m_spec.controls[size_t(row)].field)
            continue;
        m_account->setField(
            layout.indexOf(QString::fromLatin1(m_spec.controls[size_t(row)].field)), m_values[size_t(row)]);
    }
    m_account->SetCommitted();
    // A new account is not the document's yet: AddAccount marks the document when it takes it, and a
    // new account discarded at Cancel leaves the document as it was.
    if (!createdNew())
        document()->SetModifiedFlag(true);
}

std::unique_ptr<AccountRecord> TableAccountDialog::takeAccount()
{
    if (result() != QDialog::Accepted)
        return nullptr;
    return std::move(m_newAccount);
}

// --- Cancel ---

void TableAccountDialog::discardNewAccount()
{
    if (m_createdNew && m_account) {
        m_newAccount.reset();
        m_account = nullptr;
    }
}

void TableAccountDialog::OnCancel()
{
    discardNewAccount();
    endDialog(QDialog::Rejected);
}

void TableAccountDialog::reject() { OnCancel(); }

#include "dialogs/TableAccountDialog.h"

#include "accounts/AccountFactory.h"
#include "dialogs/ControlAdapter.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/GeneratePasswordMenu.h"
#include "document/DocumentTexts.h"
#include "document/QuorrilDoc.h"

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>

namespace {
// Height of the label above a control.
constexpr int kLabelHeight = 8;

bool isTitle(const char* field) { return field && qstrcmp(field, "title") == 0; }

// The table entry of the account or user field a control edits; null for the title and controls
// without a field.
const FieldSpec* fieldSpecOf(const ControlSpec& control, AccountType type)
{
    const RecordLayout* layout = control.userField ? &UserEntry::Layout() : layoutOf(type);
    const char* name = control.userField ? control.userField : control.field;
    const int index = layout && name ? layout->indexOf(QLatin1StringView(name)) : -1;
    return index < 0 ? nullptr : &layout->fields[size_t(index)];
}

} // namespace

TableAccountDialog::TableAccountDialog(
    const DialogSpec& table, CQuorrilDoc* document, AccountId accountId, QWidget* parent)
    : CAccountDialog(document, accountId, parent)
    , m_spec(table)
{
    setWindowTitle(tr(table.caption));
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
        const ControlAdapter& kind = ControlAdapter::of(row.kind);
        if (row.text && kind.hasLabelAbove()) {
            auto* above = new QLabel(tr(row.text), this);
            const int width = row.labelWidth ? row.labelWidth : row.place.w;
            above->setGeometry(units.rect({ row.place.x, row.place.y - kLabelHeight, width, kLabelHeight }));
            m_labelAbove.insert(row.id, above);
            if (row.labelId)
                m_labels.insert(row.labelId, above);
        }
        QWidget* widget = kind.create(row, *this);
        const FieldSpec* field = fieldSpecOf(row, m_spec.type);
        if (field && field->has(FieldRole::GeneratePassword))
            GeneratePasswordMenu::attach(
                qobject_cast<QLineEdit*>(widget), [this]() -> UiPrompts& { return prompts(); });
        widget->setGeometry(units.rect({ row.place.x, row.place.y, row.place.w, kind.height(row.place) }));
        // The label above names its control for screen readers. A combo box would be named by its
        // current item otherwise.
        if (QLabel* above = m_labelAbove.value(row.id)) {
            above->setBuddy(widget);
            if (qobject_cast<QComboBox*>(widget))
                widget->setAccessibleName(above->text());
        }
        m_widgets.push_back(widget);
        m_values.push_back(kind.initialValue());
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previous)
                setTabOrder(previous, widget);
            previous = widget;
        }
    }
}

int TableAccountDialog::rowOf(int id) const
{
    for (size_t row = 0; row < m_spec.controls.size(); ++row)
        if (m_spec.controls[row].id == id)
            return int(row);
    return -1;
}

const ControlAdapter& TableAccountDialog::adapter(int row) const
{
    return ControlAdapter::of(m_spec.controls[size_t(row)].kind);
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

QString TableAccountDialog::fieldName(int row) const
{
    const QLabel* above = m_labelAbove.value(m_spec.controls[size_t(row)].id);
    QString name = above ? above->text() : tr(m_spec.controls[size_t(row)].text);
    if (name.endsWith(u':'))
        name.chop(1);
    return name;
}

// --- transfer ---

bool TableAccountDialog::takeFields()
{
    for (int id : m_spec.exchangeOrder) {
        const int row = rowOf(id);
        if (row >= 0 && !adapter(row).take(m_widgets[size_t(row)], m_values[size_t(row)], prompts()))
            return false;
    }
    return true;
}

void TableAccountDialog::showFields()
{
    for (int id : m_spec.exchangeOrder) {
        const int row = rowOf(id);
        if (row >= 0)
            adapter(row).show(m_widgets[size_t(row)], m_values[size_t(row)]);
    }
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
    showFields();
    setWindowIcon(QIcon(QString::fromUtf8(m_spec.icon)));
    LoadAccount();
    showFields();
    afterOpen();
}

void TableAccountDialog::LoadAccount()
{
    if (idValue(accountId()) <= 0) {
        m_createdNew = true;
        m_newAccount = createAccount(document()->NextAccountId(), m_spec.type);
        m_account = m_newAccount.get();
        for (size_t row = 0; row < m_spec.controls.size(); ++row)
            if (const char* text = m_spec.controls[row].newText)
                m_values[row] = ScrambledText(QString::fromUtf8(text));
        return;
    }
    const AccountRecord* found = document()->FindAccount(accountId());
    // An account of another type has other fields: the dialog treats it as not found.
    if (!found || found->GetType() != m_spec.type)
        return;
    // The dialog edits a copy; the document takes each stored state of it as one step.
    m_copy = cloneAccount(*found);
    m_account = m_copy.get();
    if (!m_account)
        return;
    const AccountRecord* account = m_account;
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
    QString message = tr("Account cannot be Created or Updated if these fields are empty:\n");
    for (const RequiredLine& line : m_spec.required)
        message += tr(line.line);
    message += tr("Would you like to go back and edit these?");
    return message;
}

bool TableAccountDialog::checkStorableTexts()
{
    for (int id : m_spec.exchangeOrder) {
        const int row = rowOf(id);
        if (row < 0 || !adapter(row).holdsText())
            continue;
        const QString text = fieldText(id);
        const qsizetype at = ScrambledText::firstUnstorable(text);
        if (at < 0)
            continue;
        prompts().notice(DocumentText::unstorableField(fieldName(row), text[at]));
        m_widgets[size_t(row)]->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

void TableAccountDialog::OnOK()
{
    // A number that does not read stops here: its message has been shown, the dialog stays open.
    if (!takeFields())
        return;
    if (!requiredFieldsFilled()) {
        // Esc and the close box go back to the dialog: No would throw away everything typed.
        if (!prompts().question(requiredFieldsMessage(), UiPrompts::Icon::Question, UiPrompts::Answer::Yes))
            OnCancel();
        return;
    }
    if (!checkStorableTexts())
        return;
    if (StoreAccount()) {
        if (takeFields())
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
    commitEdit();
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
}

void TableAccountDialog::commitEdit()
{
    // A new account is not the document's yet: AddAccount takes it after OK, and a new account
    // discarded at Cancel leaves the document as it was. An existing one changes through one step,
    // which every later store of this dialog joins.
    if (createdNew() || !m_account)
        return;
    if (std::unique_ptr<AccountRecord> state = cloneAccount(*m_account))
        m_editStep = document()->EditAccount(std::move(state), m_editStep);
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

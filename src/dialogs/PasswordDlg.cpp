#include "dialogs/PasswordDlg.h"

#include "accounts/PasswordStrength.h"
#include "core/ScrambledText.h"
#include "core/SecretWipe.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/GeneratePasswordMenu.h"
#include "dialogs/SecretEdit.h"
#include "dialogs/StrengthBar.h"
#include "document/DocumentTexts.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace {
// Places controls by dialog units and moves everything below a paragraph down by as much as the
// paragraph needs beyond its place: the dialog font may wrap the texts into more lines than the
// font the places were measured in.
class Placer {
public:
    Placer(QWidget* dialog, const QFont& font)
        : m_dialog(dialog)
        , m_units(font)
    {
    }

    QRect rect(const DialogPlace& place) const { return m_units.rect(place).translated(0, m_shift); }

    QLabel* paragraph(const QString& text, const DialogPlace& place)
    {
        auto* label = new QLabel(text, m_dialog);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QRect r = rect(place);
        const int needed = label->heightForWidth(r.width());
        if (needed > r.height()) {
            m_shift += needed - r.height();
            r.setHeight(needed);
        }
        label->setGeometry(r);
        return label;
    }

    // A one-line label, widened to its text when the place is too narrow for it.
    QLabel* label(const QString& text, const DialogPlace& place) const
    {
        auto* label = new QLabel(text, m_dialog);
        QRect r = rect(place);
        r.setWidth(std::max(r.width(), label->sizeHint().width()));
        label->setGeometry(r);
        return label;
    }

    SecretEdit* maskedEdit(const DialogPlace& place) const
    {
        auto* edit = new SecretEdit(m_dialog);
        edit->setGeometry(rect(place));
        return edit;
    }

    QSize size(int width, int height) const { return m_units.size(width, height) + QSize(0, m_shift); }

private:
    QWidget* m_dialog;
    DialogUnits m_units;
    int m_shift = 0;
};
} // namespace

CPasswordDlg::CPasswordDlg(UiPrompts& prompts, Prompts::PasswordMode mode, QWidget* parent)
    : QDialog(parent)
    , m_prompts(prompts)
    , m_confirm(mode != Prompts::PasswordMode::Verify)
    , m_forEncrypted(mode == Prompts::PasswordMode::SetEncrypted)
{
    setWindowTitle(tr("Please Enter Password:"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    Placer placer(this, font());
    placer.paragraph(tr("This program makes it easy to keep track of all your passwords and user ids, but the "
                        "one password you should always remember is the one used to save this document. It "
                        "should be simple for you to remember and difficult for others to guess."),
        { 7, 7, 172, 41 });
    placer.paragraph(tr("The password used to save a document is the same password that must be used to open it."),
        { 7, 54, 172, 19 });
    placer.paragraph(tr("This password is case sensitive, basically 'a' is not the same as 'A', this "
                        "enhances security."),
        { 7, 78, 172, 20 });
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(placer.rect({ 7, 103, 172, 1 }).adjusted(0, -1, 0, 1));
    QLabel* passwordLabel = placer.label(tr("Password:"), { 7, 108, 34, 8 });
    m_passwordEdit = placer.maskedEdit({ 7, 116, 172, 12 });
    // The labels name their fields for screen readers.
    passwordLabel->setBuddy(m_passwordEdit);
    m_verifyLabel = placer.label(tr("Verify Password:"), { 7, 133, 53, 8 });
    m_verifyEdit = placer.maskedEdit({ 7, 141, 172, 12 });
    m_verifyLabel->setBuddy(m_verifyEdit);
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setGeometry(placer.rect({ 78, 160, 50, 14 }));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setGeometry(placer.rect({ 129, 160, 50, 14 }));
    setFixedSize(placer.size(186, 181));

    setTabOrder(m_passwordEdit, m_verifyEdit);
    setTabOrder(m_verifyEdit, m_cancel);
    setTabOrder(m_cancel, m_ok);
    connect(m_ok, &QPushButton::clicked, this, &CPasswordDlg::OnOK);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    if (m_confirm) {
        // A generated password fills both fields and shows in the first, so it can be written down.
        const auto fillBoth = [this](const QString& password) {
            GeneratePasswordMenu::replaceText(m_passwordEdit, password);
            GeneratePasswordMenu::replaceText(m_verifyEdit, password);
            m_passwordEdit->setShown(true);
            m_passwordEdit->setFocus(Qt::OtherFocusReason);
        };
        const auto asked = [this]() -> UiPrompts& { return m_prompts; };
        GeneratePasswordMenu::attach(m_passwordEdit, asked, fillBoth);
        GeneratePasswordMenu::attach(m_verifyEdit, asked, fillBoth);
        m_strengthBar = StrengthBar::placeUnder(m_passwordEdit);
    } else {
        m_verifyLabel->hide();
        m_verifyEdit->setEnabled(false);
        m_verifyEdit->hide();
    }
    m_passwordEdit->setFocus();
}

QString CPasswordDlg::takePassword()
{
    // setText() replaces a field's text without copying it first, as clear() would.
    m_passwordEdit->setText(QString());
    m_verifyEdit->setText(QString());
    SecretWipe::text(m_verifyPassword);
    return std::exchange(m_password, QString());
}

void CPasswordDlg::OnOK()
{
    m_password = m_passwordEdit->text();
    m_verifyPassword = m_verifyEdit->text();
    if (m_password.isEmpty()) {
        m_prompts.notice(DocumentText::passwordEmpty());
        return;
    }
    if (m_confirm && m_password != m_verifyPassword) {
        m_prompts.notice(DocumentText::passwordsDiffer());
        return;
    }
    // A new password must come back from the file as typed, or the document could never be opened.
    if (const qsizetype at = ScrambledText::firstUnstorable(m_password); m_confirm && at >= 0) {
        m_prompts.notice(DocumentText::unstorablePassword(m_password[at]));
        return;
    }
    // A warning, not a refusal: No (and Esc) go back to the fields, Yes keeps the password.
    if (m_forEncrypted && PasswordStrength::isWeak(PasswordStrength::ofPassword(m_password).grade)
        && !m_prompts.question(DocumentText::weakPassword(), UiPrompts::Icon::Warning)) {
        m_passwordEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    accept();
}

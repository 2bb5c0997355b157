#include "PasswordDlg.h"

#include "DialogUnits.h"
#include "ScrambledText.h"
#include "TextEdit.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
QLabel* addText(QWidget* parent, const DialogUnits& units, const QString& text, const DialogPlace& place)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(units.rect(place));
    return label;
}

QLineEdit* addMaskedEdit(QWidget* parent, const DialogUnits& units, const DialogPlace& place)
{
    auto* edit = new TextEdit(parent);
    edit->setEchoMode(QLineEdit::Password);
    edit->setGeometry(units.rect(place));
    return edit;
}
} // namespace

CPasswordDlg::CPasswordDlg(Prompts& prompts, Prompts::PasswordMode mode, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_confirm(mode == Prompts::PasswordMode::Set)
{
    setWindowTitle(QStringLiteral("Please Enter Password:"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    const DialogUnits units(font());
    setFixedSize(units.size(186, 181));

    addText(this, units,
            QStringLiteral("This program makes it easy to keep track of all your passwords and user ids, but the one "
                           "password you should always remember is the one used to save this document. It should be "
                           "simple for you to remember and difficult for others to guess."),
            {7, 7, 172, 41});
    addText(this, units,
            QStringLiteral("The password used to save a document is the same password that must be used to open it."),
            {7, 54, 172, 19});
    addText(this, units,
            QStringLiteral("This password is case sensitive, basically 'a' is not the same as 'A', this enhances "
                           "security."),
            {7, 78, 172, 20});
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(units.rect({7, 103, 172, 1}).adjusted(0, -1, 0, 1));
    addText(this, units, QStringLiteral("Password:"), {7, 108, 34, 8});
    m_passwordEdit = addMaskedEdit(this, units, {7, 116, 172, 12});
    m_verifyLabel = addText(this, units, QStringLiteral("Verify Password:"), {7, 133, 53, 8});
    m_verifyEdit = addMaskedEdit(this, units, {7, 141, 172, 12});
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setGeometry(units.rect({78, 160, 50, 14}));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setGeometry(units.rect({129, 160, 50, 14}));

    setTabOrder(m_passwordEdit, m_verifyEdit);
    setTabOrder(m_verifyEdit, m_cancel);
    setTabOrder(m_cancel, m_ok);
    connect(m_ok, &QPushButton::clicked, this, &CPasswordDlg::OnOK);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    if (!m_confirm) {
        m_verifyLabel->hide();
        m_verifyEdit->setEnabled(false);
        m_verifyEdit->hide();
    }
    m_passwordEdit->setFocus();
}

void CPasswordDlg::OnOK()
{
    m_password = m_passwordEdit->text();
    m_verifyPassword = m_verifyEdit->text();
    if (m_password.isEmpty()) {
        m_prompts.notice(QStringLiteral("Password Must Not Be Empty !"));
        return;
    }
    if (m_confirm && m_password != m_verifyPassword) {
        m_prompts.notice(QStringLiteral("Password And Verify Password Must Be Identical !"));
        return;
    }
    // A new password must come back from the file as typed, or the document could never be opened.
    if (const qsizetype at = ScrambledText::firstUnstorable(m_password); m_confirm && at >= 0) {
        m_prompts.notice(QStringLiteral("The password holds the character U+%1, which cannot be stored in a "
                                        "Quorril file.\n\nChoose another password.")
                             .arg(QString::number(m_password[at].unicode(), 16).toUpper()));
        return;
    }
    accept();
}

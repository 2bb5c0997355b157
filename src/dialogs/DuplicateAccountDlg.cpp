#include "dialogs/DuplicateAccountDlg.h"

#include "dialogs/DialogUnits.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

CDuplicateAccountDlg::CDuplicateAccountDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Warning - Duplicate Account"));
    setWindowIcon(QIcon(QStringLiteral(":/dialogs/icons/warning.svg")));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    const DialogUnits units(font());
    setFixedSize(units.size(186, 95));
    m_message = new QLabel(tr("An Account of this Type with The Same Title Already Exists!\n\n"
                              "Answer \"Yes\" to modify or Answer \"NO\" to discard changes.\n\n"
                              "Would you like to go back and change it now ?"),
        this);
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setGeometry(units.rect({ 7, 7, 172, 60 }));
    m_yes = new QPushButton(tr("Yes"), this);
    m_yes->setGeometry(units.rect({ 75, 74, 50, 14 }));
    m_yes->setDefault(true);
    m_no = new QPushButton(tr("No"), this);
    m_no->setGeometry(units.rect({ 129, 74, 50, 14 }));
    connect(m_yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_no, &QPushButton::clicked, this, &QDialog::reject);
}

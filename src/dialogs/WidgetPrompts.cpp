#include "dialogs/WidgetPrompts.h"

#include "dialogs/DuplicateAccountDlg.h"
#include "dialogs/PasswordDlg.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

// The program's name, not translated.
QString WidgetPrompts::caption() { return QStringLiteral("Quorril"); }

QString WidgetPrompts::fileFilter() { return QCoreApplication::translate("WidgetPrompts", "Quorril Files (*.qrl)"); }

QWidget* WidgetPrompts::parentWindow() const
{
    // After a drop from a file manager no window of ours may be active; the main window still is
    // the one the prompt belongs to.
    return m_parentWindow ? m_parentWindow.data() : QApplication::activeWindow();
}

std::optional<QString> WidgetPrompts::password(PasswordMode mode)
{
    CPasswordDlg dialog(*this, mode, parentWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.password();
}

void WidgetPrompts::notice(const QString& text, const QString& detail)
{
    QMessageBox box(QMessageBox::Information, caption(), text, QMessageBox::Ok, parentWindow());
    if (!detail.isEmpty())
        box.setDetailedText(detail);
    box.exec();
}

bool WidgetPrompts::question(const QString& text, Icon icon, Answer escapeMeans, Answer defaultAnswer)
{
    const QMessageBox::Icon shown = icon == Icon::Question ? QMessageBox::Question
        : icon == Icon::Warning                            ? QMessageBox::Warning
                                                           : QMessageBox::NoIcon;
    QMessageBox box(shown, caption(), text, QMessageBox::Yes | QMessageBox::No, parentWindow());
    box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    // Esc and the close box press the escape button.
    box.setEscapeButton(escapeMeans == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

UiPrompts::Answer WidgetPrompts::questionWithCancel(const QString& text)
{
    QMessageBox box(QMessageBox::Question, caption(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        parentWindow());
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool WidgetPrompts::duplicateAccount()
{
    CDuplicateAccountDlg dialog(parentWindow());
    return dialog.exec() == QDialog::Accepted;
}

QString WidgetPrompts::openFileName()
{
    QFileDialog dialog(parentWindow(), QCoreApplication::translate("WidgetPrompts", "Open"), QString(), fileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString WidgetPrompts::saveFileName(const QString& suggestedPath)
{
    QFileDialog dialog(
        parentWindow(), QCoreApplication::translate("WidgetPrompts", "Save As"), QString(), fileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("qrl"));
    if (!suggestedPath.isEmpty())
        dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString WidgetPrompts::importFileName(const QStringList& filters)
{
    QFileDialog dialog(parentWindow(), QCoreApplication::translate("WidgetPrompts", "Import"), QString(),
        filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString WidgetPrompts::exportFileName(const QStringList& filters, qsizetype& chosenFilter)
{
    QFileDialog dialog(parentWindow(), QCoreApplication::translate("WidgetPrompts", "Export"), QString(),
        filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    chosenFilter = filters.indexOf(dialog.selectedNameFilter());
    if (chosenFilter < 0)
        chosenFilter = 0;
    return dialog.selectedFiles().constFirst();
}

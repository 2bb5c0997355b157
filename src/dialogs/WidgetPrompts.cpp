#include "dialogs/WidgetPrompts.h"

#include "dialogs/BusyWork.h"
#include "dialogs/DuplicateAccountDlg.h"
#include "dialogs/PasswordDlg.h"
#include "document/DocumentTexts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include <algorithm>

// The program's name, not translated.
QString WidgetPrompts::caption() { return QStringLiteral("Quorril"); }

QString WidgetPrompts::fileFilter() { return QCoreApplication::translate("WidgetPrompts", "Quorril Files (*.qrl)"); }

QWidget* WidgetPrompts::parentWindow() const
{
    // After a drop from a file manager no window of ours may be active; the main window still is
    // the one the prompt belongs to.
    return m_parentWindow ? m_parentWindow.data() : QApplication::activeWindow();
}

std::optional<int> WidgetPrompts::run(QDialog& window, bool password)
{
    OpenPrompt open { &window, password };
    m_open.push_back(&open);
    const int result = window.exec();
    std::erase(m_open, &open);
    if (open.cancelled)
        return std::nullopt;
    return result;
}

void WidgetPrompts::cancelOpenPrompts()
{
    // Each window's exec() returns once the handler of the lock is done; the flag makes its call
    // answer Cancel or No even where the window's own result would say otherwise.
    for (auto it = m_open.rbegin(); it != m_open.rend(); ++it) {
        (*it)->cancelled = true;
        if ((*it)->window)
            (*it)->window->done(QDialog::Rejected);
    }
}

bool WidgetPrompts::passwordPromptOpen() const
{
    return std::any_of(m_open.begin(), m_open.end(), [](const OpenPrompt* open) { return open->password; });
}

std::optional<QString> WidgetPrompts::password(PasswordMode mode)
{
    CPasswordDlg dialog(*this, mode, parentWindow());
    if (run(dialog, true) != QDialog::Accepted)
        return std::nullopt;
    return dialog.password();
}

void WidgetPrompts::notice(const QString& text, const QString& detail)
{
    QMessageBox box(QMessageBox::Information, caption(), text, QMessageBox::Ok, parentWindow());
    if (!detail.isEmpty())
        box.setDetailedText(detail);
    run(box);
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
    return run(box) == QMessageBox::Yes;
}

UiPrompts::Answer WidgetPrompts::questionWithCancel(const QString& text)
{
    QMessageBox box(QMessageBox::Question, caption(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        parentWindow());
    box.setDefaultButton(QMessageBox::Yes);
    const std::optional<int> answer = run(box);
    if (!answer)
        return Answer::Cancel;
    switch (*answer) {
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
    return run(dialog) == QDialog::Accepted;
}

QString WidgetPrompts::openFileName()
{
    QFileDialog dialog(parentWindow(), QCoreApplication::translate("WidgetPrompts", "Open"), QString(), fileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
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
    if (run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString WidgetPrompts::importFileName(const QStringList& filters)
{
    QFileDialog dialog(parentWindow(), QCoreApplication::translate("WidgetPrompts", "Import"), QString(),
        filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString WidgetPrompts::exportFileName(const QStringList& filters, qsizetype& chosenFilter)
{
    QFileDialog dialog(parentWindow(), QCoreApplication::translate("WidgetPrompts", "Export"), QString(),
        filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    chosenFilter = filters.indexOf(dialog.selectedNameFilter());
    if (chosenFilter < 0)
        chosenFilter = 0;
    return dialog.selectedFiles().constFirst();
}

bool WidgetPrompts::openCostly(const KdfCost& asked)
{
    EncryptedFormat::measureSpeed();
    // No is the safe answer: Enter and Esc both give it.
    return question(DocumentText::openCostlyQuestion(asked), Icon::Warning, Answer::No, Answer::No);
}

bool WidgetPrompts::runCostly(const std::function<void()>& work)
{
    // The wait counts as an open prompt from its start: a lock gives it up, even before it shows.
    OpenPrompt open;
    m_open.push_back(&open);
    BusyWait wait;
    wait.label = QCoreApplication::translate("WidgetPrompts", "Deriving the wallet's key…");
    wait.showModal = [&open](QDialog& dialog) {
        if (open.cancelled)
            return int(QDialog::Rejected);
        open.window = &dialog;
        return dialog.exec();
    };
    const bool finished = runWhileBusy(parentWindow(), wait, work);
    std::erase(m_open, &open);
    return finished && !open.cancelled;
}

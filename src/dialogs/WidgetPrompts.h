#pragma once

#include "dialogs/UiPrompts.h"

#include <QPointer>
#include <QWidget>

#include <optional>
#include <vector>

class QDialog;

// The prompts of the running program: the password dialog, message boxes captioned "Quorril", the
// duplicate-title warning and the file dialogs for "Quorril Files (*.qrl)". Each window is modal
// over the parent window.
class WidgetPrompts : public UiPrompts {
public:
    std::optional<QString> password(PasswordMode mode) override;
    using UiPrompts::notice;
    using UiPrompts::question;
    void notice(const QString& text, const QString& detail) override;
    bool question(const QString& text, Icon icon, Answer escapeMeans, Answer defaultAnswer) override;
    Answer questionWithCancel(const QString& text) override;
    bool duplicateAccount() override;
    QString openFileName() override;
    QString saveFileName(const QString& suggestedPath) override;
    void cancelOpenPrompts() override;
    bool passwordPromptOpen() const override;
    QString importFileName(const QStringList& filters) override;
    QString exportFileName(const QStringList& filters, qsizetype& chosenFilter) override;
    // Asks, with this machine's speed measured first so that the time it names is about right.
    bool openCostly(const KdfCost& asked) override;
    // On a thread of its own, with the busy dialog after a moment (runWhileBusy); a lock cancels it.
    bool runCostly(const std::function<void()>& work) override;

    static QString caption();
    static QString fileFilter();

    // The window every prompt is modal over: the main window once it exists. Until one is set (or
    // after it is gone), the active window.
    void setParentWindow(QWidget* window) { m_parentWindow = window; }

private:
    struct OpenPrompt {
        QPointer<QDialog> window;
        bool password = false;
        bool cancelled = false;
    };

    QWidget* parentWindow() const;
    // Runs the window modally while it counts as open; nothing when cancelOpenPrompts closed it.
    std::optional<int> run(QDialog& window, bool password = false);

    QPointer<QWidget> m_parentWindow;
    // The prompts open now, the outermost first; each lives on the stack of the call that shows it.
    std::vector<OpenPrompt*> m_open;
};

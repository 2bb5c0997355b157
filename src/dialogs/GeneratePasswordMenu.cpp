#include "dialogs/GeneratePasswordMenu.h"

#include "accounts/PasswordGenerator.h"
#include "dialogs/GeneratorSettings.h"
#include "dialogs/UiPrompts.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

namespace GeneratePasswordMenu {

namespace {
// Watches the edit's context menu event rather than replacing the edit, so the dialog's table keeps
// making the same control at the same place.
class MenuFilter : public QObject {
public:
    MenuFilter(QLineEdit* edit, PromptsSource prompts, std::function<void(const QString&)> fill)
        : QObject(edit)
        , m_edit(edit)
        , m_prompts(std::move(prompts))
        , m_fill(std::move(fill))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_edit || event->type() != QEvent::ContextMenu)
            return false;
        const std::unique_ptr<QMenu> menu = createMenu(m_edit, m_prompts, m_fill);
        menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }

private:
    QLineEdit* m_edit;
    PromptsSource m_prompts;
    std::function<void(const QString&)> m_fill;
};

// The stored options; with no kind of character chosen there, the default kinds.
PasswordGenerator::Options storedOptions()
{
    PasswordGenerator::Options options = GeneratorSettings::load();
    if (options.classes == 0)
        options.classes = PasswordGenerator::Options {}.classes;
    return options;
}
} // namespace

std::unique_ptr<QMenu> createMenu(
    QLineEdit* edit, const PromptsSource& prompts, const std::function<void(const QString&)>& fill)
{
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    menu->addSeparator();
    QAction* generate = menu->addAction(QString::fromUtf8(ActionText));
    generate->setObjectName(QStringLiteral("generatePassword"));
    generate->setEnabled(edit->isEnabled() && !edit->isReadOnly());
    QObject::connect(generate, &QAction::triggered, edit, [edit, prompts, fill] {
        // A masked field keeps no undo of what it held: the user is asked first.
        const bool undoable = edit->echoMode() == QLineEdit::Normal;
        if (!edit->text().isEmpty() && !undoable
            && !prompts().question(QString::fromUtf8(ReplaceQuestion), UiPrompts::Icon::Question))
            return;
        fill(PasswordGenerator::generate(storedOptions()));
    });
    return menu;
}

void attach(QLineEdit* edit, PromptsSource prompts, std::function<void(const QString&)> fill)
{
    if (!edit)
        return;
    edit->installEventFilter(new MenuFilter(edit, std::move(prompts), std::move(fill)));
}

void attach(QLineEdit* edit, PromptsSource prompts)
{
    attach(edit, std::move(prompts), [edit](const QString& password) {
        replaceText(edit, password);
        edit->setFocus(Qt::OtherFocusReason);
    });
}

void replaceText(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    edit->insert(text);
}

} // namespace GeneratePasswordMenu

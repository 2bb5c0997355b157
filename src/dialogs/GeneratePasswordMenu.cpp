#include "dialogs/GeneratePasswordMenu.h"

#include "accounts/PasswordGenerator.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

namespace GeneratePasswordMenu {

namespace {
// Watches the edit's context menu event rather than replacing the edit, so the dialog's table keeps
// making the same control at the same place.
class MenuFilter : public QObject {
public:
    MenuFilter(QLineEdit* edit, std::function<void(const QString&)> fill)
        : QObject(edit)
        , m_edit(edit)
        , m_fill(std::move(fill))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_edit || event->type() != QEvent::ContextMenu)
            return false;
        const std::unique_ptr<QMenu> menu = createMenu(m_edit, m_fill);
        menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }

private:
    QLineEdit* m_edit;
    std::function<void(const QString&)> m_fill;
};
} // namespace

std::unique_ptr<QMenu> createMenu(QLineEdit* edit, const std::function<void(const QString&)>& fill)
{
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    menu->addSeparator();
    QAction* generate = menu->addAction(QString::fromUtf8(ActionText));
    generate->setObjectName(QStringLiteral("generatePassword"));
    generate->setEnabled(edit->isEnabled() && !edit->isReadOnly());
    QObject::connect(generate, &QAction::triggered, edit,
        [fill] { fill(PasswordGenerator::generate(PasswordGenerator::Options {})); });
    return menu;
}

void attach(QLineEdit* edit, std::function<void(const QString&)> fill)
{
    if (!edit)
        return;
    edit->installEventFilter(new MenuFilter(edit, std::move(fill)));
}

void attach(QLineEdit* edit)
{
    attach(edit, [edit](const QString& password) {
        edit->setText(password);
        edit->setFocus(Qt::OtherFocusReason);
    });
}

} // namespace GeneratePasswordMenu

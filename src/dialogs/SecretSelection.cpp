#include "dialogs/SecretSelection.h"

#include "dialogs/SecretEdit.h"

#include <QApplication>
#include <QPointer>

SecretSelection& SecretSelection::instance()
{
    static QPointer<SecretSelection> guard;
    if (!guard)
        guard = new SecretSelection(QClipboard::Selection, qApp);
    return *guard;
}

SecretSelection::SecretSelection(QClipboard::Mode mode, QObject* parent)
    : QObject(parent)
    , m_mode(mode)
{
    connect(QGuiApplication::clipboard(), &QClipboard::changed, this, &SecretSelection::changed);
}

void SecretSelection::changed(QClipboard::Mode mode)
{
    // Emptying changes the selection again; that change is ours.
    if (mode != m_mode || m_emptying || !SecretEdit::handlingEvent())
        return;
    if (!QGuiApplication::clipboard()->text(m_mode).isEmpty())
        empty();
}

void SecretSelection::clear()
{
    const QString held = QGuiApplication::clipboard()->text(m_mode);
    if (held.isEmpty())
        return;
    for (QWidget* widget : QApplication::allWidgets()) {
        const auto* secret = qobject_cast<const SecretEdit*>(widget);
        if (secret && secret->text().contains(held)) {
            empty();
            return;
        }
    }
}

void SecretSelection::empty()
{
    m_emptying = true;
    QGuiApplication::clipboard()->clear(m_mode);
    m_emptying = false;
    ++m_clearCount;
}

#include "dialogs/SecretEdit.h"

#include "dialogs/SecretSelection.h"

#include <QAction>
#include <QIcon>

namespace {
bool g_showSecrets = false;
int g_eventDepth = 0;
} // namespace

SecretEdit::SecretEdit(QWidget* parent)
    : TextEdit(parent)
    , m_eye(new QAction(this))
{
    SecretSelection::instance(); // watches PRIMARY from the first secret field on
    m_eye->setCheckable(true);
    m_eye->setObjectName(QStringLiteral("showSecret"));
    addAction(m_eye, QLineEdit::TrailingPosition);
    connect(m_eye, &QAction::toggled, this, &SecretEdit::setShown);
    setShown(g_showSecrets);
}

SecretEdit::~SecretEdit()
{
    // Qt wipes the text of a line edit that is not in Normal echo mode when it goes.
    setEchoMode(QLineEdit::Password);
}

void SecretEdit::setShown(bool shown)
{
    setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    m_eye->setChecked(shown);
    m_eye->setIcon(
        QIcon(shown ? QStringLiteral(":/dialogs/icons/eye.svg") : QStringLiteral(":/dialogs/icons/eye-hidden.svg")));
    m_eye->setToolTip(shown ? tr("Hide") : tr("Show"));
}

void SecretEdit::setShowSecrets(bool show) { g_showSecrets = show; }

bool SecretEdit::showSecrets() { return g_showSecrets; }

bool SecretEdit::handlingEvent() { return g_eventDepth > 0; }

bool SecretEdit::event(QEvent* event)
{
    ++g_eventDepth;
    const bool handled = TextEdit::event(event);
    --g_eventDepth;
    return handled;
}

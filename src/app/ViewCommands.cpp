#include "app/ViewCommands.h"

#include "app/CommandIds.h"
#include "app/Preferences.h"
#include "dialogs/CloseOnLock.h"
#include "dialogs/PasswordGeneratorDlg.h"
#include "dialogs/SecretEdit.h"
#include "dialogs/SecretSelection.h"
#include "document/QuorrilDoc.h"
#include "views/AccountView.h"
#include "views/FindBar.h"
#include "views/SecretClipboard.h"

#include <QAction>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QStatusBar>

ViewCommands::ViewCommands(CQuorrilDoc& document, Preferences& preferences, const CommandActions& actions,
    CAccountView& list, FindBar& findBar, QStatusBar& statusBar, QWidget& window)
    : QObject(&window)
    , m_doc(document)
    , m_preferences(preferences)
    , m_actions(actions)
    , m_list(list)
    , m_findBar(findBar)
    , m_statusBar(statusBar)
    , m_window(window)
    , m_clipboard(new SecretClipboard([&preferences] { return preferences.clipboardClearSeconds(); }, this))
{
    connect(m_actions.value(ID_VIEW_FIND), &QAction::triggered, &m_findBar, &FindBar::activate);

    // Show Secrets starts as the preferences say at every start and every new or opened wallet, and
    // goes off at every lock.
    QAction* showSecrets = m_actions.value(ID_VIEW_SHOW_SECRETS);
    showSecrets->setCheckable(true);
    connect(showSecrets, &QAction::toggled, &m_list, &CAccountView::setShowSecrets);
    connect(&m_doc, &CQuorrilDoc::documentReset, this, &ViewCommands::resetShowSecrets);
    resetShowSecrets();

    // Copy belongs to the property list alone: Ctrl+C there, and its context menu.
    QAction* copyValue = m_actions.value(ID_EDIT_COPY);
    copyValue->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_list.addAction(copyValue);
    m_list.setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copyValue, &QAction::triggered, this, &ViewCommands::OnCopyValue);
    connect(m_list.selectionModel(), &QItemSelectionModel::selectionChanged, this, &ViewCommands::updateState);

    connect(m_actions.value(ID_GENERATE_PASSWORD), &QAction::triggered, this, &ViewCommands::OnGeneratePassword);

    // Nothing copied outlives the lock or the program.
    connect(&m_doc, &CQuorrilDoc::lockChanged, this, [this](bool locked) {
        if (locked) {
            m_clipboard->clear();
            SecretSelection::instance().clear();
            m_actions.value(ID_VIEW_SHOW_SECRETS)->setChecked(false);
        }
    });
    connect(qApp, &QCoreApplication::aboutToQuit, m_clipboard, &SecretClipboard::clear);
}

void ViewCommands::resetShowSecrets()
{
    const bool show = m_preferences.showSecretsOnOpen();
    m_actions.value(ID_VIEW_SHOW_SECRETS)->setChecked(show);
    m_list.setShowSecrets(show);
    // The secret fields of the dialogs and the password prompt open shown or hidden alike.
    SecretEdit::setShowSecrets(show);
}

void ViewCommands::updateState()
{
    m_actions.value(ID_EDIT_COPY)->setEnabled(m_list.rowValue(m_list.selectedRow()).has_value());
}

void ViewCommands::copy(const QString& text) { m_statusBar.showMessage(m_clipboard->copy(text), kStatusMilliseconds); }

void ViewCommands::OnCopyValue()
{
    if (const std::optional<QString> value = m_list.rowValue(m_list.selectedRow()))
        copy(*value);
}

void ViewCommands::OnGeneratePassword()
{
    PasswordGeneratorDlg dialog(&m_window);
    connect(&dialog, &PasswordGeneratorDlg::copyRequested, this, &ViewCommands::copy);
    const CloseOnLock closeOnLock(m_doc, dialog);
    dialog.exec();
}

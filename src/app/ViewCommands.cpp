#include "app/ViewCommands.h"

#include "app/CommandIds.h"
#include "app/MainFrame.h"
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

namespace {
constexpr int kStatusMilliseconds = 10000;
}

ViewCommands::ViewCommands(CMainFrame& frame, FindBar& findBar)
    : QObject(&frame)
    , m_frame(frame)
    , m_findBar(findBar)
    , m_clipboard(new SecretClipboard([&frame] { return frame.preferences().clipboardClearSeconds(); }, this))
{
    CQuorrilDoc& doc = m_frame.document();
    CAccountView* list = m_frame.listView();

    connect(m_frame.action(ID_VIEW_FIND), &QAction::triggered, &m_findBar, &FindBar::activate);

    // Show Secrets starts as the preferences say at every start and every new or opened wallet, and
    // goes off at every lock.
    QAction* showSecrets = m_frame.action(ID_VIEW_SHOW_SECRETS);
    showSecrets->setCheckable(true);
    connect(showSecrets, &QAction::toggled, list, &CAccountView::setShowSecrets);
    connect(&doc, &CQuorrilDoc::documentReset, this, &ViewCommands::resetShowSecrets);
    resetShowSecrets();

    // Copy belongs to the property list alone: Ctrl+C there, and its context menu.
    QAction* copyValue = m_frame.action(ID_EDIT_COPY);
    copyValue->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    list->addAction(copyValue);
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copyValue, &QAction::triggered, this, &ViewCommands::OnCopyValue);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ViewCommands::updateState);

    connect(m_frame.action(ID_GENERATE_PASSWORD), &QAction::triggered, this, &ViewCommands::OnGeneratePassword);

    // Nothing copied outlives the lock or the program.
    connect(&doc, &CQuorrilDoc::lockChanged, this, [this](bool locked) {
        if (locked) {
            m_clipboard->clear();
            SecretSelection::instance().clear();
            m_frame.action(ID_VIEW_SHOW_SECRETS)->setChecked(false);
        }
    });
    connect(qApp, &QCoreApplication::aboutToQuit, m_clipboard, &SecretClipboard::clear);
}

void ViewCommands::resetShowSecrets()
{
    const bool show = m_frame.preferences().showSecretsOnOpen();
    m_frame.action(ID_VIEW_SHOW_SECRETS)->setChecked(show);
    m_frame.listView()->setShowSecrets(show);
    // The secret fields of the dialogs and the password prompt open shown or hidden alike.
    SecretEdit::setShowSecrets(show);
}

void ViewCommands::updateState()
{
    const CAccountView* list = m_frame.listView();
    m_frame.action(ID_EDIT_COPY)->setEnabled(list->rowValue(list->selectedRow()).has_value());
}

void ViewCommands::copy(const QString& text)
{
    m_frame.statusBar()->showMessage(m_clipboard->copy(text), kStatusMilliseconds);
}

void ViewCommands::OnCopyValue()
{
    const CAccountView* list = m_frame.listView();
    if (const std::optional<QString> value = list->rowValue(list->selectedRow()))
        copy(*value);
}

void ViewCommands::OnGeneratePassword()
{
    PasswordGeneratorDlg dialog(&m_frame);
    connect(&dialog, &PasswordGeneratorDlg::copyRequested, this, &ViewCommands::copy);
    const CloseOnLock closeOnLock(m_frame.document(), dialog);
    dialog.exec();
}

#include "app/ExpiringCommands.h"

#include "core/Clock.h"

#include "app/AccountCommands.h"
#include "app/CommandIds.h"
#include "app/ExpiringDlg.h"
#include "dialogs/CloseOnLock.h"
#include "document/ExpiringItems.h"
#include "document/QuorrilDoc.h"
#include "views/QuorrilView.h"

#include <QAction>
#include <QLabel>

ExpiringCommands::ExpiringCommands(CQuorrilDoc& document, CQuorrilView& tree, AccountCommands& accountCommands,
    const CommandActions& actions, QWidget& window)
    : QObject(&window)
    , m_doc(document)
    , m_tree(tree)
    , m_accountCommands(accountCommands)
    , m_window(window)
{
    connect(actions.value(ID_VIEW_EXPIRING), &QAction::triggered, this, &ExpiringCommands::OnViewExpiring);
    connect(&m_doc, &CQuorrilDoc::documentReset, this, &ExpiringCommands::showNote);
    // Unlocked: the note again; locked: it goes, as the list does.
    connect(&m_doc, &CQuorrilDoc::lockChanged, this, &ExpiringCommands::showNote);
}

void ExpiringCommands::showNote()
{
    const CQuorrilDoc& doc = m_doc;
    m_expiringNote.clear();
    // A wallet opened from its file (a new one has nothing yet), and only while it can be read.
    if (!doc.GetPathName().isEmpty() && !doc.IsLocked()) {
        const QList<ExpiringItem> items = ExpiringItems::collect(doc, Clock::today());
        m_expiringNote = ExpiringItems::statusNote(ExpiringItems::expired(items), ExpiringItems::dueSoon(items));
    }
    showNotes();
}

void ExpiringCommands::setHealthNote(const QString& note)
{
    m_healthNote = note;
    showNotes();
}

void ExpiringCommands::showNotes()
{
    QStringList notes;
    for (const QString& note : { m_expiringNote, m_healthNote })
        if (!note.isEmpty())
            notes << note;
    Q_EMIT noteChanged(notes.join(QStringLiteral("; ")));
}

void ExpiringCommands::OnViewExpiring()
{
    ExpiringDlg dialog(m_doc, Clock::today, &m_window);
    connect(&dialog, &ExpiringDlg::accountActivated, this, [this, &dialog](AccountId id) {
        openAccount(id);
        dialog.refresh();
    });
    const CloseOnLock closeOnLock(m_doc, dialog);
    dialog.exec();
}

void ExpiringCommands::openAccount(AccountId id)
{
    const AccountRecord* account = m_doc.FindAccount(id);
    if (!account || m_doc.IsLocked())
        return;
    // The account is selected first (a search that hides it ends), as Properties acts on the selection.
    if (m_tree.selectAccount(account->GetType(), id))
        m_accountCommands.OnAccountProperties();
}

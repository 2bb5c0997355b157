#include "app/SyncCommands.h"

#include "app/CommandIds.h"
#include "dialogs/BusyWork.h"
#include "dialogs/UiPrompts.h"
#include "document/DiskChanges.h"
#include "document/DocumentTexts.h"
#include "document/QuorrilDoc.h"
#include "views/QuorrilView.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>

namespace {
constexpr int kRetryMilliseconds = 500;
} // namespace

SyncCommands::SyncCommands(CQuorrilDoc& document, UiPrompts& prompts, CQuorrilView& tree, const CommandActions& actions,
    QStatusBar& statusBar, QObject* parent)
    : QObject(parent)
    , m_doc(document)
    , m_prompts(prompts)
    , m_tree(tree)
    , m_mergeFrom(actions.value(ID_FILE_MERGE_FROM))
    , m_changes(new DiskChanges(document, prompts, this))
{
    m_changes->setBusy([this] { return busy(); });
    connect(m_mergeFrom, &QAction::triggered, this, &SyncCommands::OnMergeFrom);
    connect(m_changes, &DiskChanges::status, this,
        [&statusBar](const QString& message) { statusBar.showMessage(message, kStatusMilliseconds); });
    connect(m_changes, &DiskChanges::aboutToReload, this, [this] {
        m_beforeReload = treeState();
        Q_EMIT documentClosing();
    });
    connect(m_changes, &DiskChanges::reloaded, this, [this] {
        // A reload given up while its key was derived left the document as it was.
        if (m_doc.lastOpenResult() == CQuorrilDoc::OpenResult::Abandoned)
            Q_EMIT documentKept();
        restore(m_beforeReload);
    });
    connect(m_changes, &DiskChanges::conflictCopyFound, this, [this](const QString& path) {
        m_copiesToOffer << path;
        offerConflictCopies();
    });
    connect(&m_doc, &CQuorrilDoc::lockChanged, this, &SyncCommands::offerConflictCopies);
    connect(&m_doc, &CQuorrilDoc::pathChanged, this, [this] { m_copiesToOffer.clear(); });
}

bool SyncCommands::busy() const { return QApplication::activeModalWidget() != nullptr || waitingWhileBusy(); }

void SyncCommands::updateState() { m_mergeFrom->setEnabled(!m_doc.IsLocked()); }

void SyncCommands::OnMergeFrom()
{
    if (m_doc.IsLocked())
        return;
    const QString path = m_prompts.openFileName();
    if (!path.isEmpty())
        m_changes->mergeFrom(path);
}

void SyncCommands::offerConflictCopies()
{
    // One question at a time, and none over a locked wallet (the unlock asks) or an open dialog
    // (asked once it has closed).
    if (m_doc.IsLocked() || m_copiesToOffer.isEmpty())
        return;
    if (busy()) {
        QTimer::singleShot(kRetryMilliseconds, this, &SyncCommands::offerConflictCopies);
        return;
    }
    while (!m_copiesToOffer.isEmpty()) {
        const QString path = m_copiesToOffer.takeFirst();
        if (!QFileInfo::exists(path))
            continue;
        const QString text = DocumentText::conflictCopyFound(QFileInfo(path).fileName());
        if (m_prompts.question(text, UiPrompts::Icon::Question))
            m_changes->mergeFrom(path);
    }
}

SyncCommands::TreeState SyncCommands::treeState() const
{
    const CQuorrilView& tree = m_tree;
    TreeState state;
    state.rootOpen = tree.isExpanded(tree.rootNode());
    for (AccountType type : accountTypes()) {
        const QModelIndex category = tree.categoryNode(type);
        if (category.isValid() && tree.isExpanded(category))
            state.openCategories.push_back(type);
    }
    const QModelIndex selected = tree.selectedNode();
    state.selectedType = CQuorrilView::nodeType(selected);
    state.selectedId = CQuorrilView::nodeAccountId(selected);
    return state;
}

void SyncCommands::restore(const TreeState& state)
{
    CQuorrilView& tree = m_tree;
    if (state.rootOpen)
        tree.expand(tree.rootNode());
    for (AccountType type : state.openCategories) {
        const QModelIndex category = tree.categoryNode(type);
        if (category.isValid())
            tree.expand(category);
    }
    // The account selected before, if the new file still has it; else its category.
    if (state.selectedType == AccountType::None)
        return;
    if (idValue(state.selectedId) != 0 && tree.selectAccount(state.selectedType, state.selectedId))
        return;
    const QModelIndex category = tree.categoryNode(state.selectedType);
    if (category.isValid())
        tree.selectNode(category);
}

#include "document/QuorrilDoc.h"

#include "accounts/AccountFactory.h"

#include <algorithm>
#include <unordered_set>

CQuorrilDoc::CQuorrilDoc(Prompts& prompts, QObject* parent)
    : QObject(parent)
    , m_prompts(prompts)
    , m_session(prompts, m_table)
{
    connect(&m_table, &AccountBook::modifiedChanged, this, &CQuorrilDoc::modifiedChanged);
    connect(&m_table, &AccountBook::accountAdded, this, &CQuorrilDoc::accountAdded);
    connect(&m_table, &AccountBook::accountRemoved, this, &CQuorrilDoc::accountRemoved);
    connect(&m_table, &AccountBook::accountChanged, this, &CQuorrilDoc::accountChanged);
    connect(&m_table, &AccountBook::changesStarting, this, &CQuorrilDoc::changesStarting);
    connect(&m_table, &AccountBook::changesFinished, this, &CQuorrilDoc::changesFinished);
    connect(&m_table, &AccountBook::historyChanged, this, &CQuorrilDoc::historyChanged);
    connect(&m_session, &FileSession::pathChanged, this, &CQuorrilDoc::pathChanged);
    connect(&m_session, &FileSession::lockChanged, this, &CQuorrilDoc::lockChanged);
    connect(&m_session, &FileSession::encryptionChanged, this, &CQuorrilDoc::encryptionChanged);
    connect(&m_session, &FileSession::viewsUpdated, this, &CQuorrilDoc::viewsUpdated);
    connect(&m_session, &FileSession::documentReset, this, &CQuorrilDoc::documentReset);
    connect(&m_session, &FileSession::backupFailed, this, &CQuorrilDoc::backupFailed);
    connect(&m_session, &FileSession::fileSettled, this, &CQuorrilDoc::fileSettled);
    // Undo and Redo are unavailable while locked.
    connect(&m_session, &FileSession::lockChanged, this, &CQuorrilDoc::historyChanged);
}

CQuorrilDoc::~CQuorrilDoc() = default;

namespace {
Step named(const QString& name)
{
    Step step;
    step.name = name;
    return step;
}
} // namespace

QString CQuorrilDoc::stepName(const char* what, const QString& title) { return tr(what).arg(title); }

void CQuorrilDoc::ClearAccounts()
{
    m_table.clearAccounts();
    m_session.setPassword(QString());
}

StepChange CQuorrilDoc::changeTo(AccountId id, std::unique_ptr<AccountRecord> account) const
{
    using Kind = StepChange::Kind;
    const bool filed = FindAccount(id) != nullptr;
    const Kind kind = !account ? Kind::Remove : filed ? Kind::Edit : Kind::Add;
    return { id, kind, std::move(account) };
}

std::optional<AccountId> CQuorrilDoc::AddAccount(std::unique_ptr<AccountRecord> account, const QString& name)
{
    if (!account || !account->IsCommitted() || HasDuplicateAccount(*account))
        return std::nullopt;
    const AccountId id = account->GetId();
    Step step = named(name.isEmpty() ? stepName(QT_TR_NOOP("New \"%1\""), account->GetTitle()) : name);
    step.accounts.push_back(changeTo(id, std::move(account)));
    m_table.run(std::move(step));
    return id;
}

bool CQuorrilDoc::RemoveAccount(AccountId id)
{
    const AccountRecord* account = FindAccount(id);
    if (!account || IsLocked())
        return false;
    Step step = named(stepName(QT_TR_NOOP("Delete \"%1\""), account->GetTitle()));
    step.accounts.push_back(changeTo(id, nullptr));
    m_table.run(std::move(step));
    return true;
}

quint64 CQuorrilDoc::EditAccount(std::unique_ptr<AccountRecord> account, quint64 joinStep)
{
    if (!account || IsLocked())
        return 0;
    const QString name = stepName(QT_TR_NOOP("Edit \"%1\""), account->GetTitle());
    if (Step* last = joinStep ? m_table.lastStep(joinStep) : nullptr) {
        last->name = name;
        m_table.amend(*last, std::move(account));
        Q_EMIT historyChanged();
        return joinStep;
    }
    const AccountId id = account->GetId();
    const AccountRecord* before = FindAccount(id);
    if (before && sameContent(*before, *account)) {
        SetModifiedFlag(true);
        return 0;
    }
    Step step = named(name);
    step.accounts.push_back(changeTo(id, std::move(account)));
    return m_table.run(std::move(step));
}

int CQuorrilDoc::changeAccounts(
    const QString& name, std::vector<std::unique_ptr<AccountRecord>> accounts, const std::vector<AccountId>& removed)
{
    // One change per id: the last state given for it.
    std::vector<std::pair<AccountId, std::unique_ptr<AccountRecord>>> states;
    states.reserve(removed.size() + accounts.size());
    for (AccountId id : removed)
        if (FindAccount(id))
            states.emplace_back(id, nullptr);
    for (std::unique_ptr<AccountRecord>& account : accounts)
        if (account)
            states.emplace_back(account->GetId(), std::move(account));
    std::stable_sort(states.begin(), states.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    Step step = named(name);
    step.accounts.reserve(states.size());
    for (size_t i = 0; i < states.size(); ++i)
        if (i + 1 == states.size() || states[i + 1].first != states[i].first)
            step.accounts.push_back(changeTo(states[i].first, std::move(states[i].second)));
    if (step.accounts.empty())
        return 0;
    const int count = int(step.accounts.size());
    m_table.run(std::move(step));
    return count;
}

// --- undo and redo ---

QString CQuorrilDoc::undoName() const
{
    const Step* step = m_table.history().undoStep();
    return step ? step->name : QString();
}

QString CQuorrilDoc::redoName() const
{
    const Step* step = m_table.history().redoStep();
    return step ? step->name : QString();
}

bool CQuorrilDoc::Undo()
{
    if (!canUndo() || !m_table.undo())
        return false;
    UpdateAllViews();
    return true;
}

bool CQuorrilDoc::Redo()
{
    if (!canRedo() || !m_table.redo())
        return false;
    UpdateAllViews();
    return true;
}

std::vector<CQuorrilDoc::DeletedAccount> CQuorrilDoc::recentlyDeleted() const
{
    std::vector<DeletedAccount> deleted;
    std::unordered_set<qint32> seen;
    const std::vector<Step>& steps = m_table.history().steps();
    for (size_t done = m_table.history().done(); done-- > 0;) {
        for (const StepChange& change : steps[done].accounts) {
            // A done step keeps the account it removed.
            if (change.kind != StepChange::Kind::Remove || !change.kept || FindAccount(change.id)
                || !seen.insert(idValue(change.id)).second)
                continue;
            deleted.push_back({ change.id, change.kept->GetType(), change.kept->GetTitle() });
        }
    }
    return deleted;
}

bool CQuorrilDoc::restoreDeleted(AccountId id)
{
    if (IsLocked() || FindAccount(id))
        return false;
    const std::vector<Step>& steps = m_table.history().steps();
    for (size_t done = m_table.history().done(); done-- > 0;) {
        for (const StepChange& change : steps[done].accounts) {
            if (change.id != id || change.kind != StepChange::Kind::Remove || !change.kept)
                continue;
            std::unique_ptr<AccountRecord> account = cloneAccount(*change.kept);
            if (!account || HasDuplicateAccount(*account))
                return false;
            Step step = named(stepName(QT_TR_NOOP("Restore \"%1\""), account->GetTitle()));
            step.accounts.push_back(changeTo(id, std::move(account)));
            m_table.run(std::move(step));
            return true;
        }
    }
    return false;
}

// --- password and container ---

void CQuorrilDoc::OnChangeDocumentPassword()
{
    // While locked the command is unavailable: a new password would unlock the document unasked.
    if (IsLocked())
        return;
    const std::optional<QString> password = m_prompts.password(setPasswordMode());
    if (!password)
        return;
    Step step = named(tr("Change Password"));
    step.password = *password;
    m_table.run(std::move(step));
    OnSaveDocument(GetPathName());
}

void CQuorrilDoc::setEncrypted(bool encrypted)
{
    if (IsLocked() || isEncrypted() == encrypted)
        return;
    Step step = named(encrypted ? tr("Encrypt Wallet") : tr("Decrypt Wallet"));
    step.encrypted = encrypted;
    m_table.run(std::move(step));
}

bool CQuorrilDoc::encryptWithNewPassword(const QString& password)
{
    if (IsLocked() || password.isEmpty() || !ScrambledText::IsStorable(password))
        return false;
    Step step = named(tr("Encrypt Wallet"));
    step.password = password;
    if (!isEncrypted())
        step.encrypted = true;
    m_table.run(std::move(step));
    return true;
}

bool CQuorrilDoc::OnSaveDocument(const QString& path)
{
    if (m_saveGuard && !path.isEmpty() && path == GetPathName() && !m_saveGuard())
        return false;
    return m_session.saveDocument(path);
}

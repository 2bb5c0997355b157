#include "document/AccountBook.h"

#include "core/AccountTypes.h"

#include <limits>

AccountBook::AccountBook(QObject* parent)
    : QObject(parent)
{
}

AccountBook::~AccountBook() = default;

AccountRecord* AccountBook::FindAccount(AccountId id) const
{
    const auto it = m_accounts.find(id);
    return it == m_accounts.end() ? nullptr : it->second.get();
}

bool AccountBook::HasDuplicateAccount(const AccountRecord& account) const
{
    for (const auto& [id, other] : m_accounts)
        if (other->IsSameAccount(account))
            return true;
    return false;
}

bool AccountBook::IsTitleTaken(AccountId id, AccountType type, const QString& title) const
{
    for (const auto& [otherId, other] : m_accounts)
        if (otherId != id && other->GetType() == type && equalsIgnoringAsciiCase(other->GetTitle(), title))
            return true;
    return false;
}

// --- ids ---

qint32 AccountBook::lowestFreeId() const
{
    // The ids from 1 to m_freeIdHint - 1 are all taken; walk the taken run from there.
    qint32 candidate = std::max(m_freeIdHint, 1);
    for (auto it = m_accounts.lower_bound(AccountId(candidate));
         it != m_accounts.end() && idValue(it->first) == candidate; ++it) {
        if (candidate == std::numeric_limits<qint32>::max())
            break; // every positive id is taken: cannot happen in memory, but never overflow
        ++candidate;
    }
    m_freeIdHint = candidate;
    return candidate;
}

AccountId AccountBook::nextFreeId() const
{
    // A stored next id below 1 would number an account like "no account" (0) or worse.
    const qint32 next = std::max(idValue(m_nextAccountId), 1);
    if (m_accounts.empty())
        return AccountId(next);
    const qint32 largest = idValue(m_accounts.rbegin()->first);
    if (largest < next)
        return AccountId(next);
    if (largest < std::numeric_limits<qint32>::max())
        return AccountId(largest + 1);
    return AccountId(lowestFreeId());
}

AccountId AccountBook::NextAccountId()
{
    m_nextAccountId = nextFreeId();
    return m_nextAccountId;
}

void AccountBook::raiseNextIdAbove(AccountId id)
{
    if (idValue(id) >= idValue(m_nextAccountId) && idValue(id) < std::numeric_limits<qint32>::max())
        m_nextAccountId = AccountId(idValue(id) + 1);
}

// --- loading ---

void AccountBook::fileAccount(std::unique_ptr<AccountRecord> account)
{
    const AccountId id = account->GetId();
    raiseNextIdAbove(id);
    // Accounts mostly arrive in ascending id order (a group is stored in id order): the place after
    // the last one filed is then the right one and costs no search.
    m_lastFiled = m_accounts.insert_or_assign(m_lastFiled, id, std::move(account));
}

void AccountBook::clearAccounts()
{
    m_accounts.clear();
    m_lastFiled = m_accounts.end();
    m_freeIdHint = 1;
    clearHistory();
}

// --- the table's own changes ---

void AccountBook::put(std::unique_ptr<AccountRecord> account)
{
    const AccountId id = account->GetId();
    fileAccount(std::move(account));
    Q_EMIT accountAdded(id);
}

std::unique_ptr<AccountRecord> AccountBook::take(AccountId id)
{
    const auto it = m_accounts.find(id);
    if (it == m_accounts.end())
        return nullptr;
    if (it == m_lastFiled)
        m_lastFiled = m_accounts.end();
    std::unique_ptr<AccountRecord> account = std::move(it->second);
    m_accounts.erase(it);
    if (idValue(id) > 0 && idValue(id) < m_freeIdHint)
        m_freeIdHint = idValue(id);
    Q_EMIT accountRemoved(id, account->GetType());
    return account;
}

namespace {
std::vector<std::unique_ptr<UserEntry>> usersOf(const AccountRecord& account)
{
    std::vector<std::unique_ptr<UserEntry>> users;
    for (int i = 0; i < account.GetUserCount(); ++i) {
        const UserEntry* user = account.GetUser(i);
        users.push_back(std::make_unique<UserEntry>(
            user->GetAdministrator(), user->GetLoginId(), user->GetPassword(), user->GetEmail()));
    }
    return users;
}

void setUsers(AccountRecord& account, std::vector<std::unique_ptr<UserEntry>> users)
{
    while (account.RemoveUserAt(account.GetUserCount() - 1)) { }
    for (std::unique_ptr<UserEntry>& user : users)
        AccountBuilder::appendUser(account, std::move(user));
}

// Exchanges everything two accounts of one class hold but their ids.
void swapContent(AccountRecord& a, AccountRecord& b)
{
    const QString title = a.GetTitle();
    a.SetTitle(b.GetTitle());
    b.SetTitle(title);
    const qint32 committed = a.committedFlag();
    AccountBuilder::setCommittedFlag(a, b.committedFlag());
    AccountBuilder::setCommittedFlag(b, committed);
    const AccountType type = a.GetType();
    AccountBuilder::setType(a, b.GetType());
    AccountBuilder::setType(b, type);
    std::vector<std::unique_ptr<UserEntry>> users = usersOf(a);
    setUsers(a, usersOf(b));
    setUsers(b, std::move(users));
    for (int i = 0; i < int(a.layout().fields.size()); ++i) {
        const FieldValue value = a.field(i);
        a.setField(i, b.field(i));
        b.setField(i, value);
    }
}
} // namespace

void AccountBook::refill(std::unique_ptr<AccountRecord> account)
{
    const auto it = m_accounts.find(account->GetId());
    if (it == m_accounts.end())
        fileAccount(std::move(account));
    else if (&it->second->layout() == &account->layout())
        swapContent(*it->second, *account);
    else
        it->second = std::move(account);
}

std::unique_ptr<AccountRecord> AccountBook::replace(std::unique_ptr<AccountRecord> account)
{
    const AccountId id = account->GetId();
    std::unique_ptr<AccountRecord>& slot = m_accounts[id];
    // An account of the same class keeps its object, so that what holds it sees the new state;
    // the given object leaves with the old one.
    if (slot && &slot->layout() == &account->layout())
        swapContent(*slot, *account);
    else
        std::swap(slot, account);
    Q_EMIT accountChanged(id);
    return account;
}

// --- steps ---

void AccountBook::swap(StepChange& change)
{
    std::unique_ptr<AccountRecord> held;
    if (!change.kept)
        held = take(change.id);
    else if (FindAccount(change.id))
        held = replace(std::move(change.kept));
    else
        put(std::move(change.kept));
    change.kept = std::move(held);
}

void AccountBook::swap(Step& step, bool forward)
{
    Q_EMIT changesStarting(int(step.accounts.size()));
    if (forward) {
        for (StepChange& change : step.accounts)
            swap(change);
    } else {
        for (auto it = step.accounts.rbegin(); it != step.accounts.rend(); ++it)
            swap(*it);
    }
    if (m_settings && step.password)
        m_settings->swapPassword(*step.password);
    if (m_settings && step.encrypted)
        m_settings->swapEncrypted(*step.encrypted);
    Q_EMIT changesFinished();
}

quint64 AccountBook::run(Step step)
{
    const bool wasModified = isModified();
    swap(step, true);
    const quint64 serial = m_history.push(std::move(step));
    announceModified(wasModified);
    Q_EMIT historyChanged();
    return serial;
}

void AccountBook::amend(Step& step, std::unique_ptr<AccountRecord> account)
{
    const AccountId id = account->GetId();
    if (FindAccount(id))
        replace(std::move(account));
    else
        put(std::move(account));
    for (StepChange& change : step.accounts) {
        if (change.id == id) {
            if (change.kind == StepChange::Kind::Remove)
                change.kind = StepChange::Kind::Edit;
            return;
        }
    }
    // The account is new to the step: undoing it takes the account out again.
    step.accounts.push_back({ id, StepChange::Kind::Add, nullptr });
}

bool AccountBook::undo() { return travel(false); }

bool AccountBook::redo() { return travel(true); }

bool AccountBook::travel(bool forward)
{
    Step* step = forward ? m_history.redoStep() : m_history.undoStep();
    if (!step)
        return false;
    const bool wasModified = isModified();
    swap(*step, forward);
    if (forward)
        m_history.markRedone();
    else
        m_history.markUndone();
    announceModified(wasModified);
    Q_EMIT historyChanged();
    return true;
}

void AccountBook::clearHistory()
{
    const bool wasModified = isModified();
    const bool hadHistory = !m_history.steps().empty();
    m_history.clear();
    // The mark stays as it was: only a save or a new or opened document clears it.
    m_forcedModified = wasModified;
    if (hadHistory)
        Q_EMIT historyChanged();
}

ChangeStack::History AccountBook::takeHistory()
{
    ChangeStack::History history = m_history.takeHistory();
    Q_EMIT historyChanged();
    return history;
}

void AccountBook::restoreHistory(ChangeStack::History history)
{
    m_history.restoreHistory(std::move(history));
    Q_EMIT historyChanged();
}

ChangeStack::History AccountBook::sealHistory(bool& forcedModified)
{
    forcedModified = m_forcedModified;
    const bool wasModified = isModified();
    ChangeStack::History history = takeHistory();
    m_forcedModified = wasModified;
    return history;
}

void AccountBook::unsealHistory(ChangeStack::History sealed, bool forcedModified)
{
    const bool wasModified = isModified();
    ChangeStack::History meanwhile = m_history.takeHistory();
    meanwhile.steps.resize(meanwhile.done);
    if (!meanwhile.steps.empty()) {
        // As a push does: the steps that could be redone go, and a clean state among them with them.
        sealed.steps.resize(sealed.done);
        if (sealed.clean && *sealed.clean > sealed.done)
            sealed.clean.reset();
        for (Step& step : meanwhile.steps)
            sealed.steps.push_back(std::move(step));
        sealed.done = sealed.steps.size();
    }
    m_history.restoreHistory(std::move(sealed));
    m_forcedModified = forcedModified;
    announceModified(wasModified);
    Q_EMIT historyChanged();
}

// --- modified mark ---

void AccountBook::setModified(bool modified)
{
    const bool wasModified = isModified();
    m_forcedModified = modified;
    if (!modified)
        m_history.setClean();
    announceModified(wasModified);
}

void AccountBook::announceModified(bool wasModified)
{
    if (isModified() != wasModified)
        Q_EMIT modifiedChanged(isModified());
}

#pragma once

#include "document/ChangeStack.h"
#include "format/WalletContents.h"

#include <QObject>

#include <memory>

// What a step changes besides accounts: the document's password and container, which the file
// session holds. A step keeps the side the document does not hold; a swap exchanges the two.
class StepSettings {
public:
    virtual ~StepSettings() = default;
    virtual void swapPassword(QString& other) = 0;
    virtual void swapEncrypted(bool& other) = 0;
};

// The account table of a document: the accounts keyed by id, the id counter, the current account,
// and the history of steps through which every account changes. Each change of the table is
// announced (accountAdded, accountRemoved, accountChanged), and a step's changes come between
// changesStarting and changesFinished, so that a view follows a step of thousands of changes at
// once. The modified mark is the history's clean state, or set by hand (SetModifiedFlag).
class AccountBook : public QObject {
    Q_OBJECT
public:
    explicit AccountBook(QObject* parent = nullptr);
    ~AccountBook() override;

    void setSettings(StepSettings* settings) { m_settings = settings; }

    // --- reading ---
    AccountRecord* FindAccount(AccountId id) const;
    const AccountTable& accounts() const { return m_accounts; }
    int accountCount() const { return int(m_accounts.size()); }
    bool HasDuplicateAccount(const AccountRecord& account) const;
    bool IsTitleTaken(AccountId id, AccountType type, const QString& title) const;
    void SetCurrentAccountId(AccountId id) { m_currentAccountId = id; }
    AccountId GetCurrentAccountId() const { return m_currentAccountId; }

    // --- ids ---
    // The id for a new account (see CQuorrilDoc::NextAccountId), remembered as the next id.
    AccountId NextAccountId();
    // The same without remembering it.
    AccountId nextFreeId() const;
    void setNextAccountId(AccountId id) { m_nextAccountId = id; }

    // --- loading ---
    // Files the account under its id as loading does: no check, no signal, no step; an account
    // already filed under the id is destroyed.
    void fileAccount(std::unique_ptr<AccountRecord> account);
    // Destroys every account and the history.
    void clearAccounts();

    // Puts back the content of an account that a lock left with its title alone, in the same object
    // and without a signal: what the views show of it does not change.
    void refill(std::unique_ptr<AccountRecord> account);

    // --- the table's own changes, each announced ---
    // Files an account under an id that holds none.
    void put(std::unique_ptr<AccountRecord> account);
    // Takes the account out of the table; null when none is filed under the id.
    std::unique_ptr<AccountRecord> take(AccountId id);
    // Puts the account in place of the one filed under its id, and gives that one back. An account
    // of the same class keeps its object: only what it holds changes.
    std::unique_ptr<AccountRecord> replace(std::unique_ptr<AccountRecord> account);

    // --- steps ---
    // Does the step (its changes hold the states after it) and pushes it; returns its serial.
    quint64 run(Step step);
    // The last step done, when nothing was pushed, undone or redone after it.
    Step* lastStep(quint64 serial) { return m_history.lastStep(serial); }
    // Puts the account in place of the one the last step left under its id, as part of that step.
    void amend(Step& step, std::unique_ptr<AccountRecord> account);
    bool undo();
    bool redo();
    const ChangeStack& history() const { return m_history; }
    void clearHistory();
    ChangeStack::History takeHistory();
    void restoreHistory(ChangeStack::History history);
    // The history leaves the table (a lock seals it) while the modified mark stays as it was:
    // `forcedModified` gets the mark's own part, which the history does not tell.
    ChangeStack::History sealHistory(bool& forcedModified);
    // Puts a sealed history back with its part of the mark. The steps done while it was away (new
    // accounts filed while locked) follow its done steps, as if pushed after them.
    void unsealHistory(ChangeStack::History sealed, bool forcedModified);

    // --- modified mark ---
    bool isModified() const { return m_forcedModified || !m_history.isClean(); }
    // True marks the document modified whatever the history says; false makes the present state
    // the one on disk.
    void setModified(bool modified);

Q_SIGNALS:
    void accountAdded(AccountId id);
    void accountRemoved(AccountId id, AccountType type);
    void accountChanged(AccountId id);
    // Around the changes of one step: how many accounts it changes.
    void changesStarting(int count);
    void changesFinished();
    void modifiedChanged(bool modified);
    // What Undo and Redo would do has changed.
    void historyChanged();

private:
    // Exchanges the document's side of the step with the side it keeps.
    void swap(Step& step, bool forward);
    void swap(StepChange& change);
    // Undoes (backwards) or redoes (forward) one step.
    bool travel(bool forward);
    qint32 lowestFreeId() const;
    // The next id stays above every id an account of this session had, so that no new account takes
    // the id of one the history can bring back.
    void raiseNextIdAbove(AccountId id);
    void announceModified(bool wasModified);

    AccountTable m_accounts;
    AccountTable::iterator m_lastFiled = m_accounts.end();
    AccountId m_currentAccountId = AccountId::None;
    AccountId m_nextAccountId = AccountId(1);
    // Every positive id below it is taken: where the search for a free id starts.
    mutable qint32 m_freeIdHint = 1;
    ChangeStack m_history;
    bool m_forcedModified = false;
    StepSettings* m_settings = nullptr;
};

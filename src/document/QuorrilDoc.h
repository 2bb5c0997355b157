#pragma once

#include "core/AccountRecord.h"
#include "document/AccountBook.h"
#include "document/FileSession.h"
#include "document/Prompts.h"
#include "format/EncryptedFormat.h"
#include "format/WalletContents.h"

#include <QByteArrayView>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CArchive;

// The one wallet document, as the rest of the program sees it: the account table (AccountBook:
// accounts, ids, the history of steps, the modified mark) and the file session (FileSession: the
// ".qrl" file, password, lock, container, backups) behind one face. Accounts change only through
// steps: AddAccount, RemoveAccount, EditAccount and changeAccounts each run one, Undo and Redo run
// them back and forth, and views follow the signals. It asks the user only through Prompts.
class CQuorrilDoc : public QObject {
    Q_OBJECT
public:
    using AccountTable = ::AccountTable;
    using OpenResult = FileSession::OpenResult;

    explicit CQuorrilDoc(Prompts& prompts, QObject* parent = nullptr);
    ~CQuorrilDoc() override;

    // --- the account table ---
    AccountRecord* FindAccount(AccountId id) const { return m_table.FindAccount(id); }
    // Files a committed account whose title no account of its type has yet, as one step (named
    // `stepName`, "New "<title>"" when empty); returns its id, or none (the account is then
    // destroyed).
    std::optional<AccountId> AddAccount(std::unique_ptr<AccountRecord> account, const QString& stepName = {});
    // Removes the account filed under id as the step "Delete "<title>""; false when there is none or
    // the document is locked.
    bool RemoveAccount(AccountId id);
    // Puts the account in place of the one filed under its id, as the step "Edit "<title>"", and
    // returns the step's serial. Given the serial of the last step, when nothing was done, undone or
    // redone since, the account joins that step instead (a dialog that changes an account several
    // times before it closes makes one step). An edit that changes nothing makes no step but marks
    // the document modified, and returns 0. A locked document takes no edit (0).
    quint64 EditAccount(std::unique_ptr<AccountRecord> account, quint64 joinStep = 0);
    // One step of many accounts: each account is filed under its id (taking the place of the one
    // filed there, and of an earlier one of the list with the same id), each id of `removed` loses its
    // account. No committed or duplicate check: what a file or an import holds goes in as it is.
    // Nothing happens when nothing would change. Returns the number of accounts changed.
    int changeAccounts(const QString& stepName, std::vector<std::unique_ptr<AccountRecord>> accounts,
        const std::vector<AccountId>& removed = {});
    // The id for a new account: the stored next id, or above every id in the table, and never below
    // 1. Two calls without an account added in between give the same id. Never overflows: when the
    // largest int32 id is taken, the lowest free positive id is given instead.
    AccountId NextAccountId() { return m_table.NextAccountId(); }
    void setNextAccountId(AccountId id) { m_table.setNextAccountId(id); }
    bool HasDuplicateAccount(const AccountRecord& account) const { return m_table.HasDuplicateAccount(account); }
    // True when an account of that type with another id has the title (ignoring ASCII case).
    bool IsTitleTaken(AccountId id, AccountType type, const QString& title) const
    {
        return m_table.IsTitleTaken(id, type, title);
    }
    void SetCurrentAccountId(AccountId id) { m_table.SetCurrentAccountId(id); }
    AccountId GetCurrentAccountId() const { return m_table.GetCurrentAccountId(); }
    AccountRecord* GetCurrentAccount() const { return FindAccount(GetCurrentAccountId()); }
    // Destroys every account and the history, and empties the document password.
    void ClearAccounts();
    // Every account, in id order.
    const AccountTable& accounts() const { return m_table.accounts(); }
    int accountCount() const { return m_table.accountCount(); }
    // The table itself, with its history (what the lock seals).
    AccountBook& accountTable() { return m_table; }
    const AccountBook& accountTable() const { return m_table; }

    // --- undo, redo, and what was deleted ---
    // Undo and Redo are unavailable while the document is locked.
    bool canUndo() const { return !IsLocked() && m_table.history().canUndo(); }
    bool canRedo() const { return !IsLocked() && m_table.history().canRedo(); }
    // The names of the steps they would run ("Delete "Checking"").
    QString undoName() const;
    QString redoName() const;
    bool Undo();
    bool Redo();
    struct DeletedAccount {
        AccountId id;
        AccountType type;
        QString title;
    };
    // The accounts the steps done in this session removed and nothing has put back, latest first.
    std::vector<DeletedAccount> recentlyDeleted() const;
    // Puts a deleted account back as the step "Restore "<title>""; false when it is not among the
    // deleted, an account of its type has its title now, or the document is locked.
    bool restoreDeleted(AccountId id);

    // --- modified mark, path, title, views ---
    bool IsModified() const { return m_table.isModified(); }
    void SetModifiedFlag(bool modified = true) { m_table.setModified(modified); }
    QString GetPathName() const { return m_session.pathName(); }
    // The file name of the path, or "Untitled".
    QString GetTitle() const { return m_session.title(); }
    // Asks every view to refresh (the viewsUpdated signal).
    void UpdateAllViews() { Q_EMIT viewsUpdated(); }

    // --- the file ---
    // Clears the document and makes it a new, unsaved one with no password and no history.
    bool OnNewDocument() { return m_session.newDocument(); }
    // Loads the file and checks ownership with the password prompt. On failure (file unreadable,
    // wrong or cancelled password) the document holds no accounts and no password, and is untitled.
    // Only a regular file is read ("Cannot open wallet.qrl: Is a directory."); a pipe or a device is
    // refused without being opened. Either way the history starts empty. The one exception: when the
    // user gives up waiting for an encrypted file's key (Prompts::runCostly), the open is abandoned
    // and the document stays exactly as it was (lastOpenResult() Abandoned).
    bool OnOpenDocument(const QString& path) { return m_session.openDocument(path); }
    // The same with the file's bytes already read; path is what the document is tied to on success
    // (empty: an untitled document, as a backup opens).
    bool openFromBytes(const QByteArray& bytes, const QString& path) { return m_session.openFromBytes(bytes, path); }
    // The same, with the password given instead of asked (a reload of a file changed on disk).
    bool reloadFromBytes(const QByteArray& bytes, const QString& path, const QString& password)
    {
        return m_session.reloadFromBytes(bytes, path, password);
    }
    // How the last open ended (Opened also after "Invalid File Format !" in a classic file: see
    // loadFailed(); Damaged for an encrypted file, which loads all or nothing).
    OpenResult lastOpenResult() const { return m_session.lastOpenResult(); }
    // Asks for a password first when the document has none, then writes the whole file safely:
    // a failed write leaves the old file as it was, shows "Unable To Save File !" and returns false.
    // An empty path asks for a file name first (Cancel: false, nothing written, no message). The
    // file it replaces is kept as a backup first (Backups.h; backupFailed() when it cannot be).
    // A save to the document's own file first runs the save guard, when one is set: false from it
    // stops the save (the guard has told the user why).
    bool OnSaveDocument(const QString& path);
    void setSaveGuard(std::function<bool()> guard) { m_saveGuard = std::move(guard); }
    // The file version of the last load (0 before any).
    qint32 loadedVersion() const { return m_session.loadedVersion(); }
    // True when the last load stopped with "Invalid File Format !"; such a document is not tied to
    // its damaged file, so its next save needs a file name. So is a document read from a file of a
    // version other than 1 and 2 (see loadedVersion()), which opens with no accounts. A damaged
    // encrypted file is refused whole, and this is true after it too.
    bool loadFailed() const { return m_session.loadFailed(); }
    // How many backups of a wallet a save keeps (0: none), or where each save asks it.
    void setBackupCount(int count)
    {
        m_session.setBackupCount([count] { return count; });
    }
    void setBackupCount(std::function<int()> count) { m_session.setBackupCount(std::move(count)); }

    // Whole-file serialization in the classic layout (ClassicReader, ClassicWriter); damaged data
    // (CArchiveException) and a lack of memory are caught and reported here, anything else goes on
    // to the caller. True when it completed.
    bool Serialize(CArchive& ar) { return m_session.serialize(ar); }
    // Reads the bytes of a classic file into the document as opening does before the password is
    // asked, without a prompt or a notice: damaged data throws CArchiveException, with what came
    // before the damage filed. No step, and the modified mark is left alone.
    void loadClassicBytes(QByteArrayView bytes) { m_session.load(bytes); }
    // What a file written now holds (WalletFile::store): the stored next id is the one the next new
    // account gets, so that loading a file and saving it again writes the same bytes.
    WalletContents contents() const { return m_session.contents(); }
    // Where a text of the document would not read back as it is held (see ScrambledText::IsStorable):
    // "password", or an account id with the field's name; empty when every text is storable.
    QString firstUnstorableText() const { return m_session.firstUnstorableText(); }
    // The same for one account: "title", "users[i].loginId" (password, email) or a field's name.
    static QString firstUnstorableField(const AccountRecord& account)
    {
        return FileSession::firstUnstorableField(account);
    }

    // --- password, ownership, lock ---
    // Asks for a new password and saves at once; the change is a step ("Change Password").
    void OnChangeDocumentPassword();
    // Locking seals every account's content, the history and the password away (DocumentSeal); the
    // titles stay. Unlocking asks for the password and opens the seal. Saving a sealed document
    // unlocks it first.
    void OnLockDocument() { m_session.lock(); }
    void OnUnlockDocument() { m_session.unlock(); }
    bool isSealed() const { return m_session.isSealed(); }
    // Where lock and unlock derive their key: the window keeps painting meanwhile.
    bool IsLocked() const { return m_session.isLocked(); }
    bool hasPassword() const { return m_session.hasPassword(); }
    // Sets the document password directly (the command-line import; tests).
    void setPassword(const QString& password) { m_session.setPassword(password); }
    bool passwordMatches(const QString& candidate) const { return m_session.passwordMatches(candidate); }
    // The document password itself: what opens another copy of the same wallet without asking.
    QString password() const { return m_session.password(); }

    // --- encryption ---
    // Whether a save writes the encrypted container (true) or the classic layout. An opened file
    // keeps its own; a new document takes setEncryptNewDocuments().
    bool isEncrypted() const { return m_session.isEncrypted(); }
    // Switches the container of the next save as a step ("Encrypt Wallet", "Decrypt Wallet");
    // nothing while the document is locked.
    void setEncrypted(bool encrypted);
    // Whether New (and the empty document after a refused open) makes an encrypted document. A new
    // document still untouched (no path, no account, not modified) follows at once.
    void setEncryptNewDocuments(bool encrypted) { m_session.setEncryptNewDocuments(encrypted); }
    // The least key derivation cost of an encrypted save (EncryptedFormat::defaultCost() unless set).
    // A save spends the greater of it and the opened file's own cost, so a save never weakens a file.
    void setKdfCost(const KdfCost& cost) { m_session.setKdfCost(cost); }
    KdfCost kdfCost() const { return m_session.kdfCost(); }
    // Opens encrypted files whatever cost (within the format's bounds) their header asks for: the
    // command line's --allow-costly-kdf, or the window once the user trusts the file. Otherwise a
    // header asking for more than EncryptedFormat::kCostlyRatio times the least cost above is
    // refused as damaged before any key is derived.
    void setAllowCostlyKdf(bool allow) { m_session.setAllowCostlyKdf(allow); }
    // The container of the file last opened or saved (for a new document, the one it began with).
    bool savedEncrypted() const { return m_session.savedEncrypted(); }
    // A switch of container that waits for the next save.
    bool encryptionPending() const { return m_session.encryptionPending(); }
    // Encrypting should come with a new password: the present one has been stored in a classic
    // file, and every classic copy (backups, sync history) gives it away to anyone.
    bool encryptingNeedsNewPassword() const { return hasPassword() && !savedEncrypted(); }
    // Switches to the encrypted container with a new document password as one step ("Encrypt
    // Wallet"); false with nothing changed while locked or for a password a file cannot store.
    bool encryptWithNewPassword(const QString& password);

    // Enabling rules of the document's commands.
    bool canSave() const { return IsModified(); }
    bool canChangePassword() const { return !GetPathName().isEmpty() && !IsLocked(); }
    bool canLock() const { return !IsLocked() && hasPassword(); }
    bool canUnlock() const { return IsLocked(); }
    bool canSwitchEncryption() const { return !IsLocked(); }

Q_SIGNALS:
    void modifiedChanged(bool modified);
    void pathChanged(const QString& path);
    void lockChanged(bool locked);
    // The container of the next save changed, or a save or open settled a pending switch.
    void encryptionChanged(bool encrypted);
    // Stands for the views' refresh (UpdateAllViews).
    void viewsUpdated();
    // A new document was made or a file opened (or refused): the views rebuild.
    void documentReset();
    // The table's changes, one by one, and around each step's changes how many it has.
    void accountAdded(AccountId id);
    void accountRemoved(AccountId id, AccountType type);
    void accountChanged(AccountId id);
    void changesStarting(int count);
    void changesFinished();
    // What Undo and Redo would do, or what was deleted, has changed.
    void historyChanged();
    // A save went through without keeping the file it replaced (the message says why).
    void backupFailed(const QString& message);
    // The document is now tied to the file at path, which holds these bytes (opened or saved).
    void fileSettled(const QString& path, const QByteArray& bytes);

private:
    // The step's change that gives the account under its id the state `account` (null: none).
    StepChange changeTo(AccountId id, std::unique_ptr<AccountRecord> account) const;
    static QString stepName(const char* what, const QString& title);

    Prompts& m_prompts;
    AccountBook m_table;
    FileSession m_session;
    std::function<bool()> m_saveGuard;
    // The set mode of the password prompt for this document's container.
    Prompts::PasswordMode setPasswordMode() const { return m_session.setPasswordMode(); }
};

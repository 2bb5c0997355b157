#pragma once

#include "core/AccountRecord.h"
#include "core/ScrambledText.h"
#include "document/Prompts.h"
#include "format/EncryptedFormat.h"
#include "format/WalletContents.h"
#include "format/WalletSink.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class CArchive;

// The one wallet document: the table of accounts keyed by id, the id counter, the document password
// and lock, the modified mark, and the open and save flow of its ".qrl" file. The bytes of the file
// are the format module's (WalletFile); the document is what a file is read into (a WalletSink)
// and what one is written from (contents()). It asks the user only through Prompts.
class CQuorrilDoc : public QObject, public WalletSink {
    Q_OBJECT
public:
    using AccountTable = ::AccountTable;

    explicit CQuorrilDoc(Prompts& prompts, QObject* parent = nullptr);
    ~CQuorrilDoc() override;

    // --- the account table ---
    AccountRecord* FindAccount(AccountId id) const;
    // Files a committed account whose title no account of its type has yet; returns its id, or none
    // (the account is then destroyed). Marks the document modified when it files the account.
    std::optional<AccountId> AddAccount(std::unique_ptr<AccountRecord> account);
    // Destroys the account filed under id and marks the document modified; false when there is none.
    bool RemoveAccount(AccountId id);
    // The id for a new account: the stored next id, or above every id in the table, and never below
    // 1. Two calls without an account added in between give the same id. Never overflows: when the
    // largest int32 id is taken, the lowest free positive id is given instead.
    AccountId NextAccountId() override;
    bool HasDuplicateAccount(const AccountRecord& account) const;
    // True when an account of that type with another id has the title (ignoring ASCII case).
    bool IsTitleTaken(AccountId id, AccountType type, const QString& title) const;
    void SetCurrentAccountId(AccountId id) { m_currentAccountId = id; }
    AccountId GetCurrentAccountId() const { return m_currentAccountId; }
    AccountRecord* GetCurrentAccount() const { return FindAccount(m_currentAccountId); }
    // Destroys every account and empties the document password.
    void ClearAccounts();
    // Files the account under its id as loading does: no committed or duplicate check, an account
    // already filed under the id is destroyed, and the modified mark is left alone.
    void fileAccount(std::unique_ptr<AccountRecord> account) override;
    // Every account, in id order.
    const AccountTable& accounts() const { return m_accounts; }
    int accountCount() const { return int(m_accounts.size()); }

    // --- modified mark, path, title, views ---
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true);
    QString GetPathName() const { return m_pathName; }
    // The file name of the path, or "Untitled".
    QString GetTitle() const;
    // Asks every view to refresh (the viewsUpdated signal).
    void UpdateAllViews();

    // --- the file ---
    // Clears the document and makes it a new, unsaved one with no password.
    bool OnNewDocument();
    // Loads the file and checks ownership with the password prompt. On failure (file unreadable,
    // wrong or cancelled password) the document holds no accounts and no password, and is untitled.
    // Only a regular file is read ("Cannot open wallet.qrl: Is a directory."); a pipe or a device is
    // refused without being opened.
    bool OnOpenDocument(const QString& path);
    // The same with the file's bytes already read; path is what the document is tied to on success.
    bool openFromBytes(QByteArrayView bytes, const QString& path);
    enum class OpenResult { None, Opened, Unreadable, Cancelled, NotOwner, Damaged };
    // How the last open ended (Opened also after "Invalid File Format !" in a classic file: see
    // loadFailed(); Damaged for an encrypted file, which loads all or nothing).
    OpenResult lastOpenResult() const { return m_openResult; }
    // Asks for a password first when the document has none, then writes the whole file safely:
    // a failed write leaves the old file as it was, shows "Unable To Save File !" and returns false.
    // An empty path asks for a file name first (Cancel: false, nothing written, no message).
    bool OnSaveDocument(const QString& path);
    // The file version of the last load (0 before any).
    qint32 loadedVersion() const { return m_loadedVersion; }
    // True when the last load stopped with "Invalid File Format !"; such a document is not tied to
    // its damaged file, so its next save needs a file name. So is a document read from a file of a
    // version other than 1 and 2 (see loadedVersion()), which opens with no accounts. A damaged
    // encrypted file is refused whole, and this is true after it too.
    bool loadFailed() const { return m_loadFailed; }

    // Whole-file serialization in the classic layout (ClassicReader, ClassicWriter); damaged data
    // (CArchiveException) and a lack of memory are caught and reported here, anything else goes on
    // to the caller. True when it completed.
    bool Serialize(CArchive& ar);
    // What a file written now holds (WalletFile::store): the stored next id is the one the next new
    // account gets, so that loading a file and saving it again writes the same bytes.
    WalletContents contents() const { return { nextFreeId(), m_password, m_accounts }; }
    // What a reader sets besides the accounts (WalletFile::load reads into the document as it is;
    // ClearAccounts() first for a document of the file's accounts alone).
    void setFileVersion(qint32 version) override { m_loadedVersion = version; }
    // Where a text of the document would not read back as it is held (see ScrambledText::IsStorable):
    // "password", or an account id with the field's name; empty when every text is storable.
    QString firstUnstorableText() const;
    // The same for one account: "title", "users[i].loginId" (password, email) or a field's name.
    static QString firstUnstorableField(const AccountRecord& account);

    // --- password, ownership, lock ---
    void OnChangeDocumentPassword();
    void OnLockDocument();
    void OnUnlockDocument();
    bool IsLocked() const { return m_locked; }
    bool hasPassword() const { return !m_password.text().isEmpty(); }
    // Sets the document password directly (the command-line import; the password prompt path).
    void setPassword(const QString& password) override { m_password = password; }
    bool passwordMatches(const QString& candidate) const { return candidate == m_password.text(); }
    void setNextAccountId(AccountId id) override { m_nextAccountId = id; }

    // --- encryption ---
    // Whether a save writes the encrypted container (true) or the classic layout. An opened file
    // keeps its own; a new document takes setEncryptNewDocuments().
    bool isEncrypted() const { return m_encrypted; }
    // Switches the container of the next save and marks the document modified; nothing while the
    // document is locked.
    void setEncrypted(bool encrypted);
    // Whether New (and the empty document after a refused open) makes an encrypted document. A new
    // document still untouched (no path, no account, not modified) follows at once.
    void setEncryptNewDocuments(bool encrypted);
    // The least key derivation cost of an encrypted save (EncryptedFormat::defaultCost() unless set).
    // A save spends the greater of it and the opened file's own cost, so a save never weakens a file.
    void setKdfCost(const KdfCost& cost);
    KdfCost kdfCost() const { return m_kdfCost; }
    // Opens encrypted files whatever cost (within the format's bounds) their header asks for: the
    // command line's --allow-costly-kdf, or the window once the user trusts the file. Otherwise a
    // header asking for more than EncryptedFormat::kCostlyRatio times the least cost above is
    // refused as damaged before any key is derived.
    void setAllowCostlyKdf(bool allow) { m_allowCostlyKdf = allow; }
    // The container of the file last opened or saved (for a new document, the one it began with).
    bool savedEncrypted() const { return m_savedEncrypted; }
    // A switch of container that waits for the next save.
    bool encryptionPending() const { return m_encrypted != m_savedEncrypted; }
    // Encrypting should come with a new password: the present one has been stored in a classic
    // file, and every classic copy (backups, sync history) gives it away to anyone.
    bool encryptingNeedsNewPassword() const { return hasPassword() && !m_savedEncrypted; }
    // Switches to the encrypted container with a new document password, and marks the document
    // modified; false with nothing changed while locked or for a password a file cannot store.
    bool encryptWithNewPassword(const QString& password);

    // Enabling rules of the document's commands.
    bool canSave() const { return m_modified; }
    bool canChangePassword() const { return !m_pathName.isEmpty() && !m_locked; }
    bool canLock() const { return !m_locked && hasPassword(); }
    bool canUnlock() const { return m_locked; }
    bool canSwitchEncryption() const { return !m_locked; }

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

private:
    void setPathName(const QString& path);
    // What NextAccountId() returns, without remembering it.
    AccountId nextFreeId() const;
    qint32 lowestFreeId() const;
    bool refuseOpen(OpenResult result);
    bool openEncrypted(QByteArrayView bytes, const QString& path);
    // The end of a successful open: the document takes the file's path, container and cost.
    bool opened(const QString& path, bool encrypted, const KdfCost& fileCost);
    // Sets the container without marking the document modified (open, new).
    void setEncryptionState(bool encrypted);
    // The container the file now on disk has (open, save, new).
    void setSavedEncryption(bool encrypted);
    // The set mode of the password prompt for this document's container.
    Prompts::PasswordMode setPasswordMode() const;
    enum class Direction { Load, Store };
    // Runs one whole load or store, reporting damaged data and a lack of memory (a failed store
    // names the file when there is a path); true when it completed.
    bool guarded(Direction direction, const QString& path, const std::function<void()>& step);
    bool writeFile(const QString& path, const QByteArray& bytes);

    Prompts& m_prompts;
    AccountTable m_accounts;
    AccountTable::iterator m_lastFiled = m_accounts.end();
    AccountId m_currentAccountId = AccountId::None;
    AccountId m_nextAccountId = AccountId(1);
    ScrambledText m_password;
    bool m_locked = false;
    bool m_modified = false;
    QString m_pathName;
    qint32 m_loadedVersion = 0;
    bool m_loadFailed = false;
    OpenResult m_openResult = OpenResult::None;
    bool m_encrypted = false;
    bool m_encryptNew = false;
    bool m_savedEncrypted = false;
    bool m_allowCostlyKdf = false;
    KdfCost m_leastKdfCost = EncryptedFormat::defaultCost();
    KdfCost m_kdfCost = m_leastKdfCost;
    // Every positive id below it is taken: where the search for a free id starts.
    mutable qint32 m_freeIdHint = 1;
};

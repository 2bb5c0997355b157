#pragma once

#include "core/ScrambledText.h"
#include "document/AccountBook.h"
#include "document/DocumentSeal.h"
#include "document/Prompts.h"
#include "format/EncryptedFormat.h"
#include "format/WalletContents.h"
#include "format/WalletSink.h"

#include <QByteArrayView>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class CArchive;

// The file side of a document: the ".qrl" file it is tied to, its password and lock, the container
// a save writes (classic or encrypted), the new, open and save flows, and the backups kept before a
// save replaces a file. It reads a file into the account table and writes one from it; a reader
// fills it through WalletSink, which nothing else sees. It asks the user only through Prompts.
class FileSession : public QObject, public StepSettings, private WalletSink {
    Q_OBJECT
public:
    // Abandoned: the user gave up waiting for the key derivation; the document is as it was.
    enum class OpenResult { None, Opened, Unreadable, Cancelled, NotOwner, Damaged, Abandoned };
    static constexpr int DefaultBackupCount = 5;

    FileSession(Prompts& prompts, AccountBook& table, QObject* parent = nullptr);

    QString pathName() const { return m_pathName; }
    QString title() const;

    bool newDocument();
    bool openDocument(const QString& path);
    bool openFromBytes(const QByteArray& bytes, const QString& path);
    // The same, answering the password check with `password` instead of asking.
    bool reloadFromBytes(const QByteArray& bytes, const QString& path, const QString& password);
    OpenResult lastOpenResult() const { return m_openResult; }
    bool saveDocument(const QString& path);
    qint32 loadedVersion() const { return m_loadedVersion; }
    bool loadFailed() const { return m_loadFailed; }
    bool serialize(CArchive& ar);
    // Reads a classic file's bytes into the table as opening does, asking and telling nothing.
    void load(QByteArrayView classicBytes);
    WalletContents contents() const { return { m_table.nextFreeId(), m_password, m_table.accounts() }; }
    QString firstUnstorableText() const;
    static QString firstUnstorableField(const AccountRecord& account);

    // --- password and lock ---
    bool hasPassword() const { return !m_password.text().isEmpty(); }
    void setPassword(const QString& password) override { m_password = password; }
    bool passwordMatches(const QString& candidate) const { return candidate == m_password.text(); }
    QString password() const { return m_password.text(); }
    bool isLocked() const { return m_locked; }
    // Locks and seals the document (DocumentSeal): only the titles stay readable. Should the seal
    // find no memory, the document is locked all the same, unsealed.
    void lock();
    // Asks for the password and, when it opens the seal (or matches), unlocks; a wrong one or Cancel
    // leaves the document locked.
    void unlock();
    // True while the document's content is sealed away.
    bool isSealed() const { return m_seal.isSealed(); }

    // --- container ---
    bool isEncrypted() const { return m_encrypted; }
    void setEncryptNewDocuments(bool encrypted);
    void setKdfCost(const KdfCost& cost);
    KdfCost kdfCost() const { return m_kdfCost; }
    void setAllowCostlyKdf(bool allow) { m_allowCostlyKdf = allow; }
    bool savedEncrypted() const { return m_savedEncrypted; }
    bool encryptionPending() const { return m_encrypted != m_savedEncrypted; }
    // The set mode of the password prompt for this document's container.
    Prompts::PasswordMode setPasswordMode() const;

    // --- backups ---
    // How many backups of a wallet a save keeps (0: none are made), asked at every save.
    void setBackupCount(std::function<int()> count) { m_backupCount = std::move(count); }

    // What steps change: the password and the container.
    void swapPassword(QString& other) override;
    void swapEncrypted(bool& other) override;

Q_SIGNALS:
    void pathChanged(const QString& path);
    void lockChanged(bool locked);
    void encryptionChanged(bool encrypted);
    void viewsUpdated();
    void documentReset();
    // A save went through, but the file it replaced could not be kept as a backup.
    void backupFailed(const QString& message);
    // The document is now tied to the file at path, which holds these bytes: it was opened, or
    // written by a save.
    void fileSettled(const QString& path, const QByteArray& bytes);

private:
    // Where a lock or an unlock derives its key: through the prompts, which keep the window painting.
    KeyWork keyWork() const
    {
        return [&prompts = m_prompts](const std::function<void()>& work) { prompts.runToEnd(work); };
    }
    // The password that opens a file: the one given to reloadFromBytes, or the user's answer.
    std::optional<QString> verifyPassword();
    // What a reader fills.
    void setFileVersion(qint32 version) override { m_loadedVersion = version; }
    void setNextAccountId(AccountId id) override { m_table.setNextAccountId(id); }
    AccountId NextAccountId() override { return m_table.NextAccountId(); }
    void fileAccount(std::unique_ptr<AccountRecord> account) override { m_table.fileAccount(std::move(account)); }

    void clear();
    // Empties the document for the file about to be read into it.
    void startLoad();
    void setPathName(const QString& path);
    bool refuseOpen(OpenResult result);
    bool openEncrypted(const QByteArray& bytes, const QString& path);
    bool opened(const QString& path, bool encrypted, const KdfCost& fileCost);
    void setEncryptionState(bool encrypted);
    // The container the file now on disk has (open, save, new).
    void setSavedEncryption(bool encrypted);
    enum class Direction { Load, Store };
    bool guarded(Direction direction, const QString& path, const std::function<void()>& step);
    // Writes the bytes in place of the file at path, keeping the file it replaces as a backup.
    bool writeFile(const QString& path, const QByteArray& bytes);

    Prompts& m_prompts;
    AccountBook& m_table;
    ScrambledText m_password;
    bool m_locked = false;
    // Between the start and the end of a lock or unlock, which may run the event loop (runToEnd).
    bool m_lockBusy = false;
    DocumentSeal m_seal;
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
    std::optional<QString> m_givenPassword;
    std::function<int()> m_backupCount = [] { return DefaultBackupCount; };
};

// The new, open and save steps around the whole ".qrl" file; its bytes are the format module's.
#include "document/FileSession.h"

#include "core/CArchive.h"
#include "core/SecretWipe.h"
#include "document/Backups.h"
#include "document/DocumentTexts.h"
#include "document/FileAccess.h"
#include "format/ClassicFormat.h"
#include "format/WalletFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <memory>
#include <new>

namespace {
// The file as the user knows it: its name, or the whole path where it has none (a folder "dir/").
QString fileNameOf(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(path) : name;
}

// The password a user typed to open a file goes, wiped, when the open is over.
struct TypedPassword {
    std::optional<QString> text;
    ~TypedPassword()
    {
        if (text)
            SecretWipe::text(*text);
    }
};

KdfCost strongerOf(const KdfCost& a, const KdfCost& b)
{
    return { std::max(a.opsLimit, b.opsLimit), std::max(a.memLimit, b.memLimit) };
}
} // namespace

FileSession::FileSession(Prompts& prompts, AccountBook& table, QObject* parent)
    : QObject(parent)
    , m_prompts(prompts)
    , m_table(table)
{
    m_table.setSettings(this);
}

QString FileSession::title() const
{
    return m_pathName.isEmpty() ? DocumentText::untitled() : QFileInfo(m_pathName).fileName();
}

void FileSession::setPathName(const QString& path)
{
    if (m_pathName == path)
        return;
    m_pathName = path;
    Q_EMIT pathChanged(path);
}

void FileSession::clear()
{
    m_seal.drop();
    m_table.clearAccounts();
    m_password = QString();
}

// --- password, lock, container ---

void FileSession::lock()
{
    if (m_lockBusy || (!m_locked && !hasPassword()))
        return;
    if (m_locked) {
        Q_EMIT viewsUpdated();
        return;
    }
    m_locked = true;
    // The windows and views let go of what they show first, so that the texts the accounts hold
    // are theirs alone when the seal wipes them; the titles they go on showing stay.
    Q_EMIT lockChanged(true);
    Q_EMIT viewsUpdated();
    m_lockBusy = true;
    m_seal.seal(m_table, m_password, m_leastKdfCost, keyWork());
    m_lockBusy = false;
}

void FileSession::unlock()
{
    if (!m_locked || m_lockBusy)
        return;
    std::optional<QString> password = m_prompts.password(Prompts::PasswordMode::Verify);
    if (!password)
        return;
    bool opened = false;
    if (m_seal.isSealed()) {
        m_lockBusy = true;
        opened = m_seal.open(m_table, m_password, *password, keyWork()) == DocumentSeal::Opened::Yes;
        m_lockBusy = false;
    } else {
        opened = passwordMatches(*password);
    }
    SecretWipe::text(*password);
    if (!opened)
        return;
    m_locked = false;
    Q_EMIT lockChanged(false);
    Q_EMIT viewsUpdated();
}

void FileSession::swapPassword(QString& other)
{
    QString current = m_password.text();
    m_password = other;
    other = std::move(current);
}

void FileSession::swapEncrypted(bool& other)
{
    const bool current = m_encrypted;
    setEncryptionState(other);
    other = current;
}

void FileSession::setEncryptionState(bool encrypted)
{
    if (m_encrypted == encrypted)
        return;
    m_encrypted = encrypted;
    Q_EMIT encryptionChanged(encrypted);
}

void FileSession::setSavedEncryption(bool encrypted)
{
    const bool pending = encryptionPending();
    m_savedEncrypted = encrypted;
    if (pending != encryptionPending())
        Q_EMIT encryptionChanged(m_encrypted);
}

Prompts::PasswordMode FileSession::setPasswordMode() const
{
    return m_encrypted ? Prompts::PasswordMode::SetEncrypted : Prompts::PasswordMode::Set;
}

void FileSession::setEncryptNewDocuments(bool encrypted)
{
    m_encryptNew = encrypted;
    if (m_pathName.isEmpty() && !m_table.isModified() && m_table.accounts().empty()) {
        setEncryptionState(encrypted);
        setSavedEncryption(encrypted);
    }
}

void FileSession::setKdfCost(const KdfCost& cost)
{
    m_leastKdfCost = cost;
    m_kdfCost = cost;
}

// --- loading and storing ---

bool FileSession::serialize(CArchive& ar)
{
    if (ar.IsStoring())
        return guarded(Direction::Store, QString(), [&] { ClassicWriter(ar).write(contents()); });
    return guarded(Direction::Load, QString(), [&] { ClassicReader(ar, *this).read(); });
}

void FileSession::load(QByteArrayView classicBytes) { WalletFile::load(classicBytes, *this); }

bool FileSession::guarded(Direction direction, const QString& path, const std::function<void()>& step)
{
    // Only what a load or a store can meet is caught: damaged data and a lack of memory. Anything
    // else is a fault of the program and goes on.
    QString reason;
    try {
        step();
        return true;
    } catch (const CArchiveException& e) {
        reason = QString::fromUtf8(e.what());
    } catch (const std::bad_alloc&) {
        reason = QCoreApplication::translate("FileSession", "Out of memory");
    }
    // The user gets one message; the accounts read before the fault stay filed.
    if (direction == Direction::Load)
        m_prompts.notice(DocumentText::invalidFileFormat());
    else
        m_prompts.notice(DocumentText::unableToSaveFile(),
            path.isEmpty() ? reason : DocumentText::cannotSave(QDir::toNativeSeparators(path), reason));
    return false;
}

QString FileSession::firstUnstorableField(const AccountRecord& account)
{
    if (!ScrambledText::IsStorable(account.GetTitle()))
        return QStringLiteral("title");
    for (int i = 0; i < account.GetUserCount(); ++i) {
        const UserEntry* user = account.GetUser(i);
        const QString prefix = QStringLiteral("users[%1].").arg(i);
        if (!ScrambledText::IsStorable(user->GetLoginId()))
            return prefix + QStringLiteral("loginId");
        if (!ScrambledText::IsStorable(user->GetPassword()))
            return prefix + QStringLiteral("password");
        if (!ScrambledText::IsStorable(user->GetEmail()))
            return prefix + QStringLiteral("email");
    }
    const RecordLayout& layout = account.layout();
    for (size_t i = 0; i < layout.fields.size(); ++i) {
        const auto* text = std::get_if<ScrambledText>(&account.field(int(i)));
        if (text && !ScrambledText::IsStorable(text->text()))
            return QString::fromLatin1(layout.fields[i].name);
    }
    return {};
}

QString FileSession::firstUnstorableText() const
{
    if (!ScrambledText::IsStorable(m_password.text()))
        return QStringLiteral("password");
    for (const auto& [id, account] : m_table.accounts()) {
        const QString field = firstUnstorableField(*account);
        if (!field.isEmpty())
            return QStringLiteral("account %1: %2").arg(idValue(id)).arg(field);
    }
    return {};
}

// --- new and open ---

bool FileSession::newDocument()
{
    clear();
    setPathName(QString());
    m_table.setModified(false);
    m_loadFailed = false;
    m_loadedVersion = 0;
    m_kdfCost = m_leastKdfCost;
    setEncryptionState(m_encryptNew);
    setSavedEncryption(m_encryptNew);
    Q_EMIT viewsUpdated();
    Q_EMIT documentReset();
    return true;
}

bool FileSession::refuseOpen(OpenResult result)
{
    m_openResult = result;
    clear();
    setPathName(QString());
    // What stays in the window is a new document.
    m_kdfCost = m_leastKdfCost;
    setEncryptionState(m_encryptNew);
    setSavedEncryption(m_encryptNew);
    m_table.setModified(false);
    Q_EMIT documentReset();
    return false;
}

bool FileSession::openDocument(const QString& path)
{
    QString reason;
    const std::optional<QByteArray> bytes = FileAccess::readRegularFile(path, reason);
    if (!bytes) {
        m_prompts.notice(DocumentText::cannotOpen(fileNameOf(path), reason));
        return refuseOpen(OpenResult::Unreadable);
    }
    return openFromBytes(*bytes, path);
}

std::optional<QString> FileSession::verifyPassword()
{
    if (m_givenPassword)
        return m_givenPassword;
    return m_prompts.password(Prompts::PasswordMode::Verify);
}

bool FileSession::reloadFromBytes(const QByteArray& bytes, const QString& path, const QString& password)
{
    m_givenPassword = password;
    const bool opened = openFromBytes(bytes, path);
    m_givenPassword.reset();
    return opened;
}

bool FileSession::openFromBytes(const QByteArray& bytes, const QString& path)
{
    // An encrypted file clears the document only once its key is derived: giving up the wait
    // leaves the document as it was.
    if (WalletFile::containerOf(bytes) == WalletFile::Container::Encrypted)
        return openEncrypted(bytes, path);
    startLoad();
    // An empty file is not read at all; it has no password, so the ownership check refuses it.
    if (!bytes.isEmpty())
        m_loadFailed = !guarded(Direction::Load, path, [&] { WalletFile::load(bytes, *this); });

    const TypedPassword typed { verifyPassword() };
    const std::optional<QString>& password = typed.text;
    if (!password)
        return refuseOpen(OpenResult::Cancelled);
    if (!passwordMatches(*password)) {
        m_prompts.notice(DocumentText::notOwner());
        return refuseOpen(OpenResult::NotOwner);
    }
    opened(path, false, m_leastKdfCost);
    if (!m_pathName.isEmpty())
        Q_EMIT fileSettled(m_pathName, bytes);
    return true;
}

void FileSession::startLoad()
{
    clear();
    m_loadFailed = false;
    m_loadedVersion = 0;
}

namespace {
// What the key derivation of an encrypted file works on. It may run on another thread and outlive
// the open that gave up waiting for it, so it shares the file's bytes and owns the password.
struct KeyDerivation {
    KeyDerivation(const QByteArray& file, const KdfCost& writtenCost)
        : bytes(file)
        , reader(bytes, writtenCost)
    {
    }
    const QByteArray bytes;
    EncryptedReader reader;
    QString password;
    EncryptedReader::Result result = EncryptedReader::Result::Damaged;
};
} // namespace

bool FileSession::openEncrypted(const QByteArray& bytes, const QString& path)
{
    // The header is checked before anything is asked or allocated; the password is asked as for a
    // classic file, and the file loads all or nothing.
    const auto derivation = std::make_shared<KeyDerivation>(bytes, m_leastKdfCost);
    EncryptedReader& reader = derivation->reader;
    auto refuseDamaged = [this](const QString& detail) {
        m_prompts.notice(DocumentText::invalidFileFormat(), detail);
        startLoad();
        m_loadFailed = true;
        return refuseOpen(OpenResult::Damaged);
    };
    // A costly header is opened only when the user trusts it; otherwise it is refused as damaged.
    if (reader.isCostly() && (m_allowCostlyKdf || m_prompts.openCostly(reader.cost())))
        reader.allowCostly();
    if (!reader.headerIsSound())
        return refuseDamaged(reader.isCostly() ? DocumentText::costlyKdf(reader.cost()) : QString());
    const TypedPassword typed { verifyPassword() };
    const std::optional<QString>& password = typed.text;
    if (!password)
        return refuseOpen(OpenResult::Cancelled);
    derivation->password = *password;
    if (!m_prompts.runCostly([derivation] { derivation->result = derivation->reader.unlock(derivation->password); })) {
        m_openResult = OpenResult::Abandoned;
        return false;
    }
    startLoad();
    switch (derivation->result) {
    case EncryptedReader::Result::Opened:
        break;
    case EncryptedReader::Result::WrongPassword:
        m_prompts.notice(DocumentText::notOwner());
        return refuseOpen(OpenResult::NotOwner);
    case EncryptedReader::Result::Damaged:
        return refuseDamaged(QString());
    case EncryptedReader::Result::OutOfMemory:
        return refuseDamaged(DocumentText::noMemoryForKey(reader.cost().memLimit));
    }
    // guarded() shows the notice when the classic bytes inside do not load whole.
    m_loadFailed = !guarded(Direction::Load, path, [&] { WalletFile::load(reader.classicBytes(), *this); });
    reader.wipe();
    if (m_loadFailed)
        return refuseOpen(OpenResult::Damaged);
    // The password inside is the document's; a file sealed with another one is not this owner's.
    if (!passwordMatches(*password)) {
        m_prompts.notice(DocumentText::notOwner());
        return refuseOpen(OpenResult::NotOwner);
    }
    opened(path, true, strongerOf(m_leastKdfCost, reader.cost()));
    if (!m_pathName.isEmpty())
        Q_EMIT fileSettled(m_pathName, bytes);
    return true;
}

bool FileSession::opened(const QString& path, bool encrypted, const KdfCost& fileCost)
{
    m_openResult = OpenResult::Opened;
    // A damaged file, or one of a version written by some other program, is not overwritten unasked
    // (it may hold more than was read): the document is not tied to it.
    setPathName(m_loadFailed || !WalletFile::isKnownVersion(m_loadedVersion) ? QString() : path);
    m_kdfCost = fileCost;
    setEncryptionState(encrypted);
    setSavedEncryption(encrypted);
    m_table.setModified(false);
    Q_EMIT documentReset();
    return true;
}

// --- save ---

bool FileSession::saveDocument(const QString& requestedPath)
{
    QString path = requestedPath;
    if (path.isEmpty()) {
        path = m_prompts.saveFileName(title());
        if (path.isEmpty())
            return false;
    }

    // A sealed document has nothing to write until it is unlocked.
    if (m_seal.isSealed()) {
        unlock();
        if (m_seal.isSealed())
            return false;
    }

    bool passwordJustSet = false;
    if (!hasPassword()) {
        const std::optional<QString> password = m_prompts.password(setPasswordMode());
        if (!password || password->isEmpty())
            return false;
        m_password = *password;
        passwordJustSet = true;
    }

    // A text that would come back changed is never written: the file would silently differ.
    const QString unstorable = firstUnstorableText();
    bool saved = unstorable.isEmpty();
    QByteArray bytes;
    if (saved) {
        const auto container = m_encrypted ? WalletFile::Container::Encrypted : WalletFile::Container::Classic;
        saved = guarded(Direction::Store, path, [&] { bytes = WalletFile::store(contents(), container, m_kdfCost); })
            && writeFile(path, bytes);
    } else {
        m_prompts.notice(DocumentText::unableToSaveFile(),
            DocumentText::cannotSave(QDir::toNativeSeparators(path),
                QCoreApplication::translate("FileSession", "a character that cannot be stored (%1)").arg(unstorable)));
    }

    if (!saved) {
        // The password now exists only in memory: the document differs from every file.
        if (passwordJustSet)
            m_table.setModified(true);
        return false;
    }
    m_loadFailed = false;
    setPathName(path);
    setSavedEncryption(m_encrypted);
    m_table.setModified(false);
    Q_EMIT fileSettled(path, bytes);
    return true;
}

bool FileSession::writeFile(const QString& path, const QByteArray& bytes)
{
    // The file about to be replaced is kept first; a backup that cannot be made never stops the save.
    const int backupCount = m_backupCount();
    QString backup;
    QString backupProblem;
    if (backupCount > 0 && QFileInfo(path).isFile()) {
        backup = Backups::keep(path, backupProblem);
        if (backup.isEmpty() && backupProblem.isEmpty())
            backupProblem = QCoreApplication::translate("FileSession", "unknown error");
    }
    // A wallet leaving the encrypted container can be read by anyone who has the file: only its
    // owner may have it, whatever the encrypted file's mode was.
    const bool makePrivate = !m_encrypted && m_savedEncrypted;
    QString reason;
    if (!FileAccess::writeWholeFile(path, bytes, reason, makePrivate)) {
        // The file is as it was: the copy of it just kept is not another version.
        if (!backup.isEmpty())
            QFile::remove(backup);
        m_prompts.notice(
            DocumentText::unableToSaveFile(), DocumentText::cannotSave(QDir::toNativeSeparators(path), reason));
        return false;
    }
    if (!backup.isEmpty())
        Backups::prune(path, backupCount);
    else if (!backupProblem.isEmpty())
        Q_EMIT backupFailed(DocumentText::backupFailed(backupProblem));
    return true;
}

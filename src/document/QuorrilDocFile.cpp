// The whole ".qrl" file: its layout, and the new, open and save steps around it.
#include "QuorrilDoc.h"

#include "AccountFactory.h"
#include "AccountTypes.h"
#include "CArchive.h"
#include "DocumentTexts.h"
#include "FileAccess.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <new>
#include <vector>

namespace {
constexpr qint32 kWrittenVersion = 2;
constexpr qint32 kVersionWithoutReference = 1;

bool isKnownVersion(qint32 version) { return version == kVersionWithoutReference || version == kWrittenVersion; }

// The file as the user knows it: its name, or the whole path where it has none (a folder "dir/").
QString fileNameOf(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(path) : name;
}
} // namespace

// File layout: version, next account id, scrambled password, then one group per type in the order
// of kAccountTypes (version 1 files stop before the Reference group). A group is a count and that
// many records, each the account's common block and its own record block.
void CQuorrilDoc::storeAll(CArchive& ar) const
{
    std::array<std::vector<AccountRecord*>, kAccountTypes.size()> groups;
    for (const auto& [id, account] : m_accounts) {
        const int group = accountTypeIndex(account->GetType());
        if (group >= 0)
            groups[size_t(group)].push_back(account.get());
    }
    // The stored id is the one the next new account gets, so that loading the file and saving it
    // again writes the same bytes.
    ar << kWrittenVersion << nextFreeId() << m_password;
    for (const auto& group : groups) {
        ar << qint32(group.size());
        for (AccountRecord* account : group)
            account->Serialize(ar); // storing leaves the account as it is
    }
}

void CQuorrilDoc::loadAll(CArchive& ar)
{
    qint32 version = 0;
    ar >> version;
    m_loadedVersion = version;
    ar >> m_nextAccountId >> m_password;
    if (!isKnownVersion(version))
        return; // a version we do not know: no accounts
    for (qint32 type : kAccountTypes) {
        if (type == AccountType::Reference && version == kVersionWithoutReference)
            break;
        readAccountGroup(ar, type);
    }
}

void CQuorrilDoc::readAccountGroup(CArchive& ar, qint32 type)
{
    qint32 count = 0;
    ar >> count;
    // Nothing is reserved for the count: every record reads at least eight bytes, so a count larger
    // than the file ends at its end with the accounts read so far.
    for (qint32 i = 0; i < count; ++i) {
        std::unique_ptr<AccountRecord> account = createAccount(type, NextAccountId());
        account->Serialize(ar);
        // The group decides the class; a record carrying another type code would otherwise reach
        // that type's dialog with fields it does not have, and the writer would file it elsewhere.
        if (account->GetType() != type)
            AccountBuilder::setType(*account, type);
        fileAccount(std::move(account));
    }
}

QByteArray CQuorrilDoc::storeToBytes() const
{
    QByteArray bytes;
    CArchive ar(&bytes);
    storeAll(ar);
    return bytes;
}

void CQuorrilDoc::loadFromBytes(QByteArrayView bytes)
{
    ClearAccounts();
    CArchive ar(bytes);
    loadAll(ar);
}

bool CQuorrilDoc::Serialize(CArchive& ar) { return serialize(ar, QString()); }

bool CQuorrilDoc::serialize(CArchive& ar, const QString& path)
{
    // Only what a load or a store can meet is caught: damaged data and a lack of memory. Anything
    // else is a fault of the program and goes on.
    QString reason;
    try {
        if (ar.IsStoring())
            storeAll(ar);
        else
            loadAll(ar);
        return true;
    } catch (const CArchiveException& e) {
        reason = QString::fromUtf8(e.what());
    } catch (const std::bad_alloc&) {
        reason = QStringLiteral("Out of memory");
    }
    // The user gets one message; the accounts read before the fault stay filed.
    if (ar.IsLoading())
        m_prompts.notice(DocumentText::invalidFileFormat());
    else
        m_prompts.notice(DocumentText::unableToSaveFile(),
            path.isEmpty() ? reason : DocumentText::cannotSave(QDir::toNativeSeparators(path), reason));
    return false;
}

bool CQuorrilDoc::OnNewDocument()
{
    ClearAccounts();
    setPathName(QString());
    SetModifiedFlag(false);
    m_loadFailed = false;
    m_loadedVersion = 0;
    UpdateAllViews();
    Q_EMIT documentReset();
    return true;
}

bool CQuorrilDoc::refuseOpen(OpenResult result)
{
    m_openResult = result;
    ClearAccounts();
    setPathName(QString());
    SetModifiedFlag(false);
    Q_EMIT documentReset();
    return false;
}

bool CQuorrilDoc::OnOpenDocument(const QString& path)
{
    ClearAccounts();
    m_loadFailed = false;
    QString reason;
    const std::optional<QByteArray> bytes = FileAccess::readRegularFile(path, reason);
    if (!bytes) {
        m_prompts.notice(DocumentText::cannotOpen(fileNameOf(path), reason));
        return refuseOpen(OpenResult::Unreadable);
    }
    return openFromBytes(*bytes, path);
}

bool CQuorrilDoc::openFromBytes(QByteArrayView bytes, const QString& path)
{
    ClearAccounts();
    m_loadFailed = false;
    m_loadedVersion = 0;
    // An empty file is not read at all; it has no password, so the ownership check refuses it.
    if (!bytes.isEmpty()) {
        CArchive ar(bytes);
        m_loadFailed = !Serialize(ar);
    }

    const std::optional<QString> password = m_prompts.password(Prompts::PasswordMode::Verify);
    if (!password)
        return refuseOpen(OpenResult::Cancelled);
    if (!passwordMatches(*password)) {
        m_prompts.notice(DocumentText::notOwner());
        return refuseOpen(OpenResult::NotOwner);
    }

    m_openResult = OpenResult::Opened;
    // A damaged file, or one of a version written by some other program, is not overwritten unasked
    // (it may hold more than was read): the document is not tied to it.
    setPathName(m_loadFailed || !isKnownVersion(m_loadedVersion) ? QString() : path);
    SetModifiedFlag(false);
    Q_EMIT documentReset();
    return true;
}

bool CQuorrilDoc::OnSaveDocument(const QString& requestedPath)
{
    QString path = requestedPath;
    if (path.isEmpty()) {
        path = m_prompts.saveFileName(GetTitle());
        if (path.isEmpty())
            return false;
    }

    bool passwordJustSet = false;
    if (!hasPassword()) {
        const std::optional<QString> password = m_prompts.password(Prompts::PasswordMode::Set);
        if (!password || password->isEmpty())
            return false;
        m_password = *password;
        passwordJustSet = true;
    }

    // A text that would come back changed is never written: the file would silently differ.
    const QString unstorable = firstUnstorableText();
    bool saved = unstorable.isEmpty();
    if (saved) {
        QByteArray bytes;
        CArchive ar(&bytes);
        saved = serialize(ar, path) && writeFile(path, bytes);
    } else {
        m_prompts.notice(DocumentText::unableToSaveFile(),
            DocumentText::cannotSave(QDir::toNativeSeparators(path),
                QStringLiteral("a character that cannot be stored (%1)").arg(unstorable)));
    }

    if (!saved) {
        // The password now exists only in memory: the document differs from every file.
        if (passwordJustSet)
            SetModifiedFlag(true);
        return false;
    }
    m_loadFailed = false;
    setPathName(path);
    SetModifiedFlag(false);
    return true;
}

bool CQuorrilDoc::writeFile(const QString& path, const QByteArray& bytes)
{
    QString reason;
    if (FileAccess::writeWholeFile(path, bytes, reason))
        return true;
    m_prompts.notice(
        DocumentText::unableToSaveFile(), DocumentText::cannotSave(QDir::toNativeSeparators(path), reason));
    return false;
}

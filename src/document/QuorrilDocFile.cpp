// The whole ".qrl" file: its layout, and the new, open and save steps around it.
#include "QuorrilDoc.h"

#include "AccountFactory.h"
#include "AccountTypes.h"
#include "CArchive.h"
#include "DocumentTexts.h"

#include <QFile>
#include <QSaveFile>

#include <array>
#include <vector>

namespace {
constexpr qint32 kWrittenVersion = 2;
constexpr qint32 kVersionWithoutReference = 1;
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
    if (version != kVersionWithoutReference && version != kWrittenVersion)
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

bool CQuorrilDoc::Serialize(CArchive& ar)
{
    try {
        if (ar.IsStoring())
            storeAll(ar);
        else
            loadAll(ar);
        return true;
    } catch (...) {
        // Whatever went wrong (end of the data, a malformed text, memory), the user gets one message;
        // the accounts read before the fault stay filed.
        m_prompts.notice(ar.IsStoring() ? DocumentText::unableToSaveFile() : DocumentText::invalidFileFormat());
        return false;
    }
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
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        m_prompts.notice(DocumentText::invalidFileFormat());
        return refuseOpen(OpenResult::Unreadable);
    }
    return openFromBytes(bytes, path);
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
    // A damaged file is not overwritten unasked: the document is not tied to it.
    setPathName(m_loadFailed ? QString() : path);
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
    bool saved = firstUnstorableText().isEmpty();
    if (saved) {
        QByteArray bytes;
        CArchive ar(&bytes);
        saved = Serialize(ar) && writeFile(path, bytes);
    } else {
        m_prompts.notice(DocumentText::unableToSaveFile());
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
    // QSaveFile writes beside the target and renames only after everything was written, so a
    // failure at any point leaves the old file exactly as it was.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written) {
        file.cancelWriting();
        m_prompts.notice(DocumentText::unableToSaveFile());
    }
    return written;
}

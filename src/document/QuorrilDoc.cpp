#include "document/QuorrilDoc.h"

#include "core/AccountTypes.h"
#include "document/DocumentTexts.h"

#include <QFileInfo>

#include <limits>

CQuorrilDoc::CQuorrilDoc(Prompts& prompts, QObject* parent)
    : QObject(parent)
    , m_prompts(prompts)
{
}

CQuorrilDoc::~CQuorrilDoc() = default;

AccountRecord* CQuorrilDoc::FindAccount(AccountId id) const
{
    const auto it = m_accounts.find(id);
    return it == m_accounts.end() ? nullptr : it->second.get();
}

std::optional<AccountId> CQuorrilDoc::AddAccount(std::unique_ptr<AccountRecord> account)
{
    if (!account || !account->IsCommitted() || HasDuplicateAccount(*account))
        return std::nullopt;
    const AccountId id = account->GetId();
    fileAccount(std::move(account));
    SetModifiedFlag(true);
    return id;
}

void CQuorrilDoc::fileAccount(std::unique_ptr<AccountRecord> account)
{
    const AccountId id = account->GetId();
    // Accounts mostly arrive in ascending id order (a group is stored in id order): the place after
    // the last one filed is then the right one and costs no search.
    m_lastFiled = m_accounts.insert_or_assign(m_lastFiled, id, std::move(account));
}

bool CQuorrilDoc::RemoveAccount(AccountId id)
{
    const auto it = m_accounts.find(id);
    if (it == m_accounts.end())
        return false;
    if (it == m_lastFiled)
        m_lastFiled = m_accounts.end();
    m_accounts.erase(it);
    if (idValue(id) > 0 && idValue(id) < m_freeIdHint)
        m_freeIdHint = idValue(id);
    SetModifiedFlag(true);
    return true;
}

qint32 CQuorrilDoc::lowestFreeId() const
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

AccountId CQuorrilDoc::nextFreeId() const
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

AccountId CQuorrilDoc::NextAccountId()
{
    m_nextAccountId = nextFreeId();
    return m_nextAccountId;
}

bool CQuorrilDoc::HasDuplicateAccount(const AccountRecord& account) const
{
    for (const auto& [id, other] : m_accounts)
        if (other->IsSameAccount(account))
            return true;
    return false;
}

bool CQuorrilDoc::IsTitleTaken(AccountId id, AccountType type, const QString& title) const
{
    for (const auto& [otherId, other] : m_accounts)
        if (otherId != id && other->GetType() == type && equalsIgnoringAsciiCase(other->GetTitle(), title))
            return true;
    return false;
}

void CQuorrilDoc::ClearAccounts()
{
    m_accounts.clear();
    m_lastFiled = m_accounts.end();
    m_password = QString();
    m_freeIdHint = 1;
}

void CQuorrilDoc::SetModifiedFlag(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    Q_EMIT modifiedChanged(modified);
}

void CQuorrilDoc::setPathName(const QString& path)
{
    if (m_pathName == path)
        return;
    m_pathName = path;
    Q_EMIT pathChanged(path);
}

QString CQuorrilDoc::GetTitle() const
{
    return m_pathName.isEmpty() ? DocumentText::untitled() : QFileInfo(m_pathName).fileName();
}

void CQuorrilDoc::UpdateAllViews() { Q_EMIT viewsUpdated(); }

void CQuorrilDoc::OnChangeDocumentPassword()
{
    // While locked the command is unavailable: a new password would unlock the document unasked.
    if (m_locked)
        return;
    const std::optional<QString> password = m_prompts.password(setPasswordMode());
    if (!password)
        return;
    m_password = *password;
    SetModifiedFlag(true);
    OnSaveDocument(m_pathName);
}

void CQuorrilDoc::setEncrypted(bool encrypted)
{
    if (m_locked || m_encrypted == encrypted)
        return;
    setEncryptionState(encrypted);
    SetModifiedFlag(true);
}

void CQuorrilDoc::setEncryptionState(bool encrypted)
{
    if (m_encrypted == encrypted)
        return;
    m_encrypted = encrypted;
    Q_EMIT encryptionChanged(encrypted);
}

void CQuorrilDoc::setSavedEncryption(bool encrypted)
{
    const bool pending = encryptionPending();
    m_savedEncrypted = encrypted;
    if (pending != encryptionPending())
        Q_EMIT encryptionChanged(m_encrypted);
}

bool CQuorrilDoc::encryptWithNewPassword(const QString& password)
{
    if (m_locked || password.isEmpty() || !ScrambledText::IsStorable(password))
        return false;
    m_password = password;
    SetModifiedFlag(true);
    setEncrypted(true);
    return true;
}

Prompts::PasswordMode CQuorrilDoc::setPasswordMode() const
{
    return m_encrypted ? Prompts::PasswordMode::SetEncrypted : Prompts::PasswordMode::Set;
}

void CQuorrilDoc::setEncryptNewDocuments(bool encrypted)
{
    m_encryptNew = encrypted;
    if (m_pathName.isEmpty() && !m_modified && m_accounts.empty()) {
        setEncryptionState(encrypted);
        setSavedEncryption(encrypted);
    }
}

void CQuorrilDoc::setKdfCost(const KdfCost& cost)
{
    m_leastKdfCost = cost;
    m_kdfCost = cost;
}

void CQuorrilDoc::OnLockDocument()
{
    if (!hasPassword())
        return;
    if (!m_locked) {
        m_locked = true;
        Q_EMIT lockChanged(true);
    }
    UpdateAllViews();
}

void CQuorrilDoc::OnUnlockDocument()
{
    if (!m_locked)
        return;
    const std::optional<QString> password = m_prompts.password(Prompts::PasswordMode::Verify);
    if (!password || !passwordMatches(*password))
        return;
    m_locked = false;
    Q_EMIT lockChanged(false);
    UpdateAllViews();
}

QString CQuorrilDoc::firstUnstorableField(const AccountRecord& account)
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

QString CQuorrilDoc::firstUnstorableText() const
{
    if (!ScrambledText::IsStorable(m_password.text()))
        return QStringLiteral("password");
    for (const auto& [id, account] : m_accounts) {
        const QString field = firstUnstorableField(*account);
        if (!field.isEmpty())
            return QStringLiteral("account %1: %2").arg(idValue(id)).arg(field);
    }
    return {};
}

#include "core/AccountRecord.h"

#include "core/AccountTypes.h"
#include "core/CArchive.h"

#include <utility>

AccountRecord::AccountRecord(AccountId id, AccountType type)
    : m_type(type)
    , m_id(id)
{
}

AccountRecord::~AccountRecord() = default;

QString AccountRecord::GetTypeName() const { return accountTypeName(m_type); }

bool AccountRecord::IsSameAccount(const AccountRecord& other) const
{
    return m_type == other.m_type && equalsIgnoringAsciiCase(m_title.text(), other.m_title.text());
}

int AccountRecord::AddUser(qint32 administrator, const QString& loginId, const QString& password, const QString& email)
{
    auto user = std::make_unique<UserEntry>(administrator, loginId, password, email);
    if (HasUser(*user))
        return -1;
    m_users.push_back(std::move(user));
    return int(m_users.size()) - 1;
}

bool AccountRecord::HasUser(const UserEntry& user) const
{
    for (const auto& u : m_users)
        if (u->IsSameUser(user))
            return true;
    return false;
}

int AccountRecord::FindUserIndex(const QString& loginId) const
{
    for (size_t i = 0; i < m_users.size(); ++i)
        if (m_users[i]->GetLoginId() == loginId)
            return int(i);
    return -1;
}

const UserEntry* AccountRecord::FindUser(const QString& loginId) const
{
    const int i = FindUserIndex(loginId);
    return i < 0 ? nullptr : m_users[size_t(i)].get();
}

UserEntry* AccountRecord::FindUser(const QString& loginId)
{
    return const_cast<UserEntry*>(std::as_const(*this).FindUser(loginId));
}

int AccountRecord::RemoveUser(const QString& loginId)
{
    const int i = FindUserIndex(loginId);
    RemoveUserAt(i);
    return i;
}

bool AccountRecord::RemoveUserAt(int index)
{
    if (index < 0 || index >= int(m_users.size()))
        return false;
    m_users.erase(m_users.begin() + index);
    return true;
}

const UserEntry* AccountRecord::GetUser(int index) const
{
    if (index < 0 || index >= int(m_users.size()))
        return nullptr;
    return m_users[size_t(index)].get();
}

UserEntry* AccountRecord::GetUser(int index) { return const_cast<UserEntry*>(std::as_const(*this).GetUser(index)); }

void AccountRecord::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << qint32(1) << idValue(m_id) << typeCode(m_type) << m_title << m_committed << qint32(m_users.size());
        for (const auto& user : m_users)
            user->Serialize(ar);
        return;
    }
    qint32 version = 0;
    ar >> version;
    if (version != 1)
        return;
    qint32 id = 0;
    qint32 type = 0;
    qint32 count = 0;
    ar >> id >> type >> m_title >> m_committed >> count;
    // Any code is kept as read; whoever files the record decides what a code of none of the ten means.
    m_id = AccountId(id);
    m_type = AccountType(type);
    // Each user entry takes at least four bytes, so a count beyond what is left cannot be real;
    // reading still fails at the first missing entry, but nothing is reserved for it beforehand.
    for (qint32 i = 0; i < count; ++i) {
        auto user = std::make_unique<UserEntry>(0, QString(), QString(), QString());
        user->Serialize(ar);
        m_users.push_back(std::move(user));
    }
}

int AccountRecord::ListProperties(QStringList& names, QStringList& values) const
{
    // The labels are translated where they are shown: the command line lists them in English.
    names << QString::fromLatin1(QT_TRANSLATE_NOOP("AccountFields", "Type"))
          << QString::fromLatin1(QT_TRANSLATE_NOOP("AccountFields", "Title"));
    values << GetTypeName() << m_title.text();
    return int(names.size());
}

const RecordLayout& AccountRecord::layout() const
{
    static const RecordLayout empty { AccountType::None, {}, {}, {} };
    return empty;
}

const FieldValue& AccountRecord::field(int) const
{
    static const FieldValue none;
    return none;
}

void AccountRecord::setField(int, const FieldValue&) { }

QString AccountRecord::propertyLabel(int index) const
{
    return QString::fromLatin1(layout().fields[size_t(index)].label);
}

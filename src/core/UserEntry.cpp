#include "core/UserEntry.h"

#include "core/AccountTypes.h"
#include "core/CArchive.h"

UserEntry::UserEntry(qint32 administrator, const QString& loginId, const QString& password, const QString& email)
    : m_loginId(loginId)
    , m_password(password)
    , m_email(email)
    , m_administrator(administrator)
{
}

bool UserEntry::IsSameUser(const UserEntry& other) const
{
    return m_loginId.text() == other.m_loginId.text() && m_password.text() == other.m_password.text()
        && equalsIgnoringAsciiCase(m_email.text(), other.m_email.text());
}

void UserEntry::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << qint32(1) << m_administrator << m_loginId << m_password << m_email;
        return;
    }
    qint32 version = 0;
    ar >> version;
    if (version != 1)
        return;
    ar >> m_administrator >> m_loginId >> m_password >> m_email;
}

#pragma once

#include "core/ScrambledText.h"

class CArchive;

// One user of an account: log-in id, password, e-mail address and administrator flag.
class UserEntry {
public:
    UserEntry(qint32 administrator, const QString& loginId, const QString& password, const QString& email);

    QString GetLoginId() const { return m_loginId; }
    QString GetPassword() const { return m_password; }
    QString GetEmail() const { return m_email; }
    qint32 GetAdministrator() const { return m_administrator; }
    void SetLoginId(const QString& text) { m_loginId = text; }
    void SetPassword(const QString& text) { m_password = text; }
    void SetEmail(const QString& text) { m_email = text; }
    void SetAdministrator(qint32 flag) { m_administrator = flag; }

    // Same log-in id and password exactly, and the same e-mail address ignoring ASCII case.
    bool IsSameUser(const UserEntry& other) const;

    void Serialize(CArchive& ar);

private:
    ScrambledText m_loginId;
    ScrambledText m_password;
    ScrambledText m_email;
    qint32 m_administrator = 0;
};

#pragma once

#include "core/AccountFields.h"

#include <array>

class CArchive;

// One user of an account: log-in id, password, e-mail address and administrator flag. Its fields
// are described by a field table of their own (Layout()), which drives storing, loading and listing
// as an account type's table does.
class UserEntry {
public:
    enum Field : int { LoginId, Password, Email, Administrator, FieldCount };

    UserEntry(qint32 administrator, const QString& loginId, const QString& password, const QString& email);

    // The fields of every user entry, with their names, property labels, secrets and roles.
    static const RecordLayout& Layout();

    QString GetLoginId() const { return text(LoginId); }
    QString GetPassword() const { return text(Password); }
    QString GetEmail() const { return text(Email); }
    qint32 GetAdministrator() const { return std::get<qint32>(m_values[Administrator]); }
    void SetLoginId(const QString& text) { m_values[LoginId] = ScrambledText(text); }
    void SetPassword(const QString& text) { m_values[Password] = ScrambledText(text); }
    void SetEmail(const QString& text) { m_values[Email] = ScrambledText(text); }
    void SetAdministrator(qint32 flag) { m_values[Administrator] = flag; }

    // A field by its index into Layout().fields; a value of another kind than the field's is ignored.
    const FieldValue& field(int index) const { return m_values[size_t(index)]; }
    void setField(int index, const FieldValue& value);

    // Same log-in id and password exactly, and the same e-mail address ignoring ASCII case.
    bool IsSameUser(const UserEntry& other) const;

    void Serialize(CArchive& ar);

private:
    QString text(Field field) const { return std::get<ScrambledText>(m_values[field]).text(); }

    std::array<FieldValue, FieldCount> m_values;
};

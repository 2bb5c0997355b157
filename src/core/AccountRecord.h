#pragma once

#include "core/AccountFields.h"
#include "core/AccountId.h"
#include "core/AccountTypes.h"
#include "core/ScrambledText.h"
#include "core/UserEntry.h"

#include <QStringList>

#include <memory>
#include <vector>

class CArchive;

// What every account shares: type code, id, title, the user list and the committed flag. Stores and
// loads the common block at the start of every account record, and lists the "Type" and "Title" rows.
class AccountRecord {
public:
    AccountRecord(AccountId id, AccountType type);
    virtual ~AccountRecord();
    AccountRecord(const AccountRecord&) = delete;
    AccountRecord& operator=(const AccountRecord&) = delete;

    virtual void Serialize(CArchive& ar);
    // Appends (label, value) rows and returns the number of entries of names.
    virtual int ListProperties(QStringList& names, QStringList& values) const;

    AccountType GetType() const { return m_type; }
    AccountId GetId() const { return m_id; }
    QString GetTitle() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }
    QString GetTypeName() const;

    // Same type code and titles equal ignoring ASCII case.
    bool IsSameAccount(const AccountRecord& other) const;

    void SetCommitted() { m_committed = 1; }
    bool IsCommitted() const { return m_committed != 0; }
    qint32 committedFlag() const { return m_committed; }

    // Appends a user unless an equal one is listed; returns its index, or -1.
    int AddUser(qint32 administrator, const QString& loginId, const QString& password, const QString& email);
    bool HasUser(const UserEntry& user) const;
    int FindUserIndex(const QString& loginId) const;
    UserEntry* FindUser(const QString& loginId);
    const UserEntry* FindUser(const QString& loginId) const;
    int RemoveUser(const QString& loginId);
    // Deletes the entry at index (later entries move down); false when there is none.
    bool RemoveUserAt(int index);
    int GetUserCount() const { return int(m_users.size()); }
    UserEntry* GetUser(int index);
    const UserEntry* GetUser(int index) const;

    // The fields of the account's own type, reached by index into layout().fields. An account
    // without fields of its own has an empty layout.
    virtual const RecordLayout& layout() const;
    virtual const FieldValue& field(int index) const;
    virtual void setField(int index, const FieldValue& value);
    // The property label of a field: its table's, unless the type picks its own (the Insurance
    // detail row).
    virtual QString propertyLabel(int index) const;

private:
    friend class AccountBuilder;

    std::vector<std::unique_ptr<UserEntry>> m_users;
    AccountType m_type;
    AccountId m_id;
    ScrambledText m_title;
    qint32 m_committed = 0;
};

// Sets what only loading a file sets otherwise: used by the document to file a record under the type
// of its group, and by the command-line import to rebuild accounts exactly as described.
class AccountBuilder {
public:
    static void setCommittedFlag(AccountRecord& account, qint32 flag) { account.m_committed = flag; }
    static void setType(AccountRecord& account, AccountType type) { account.m_type = type; }
    // A merge files a copy of the other side's account under a new id, an import each account under
    // an id the wallet has free.
    static void setId(AccountRecord& account, AccountId id) { account.m_id = id; }
    static void appendUser(AccountRecord& account, std::unique_ptr<UserEntry> user)
    {
        account.m_users.push_back(std::move(user));
    }
};

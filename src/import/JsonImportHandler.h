#pragma once

// The SAX handler behind readWalletJson(); JsonImportReader.cpp follows the parse, JsonImportAccounts.cpp
// builds the accounts and their users.

#include "core/AccountRecord.h"
#include "core/UserEntry.h"
#include "import/JsonImportReader.h"
#include "import/JsonImportValues.h"

#include "import/RapidJson.h"

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace JsonImport {

// The SAX handler: follows where it is in the wallet's shape and builds each account as soon as
// its object ends. Returning false stops the parse; `failure` then says why.
class WalletHandler : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, WalletHandler> {
public:
    enum class Frame { Top, Accounts, Account, Users, User, Fields, Date, Skip };
    // Kinds of account problems, in the order they are reported.
    enum AccountProblem { UnknownKey, Id, Type, Title, Committed, Users, Fields, AccountProblemKinds };
    // A key of no user field, then a value that does not fit, by field in the user table's order.
    enum UserProblem { UserKey, FirstUserField, UserProblemKinds = FirstUserField + UserEntry::FieldCount };

    explicit WalletHandler(const JsonImportLimits& limits)
        : m_limits(limits)
    {
    }

    QString failure;
    bool failureAtOffset = false;
    std::vector<std::unique_ptr<AccountRecord>> accounts;
    std::optional<qint32> nextAccountId;
    bool sawAccounts = false;

    // --- values ---
    bool Null() { return scalar(Scalar { Scalar::Other, {}, 0 }); }
    bool Bool(bool) { return scalar(Scalar { Scalar::Other, {}, 0 }); }
    bool Int(int i) { return number(i); }
    bool Uint(unsigned u) { return number(u); }
    bool Int64(int64_t i) { return number(double(i)); }
    bool Uint64(uint64_t u) { return number(double(u)); }
    bool Double(double d) { return number(d); }
    bool String(const char* text, rapidjson::SizeType length, bool);
    bool Key(const char* text, rapidjson::SizeType length, bool);
    bool StartObject() { return start(true); }
    bool StartArray() { return start(false); }
    bool EndObject(rapidjson::SizeType) { return end(); }
    bool EndArray(rapidjson::SizeType) { return end(); }

private:
    bool fail(const QString& why)
    {
        failure = why;
        return false;
    }
    // A failure the parser's offset is added to.
    bool failHere(const QString& why)
    {
        failureAtOffset = true;
        return fail(why);
    }
    bool number(double d) { return scalar(Scalar { Scalar::Number, {}, d }); }

    bool checkLength(const char* text, size_t bytes);
    // The input is valid UTF-8 (checked first); a \udc00 to \udfff escape alone still comes out
    // of the parser as the bytes ED B0 80 to ED BF BF, which no UTF-8 text holds.
    static bool hasLoneSurrogate(const char* text, size_t length);
    bool start(bool object);
    bool end();
    // Counts an element of the accounts or a users list against the limit.
    bool countElement(qint64& count);
    // The frame a container value opens where the parse is; notes or reports a wrong kind of value.
    Frame container(bool object);
    bool scalar(Scalar value);

    // --- the document ---
    bool topValue(Scalar value);
    bool endTop();

    // --- accounts (JsonImportAccounts.cpp) ---
    void beginAccount();
    void accountValue(Scalar value);
    bool endAccount();
    void setFields(AccountRecord& account);

    // --- users (JsonImportAccounts.cpp) ---
    void beginUser();
    void userValue(Scalar value);
    void endUser();

    const JsonImportLimits& m_limits;
    std::vector<Frame> m_frames;
    std::string_view m_key;
    qint64 m_accountCount = 0;
    // The account being read.
    Scalar m_id, m_type, m_title, m_committed;
    std::vector<PendingField> m_fields;
    std::vector<std::unique_ptr<UserEntry>> m_users;
    qint64 m_userCount = 0;
    Problems<AccountProblemKinds> m_problems;
    // The user being read.
    std::array<Scalar, UserEntry::FieldCount> m_user; // by index into UserEntry::Layout().fields
    Problems<UserProblemKinds> m_userProblems;
};

} // namespace JsonImport

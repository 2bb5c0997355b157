#include "JsonImportReader.h"

#include "AccountFactory.h"
#include "AccountTypes.h"
#include "DocumentTexts.h"
#include "QuorrilDoc.h"

// Sizes beyond 4 GiB must not wrap: a text over the archive's limit is that long.
#define RAPIDJSON_NO_SIZETYPEDEFINE
namespace rapidjson {
typedef ::std::size_t SizeType;
}
#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// A value that is not a container, or what stands for one: absent (None) or of no use (Other).
struct Scalar {
    enum Type { None, String, Number, Other } type = None;
    QString text;
    double number = 0;
};

struct Problem {
    QString field;
    QString what;
};

// The first problem of each kind; the kind listed first is the one reported.
template <int N> class Problems {
public:
    void note(int kind, Problem problem)
    {
        if (!m_problems[size_t(kind)])
            m_problems[size_t(kind)] = std::move(problem);
    }
    const Problem* first() const
    {
        for (const auto& p : m_problems)
            if (p)
                return &*p;
        return nullptr;
    }
    void clear() { m_problems = {}; }

private:
    std::array<std::optional<Problem>, N> m_problems;
};

const QString kUnpairedSurrogate = QStringLiteral("an unpaired surrogate (\\ud800 to \\udfff) cannot be read");

QString wholeNumberExpected() { return QStringLiteral("a whole number from -2147483648 to 2147483647 is expected"); }

std::optional<qint32> int32From(const Scalar& value)
{
    const double d = value.number;
    if (value.type != Scalar::Number || std::trunc(d) != d || d < std::numeric_limits<qint32>::min()
        || d > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(d);
}

// A number, or one of the texts that stand for what JSON cannot hold.
std::optional<double> numberFrom(const Scalar& value)
{
    if (value.type == Scalar::Number)
        return value.number;
    if (value.type != Scalar::String)
        return std::nullopt;
    if (value.text == QLatin1StringView("NaN"))
        return std::numeric_limits<double>::quiet_NaN();
    if (value.text == QLatin1StringView("Infinity"))
        return std::numeric_limits<double>::infinity();
    if (value.text == QLatin1StringView("-Infinity"))
        return -std::numeric_limits<double>::infinity();
    if (value.text == QLatin1StringView("-0"))
        return -0.0;
    return std::nullopt;
}

// A text that reads back as it is; otherwise the problem.
std::optional<QString> storableText(const Scalar& value, QString& what)
{
    if (value.type != Scalar::String) {
        what = QStringLiteral("a text is expected");
        return std::nullopt;
    }
    const qsizetype bad = ScrambledText::firstUnstorable(value.text);
    if (bad >= 0) {
        what = QStringLiteral("the character %1 at position %2 cannot be stored")
                   .arg(DocumentText::codePoint(value.text.at(bad)))
                   .arg(bad);
        return std::nullopt;
    }
    return value.text;
}

// The field of a date: {"status": whole number, "value": number}.
struct PendingField {
    std::string_view name;
    Scalar value; // Other for a date
    bool isDate = false;
    int dateMembers = 0;
    Scalar status, days;
};

std::optional<FieldValue> fieldFrom(FieldKind kind, const PendingField& field, QString& what)
{
    switch (kind) {
    case FieldKind::Text:
        if (std::optional<QString> text = storableText(field.value, what))
            return FieldValue(ScrambledText(*text));
        return std::nullopt;
    case FieldKind::Integer:
        if (std::optional<qint32> n = int32From(field.value))
            return FieldValue(*n);
        what = wholeNumberExpected();
        return std::nullopt;
    case FieldKind::Decimal:
        if (std::optional<double> x = numberFrom(field.value))
            return FieldValue(*x);
        what = QStringLiteral("a number is expected");
        return std::nullopt;
    case FieldKind::Date: {
        const std::optional<qint32> status = int32From(field.status);
        const std::optional<double> days = numberFrom(field.days);
        if (!field.isDate || field.dateMembers != 2 || !status || !days) {
            what = QStringLiteral("a date {\"status\": whole number, \"value\": number} is expected");
            return std::nullopt;
        }
        return FieldValue(OleDateTime(*days, OleDateTime::Status(*status)));
    }
    }
    return std::nullopt;
}

QString nameOf(std::string_view key) { return QString::fromUtf8(key.data(), qsizetype(key.size())); }

// The SAX handler: follows where it is in the wallet's shape and builds each account as soon as
// its object ends. Returning false stops the parse; `failure` then says why.
class WalletHandler : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, WalletHandler> {
public:
    enum class Frame { Top, Accounts, Account, Users, User, Fields, Date, Skip };
    // Kinds of account problems, in the order they are reported.
    enum AccountProblem { UnknownKey, Id, Type, Title, Committed, Users, Fields, AccountProblemKinds };
    enum UserProblem { UserKey, LoginId, Password, Email, Administrator, UserProblemKinds };

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
    bool String(const char* text, rapidjson::SizeType length, bool)
    {
        if (!checkLength(text, length))
            return false;
        Scalar value { Scalar::String, QString::fromUtf8(text, qsizetype(length)), 0 };
        if (hasLoneSurrogate(text, length))
            return failHere(kUnpairedSurrogate);
        return scalar(std::move(value));
    }
    bool Key(const char* text, rapidjson::SizeType length, bool)
    {
        if (!checkLength(text, length))
            return false;
        m_key = std::string_view(text, length);
        return true;
    }
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

    bool checkLength(const char* text, size_t bytes)
    {
        // A UTF-16 unit takes at least one byte, so only long texts need counting.
        if (qint64(bytes) <= m_limits.textLength)
            return true;
        qint64 units = 0;
        for (size_t i = 0; i < bytes; ++i) {
            const uchar c = uchar(text[i]);
            units += (c & 0xC0) != 0x80; // a lead byte starts one unit...
            units += c >= 0xF0; // ...and a four-byte one a second
        }
        if (units <= m_limits.textLength)
            return true;
        return failHere(
            QStringLiteral("a text of more than %1 characters (the most a wallet can store)").arg(m_limits.textLength));
    }

    // The input is valid UTF-8 (checked first); a \udc00 to \udfff escape alone still comes out
    // of the parser as the bytes ED B0 80 to ED BF BF, which no UTF-8 text holds.
    static bool hasLoneSurrogate(const char* text, size_t length)
    {
        const char* end = text + length;
        for (const char* p = text; (p = static_cast<const char*>(std::memchr(p, 0xED, size_t(end - p)))); ++p)
            if (p + 1 < end && uchar(p[1]) >= 0xA0)
                return true;
        return false;
    }

    bool start(bool object)
    {
        if (int(m_frames.size()) >= m_limits.depth)
            return failHere(QStringLiteral("nesting deeper than the %1 levels of a wallet").arg(m_limits.depth));
        if (m_frames.empty() && !object)
            return fail(QStringLiteral("an object is expected"));
        const Frame into = m_frames.empty() ? Frame::Top : container(object);
        if (!failure.isEmpty())
            return false;
        m_frames.push_back(into);
        return true;
    }

    bool end()
    {
        const Frame frame = m_frames.back();
        m_frames.pop_back();
        switch (frame) {
        case Frame::Account:
            return endAccount();
        case Frame::User:
            endUser();
            return true;
        case Frame::Top:
            return endTop();
        default:
            return true;
        }
    }

    // Counts an element of the accounts or a users list against the limit.
    bool countElement(qint64& count)
    {
        if (++count > m_limits.listLength)
            return failHere(QStringLiteral("a list of more than %1 entries (the most a wallet can count)")
                                .arg(m_limits.listLength));
        return true;
    }

    // The frame a container value opens where the parse is; notes or reports a wrong kind of value.
    Frame container(bool object)
    {
        switch (m_frames.back()) {
        case Frame::Top:
            if (m_key == "accounts" && !object) {
                sawAccounts = true;
                return Frame::Accounts;
            }
            topValue(Scalar { Scalar::Other, {}, 0 });
            return Frame::Skip;
        case Frame::Accounts:
            if (!countElement(m_accountCount))
                return Frame::Skip;
            if (!object) {
                fail(QStringLiteral("accounts[%1]: an object is expected").arg(m_accountCount - 1));
                return Frame::Skip;
            }
            beginAccount();
            return Frame::Account;
        case Frame::Account:
            if (m_key == "users" && !object) {
                m_users.clear();
                m_userCount = 0;
                return Frame::Users;
            }
            if (m_key == "fields" && object) {
                m_fields.clear();
                return Frame::Fields;
            }
            accountValue(Scalar { Scalar::Other, {}, 0 });
            return Frame::Skip;
        case Frame::Users:
            if (!countElement(m_userCount))
                return Frame::Skip;
            if (!object) {
                m_problems.note(Users,
                    { QStringLiteral("users[%1]").arg(m_userCount - 1), QStringLiteral("an object is expected") });
                return Frame::Skip;
            }
            beginUser();
            return Frame::User;
        case Frame::User:
            userValue(Scalar { Scalar::Other, {}, 0 });
            return Frame::Skip;
        case Frame::Fields:
            m_fields.emplace_back();
            m_fields.back().name = m_key;
            m_fields.back().value.type = Scalar::Other;
            m_fields.back().isDate = object;
            return object ? Frame::Date : Frame::Skip;
        case Frame::Date:
            ++m_fields.back().dateMembers;
            return Frame::Skip;
        case Frame::Skip:
            return Frame::Skip;
        }
        return Frame::Skip;
    }

    bool scalar(Scalar value)
    {
        if (m_frames.empty())
            return fail(QStringLiteral("an object is expected"));
        switch (m_frames.back()) {
        case Frame::Top:
            return topValue(std::move(value));
        case Frame::Accounts:
            if (!countElement(m_accountCount))
                return false;
            return fail(QStringLiteral("accounts[%1]: an object is expected").arg(m_accountCount - 1));
        case Frame::Account:
            accountValue(std::move(value));
            return true;
        case Frame::Users:
            if (!countElement(m_userCount))
                return false;
            m_problems.note(
                Users, { QStringLiteral("users[%1]").arg(m_userCount - 1), QStringLiteral("an object is expected") });
            return true;
        case Frame::User:
            userValue(std::move(value));
            return true;
        case Frame::Fields:
            m_fields.emplace_back();
            m_fields.back().name = m_key;
            m_fields.back().value = std::move(value);
            return true;
        case Frame::Date: {
            PendingField& date = m_fields.back();
            ++date.dateMembers;
            if (m_key == "status")
                date.status = std::move(value);
            else if (m_key == "value")
                date.days = std::move(value);
            return true;
        }
        case Frame::Skip:
            return true;
        }
        return true;
    }

    // --- the document ---

    bool topValue(Scalar value)
    {
        if (m_key == "version") {
            if (!int32From(value))
                return fail(QStringLiteral("\"version\": %1").arg(wholeNumberExpected()));
        } else if (m_key == "nextAccountId") {
            nextAccountId = int32From(value);
            if (!nextAccountId)
                return fail(QStringLiteral("\"nextAccountId\": %1").arg(wholeNumberExpected()));
        } else if (m_key == "accounts") {
            return fail(QStringLiteral("\"accounts\": a list is expected"));
        } else {
            return fail(QStringLiteral("\"%1\": no such field").arg(nameOf(m_key)));
        }
        return true;
    }

    bool endTop()
    {
        if (!nextAccountId)
            return fail(QStringLiteral("\"nextAccountId\": %1").arg(wholeNumberExpected()));
        if (!sawAccounts)
            return fail(QStringLiteral("\"accounts\": a list is expected"));
        return true;
    }

    // --- accounts ---

    void beginAccount()
    {
        m_id = m_type = m_title = m_committed = Scalar();
        m_fields.clear();
        m_users.clear();
        m_userCount = 0;
        m_problems.clear();
    }

    void accountValue(Scalar value)
    {
        const std::string_view key = m_key;
        if (key == "id")
            m_id = std::move(value);
        else if (key == "type")
            m_type = std::move(value);
        else if (key == "title")
            m_title = std::move(value);
        else if (key == "committed")
            m_committed = std::move(value);
        else if (key == "users")
            m_problems.note(Users, { QStringLiteral("users"), QStringLiteral("a list is expected") });
        else if (key == "fields")
            m_problems.note(Fields, { QStringLiteral("fields"), QStringLiteral("an object is expected") });
        else if (key != "typeName" && key != "properties")
            m_problems.note(UnknownKey, { nameOf(key), QStringLiteral("no such field") });
    }

    bool endAccount()
    {
        const std::optional<qint32> id = int32From(m_id);
        if (!id)
            m_problems.note(Id, { QStringLiteral("id"), wholeNumberExpected() });
        const std::optional<qint32> type = int32From(m_type);
        if (!type || !isAccountType(AccountType(*type)))
            m_problems.note(Type,
                { QStringLiteral("type"), QStringLiteral("one of the account types 10 to 18 and 20 is expected") });
        QString what;
        std::optional<QString> title = m_title.type == Scalar::None ? QString() : storableText(m_title, what);
        if (!title)
            m_problems.note(Title, { QStringLiteral("title"), what });
        const std::optional<qint32> committed = m_committed.type == Scalar::None ? qint32(1) : int32From(m_committed);
        if (!committed)
            m_problems.note(Committed, { QStringLiteral("committed"), wholeNumberExpected() });

        std::unique_ptr<AccountRecord> account;
        if (!m_problems.first()) {
            account = createAccount(AccountId(*id), AccountType(*type));
            account->SetTitle(*title);
            AccountBuilder::setCommittedFlag(*account, *committed);
            setFields(*account);
        }
        if (const Problem* p = m_problems.first()) {
            QString name = QStringLiteral("accounts[%1]").arg(m_accountCount - 1);
            if (id)
                name += QStringLiteral(" (id %1)").arg(*id);
            return fail(QStringLiteral("%1, field \"%2\": %3").arg(name, p->field, p->what));
        }
        for (auto& user : m_users)
            AccountBuilder::appendUser(*account, std::move(user));
        m_users.clear();
        accounts.push_back(std::move(account));
        return true;
    }

    void setFields(AccountRecord& account)
    {
        const RecordLayout& layout = account.layout();
        for (const PendingField& field : m_fields) {
            int index = int(layout.fields.size());
            while (--index >= 0 && field.name != layout.fields[size_t(index)].name) { }
            if (index < 0) {
                m_problems.note(Fields,
                    { nameOf(field.name), QStringLiteral("no such field in a %1 account").arg(account.GetTypeName()) });
                return;
            }
            QString what;
            std::optional<FieldValue> value = fieldFrom(layout.fields[size_t(index)].kind, field, what);
            if (!value) {
                m_problems.note(Fields, { nameOf(field.name), what });
                return;
            }
            account.setField(index, *value);
        }
    }

    // --- users ---

    void beginUser()
    {
        for (Scalar& s : m_user)
            s = Scalar();
        m_userProblems.clear();
    }

    void userValue(Scalar value)
    {
        static constexpr const char* kKeys[] = { "loginId", "password", "email", "administrator" };
        for (int k = 0; k < 4; ++k) {
            if (m_key == kKeys[k]) {
                m_user[size_t(k)] = std::move(value);
                return;
            }
        }
        m_userProblems.note(UserKey, { nameOf(m_key), QStringLiteral("no such field") });
    }

    void endUser()
    {
        static constexpr const char* kKeys[] = { "loginId", "password", "email" };
        QString texts[3];
        for (int t = 0; t < 3; ++t) {
            QString what;
            const Scalar& v = m_user[size_t(t)];
            std::optional<QString> text = v.type == Scalar::None ? QString() : storableText(v, what);
            if (text)
                texts[t] = *text;
            else
                m_userProblems.note(LoginId + t, { QLatin1StringView(kKeys[t]), what });
        }
        const Scalar& admin = m_user[3];
        const std::optional<qint32> flag = admin.type == Scalar::None ? qint32(0) : int32From(admin);
        if (!flag)
            m_userProblems.note(Administrator, { QStringLiteral("administrator"), wholeNumberExpected() });
        if (const Problem* p = m_userProblems.first()) {
            m_problems.note(Users, { QStringLiteral("users[%1].%2").arg(m_userCount - 1).arg(p->field), p->what });
            return;
        }
        if (!m_problems.first())
            m_users.push_back(std::make_unique<UserEntry>(*flag, texts[0], texts[1], texts[2]));
    }

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
    std::array<Scalar, 4> m_user;
    Problems<UserProblemKinds> m_userProblems;
};

} // namespace

QString readWalletJson(QByteArray& json, CQuorrilDoc& doc, const JsonImportLimits& limits)
{
    // Checked here in one fast pass rather than character by character by the parser.
    if (!QByteArrayView(json).isValidUtf8())
        return QStringLiteral("the JSON is not valid UTF-8");
    rapidjson::InsituStringStream stream(json.data());
    WalletHandler handler(limits);
    rapidjson::Reader reader;
    constexpr unsigned kFlags = rapidjson::kParseInsituFlag | rapidjson::kParseFullPrecisionFlag;
    const rapidjson::ParseResult result = reader.Parse<kFlags>(stream, handler);
    const QString offset = QStringLiteral(", at offset %1").arg(result.Offset());
    if (!handler.failure.isEmpty())
        return handler.failureAtOffset ? handler.failure + offset : handler.failure;
    if (result.IsError()) {
        if (result.Code() == rapidjson::kParseErrorStringUnicodeSurrogateInvalid)
            return kUnpairedSurrogate + offset;
        QString message = QString::fromLatin1(rapidjson::GetParseError_En(result.Code()));
        if (message.endsWith(QLatin1Char('.')))
            message.chop(1);
        message[0] = message[0].toLower();
        return message + offset;
    }
    doc.setNextAccountId(AccountId(*handler.nextAccountId));
    for (auto& account : handler.accounts)
        doc.fileAccount(std::move(account));
    return {};
}

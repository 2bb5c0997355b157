#include "import/JsonImportReader.h"

#include "document/QuorrilDoc.h"
#include "format/WalletSink.h"
#include "import/JsonImportHandler.h"

#include <QCoreApplication>

#include <cstring>

namespace {

const QString kUnpairedSurrogate = QStringLiteral("an unpaired surrogate (\\ud800 to \\udfff) cannot be read");

} // namespace

namespace JsonImport {

bool WalletHandler::String(const char* text, rapidjson::SizeType length, bool)
{
    if (!checkLength(text, length))
        return false;
    Scalar value { Scalar::String, QString::fromUtf8(text, qsizetype(length)), 0 };
    if (hasLoneSurrogate(text, length))
        return failHere(kUnpairedSurrogate);
    return scalar(std::move(value));
}

bool WalletHandler::Key(const char* text, rapidjson::SizeType length, bool)
{
    if (!checkLength(text, length))
        return false;
    m_key = std::string_view(text, length);
    return true;
}

bool WalletHandler::checkLength(const char* text, size_t bytes)
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

bool WalletHandler::hasLoneSurrogate(const char* text, size_t length)
{
    const char* end = text + length;
    for (const char* p = text; (p = static_cast<const char*>(std::memchr(p, 0xED, size_t(end - p)))); ++p)
        if (p + 1 < end && uchar(p[1]) >= 0xA0)
            return true;
    return false;
}

bool WalletHandler::start(bool object)
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

bool WalletHandler::end()
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

bool WalletHandler::countElement(qint64& count)
{
    if (++count > m_limits.listLength)
        return failHere(
            QStringLiteral("a list of more than %1 entries (the most a wallet can count)").arg(m_limits.listLength));
    return true;
}

WalletHandler::Frame WalletHandler::container(bool object)
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
            m_problems.note(
                Users, { QStringLiteral("users[%1]").arg(m_userCount - 1), QStringLiteral("an object is expected") });
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

bool WalletHandler::scalar(Scalar value)
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

bool WalletHandler::topValue(Scalar value)
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

bool WalletHandler::endTop()
{
    if (!nextAccountId)
        return fail(QStringLiteral("\"nextAccountId\": %1").arg(wholeNumberExpected()));
    if (!sawAccounts)
        return fail(QStringLiteral("\"accounts\": a list is expected"));
    return true;
}

} // namespace JsonImport

QString readWalletJson(QByteArray& json, WalletSink& doc, const JsonImportLimits& limits)
{
    // Checked here in one fast pass rather than character by character by the parser.
    if (!QByteArrayView(json).isValidUtf8())
        return QStringLiteral("the JSON is not valid UTF-8");
    rapidjson::InsituStringStream stream(json.data());
    JsonImport::WalletHandler handler(limits);
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
    // As loading files them: a later account with an id takes the place of an earlier one, and
    // nothing is refused.
    for (std::unique_ptr<AccountRecord>& account : handler.accounts)
        doc.fileAccount(std::move(account));
    return {};
}

namespace {
// Keeps what a reader files, for the document to take as one step.
class CollectingSink : public WalletSink {
public:
    void setFileVersion(qint32) override { }
    void setNextAccountId(AccountId id) override { nextId = id; }
    void setPassword(const QString&) override { }
    AccountId NextAccountId() override { return nextId; }
    void fileAccount(std::unique_ptr<AccountRecord> account) override { accounts.push_back(std::move(account)); }

    AccountId nextId = AccountId(1);
    std::vector<std::unique_ptr<AccountRecord>> accounts;
};
} // namespace

QString readWalletJson(QByteArray& json, CQuorrilDoc& doc, const JsonImportLimits& limits)
{
    CollectingSink sink;
    QString problem = readWalletJson(json, static_cast<WalletSink&>(sink), limits);
    if (!problem.isEmpty())
        return problem;
    doc.setNextAccountId(sink.nextId);
    doc.changeAccounts(QCoreApplication::translate("JsonImport", "Import"), std::move(sink.accounts));
    return {};
}

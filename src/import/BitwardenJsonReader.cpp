// Bitwarden's unencrypted JSON export, read with RapidJSON's event parser from the device in pieces.
#include "import/FormatReaders.h"
#include "import/ImportMapping.h"
#include "import/ImportPlan.h"
#include "import/RapidJson.h"
#include "import/TextInput.h"

#include <QHash>
#include <QIODevice>

#include <string>

namespace {

// The device as RapidJSON's input stream: a piece at a time, counting the bytes it hands out.
class DeviceStream {
public:
    using Ch = char;

    DeviceStream(QIODevice& device, qint64 start)
        : m_device(device)
        , m_offset(size_t(start))
    {
        m_buffer.resize(64 * 1024);
        refill();
    }

    Ch Peek() const { return m_pos < m_end ? m_buffer[m_pos] : '\0'; }
    Ch Take()
    {
        const Ch c = Peek();
        if (m_pos < m_end && ++m_pos == m_end)
            refill();
        ++m_offset;
        return c;
    }
    size_t Tell() const { return m_offset; }
    bool readFailed() const { return m_failed; }

    // Writing is never asked of an input stream.
    Ch* PutBegin() { return nullptr; }
    void Put(Ch) { }
    void Flush() { }
    size_t PutEnd(Ch*) { return 0; }

private:
    void refill()
    {
        const qint64 got = m_device.read(m_buffer.data(), qint64(m_buffer.size()));
        m_failed = m_failed || got < 0;
        m_pos = 0;
        m_end = size_t(std::max<qint64>(got, 0));
    }

    QIODevice& m_device;
    std::string m_buffer;
    size_t m_pos = 0;
    size_t m_end = 0;
    size_t m_offset;
    bool m_failed = false;
};

struct Pair {
    std::string key;
    QString value;
};
using Pairs = std::vector<Pair>;

QString valueOf(const Pairs& pairs, const char* key)
{
    for (const Pair& p : pairs)
        if (p.key == key)
            return p.value;
    return {};
}

struct CustomField {
    QString name, value;
};

// An item as read, until its object ends.
struct Item {
    Pairs scalars; // id, type, name, notes, folderId, ...
    Pairs login;
    QStringList uris;
    std::vector<CustomField> fields;
    std::string subName; // "card", "identity", "bankAccount", "sshKey", ...
    Pairs sub;
    bool history = false;
    bool passkeys = false;
};

struct KeySlot {
    const char* key;
    Slot slot;
    const char* label;
};

// clang-format off
const KeySlot kLoginKeys[] = {
    { "username", Slot::UserName, "Username" }, { "password", Slot::Password, "Password" },
    { "totp", Slot::Extra, "TOTP" },
};
const KeySlot kCardKeys[] = {
    { "cardholderName", Slot::Holder, "Cardholder Name" }, { "brand", Slot::Kind, "Brand" },
    { "number", Slot::Number, "Number" }, { "code", Slot::Extra, "Security Code" },
};
const KeySlot kIdentityKeys[] = {
    { "title", Slot::Extra, "Title" }, { "firstName", Slot::FirstName, "First Name" },
    { "middleName", Slot::MiddleName, "Middle Name" }, { "lastName", Slot::LastName, "Last Name" },
    { "ssn", Slot::Ssn, "SSN" }, { "passportNumber", Slot::Passport, "Passport Number" },
    { "licenseNumber", Slot::Licence, "License Number" }, { "address1", Slot::Extra, "Address 1" },
    { "address2", Slot::Extra, "Address 2" }, { "address3", Slot::Extra, "Address 3" },
    { "city", Slot::Extra, "City" }, { "state", Slot::Extra, "State" }, { "postalCode", Slot::Extra, "Postal Code" },
    { "country", Slot::Extra, "Country" }, { "company", Slot::Extra, "Company" },
    { "email", Slot::EmailAddress, "Email" }, { "phone", Slot::Extra, "Phone" },
    { "username", Slot::Extra, "Username" },
};
const KeySlot kBankKeys[] = {
    { "bankName", Slot::Institution, "Bank Name" }, { "nameOnAccount", Slot::Holder, "Name on Account" },
    { "accountType", Slot::Kind, "Account Type" }, { "accountNumber", Slot::Number, "Account Number" },
    { "routingNumber", Slot::RoutingNumber, "Routing Number" }, { "pin", Slot::Pin, "PIN" },
    { "bankContactPhone", Slot::Phone, "Bank Contact Phone" }, { "iban", Slot::Extra, "IBAN" },
    { "swiftCode", Slot::Extra, "SWIFT Code" }, { "branchNumber", Slot::Extra, "Branch Number" },
};
const KeySlot kSshKeys[] = {
    { "privateKey", Slot::Extra, "Private Key" }, { "publicKey", Slot::Extra, "Public Key" },
    { "keyFingerprint", Slot::Extra, "Fingerprint" },
};
// clang-format on

template <size_t N> void addPairs(ImportEntry& entry, const Pairs& pairs, const KeySlot (&keys)[N])
{
    for (const Pair& p : pairs) {
        const KeySlot* known = nullptr;
        for (const KeySlot& k : keys)
            if (p.key == k.key)
                known = &k;
        if (!known) {
            entry.add(Slot::Extra, QString::fromStdString(p.key), p.value);
        } else {
            const QString value = known->slot == Slot::Kind && qstrcmp(known->key, "brand") == 0
                ? ImportMapping::cardKind(p.value)
                : p.value;
            entry.add(known->slot, QString::fromLatin1(known->label), value);
        }
    }
}

class BitwardenHandler : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, BitwardenHandler> {
public:
    enum class Frame { Top, Folders, Folder, Items, Item, Login, Uris, Uri, Fields, Field, Sub, Skip };

    BitwardenHandler(ImportPlan& plan, const ImportLimits& limits)
        : m_plan(plan)
        , m_limits(limits)
    {
    }

    QString failure;
    bool failureAtOffset = true; // the parser's offset tells where
    int trash = 0, histories = 0, passkeys = 0;

    bool Null() { return scalarAt() && (!wanted() || scalar({})); }
    bool Bool(bool b)
    {
        return topFlag(b) && scalarAt() && (!wanted() || scalar(b ? QStringLiteral("true") : QStringLiteral("false")));
    }
    bool Int(int i) { return scalarAt() && (!wanted() || scalar(QString::number(i))); }
    bool Uint(unsigned u) { return scalarAt() && (!wanted() || scalar(QString::number(u))); }
    bool Int64(int64_t i) { return scalarAt() && (!wanted() || scalar(QString::number(i))); }
    bool Uint64(uint64_t u) { return scalarAt() && (!wanted() || scalar(QString::number(u))); }
    bool Double(double d) { return scalarAt() && (!wanted() || scalar(QString::number(d))); }
    bool String(const char* text, rapidjson::SizeType length, bool)
    {
        if (qint64(length) > m_limits.textLength)
            return fail(QStringLiteral("a text longer than %1 characters").arg(m_limits.textLength));
        return scalarAt() && (!wanted() || scalar(QString::fromUtf8(text, qsizetype(length))));
    }
    bool Key(const char* text, rapidjson::SizeType length, bool)
    {
        m_key.assign(text, length);
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
    bool topFlag(bool value)
    {
        if (m_frames.size() == 1 && value && (m_key == "encrypted" || m_key == "passwordProtected")) {
            failureAtOffset = false;
            return fail(QStringLiteral("this Bitwarden export is encrypted. Export the vault again in the format "
                                       "\"JSON\", not \"JSON (Encrypted)\", and import that file"));
        }
        return true;
    }
    // False (a failure) for a value outside every object: the file is no export.
    bool scalarAt() { return !m_frames.empty() || fail(QStringLiteral("an object is expected")); }
    // Whether the value at hand is read at all: the items' own bookkeeping (ids, dates, flags) is not.
    bool wanted() const;
    bool start(bool object);
    Frame child(bool object);
    bool end();
    bool scalar(const QString& value);
    void addItem();

    ImportPlan& m_plan;
    const ImportLimits& m_limits;
    std::vector<Frame> m_frames;
    std::string m_key;
    QHash<QString, QString> m_folders;
    Pairs m_folder;
    Item m_item;
    CustomField m_field;
    qint32 m_items = 0;
};

bool BitwardenHandler::wanted() const
{
    static const std::string itemKeys[] = { "type", "name", "notes", "folderId", "deletedDate" };
    switch (m_frames.back()) {
    case Frame::Item:
        return std::find(std::begin(itemKeys), std::end(itemKeys), m_key) != std::end(itemKeys);
    case Frame::Login:
        return m_key != "passwordRevisionDate";
    case Frame::Folder:
    case Frame::Uri:
    case Frame::Field:
    case Frame::Sub:
        return true;
    default:
        return false;
    }
}

bool BitwardenHandler::start(bool object)
{
    if (int(m_frames.size()) >= m_limits.depth)
        return fail(QStringLiteral("nesting deeper than %1 levels").arg(m_limits.depth));
    if (m_frames.empty()) {
        if (!object)
            return fail(QStringLiteral("an object is expected"));
        m_frames.push_back(Frame::Top);
        return true;
    }
    m_frames.push_back(child(object));
    if (m_frames.back() == Frame::Item && ++m_items > m_limits.entries)
        return fail(QStringLiteral("more than %1 items, the most an import reads").arg(m_limits.entries));
    return true;
}

// The frame a container opens where the parse is.
BitwardenHandler::Frame BitwardenHandler::child(bool object)
{
    const Frame parent = m_frames.back();
    const auto key = [this](const char* name) { return m_key == name; };
    switch (parent) {
    case Frame::Top:
        if (!object && key("folders"))
            return Frame::Folders;
        return !object && key("items") ? Frame::Items : Frame::Skip;
    case Frame::Folders:
        m_folder.clear();
        return object ? Frame::Folder : Frame::Skip;
    case Frame::Items:
        m_item = Item();
        return object ? Frame::Item : Frame::Skip;
    case Frame::Item:
        if (object && key("login"))
            return Frame::Login;
        if (!object && key("fields"))
            return Frame::Fields;
        if (!object && key("passwordHistory")) {
            m_item.history = true;
            return Frame::Skip;
        }
        // "secureNote" holds only Bitwarden's own kind of note, always 0.
        if (object && m_item.subName.empty() && !key("secureNote")) {
            m_item.subName = m_key;
            return Frame::Sub;
        }
        return Frame::Skip;
    case Frame::Login:
        if (!object && key("uris"))
            return Frame::Uris;
        m_item.passkeys = m_item.passkeys || key("fido2Credentials");
        return Frame::Skip;
    case Frame::Uris:
        return object ? Frame::Uri : Frame::Skip;
    case Frame::Fields:
        m_field = {};
        return object ? Frame::Field : Frame::Skip;
    default:
        return Frame::Skip;
    }
}

bool BitwardenHandler::scalar(const QString& value)
{
    Pair pair { m_key, value };
    switch (m_frames.back()) {
    case Frame::Folder:
        m_folder.push_back(std::move(pair));
        break;
    case Frame::Item:
        m_item.scalars.push_back(std::move(pair));
        break;
    case Frame::Login:
        m_item.login.push_back(std::move(pair));
        break;
    case Frame::Uri:
        if (m_key == "uri" && !value.isEmpty())
            m_item.uris.append(value);
        break;
    case Frame::Field:
        if (m_key == "name")
            m_field.name = value;
        else if (m_key == "value")
            m_field.value = value;
        break;
    case Frame::Sub:
        m_item.sub.push_back(std::move(pair));
        break;
    default:
        break;
    }
    return true;
}

bool BitwardenHandler::end()
{
    const Frame frame = m_frames.back();
    m_frames.pop_back();
    if (frame == Frame::Folder)
        m_folders.insert(valueOf(m_folder, "id"), valueOf(m_folder, "name"));
    else if (frame == Frame::Field)
        m_item.fields.push_back(m_field);
    else if (frame == Frame::Item)
        addItem();
    return true;
}

void BitwardenHandler::addItem()
{
    const Item& item = m_item;
    if (!valueOf(item.scalars, "deletedDate").isEmpty()) {
        ++trash;
        return;
    }
    histories += item.history;
    passkeys += item.passkeys;
    ImportEntry entry;
    entry.number = m_items;
    entry.title = valueOf(item.scalars, "name");
    entry.add(Slot::Notes, QStringLiteral("Notes"), valueOf(item.scalars, "notes"));
    switch (valueOf(item.scalars, "type").toInt()) {
    case 1:
        entry.kind = EntryKind::Login;
        addPairs(entry, item.login, kLoginKeys);
        for (qsizetype i = 0; i < item.uris.size(); ++i)
            entry.add(i == 0 ? Slot::Url : Slot::Extra,
                i == 0 ? QStringLiteral("URI") : QStringLiteral("URI %1").arg(i + 1), item.uris[i]);
        break;
    case 3: {
        entry.kind = EntryKind::Card;
        Pairs rest;
        QString month, year;
        for (const Pair& p : item.sub) {
            if (p.key == "expMonth")
                month = p.value;
            else if (p.key == "expYear")
                year = p.value;
            else
                rest.push_back(p);
        }
        addPairs(entry, rest, kCardKeys);
        const int m = month.toInt();
        const int y = year.size() == 2 ? 2000 + year.toInt() : year.toInt();
        if (m >= 1 && m <= 12 && y >= 1000 && y <= 9999) {
            entry.add(Slot::Expiry, QStringLiteral("Expiration"),
                QStringLiteral("%1-%2").arg(y).arg(m, 2, 10, QLatin1Char('0')));
        } else {
            entry.add(Slot::Extra, QStringLiteral("Expiration Month"), month);
            entry.add(Slot::Extra, QStringLiteral("Expiration Year"), year);
        }
        break;
    }
    case 4:
        entry.kind = EntryKind::Identity;
        addPairs(entry, item.sub, kIdentityKeys);
        break;
    case 6:
        entry.kind = EntryKind::BankAccount;
        addPairs(entry, item.sub, kBankKeys);
        break;
    default: // 2 a secure note, 5 an SSH key, and kinds yet unknown
        entry.kind = EntryKind::Note;
        addPairs(entry, item.sub, kSshKeys);
        break;
    }
    for (const CustomField& field : item.fields)
        entry.add(Slot::Extra, field.name.isEmpty() ? QStringLiteral("Field") : field.name, field.value);
    const QString folder = valueOf(item.scalars, "folderId");
    entry.add(Slot::Extra, QStringLiteral("Folder"), m_folders.value(folder, folder));
    m_plan.addEntry(std::move(entry));
}

} // namespace

namespace FormatReaders {

bool readBitwardenJson(QIODevice& device, ImportPlan& plan, const ImportLimits& limits, QString& error)
{
    int mark = 0;
    const std::optional<TextInput::Encoding> encoding = TextInput::encodingOf(device.peek(4), mark, error);
    if (!encoding)
        return false;
    if (*encoding != TextInput::Encoding::Utf8) {
        error = QStringLiteral("the file is UTF-16; a JSON export is UTF-8");
        return false;
    }
    device.skip(mark);
    DeviceStream stream(device, mark);
    BitwardenHandler handler(plan, limits);
    rapidjson::Reader reader;
    constexpr unsigned kFlags = rapidjson::kParseValidateEncodingFlag | rapidjson::kParseIterativeFlag;
    const rapidjson::ParseResult result = reader.Parse<kFlags>(stream, handler);
    const QString offset = QStringLiteral(" at offset %1").arg(result.Offset());
    if (stream.readFailed())
        error = QStringLiteral("the file cannot be read: %1").arg(device.errorString());
    else if (!handler.failure.isEmpty())
        error = handler.failure + (handler.failureAtOffset ? offset : QString());
    else if (result.Code() == rapidjson::kParseErrorStringInvalidEncoding)
        error = QStringLiteral("the file is not valid UTF-8") + offset;
    else if (result.IsError())
        error = QString::fromLatin1(rapidjson::GetParseError_En(result.Code())).chopped(1).toLower() + offset;
    if (!error.isEmpty())
        return false;
    if (handler.trash)
        plan.addSkipped(counted(handler.trash, "item", "items") + QStringLiteral(" in the trash"));
    if (handler.histories)
        plan.addSkipped(QStringLiteral("the password history of ") + counted(handler.histories, "item", "items"));
    if (handler.passkeys)
        plan.addSkipped(QStringLiteral("the passkeys of ") + counted(handler.passkeys, "item", "items"));
    return true;
}

} // namespace FormatReaders

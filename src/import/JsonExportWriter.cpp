#include "import/JsonExportWriter.h"

#include "accounts/PropertyRows.h"
#include "core/AccountRecord.h"
#include "document/QuorrilDoc.h"

#include <QBuffer>
#include <QFileDevice>
#include <QIODevice>
#include <QLocale>
#include <QTextStream>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

char hexDigit(uint value) { return "0123456789abcdef"[value & 0xF]; }

// Writes the text between quotes as Qt's JSON writer gives it, from `src` on, into `dst`, which
// has room for six bytes per code unit; returns the end of what was written. The quote, the
// backslash and control characters are escaped (\b \f \n \r \t by name, others as \u00XX),
// unpaired surrogates as \uXXXX, everything else is UTF-8. A surrogate pair split by `end` is
// left whole for the next call: `src` is moved to where the next call starts.
char* escapeInto(char* dst, const char16_t*& src, const char16_t* end, const char16_t* textEnd)
{
    while (src < end) {
        const char16_t u = *src++;
        if (u < 0x80) {
            if (u >= 0x20 && u != u'"' && u != u'\\') {
                *dst++ = char(u);
                continue;
            }
            *dst++ = '\\';
            switch (u) {
            case u'"':
                *dst++ = '"';
                break;
            case u'\\':
                *dst++ = '\\';
                break;
            case 0x8:
                *dst++ = 'b';
                break;
            case 0xC:
                *dst++ = 'f';
                break;
            case 0xA:
                *dst++ = 'n';
                break;
            case 0xD:
                *dst++ = 'r';
                break;
            case 0x9:
                *dst++ = 't';
                break;
            default:
                *dst++ = 'u';
                *dst++ = '0';
                *dst++ = '0';
                *dst++ = hexDigit(u >> 4);
                *dst++ = hexDigit(u);
            }
        } else if (u < 0x800) {
            *dst++ = char(0xC0 | (u >> 6));
            *dst++ = char(0x80 | (u & 0x3F));
        } else if (!QChar::isSurrogate(u)) {
            *dst++ = char(0xE0 | (u >> 12));
            *dst++ = char(0x80 | ((u >> 6) & 0x3F));
            *dst++ = char(0x80 | (u & 0x3F));
        } else if (QChar::isHighSurrogate(u) && src != textEnd && QChar::isLowSurrogate(*src)) {
            const char32_t c = QChar::surrogateToUcs4(u, *src++);
            *dst++ = char(0xF0 | (c >> 18));
            *dst++ = char(0x80 | ((c >> 12) & 0x3F));
            *dst++ = char(0x80 | ((c >> 6) & 0x3F));
            *dst++ = char(0x80 | (c & 0x3F));
        } else {
            *dst++ = '\\';
            *dst++ = 'u';
            *dst++ = hexDigit(u >> 12);
            *dst++ = hexDigit(u >> 8);
            *dst++ = hexDigit(u >> 4);
            *dst++ = hexDigit(u);
        }
    }
    return dst;
}

// The indexes of the layout's fields in the order of their names, as a JSON object keeps them.
std::vector<int> sortedFields(const RecordLayout& layout)
{
    std::vector<int> order(layout.fields.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::sort(order.begin(), order.end(), [&layout](int a, int b) {
        return std::strcmp(layout.fields[size_t(a)].name, layout.fields[size_t(b)].name) < 0;
    });
    return order;
}

} // namespace

JsonExportWriter::JsonExportWriter(QIODevice& device, qsizetype bufferSize)
    : m_device(device)
    , m_capacity(std::max(bufferSize, kSmallestBuffer))
    , m_data(new char[size_t(m_capacity)])
    , m_pos(m_data.get())
{
}

JsonExportWriter::~JsonExportWriter() = default;

void JsonExportWriter::flush()
{
    const qint64 size = m_pos - m_data.get();
    if (m_ok && size > 0)
        m_ok = m_device.write(m_data.get(), size) == size;
    m_pos = m_data.get();
}

void JsonExportWriter::separator(bool first)
{
    if (!first)
        put(',');
    put('\n');
}

void JsonExportWriter::indent(int level)
{
    static constexpr char kSpaces[] = "                        ";
    put(kSpaces, 4 * level);
}

void JsonExportWriter::member(int level, const char* key)
{
    indent(level);
    put('"');
    put(key, qsizetype(std::strlen(key)));
    put("\": ", 3);
}

void JsonExportWriter::text(QStringView value)
{
    // In pieces that fit the buffer at six bytes a unit (a surrogate pair may add one unit).
    const qsizetype piece = std::min(qsizetype(16384), (m_capacity - 8) / 6);
    put('"');
    const char16_t* src = value.utf16();
    const char16_t* const end = src + value.size();
    while (src < end) {
        const char16_t* pieceEnd = end - src > piece ? src + piece : end;
        room(6 * (pieceEnd - src) + 6);
        m_pos = escapeInto(m_pos, src, pieceEnd, end);
    }
    put('"');
}

void JsonExportWriter::integer(qint64 value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    put(digits, result.ptr - digits);
}

void JsonExportWriter::number(double value)
{
    // JSON has no NaN, infinities or negative zero: they go as texts, as in WalletJson.
    if (std::isnan(value))
        text(u"NaN");
    else if (std::isinf(value))
        text(value > 0 ? u"Infinity" : u"-Infinity");
    else if (value == 0 && std::signbit(value))
        text(u"-0");
    else if (std::trunc(value) == value && std::fabs(value) <= 9007199254740992.0)
        integer(qint64(value)); // QJsonValue keeps such a double as an integer
    else {
        const QByteArray digits = QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
        put(digits.constData(), digits.size());
    }
}

bool exportJson(CQuorrilDoc& doc, QTextStream& out, QString& error)
{
    QIODevice* device = out.device();
    QBuffer memory; // a stream over a string (in tests) gets the JSON in one piece
    if (device == nullptr) {
        memory.open(QIODevice::WriteOnly);
        device = &memory;
    }
    out.flush();
    JsonExportWriter writer(*device);
    bool ok = writer.write(doc);
    if (auto* file = qobject_cast<QFileDevice*>(device))
        ok = file->flush() && ok;
    if (!ok)
        error = device->errorString();
    else if (device == &memory)
        out << memory.data();
    return ok;
}

bool JsonExportWriter::write(CQuorrilDoc& doc)
{
    m_ok = true;
    put("{\n", 2);
    member(1, "accounts");
    put('[');
    bool first = true;
    for (const auto& [id, account] : doc.accounts()) {
        separator(first);
        first = false;
        writeAccount(*account);
    }
    put('\n');
    indent(1);
    put("],\n", 3);
    member(1, "nextAccountId");
    integer(idValue(doc.NextAccountId()));
    put(",\n", 2);
    member(1, "version");
    integer(doc.loadedVersion());
    put("\n}\n", 3);
    flush();
    return m_ok;
}

void JsonExportWriter::writeAccount(const AccountRecord& account)
{
    indent(2);
    put("{\n", 2);
    member(3, "committed");
    integer(account.committedFlag());
    put(",\n", 2);
    member(3, "fields");
    writeFieldObject(3, account.layout(), [&account](int index) -> const FieldValue& { return account.field(index); });
    put(",\n", 2);
    member(3, "id");
    integer(idValue(account.GetId()));
    put(",\n", 2);
    writeProperties(account);
    member(3, "title");
    text(account.GetTitle());
    put(",\n", 2);
    member(3, "type");
    integer(typeCode(account.GetType()));
    put(",\n", 2);
    member(3, "typeName");
    text(account.GetTypeName());
    put(",\n", 2);
    writeUsers(account);
    indent(2);
    put('}');
}

template <typename FieldValueAt>
void JsonExportWriter::writeFieldObject(int level, const RecordLayout& layout, FieldValueAt fieldValue)
{
    struct Writer {
        JsonExportWriter& w;
        int level; // of the field's member
        void operator()(const ScrambledText& t) const { w.text(t.text()); }
        void operator()(const OleDateTime& d) const
        {
            w.put("{\n", 2);
            w.member(level + 1, "status");
            w.integer(d.GetStatus());
            w.put(",\n", 2);
            w.member(level + 1, "value");
            w.number(d.value());
            w.put('\n');
            w.indent(level);
            w.put('}');
        }
        void operator()(qint32 n) const { w.integer(n); }
        void operator()(double x) const { w.number(x); }
    };
    put('{');
    auto order = m_fieldOrders.find(&layout);
    if (order == m_fieldOrders.end())
        order = m_fieldOrders.emplace(&layout, sortedFields(layout)).first;
    bool first = true;
    for (int index : order->second) {
        separator(first);
        first = false;
        member(level + 1, layout.fields[size_t(index)].name);
        std::visit(Writer { *this, level + 1 }, fieldValue(index));
    }
    put('\n');
    indent(level);
    put('}');
}

void JsonExportWriter::writeProperties(const AccountRecord& account)
{
    member(3, "properties");
    put('[');
    bool first = true;
    forEachPropertyRow(account, [this, &first](const PropertyRow& row) {
        separator(first);
        first = false;
        indent(4);
        put("[\n", 2);
        indent(5);
        text(row.label);
        put(",\n", 2);
        indent(5);
        text(row.value);
        put('\n');
        indent(4);
        put(']');
        return true;
    });
    put('\n');
    indent(3);
    put("],\n", 3);
}

void JsonExportWriter::writeUsers(const AccountRecord& account)
{
    member(3, "users");
    put('[');
    for (int i = 0; i < account.GetUserCount(); ++i) {
        const UserEntry* user = account.GetUser(i);
        separator(i == 0);
        indent(4);
        writeFieldObject(4, UserEntry::Layout(), [user](int index) -> const FieldValue& { return user->field(index); });
    }
    put('\n');
    indent(3);
    put("]\n", 2);
}

#pragma once

#include <QByteArray>
#include <QStringView>

#include <cstring>
#include <map>
#include <memory>
#include <vector>

class AccountRecord;
class CQuorrilDoc;
class QIODevice;
class QTextStream;
struct RecordLayout;

// Writes the document as JSON while it goes, account by account, through a buffer into a device.
// The bytes are exactly those of QJsonDocument(WalletJson::toJson(doc)).toJson(QJsonDocument::Indented):
// keys in sorted order, numbers in Qt's forms (whole numbers up to 2^53 as integers, others in the
// shortest form that reads back the same), Qt's escapes and four-space indentation. Neither the
// whole JSON nor the rows of all users of an Email account are ever held in memory.
class JsonExportWriter {
public:
    explicit JsonExportWriter(QIODevice& device, qsizetype bufferSize = 1 << 20);
    ~JsonExportWriter();
    JsonExportWriter(const JsonExportWriter&) = delete;
    JsonExportWriter& operator=(const JsonExportWriter&) = delete;

    // Writes the whole document; false when the device refused a write (the message is the
    // device's errorString()).
    bool write(CQuorrilDoc& doc);

private:
    void writeAccount(const AccountRecord& account);
    void writeUsers(const AccountRecord& account);
    // An object of the layout's fields in name order: "{", a member at level + 1 for each field
    // with the value fieldValue(index) gives, and "}" at `level`.
    template <typename FieldValueAt>
    void writeFieldObject(int level, const RecordLayout& layout, FieldValueAt fieldValue);
    void writeProperties(const AccountRecord& account);

    void member(int level, const char* key);
    void text(QStringView value);
    void integer(qint64 value);
    void number(double value);
    void indent(int level); // level 1 to 5
    void put(const char* bytes, qsizetype size) // at most kSmallestBuffer bytes
    {
        room(size);
        std::memcpy(m_pos, bytes, size_t(size));
        m_pos += size;
    }
    void put(char c)
    {
        room(1);
        *m_pos++ = c;
    }
    // Before an element of a list or object: a line break, after a comma unless it is the first.
    void separator(bool first);
    // Makes room for that many bytes, handing what the buffer holds to the device if need be.
    void room(qsizetype bytes)
    {
        if (m_data.get() + m_capacity - m_pos < bytes)
            flush();
    }
    void flush();

    static constexpr qsizetype kSmallestBuffer = 64;

    std::map<const RecordLayout*, std::vector<int>> m_fieldOrders; // fields by name, per type
    QIODevice& m_device;
    qsizetype m_capacity;
    std::unique_ptr<char[]> m_data;
    char* m_pos;
    bool m_ok = true;
};

// Writes the document's JSON to the stream's device, or through a buffer into the stream when it
// has none (a stream over a string). False with the reason in `error` when a write failed.
bool exportJson(CQuorrilDoc& doc, QTextStream& out, QString& error);

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <stdexcept>

class OleDateTime;

// Raised when a load runs out of bytes or meets a malformed text prefix. The document catches it
// and reports the file as damaged; nothing in the archive layer shows anything to the user.
class CArchiveException : public std::runtime_error {
public:
    enum Cause { EndOfFile, BadFormat };
    CArchiveException(Cause cause, const char* what)
        : std::runtime_error(what)
        , m_cause(cause)
    {
    }
    Cause cause() const { return m_cause; }

private:
    Cause m_cause;
};

// Sequential little-endian byte archive over a memory buffer, either storing into a QByteArray (whose
// smaller blocks are wiped as it grows) or loading from a byte view. Texts are written as the UTF-16
// form with the FF FE FF marker and a length prefix; loading also accepts the older 8-bit form
// (Windows-1252).
class CArchive {
public:
    // Storing: appends to *buffer, which must outlive the archive.
    explicit CArchive(QByteArray* buffer);
    // Loading: reads from data, which must outlive the archive.
    explicit CArchive(QByteArrayView data);

    bool IsLoading() const { return m_out == nullptr; }
    bool IsStoring() const { return m_out != nullptr; }

    CArchive& operator<<(qint32 value);
    CArchive& operator<<(double value);
    CArchive& operator<<(const QString& text)
    {
        writeText(text);
        return *this;
    }
    CArchive& operator<<(const OleDateTime& date);

    CArchive& operator>>(qint32& value);
    CArchive& operator>>(double& value);
    CArchive& operator>>(QString& text);
    CArchive& operator>>(OleDateTime& date);

    void writeText(QStringView text);

    // Writes the marker and length prefix of a 16-bit text of `length` code units and returns where
    // its 2 * length bytes go (followed by `slack` spare bytes); the caller fills them in
    // little-endian order, then calls endText(length, actualLength) when fewer units were written.
    uchar* beginText(qsizetype length, qsizetype slack = 0);
    void endText(qsizetype length, qsizetype actualLength);

    // The next text as stored. For a 16-bit text, utf16le holds its 2 * length bytes and the result
    // is true; for the 8-bit form the text is returned already converted in eightBit and the result
    // is false. No memory is allocated for the 16-bit case.
    bool readTextData(QByteArrayView& utf16le, QString& eightBit);

    qsizetype remaining() const { return m_data.size() - m_pos; }
    qsizetype position() const { return m_pos; }

private:
    void need(qsizetype bytes) const;
    const uchar* take(qsizetype bytes);
    quint8 readU8();
    quint16 readU16();
    quint32 readU32();
    // Returns -1 for the FF FE marker, otherwise a length.
    qint64 readLengthPrefix();
    void writeBytes(const void* data, qsizetype size);
    // Makes the storing buffer hold `bytes` more without reallocating, wiping the block it leaves.
    void makeRoom(qsizetype bytes);

    QByteArray* m_out = nullptr;
    qsizetype m_textStart = 0;
    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

// Windows-1252 bytes to text, ending at the first zero byte.
QString fromWindows1252(QByteArrayView bytes);

#include "core/CArchive.h"

#include "core/OleDateTime.h"
#include "core/SecretWipe.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

CArchive::CArchive(QByteArray* buffer)
    : m_out(buffer)
{
}

CArchive::CArchive(QByteArrayView data)
    : m_data(data)
{
}

void CArchive::need(qsizetype bytes) const
{
    if (bytes < 0 || bytes > remaining())
        throw CArchiveException(CArchiveException::EndOfFile, "unexpected end of archive");
}

const uchar* CArchive::take(qsizetype bytes)
{
    need(bytes);
    const auto* p = reinterpret_cast<const uchar*>(m_data.data()) + m_pos;
    m_pos += bytes;
    return p;
}

quint8 CArchive::readU8() { return *take(1); }
quint16 CArchive::readU16() { return qFromLittleEndian<quint16>(take(2)); }
quint32 CArchive::readU32() { return qFromLittleEndian<quint32>(take(4)); }

void CArchive::makeRoom(qsizetype bytes)
{
    const qsizetype needed = m_out->size() + bytes;
    if (needed <= m_out->capacity() && m_out->isDetached())
        return;
    // Grown by hand rather than by QByteArray, which would free the smaller block unwiped: the bytes
    // stored may be a whole wallet.
    QByteArray larger;
    larger.reserve(std::max(needed, 2 * m_out->capacity()));
    larger.append(*m_out);
    SecretWipe::bytes(*m_out);
    *m_out = std::move(larger);
}

void CArchive::writeBytes(const void* data, qsizetype size)
{
    makeRoom(size);
    m_out->append(static_cast<const char*>(data), size);
}

CArchive& CArchive::operator<<(qint32 value)
{
    const qint32 le = qToLittleEndian(value);
    writeBytes(&le, 4);
    return *this;
}

CArchive& CArchive::operator<<(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, 8);
    bits = qToLittleEndian(bits);
    writeBytes(&bits, 8);
    return *this;
}

CArchive& CArchive::operator<<(const OleDateTime& date) { return *this << qint32(date.GetStatus()) << date.value(); }

CArchive& CArchive::operator>>(qint32& value)
{
    value = qint32(readU32());
    return *this;
}

CArchive& CArchive::operator>>(double& value)
{
    const quint64 bits = qFromLittleEndian<quint64>(take(8));
    std::memcpy(&value, &bits, 8);
    return *this;
}

CArchive& CArchive::operator>>(OleDateTime& date)
{
    qint32 status = 0;
    double value = 0;
    *this >> status >> value;
    date = OleDateTime(value, OleDateTime::Status(status));
    return *this;
}

namespace {
// The marker and length prefix of a 16-bit text; returns their size.
qsizetype textHead(qsizetype length, uchar* head)
{
    head[0] = 0xFF;
    head[1] = 0xFE;
    head[2] = 0xFF;
    if (length < 0xFF) {
        head[3] = uchar(length);
        return 4;
    }
    head[3] = 0xFF;
    if (length < 0xFFFE) {
        qToLittleEndian<quint16>(quint16(length), head + 4);
        return 6;
    }
    head[4] = 0xFF;
    head[5] = 0xFF;
    qToLittleEndian<quint32>(quint32(length), head + 6);
    return 10;
}
} // namespace

uchar* CArchive::beginText(qsizetype length, qsizetype slack)
{
    uchar head[10];
    writeBytes(head, textHead(length, head));
    m_textStart = m_out->size();
    makeRoom(2 * length + slack);
    m_out->resize(m_textStart + 2 * length + slack);
    return reinterpret_cast<uchar*>(m_out->data()) + m_textStart;
}

void CArchive::endText(qsizetype length, qsizetype actualLength)
{
    uchar head[10];
    const qsizetype oldHead = textHead(length, head);
    const qsizetype newHead = textHead(actualLength, head);
    const qsizetype headStart = m_textStart - oldHead;
    char* data = m_out->data();
    if (newHead != oldHead)
        std::memmove(data + headStart + newHead, data + m_textStart, size_t(2 * actualLength));
    std::memcpy(data + headStart, head, size_t(newHead));
    m_out->resize(headStart + newHead + 2 * actualLength);
}

void CArchive::writeText(QStringView text)
{
    uchar* out = beginText(text.size());
    const char16_t* units = text.utf16();
    for (qsizetype i = 0; i < text.size(); ++i)
        qToLittleEndian<quint16>(units[i], out + 2 * i);
}

qint64 CArchive::readLengthPrefix()
{
    const quint8 b = readU8();
    if (b < 0xFF)
        return b;
    const quint16 w = readU16();
    if (w == 0xFFFE)
        return -1;
    if (w == 0xFFFF)
        return readU32();
    return w;
}

bool CArchive::readTextData(QByteArrayView& utf16le, QString& eightBit)
{
    qint64 length = readLengthPrefix();
    const bool wide = length < 0;
    if (wide) {
        length = readLengthPrefix();
        if (length < 0)
            throw CArchiveException(CArchiveException::BadFormat, "text marker repeated");
    }
    if (wide) {
        utf16le = QByteArrayView(take(length * 2), length * 2);
        return true;
    }
    eightBit = fromWindows1252(QByteArrayView(take(length), length));
    return false;
}

CArchive& CArchive::operator>>(QString& text)
{
    QByteArrayView bytes;
    QString narrow;
    if (!readTextData(bytes, narrow)) {
        text = narrow;
        return *this;
    }
    const qsizetype n = bytes.size() / 2;
    text.resize(n);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const uchar*>(bytes.data());
    for (qsizetype i = 0; i < n; ++i)
        out[i] = qFromLittleEndian<quint16>(in + 2 * i);
    return *this;
}

QString fromWindows1252(QByteArrayView bytes)
{
    // Code points of bytes 0x80 to 0x9F; the five undefined bytes keep their Latin-1 value.
    static constexpr char16_t high[32] = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
        0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
        0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };
    qsizetype n = 0;
    while (n < bytes.size() && bytes[n] != '\0')
        ++n;
    QString text(n, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < n; ++i) {
        const uchar b = uchar(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? high[b - 0x80] : char16_t(b);
    }
    return text;
}

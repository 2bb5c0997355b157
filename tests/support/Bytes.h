#pragma once

#include "core/ScrambledText.h"

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <cstring>
#include <initializer_list>

// Builds expected file bytes by hand, value by value, in little-endian order.
class Bytes {
public:
    Bytes& raw(std::initializer_list<int> bytes)
    {
        for (int b : bytes)
            m_data.append(char(b));
        return *this;
    }
    Bytes& i32(qint32 v)
    {
        char b[4];
        qToLittleEndian(v, b);
        m_data.append(b, 4);
        return *this;
    }
    Bytes& f64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        char b[8];
        qToLittleEndian(bits, b);
        m_data.append(b, 8);
        return *this;
    }
    Bytes& date(qint32 status, double value) { return i32(status).f64(value); }
    // A 16-bit text exactly as given (marker, shortest length prefix, UTF-16LE units).
    Bytes& text(const QString& s)
    {
        raw({ 0xFF, 0xFE, 0xFF });
        const qsizetype n = s.size();
        if (n < 255) {
            raw({ int(n) });
        } else if (n < 0xFFFE) {
            raw({ 0xFF, int(n & 0xFF), int(n >> 8) });
        } else {
            raw({ 0xFF, 0xFF, 0xFF }).i32(qint32(n));
        }
        for (QChar c : s)
            raw({ c.unicode() & 0xFF, c.unicode() >> 8 });
        return *this;
    }
    // A text as a record stores it: its scrambled form.
    Bytes& stored(const QString& plain) { return text(ScrambledText::scrambled(plain)); }
    Bytes& append(const QByteArray& more)
    {
        m_data.append(more);
        return *this;
    }

    const QByteArray& data() const { return m_data; }
    operator QByteArray() const { return m_data; } // NOLINT

private:
    QByteArray m_data;
};

inline QByteArray hexBytes(const char* hex) { return QByteArray::fromHex(hex); }

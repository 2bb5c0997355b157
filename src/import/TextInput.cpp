#include "import/TextInput.h"

#include "core/CArchive.h"
#include "import/FormatReaders.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace {

constexpr qsizetype kChunk = 64 * 1024;

QString hexByte(uchar b) { return QStringLiteral("0x") + QString::number(b, 16).toUpper().rightJustified(2, u'0'); }

// The bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D stand for no character in Windows-1252.
bool undefinedInWindows1252(uchar b) { return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D; }

} // namespace

TextInput::TextInput(QIODevice& device, qint64 sizeLimit, Mode mode)
    : m_device(device)
    , m_sizeLimit(sizeLimit)
    , m_mode(mode)
{
}

std::optional<TextInput::Encoding> TextInput::encodingOf(QByteArrayView start, int& markLength, QString& why)
{
    markLength = 0;
    const auto at = [&start](qsizetype i) { return i < start.size() ? int(uchar(start[i])) : -1; };
    if ((at(0) == 0xFF && at(1) == 0xFE && at(2) == 0 && at(3) == 0)
        || (at(0) == 0 && at(1) == 0 && at(2) == 0xFE && at(3) == 0xFF)) {
        why = QStringLiteral("the file is UTF-32, which is not read: save it as UTF-8 and try again");
        return std::nullopt;
    }
    if (at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) {
        markLength = 3;
        return Encoding::Utf8;
    }
    if (at(0) == 0xFF && at(1) == 0xFE) {
        markLength = 2;
        return Encoding::Utf16LE;
    }
    if (at(0) == 0xFE && at(1) == 0xFF) {
        markLength = 2;
        return Encoding::Utf16BE;
    }
    // UTF-16 without a mark: most characters of a text lie below U+0100, so that every other byte is
    // zero, where UTF-8 has no zero at all (or one now and then).
    const qsizetype pairs = std::min<qsizetype>(start.size(), 64) / 2;
    int zeroEven = 0, zeroOdd = 0;
    for (qsizetype i = 0; i < pairs; ++i) {
        zeroEven += start[2 * i] == 0;
        zeroOdd += start[2 * i + 1] == 0;
    }
    if (pairs > 0 && zeroOdd * 2 > pairs && zeroEven * 8 < pairs)
        return Encoding::Utf16LE;
    if (pairs > 0 && zeroEven * 2 > pairs && zeroOdd * 8 < pairs)
        return Encoding::Utf16BE;
    return Encoding::Utf8;
}

bool TextInput::fail(const QString& why)
{
    m_error = why;
    m_buffer.clear();
    return false;
}

bool TextInput::fill()
{
    const qsizetype had = m_buffer.size();
    m_buffer.resize(had + kChunk);
    const qint64 got = m_device.read(m_buffer.data() + had, kChunk);
    m_buffer.resize(had + std::max<qint64>(got, 0));
    if (got < 0)
        return fail(QStringLiteral("the file cannot be read: %1").arg(m_device.errorString()));
    m_eof = got == 0;
    m_total += got;
    if (m_total > m_sizeLimit)
        return fail(FormatReaders::tooLarge(m_sizeLimit));
    return true;
}

qint64 TextInput::lineAt(qsizetype offset) const
{
    const char* p = m_buffer.constData();
    if (m_encoding == Encoding::Utf16LE || m_encoding == Encoding::Utf16BE) {
        const int low = m_encoding == Encoding::Utf16LE ? 0 : 1;
        qint64 lines = m_linesBefore;
        for (qsizetype i = 0; i + 1 < offset; i += 2)
            lines += p[i + low] == '\n' && p[i + 1 - low] == 0;
        return lines;
    }
    return m_linesBefore + std::count(p, p + offset, '\n');
}

QString TextInput::where(qsizetype offset) const
{
    return QStringLiteral("at offset %1 (line %2)").arg(m_bufferOffset + offset).arg(lineAt(offset) + 1);
}

bool TextInput::next(QString& piece)
{
    piece.clear();
    if (!m_error.isEmpty())
        return false;
    if (!m_started) {
        while (m_buffer.size() < 64 && !m_eof)
            if (!fill())
                return false;
        int mark = 0;
        QString why;
        const std::optional<Encoding> encoding = encodingOf(m_buffer, mark, why);
        if (!encoding)
            return fail(why);
        m_encoding = *encoding;
        m_buffer.remove(0, mark);
        m_bufferOffset = mark;
        m_started = true;
    }
    while (piece.isEmpty()) {
        if (m_buffer.size() < kChunk && !m_eof && !fill())
            return false;
        if (m_buffer.isEmpty())
            return false; // the end
        bool ok = false;
        switch (m_encoding) {
        case Encoding::Utf8:
            ok = decodeUtf8(piece);
            break;
        case Encoding::Windows1252:
            ok = decodeWindows1252(piece, 0);
            break;
        case Encoding::Utf16LE:
        case Encoding::Utf16BE:
            ok = decodeUtf16(piece);
            break;
        }
        if (!ok)
            return false;
    }
    return true;
}

bool TextInput::decodeUtf8(QString& piece)
{
    const auto* p = reinterpret_cast<const uchar*>(m_buffer.constData());
    const qsizetype n = m_buffer.size();
    qsizetype i = 0;
    while (i < n) {
        const uchar c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        char32_t least = 0;
        if ((c & 0xE0) == 0xC0) {
            length = 2;
            least = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3;
            least = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4;
            least = 0x10000;
        }
        if (length > 0 && i + length > n && !m_eof)
            break; // the rest of the character comes with the next bytes
        bool valid = length > 0 && i + length <= n;
        char32_t code = valid ? char32_t(c & (0x7F >> length)) : 0;
        for (int k = 1; valid && k < length; ++k) {
            valid = (p[i + k] & 0xC0) == 0x80;
            code = (code << 6) | (p[i + k] & 0x3F);
        }
        valid = valid && code >= least && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        if (!valid) {
            if (m_sawMultiByte || m_mode == Strict)
                return fail(QStringLiteral("the file is not valid UTF-8: byte %1 %2").arg(hexByte(c), where(i)));
            // Nothing but ASCII so far: an 8-bit file, as Windows programs write them.
            m_notice = QStringLiteral("The file is not UTF-8 (byte %1 %2); it was read as Windows-1252 (Latin-1).")
                           .arg(hexByte(c), where(i));
            m_encoding = Encoding::Windows1252;
            return decodeWindows1252(piece, i);
        }
        m_sawMultiByte = true;
        i += length;
    }
    piece = QString::fromUtf8(m_buffer.constData(), i);
    m_linesBefore = lineAt(i);
    m_buffer.remove(0, i);
    m_bufferOffset += i;
    return true;
}

bool TextInput::decodeWindows1252(QString& piece, qsizetype from)
{
    const auto* p = reinterpret_cast<const uchar*>(m_buffer.constData());
    const qsizetype n = m_buffer.size();
    for (qsizetype i = from; i < n; ++i) {
        if (undefinedInWindows1252(p[i]))
            return fail(QStringLiteral("byte %1 %2 is neither UTF-8 nor Windows-1252").arg(hexByte(p[i]), where(i)));
    }
    piece = QString::fromLatin1(m_buffer.constData(), from) + fromWindows1252(QByteArrayView(p + from, n - from));
    m_linesBefore = lineAt(n);
    m_bufferOffset += n;
    m_buffer.clear();
    return true;
}

bool TextInput::decodeUtf16(QString& piece)
{
    const auto* p = reinterpret_cast<const uchar*>(m_buffer.constData());
    const qsizetype units = m_buffer.size() / 2;
    const bool little = m_encoding == Encoding::Utf16LE;
    const auto unitAt = [p, little](qsizetype k) {
        return little ? char16_t(p[2 * k] | (p[2 * k + 1] << 8)) : char16_t((p[2 * k] << 8) | p[2 * k + 1]);
    };
    piece.resize(units);
    char16_t* out = reinterpret_cast<char16_t*>(piece.data());
    qsizetype k = 0;
    for (; k < units; ++k) {
        const char16_t u = unitAt(k);
        if (QChar::isHighSurrogate(u)) {
            if (k + 1 == units && !m_eof)
                break; // its pair comes with the next bytes
            if (k + 1 == units || !QChar::isLowSurrogate(unitAt(k + 1)))
                return fail(QStringLiteral("the file is not valid UTF-16: a lone surrogate %1").arg(where(2 * k)));
            out[k] = u;
            out[k + 1] = unitAt(k + 1);
            ++k;
            continue;
        }
        if (QChar::isLowSurrogate(u))
            return fail(QStringLiteral("the file is not valid UTF-16: a lone surrogate %1").arg(where(2 * k)));
        out[k] = u;
    }
    if (m_eof && m_buffer.size() % 2 != 0)
        return fail(QStringLiteral("the file ends in the middle of a UTF-16 character"));
    piece.resize(k);
    m_linesBefore = lineAt(2 * k);
    m_buffer.remove(0, 2 * k);
    m_bufferOffset += 2 * k;
    return true;
}

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

// The text of a file read piece by piece, never whole. The encoding comes from the first bytes: a
// byte-order mark (UTF-8, UTF-16 LE or BE; UTF-32 is refused), the zero bytes of UTF-16 written
// without one, or else UTF-8. UTF-8 is checked as it goes; a file whose first fault comes before any
// character beyond ASCII is read as Windows-1252 (Latin-1 as Windows writes it) and says so in
// notice(). Bytes that are neither, a lone UTF-16 surrogate, or a file beyond the size limit stop the
// reading with an error naming the byte offset and the line. Every character read is kept, zero too.
class TextInput {
public:
    enum class Encoding { Utf8, Utf16LE, Utf16BE, Windows1252 };
    // Strict: UTF-8 that is not valid is refused, never read as Windows-1252.
    enum Mode { AllowWindows1252, Strict };

    TextInput(QIODevice& device, qint64 sizeLimit, Mode mode = AllowWindows1252);

    // The next piece of text (at most a few tens of KiB); false at the end or on an error.
    bool next(QString& piece);
    // Why the reading stopped early; empty at a clean end.
    const QString& error() const { return m_error; }
    // How the file was read, when it is worth telling ("not UTF-8 (byte 12): read as Windows-1252").
    const QString& notice() const { return m_notice; }
    Encoding encoding() const { return m_encoding; }

    // The encoding the first bytes of a file announce, and how many bytes of mark to skip; nothing for
    // UTF-32, which is not read (`why` then says so).
    static std::optional<Encoding> encodingOf(QByteArrayView start, int& markLength, QString& why);

private:
    bool fill();
    bool decodeUtf8(QString& piece);
    bool decodeWindows1252(QString& piece, qsizetype from);
    bool decodeUtf16(QString& piece);
    bool fail(const QString& why);
    // The line of the byte at `offset` of the present buffer: lines counted in what went before.
    qint64 lineAt(qsizetype offset) const;
    QString where(qsizetype offset) const;

    QIODevice& m_device;
    qint64 m_sizeLimit;
    Mode m_mode;
    Encoding m_encoding = Encoding::Utf8;
    bool m_started = false;
    bool m_sawMultiByte = false;
    QByteArray m_buffer; // bytes read and not yet decoded
    qint64 m_bufferOffset = 0; // file offset of m_buffer[0]
    qint64 m_linesBefore = 0; // line breaks before m_buffer[0]
    qint64 m_total = 0;
    bool m_eof = false;
    QString m_error;
    QString m_notice;
};

#pragma once

#include "format/SecureBuffer.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

// What Argon2id spends on deriving a wallet's key: opsLimit passes over memLimit bytes.
struct KdfCost {
    quint32 opsLimit = 0;
    quint64 memLimit = 0;
    bool operator==(const KdfCost&) const = default;
};

// The encrypted container of a wallet, laid out byte by byte in docs/encrypted-format.md: a header
// of fixed size, then the classic bytes of the same wallet sealed with XChaCha20-Poly1305 under a
// key that Argon2id derives from the document password. The header is the associated data.
namespace EncryptedFormat {
inline constexpr qsizetype kMagicSize = 14;
inline constexpr qsizetype kHeaderSize = 144;
inline constexpr quint16 kVersion = 1;
// The most a header may ask of the key derivation; a header asking for more is damaged.
inline constexpr quint32 kMaxOpsLimit = 64;
inline constexpr quint64 kMaxMemLimit = quint64(1) << 30;

// The least: Argon2id's own minimum (one pass over 8 KiB). Tests write files at this cost.
KdfCost cheapestCost();
// What new files are written with: 3 passes over 256 MiB, about half a second on a desktop machine.
KdfCost defaultCost();
// Within the bounds above, and at least the cheapest.
bool isAllowedCost(const KdfCost& cost);

// True when the bytes begin with the container's magic. No classic file begins so: the magic holds
// a text marker twice in a row, which the classic reader refuses before the password.
bool hasMagic(QByteArrayView bytes);

// The whole encrypted file of the classic bytes, sealed with the password at the given cost (which
// must be allowed), with a new random salt and nonce. Throws std::bad_alloc when the memory for the
// key derivation cannot be had.
QByteArray seal(QByteArrayView classicBytes, const QString& password, const KdfCost& cost);
} // namespace EncryptedFormat

// Opens an encrypted file in two steps around the password prompt: the header is checked first
// (bounds and its own checksum, nothing allocated), then unlock() derives the key, tells a wrong
// password from a damaged file, and decrypts the classic bytes into locked memory, all or nothing.
class EncryptedReader {
public:
    enum class Result {
        Opened, // classicBytes() holds the wallet
        WrongPassword, // the key does not match the header's key check
        Damaged, // the header is unsound or the body fails authentication
        OutOfMemory, // the key derivation or the decrypted bytes found no memory
    };

    // The bytes must outlive the reader.
    explicit EncryptedReader(QByteArrayView file);

    // False for a file that is cut short, has a damaged header, or asks for more than the bounds.
    bool headerIsSound() const { return m_sound; }
    // The cost the file was written with (only meaningful when the header is sound).
    KdfCost cost() const { return m_cost; }
    Result unlock(const QString& password);
    // The decrypted classic bytes after Opened; empty otherwise.
    QByteArrayView classicBytes() const { return m_plain.view(); }
    // Wipes the decrypted bytes now (the reader's end does too).
    void wipe() { m_plain.reset(); }

private:
    bool checkHeader();

    QByteArrayView m_file;
    KdfCost m_cost;
    bool m_sound = false;
    SecureBuffer m_plain;
};

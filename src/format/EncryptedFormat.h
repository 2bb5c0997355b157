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

// True when the bytes begin with the container's whole magic.
bool hasMagic(QByteArrayView bytes);
// True when the bytes are meant to be an encrypted file: they begin with the magic's first 8 bytes,
// or carry its last 6 at offset 8. No classic file that opens does either (its password would begin
// with the classic text marker twice, which the classic reader refuses before any password), so a
// file with one flipped byte in its magic is still read as a damaged encrypted file, never as a
// classic one whose password is then "wrong".
bool looksEncrypted(QByteArrayView bytes);

// A header asking for more than this many times the work of the cost this program writes is not
// opened unless the caller trusts the file: a forged header could otherwise keep the program busy
// for minutes (64 passes over 1 GiB take about 95 s) before the password is even checked.
inline constexpr int kCostlyRatio = 4;
// More than kCostlyRatio times the work (passes times memory) of `written`.
bool isCostly(const KdfCost& asked, const KdfCost& written);
// About how many seconds Argon2id takes at the cost on this machine: scaled by passes times memory
// from the last derivation this process timed (one of at least 16 MiB), or from measureSpeed(), or,
// before either, from a figure measured on a desktop machine. Meant for telling the user, not for
// deciding anything.
double estimatedSeconds(const KdfCost& cost);
// Times one derivation of 1 pass over 32 MiB (a few tenths of a second at most), unless a derivation
// was timed already, so that estimatedSeconds() speaks of this machine as it is now.
void measureSpeed();

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

    // The bytes must outlive the reader. A header asking for more than kCostlyRatio times the work of
    // `writtenCost` (what the caller writes new files with) is costly: see isCostly().
    explicit EncryptedReader(QByteArrayView file, const KdfCost& writtenCost = EncryptedFormat::defaultCost());

    // False for a file that is cut short, has a damaged header, asks for more than the bounds, or is
    // costly and not trusted (allowCostly()). unlock() refuses such a file as Damaged at once.
    bool headerIsSound() const { return m_sound && (!m_costly || m_costlyAllowed); }
    // The header is sound but asks for more than kCostlyRatio times the written cost's work.
    bool isCostly() const { return m_sound && m_costly; }
    // Trusts a costly header: unlock() derives the key at whatever cost (within the bounds) it asks.
    void allowCostly() { m_costlyAllowed = true; }
    // The cost the header asks for (only meaningful when the header is sound or costly).
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
    bool m_costly = false;
    bool m_costlyAllowed = false;
    SecureBuffer m_plain;
};

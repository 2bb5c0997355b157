#include "format/EncryptedFormat.h"

#include "format/Sodium.h"

#include <QElapsedTimer>
#include <QStringEncoder>
#include <QtEndian>

#include <sodium.h>

#include <atomic>
#include <cstring>
#include <new>
#include <stdexcept>

namespace {

// clang-format off
// The magic: a binary lead byte, "QRL", the line ends a text transfer would change, then the
// classic text marker FF FE FF twice (see hasMagic).
constexpr unsigned char kMagic[EncryptedFormat::kMagicSize] = {
    0x89, 'Q', 'R', 'L', 0x0D, 0x0A, 0x1A, 0x0A, 0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF };

// Where each header field sits.
constexpr qsizetype kVersionAt   = 14;  // u16
constexpr qsizetype kAlgorithmAt = 16;  // u32, libsodium's id of Argon2id v1.3
constexpr qsizetype kOpsAt       = 20;  // u32
constexpr qsizetype kMemAt       = 24;  // u64, bytes
constexpr qsizetype kSaltAt      = 32;  // 16 bytes
constexpr qsizetype kNonceAt     = 48;  // 24 bytes
constexpr qsizetype kBodySizeAt  = 72;  // u64, ciphertext and tag
constexpr qsizetype kKeyCheckAt  = 80;  // 32 bytes, keyed BLAKE2b of bytes 0 to 79
constexpr qsizetype kHeaderSumAt = 112; // 32 bytes, plain BLAKE2b of bytes 0 to 111
// clang-format on
constexpr size_t kHashSize = 32;
constexpr quint32 kAlgorithm = crypto_pwhash_ALG_ARGON2ID13;
// The context of the two keys taken from the derived one (libsodium's key derivation).
constexpr char kKeyContext[crypto_kdf_CONTEXTBYTES] = { 'Q', 'r', 'l', 'W', 'a', 'l', 'l', 't' };
constexpr quint64 kEncryptionKeyId = 1;
constexpr quint64 kCheckKeyId = 2;

static_assert(kSaltAt + crypto_pwhash_SALTBYTES == kNonceAt);
static_assert(kNonceAt + crypto_aead_xchacha20poly1305_ietf_NPUBBYTES == kBodySizeAt);
static_assert(kHeaderSumAt + kHashSize == EncryptedFormat::kHeaderSize);
static_assert(crypto_aead_xchacha20poly1305_ietf_KEYBYTES == 32 && crypto_kdf_KEYBYTES == 32);

// Seconds per pass per MiB of the last derivation timed at a size that tells the machine's speed
// (smaller ones fit in the caches); 0 until one is. Derivations run on worker threads too.
std::atomic<double> g_secondsPerPassPerMiB { 0 };
constexpr quint64 kLeastTimedMemory = quint64(16) << 20;

double workInPassMiB(const KdfCost& cost) { return double(cost.opsLimit) * double(cost.memLimit) / double(1 << 20); }

// The two keys a password gives for one salt and cost, in locked memory.
struct Keys {
    SecureBuffer buffer { 2 * 32 };
    const unsigned char* encryption() const { return buffer.data(); }
    const unsigned char* check() const { return buffer.data() + 32; }
};

// Argon2id of the password's UTF-8 bytes gives a 256-bit key; the encryption key and the check key
// are derived from it apart, so that neither is used for two purposes. Throws std::bad_alloc when
// Argon2id finds no memory.
Keys deriveKeys(const QString& password, const unsigned char* salt, KdfCost cost)
{
#ifdef QUORRIL_FUZZING_KDF
    // The fuzzing build derives every key cheaply, whatever a file asks for.
    cost = EncryptedFormat::cheapestCost();
#endif
    QStringEncoder utf8(QStringEncoder::Utf8);
    SecureBuffer secret(size_t(utf8.requiredSpace(password.size())));
    const size_t length = size_t(utf8.appendToBuffer(secret.chars(), password) - secret.chars());
    SecureBuffer master(32);
    QElapsedTimer timer;
    timer.start();
    if (crypto_pwhash(master.data(), master.size(), secret.chars(), length, salt, cost.opsLimit, size_t(cost.memLimit),
            int(kAlgorithm))
        != 0)
        throw std::bad_alloc();
    if (cost.memLimit >= kLeastTimedMemory)
        g_secondsPerPassPerMiB = double(timer.nsecsElapsed()) / 1e9 / workInPassMiB(cost);
    secret.reset();
    Keys keys;
    crypto_kdf_derive_from_key(keys.buffer.data(), 32, kEncryptionKeyId, kKeyContext, master.data());
    crypto_kdf_derive_from_key(keys.buffer.data() + 32, 32, kCheckKeyId, kKeyContext, master.data());
    return keys;
}

void keyCheck(unsigned char* out, const unsigned char* header, const Keys& keys)
{
    crypto_generichash(out, kHashSize, header, kKeyCheckAt, keys.check(), 32);
}

void headerSum(unsigned char* out, const unsigned char* header)
{
    crypto_generichash(out, kHashSize, header, kHeaderSumAt, nullptr, 0);
}

} // namespace

namespace EncryptedFormat {

KdfCost cheapestCost() { return { crypto_pwhash_argon2id_OPSLIMIT_MIN, crypto_pwhash_argon2id_MEMLIMIT_MIN }; }

KdfCost defaultCost()
{
#ifdef QUORRIL_FUZZING_KDF
    // What the fuzzing build derives with anyway, so that the files it writes say so.
    return cheapestCost();
#else
    return { 3, quint64(256) << 20 };
#endif
}

bool isAllowedCost(const KdfCost& cost)
{
    const KdfCost least = cheapestCost();
    return cost.opsLimit >= least.opsLimit && cost.opsLimit <= kMaxOpsLimit && cost.memLimit >= least.memLimit
        && cost.memLimit <= kMaxMemLimit;
}

bool hasMagic(QByteArrayView bytes)
{
    return bytes.size() >= kMagicSize && std::memcmp(bytes.data(), kMagic, kMagicSize) == 0;
}

bool looksEncrypted(QByteArrayView bytes)
{
    constexpr qsizetype kLead = 8;
    const bool lead = bytes.size() >= kLead && std::memcmp(bytes.data(), kMagic, kLead) == 0;
    const bool markers
        = bytes.size() >= kMagicSize && std::memcmp(bytes.data() + kLead, kMagic + kLead, kMagicSize - kLead) == 0;
    return lead || markers;
}

bool isCostly(const KdfCost& asked, const KdfCost& written)
{
    // In floating point: the bounds keep both products far below 2^53, and a written cost outside
    // them must not overflow either.
    const double askedWork = double(asked.opsLimit) * double(asked.memLimit);
    return askedWork > kCostlyRatio * double(written.opsLimit) * double(written.memLimit);
}

double estimatedSeconds(const KdfCost& cost)
{
    // Argon2id's time grows with passes times memory. Until this process has timed a derivation:
    // libsodium 1.0.18 on an idle 2-core x86-64 build machine, 1.4 to 1.6 ms per pass per MiB (it
    // took 8.7 ms there while other builds ran, hence the measure of the moment when there is one).
    constexpr double kDesktopSecondsPerPassPerMiB = 0.0015;
    const double measured = g_secondsPerPassPerMiB;
    return (measured > 0 ? measured : kDesktopSecondsPerPassPerMiB) * workInPassMiB(cost);
}

void measureSpeed()
{
    if (g_secondsPerPassPerMiB > 0)
        return;
    Sodium::ensureReady();
    unsigned char salt[crypto_pwhash_SALTBYTES] = {};
    try {
        deriveKeys(QStringLiteral("speed"), salt, { 1, quint64(32) << 20 });
    } catch (const std::bad_alloc&) {
        // No memory to spare: the estimate keeps the desktop figure.
    }
}

QByteArray seal(QByteArrayView classicBytes, const QString& password, const KdfCost& cost)
{
    if (!isAllowedCost(cost))
        throw std::logic_error("a key derivation cost outside the bounds a reader accepts");
    Sodium::ensureReady();
    const quint64 bodySize = quint64(classicBytes.size()) + crypto_aead_xchacha20poly1305_ietf_ABYTES;
    QByteArray file(kHeaderSize + qsizetype(bodySize), Qt::Uninitialized);
    auto* header = reinterpret_cast<unsigned char*>(file.data());
    std::memcpy(header, kMagic, kMagicSize);
    qToLittleEndian<quint16>(kVersion, header + kVersionAt);
    qToLittleEndian<quint32>(kAlgorithm, header + kAlgorithmAt);
    qToLittleEndian<quint32>(cost.opsLimit, header + kOpsAt);
    qToLittleEndian<quint64>(cost.memLimit, header + kMemAt);
    randombytes_buf(header + kSaltAt, crypto_pwhash_SALTBYTES);
    randombytes_buf(header + kNonceAt, crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
    qToLittleEndian<quint64>(bodySize, header + kBodySizeAt);

    const Keys keys = deriveKeys(password, header + kSaltAt, cost);
    keyCheck(header + kKeyCheckAt, header, keys);
    headerSum(header + kHeaderSumAt, header);
    unsigned long long sealed = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(header + kHeaderSize, &sealed,
        reinterpret_cast<const unsigned char*>(classicBytes.data()), quint64(classicBytes.size()), header, kHeaderSize,
        nullptr, header + kNonceAt, keys.encryption());
    return file;
}

} // namespace EncryptedFormat

EncryptedReader::EncryptedReader(QByteArrayView file, const KdfCost& writtenCost)
    : m_file(file)
{
    m_sound = checkHeader();
    m_costly = m_sound && EncryptedFormat::isCostly(m_cost, writtenCost);
}

bool EncryptedReader::checkHeader()
{
    using namespace EncryptedFormat;
    if (m_file.size() < kHeaderSize || !hasMagic(m_file))
        return false;
    const auto* header = reinterpret_cast<const unsigned char*>(m_file.data());
    if (qFromLittleEndian<quint16>(header + kVersionAt) != kVersion
        || qFromLittleEndian<quint32>(header + kAlgorithmAt) != kAlgorithm)
        return false;
    m_cost = { qFromLittleEndian<quint32>(header + kOpsAt), qFromLittleEndian<quint64>(header + kMemAt) };
    const quint64 bodySize = qFromLittleEndian<quint64>(header + kBodySizeAt);
    // The body is exactly the rest of the file: nothing is ever made larger than what was read.
    if (!isAllowedCost(m_cost) || bodySize < crypto_aead_xchacha20poly1305_ietf_ABYTES
        || bodySize != quint64(m_file.size() - kHeaderSize))
        return false;
    Sodium::ensureReady();
    unsigned char sum[kHashSize];
    headerSum(sum, header);
    return sodium_memcmp(sum, header + kHeaderSumAt, kHashSize) == 0;
}

EncryptedReader::Result EncryptedReader::unlock(const QString& password)
{
    using namespace EncryptedFormat;
    m_plain.reset();
    if (!headerIsSound())
        return Result::Damaged;
    const auto* header = reinterpret_cast<const unsigned char*>(m_file.data());
    try {
        const Keys keys = deriveKeys(password, header + kSaltAt, m_cost);
        unsigned char check[kHashSize];
        keyCheck(check, header, keys);
        if (sodium_memcmp(check, header + kKeyCheckAt, kHashSize) != 0)
            return Result::WrongPassword;
        const qsizetype bodySize = m_file.size() - kHeaderSize;
        SecureBuffer plain(size_t(bodySize) - crypto_aead_xchacha20poly1305_ietf_ABYTES);
        unsigned long long opened = 0;
        if (crypto_aead_xchacha20poly1305_ietf_decrypt(plain.data(), &opened, nullptr, header + kHeaderSize,
                quint64(bodySize), header, kHeaderSize, header + kNonceAt, keys.encryption())
            != 0)
            return Result::Damaged; // plain is wiped on the way out
        m_plain = std::move(plain);
        return Result::Opened;
    } catch (const std::bad_alloc&) {
        return Result::OutOfMemory;
    }
}

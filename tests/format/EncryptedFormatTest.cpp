// The encrypted container alone: readable from the documented layout, giving back the classic bytes
// it was given, and telling every damage from a wrong password.
#include "format/EncryptedFormat.h"

#include "accounts/AccountFactory.h"
#include "core/CArchive.h"
#include "document/FilledFields.h"
#include "format/RecordingSink.h"
#include "format/WalletFile.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <sodium.h>

namespace {

const KdfCost kCheap = EncryptedFormat::cheapestCost();
constexpr qsizetype kHeader = EncryptedFormat::kHeaderSize;

const unsigned char* at(const QByteArray& bytes, qsizetype offset)
{
    return reinterpret_cast<const unsigned char*>(bytes.constData()) + offset;
}

QByteArray bytes32(const unsigned char* data) { return QByteArray(reinterpret_cast<const char*>(data), 32); }

// A little-endian header field of `width` bytes.
quint64 field(const QByteArray& file, qsizetype offset, int width)
{
    quint64 value = 0;
    for (int i = width; i-- > 0;)
        value = value << 8 | at(file, offset)[i];
    return value;
}

// Writes the field and the header's checksum again, so that only the field's bounds can refuse it.
void putField(QByteArray& file, qsizetype offset, int width, quint64 value)
{
    for (int i = 0; i < width; ++i)
        file[offset + i] = char(value >> (8 * i));
    auto* header = reinterpret_cast<unsigned char*>(file.data());
    crypto_generichash(header + 112, 32, header, 112, nullptr, 0);
}

// The classic bytes of a small wallet: one account of the type with every field filled.
QByteArray classicWallet(AccountType type, const QString& password)
{
    AccountTable accounts;
    auto account = createAccount(AccountId(7), type);
    account->SetTitle(QStringLiteral("A %1").arg(accountTypeName(type)));
    fillFields(*account, 3);
    account->AddUser(1, QStringLiteral("me"), QStringLiteral("pw\u00e9"), QStringLiteral("me@x.example"));
    account->SetCommitted();
    accounts[AccountId(7)] = std::move(account);
    const ScrambledText stored(password);
    return WalletFile::store({ AccountId(8), stored, accounts });
}

TEST(EncryptedFormatTest, ReadableFromTheDocumentedLayoutAlone)
{
    // docs/encrypted-format.md followed with libsodium's primitives, not the reader.
    ASSERT_GE(sodium_init(), 0);
    const QString password = QStringLiteral("Pass \u00e9");
    const QByteArray classic = classicWallet(AccountType::Bank, password);
    const QByteArray file = EncryptedFormat::seal(classic, password, { 2, 64 * 1024 });

    EXPECT_EQ(file.left(14).toHex(), QByteArray("8951524c0d0a1a0afffefffffeff"));
    EXPECT_EQ(file.size(), kHeader + classic.size() + 16);
    // clang-format off
    const struct { qsizetype offset; int width; quint64 value; } fields[] = {
        { 14, 2, 1 }, { 16, 4, crypto_pwhash_ALG_ARGON2ID13 }, { 20, 4, 2 }, { 24, 8, 64 * 1024 },
        { 72, 8, quint64(classic.size() + 16) },
    };
    // clang-format on
    for (const auto& f : fields)
        EXPECT_EQ(field(file, f.offset, f.width), f.value) << "at " << f.offset;
    unsigned char sum[32], master[32], encryption[32], check[32], keyCheck[32];
    crypto_generichash(sum, 32, at(file, 0), 112, nullptr, 0);
    EXPECT_EQ(bytes32(sum), file.mid(112, 32));

    const QByteArray utf8 = password.toUtf8();
    ASSERT_EQ(crypto_pwhash(master, 32, utf8.constData(), quint64(utf8.size()), at(file, 32), 2, 64 * 1024,
                  crypto_pwhash_ALG_ARGON2ID13),
        0);
    crypto_kdf_derive_from_key(encryption, 32, 1, "QrlWallt", master);
    crypto_kdf_derive_from_key(check, 32, 2, "QrlWallt", master);
    crypto_generichash(keyCheck, 32, at(file, 0), 80, check, 32);
    EXPECT_EQ(bytes32(keyCheck), file.mid(80, 32));
    QByteArray opened(classic.size(), '\0');
    unsigned long long length = 0;
    ASSERT_EQ(
        crypto_aead_xchacha20poly1305_ietf_decrypt(reinterpret_cast<unsigned char*>(opened.data()), &length, nullptr,
            at(file, kHeader), quint64(file.size() - kHeader), at(file, 0), kHeader, at(file, 48), encryption),
        0);
    EXPECT_EQ(opened, classic);
}

TEST(EncryptedFormatTest, EveryAccountTypeComesBackByteForByte)
{
    for (AccountType type : kAccountTypes) {
        SCOPED_TRACE(accountTypeName(type).toStdString());
        const QByteArray classic = classicWallet(type, QStringLiteral("pw"));
        const QByteArray file = EncryptedFormat::seal(classic, QStringLiteral("pw"), kCheap);
        const QByteArray again = EncryptedFormat::seal(classic, QStringLiteral("pw"), kCheap);
        EXPECT_EQ(WalletFile::containerOf(file), WalletFile::Container::Encrypted);
        EXPECT_EQ(file.indexOf(classic.mid(20, 16)), -1) << "the classic bytes show through";
        EXPECT_NE(file.mid(32, 16), again.mid(32, 16)) << "every save has its own salt";
        EXPECT_NE(file.mid(48, 24), again.mid(48, 24)) << "and its own nonce";

        EncryptedReader reader(file);
        ASSERT_TRUE(reader.headerIsSound());
        EXPECT_EQ(reader.cost(), kCheap);
        ASSERT_EQ(reader.unlock(QStringLiteral("pw")), EncryptedReader::Result::Opened);
        EXPECT_EQ(reader.classicBytes(), classic);
        RecordingSink sink;
        WalletFile::load(reader.classicBytes(), sink);
        ASSERT_EQ(sink.accounts.size(), 1u);
        EXPECT_EQ(sink.accounts.begin()->second->GetType(), type);
        const ScrambledText stored(QStringLiteral("pw"));
        EXPECT_EQ(WalletFile::store({ AccountId(8), stored, sink.accounts }), classic);
        reader.wipe();
        EXPECT_TRUE(reader.classicBytes().isEmpty());
    }
}

TEST(EncryptedFormatTest, OnlyTheExactPasswordOpens)
{
    const QString right = QStringLiteral("Secret \u00c9t\u00e9");
    const QByteArray file = EncryptedFormat::seal(classicWallet(AccountType::Email, right), right, kCheap);
    // The right one first: a wrong one after it must not leave the opened bytes behind.
    const QString typed[] = { right, QStringLiteral("secret \u00c9t\u00e9"), QStringLiteral("SECRET \u00c9T\u00c9"),
        QStringLiteral("Secret \u00e9t\u00e9"), right + QLatin1Char(' '), right.chopped(1), QString() };
    EncryptedReader reader(file);
    for (const QString& password : typed) {
        SCOPED_TRACE(password.toStdString());
        const bool isRight = &password == &typed[0];
        EXPECT_EQ(reader.unlock(password),
            isRight ? EncryptedReader::Result::Opened : EncryptedReader::Result::WrongPassword);
        EXPECT_EQ(reader.classicBytes().isEmpty(), !isRight);
    }
}

TEST(EncryptedFormatTest, EveryFlippedByteAndEveryCutIsDamage)
{
    const QByteArray file = EncryptedFormat::seal(classicWallet(AccountType::Software, "pw"), "pw", kCheap);
    for (qsizetype i = 0; i < file.size(); ++i) {
        SCOPED_TRACE(i);
        QByteArray flipped = file;
        flipped[i] = char(flipped[i] ^ 0x10);
        const QByteArray cut = file.left(i); // the reader only views the bytes
        EncryptedReader damaged(flipped), shorter(cut);
        EXPECT_EQ(WalletFile::containerOf(flipped), WalletFile::Container::Encrypted) << "also a flipped magic";
        // A damaged header is known before the password is asked for.
        EXPECT_EQ(damaged.headerIsSound(), i >= kHeader);
        EXPECT_FALSE(shorter.headerIsSound());
        EXPECT_EQ(damaged.unlock(QStringLiteral("pw")), EncryptedReader::Result::Damaged);
        EXPECT_EQ(shorter.unlock(QStringLiteral("pw")), EncryptedReader::Result::Damaged);
        EXPECT_TRUE(damaged.classicBytes().isEmpty());
    }
    EXPECT_FALSE(EncryptedReader(file + '\0').headerIsSound()) << "bytes after the body";
}

TEST(EncryptedFormatTest, HostileHeaderValuesAreRefusedBeforeTheKeyIsDerived)
{
    const QByteArray file = EncryptedFormat::seal(classicWallet(AccountType::Medical, "pw"), "pw", kCheap);
    const quint64 body = quint64(file.size() - kHeader);
    // clang-format off
    const struct { const char* name; qsizetype offset; int width; quint64 value; bool sound; } rows[] = {
        { "version 0",               14, 2, 0,                           false },
        { "version 2",               14, 2, 2,                           false },
        { "Argon2i instead",         16, 4, crypto_pwhash_ALG_ARGON2I13, false },
        { "no passes",               20, 4, 0,                           false },
        { "65 passes",               20, 4, 65,                          false },
        { "all the passes",          20, 4, 0xFFFFFFFF,                  false },
        { "64 passes",               20, 4, 64,                          true },
        { "below Argon2's memory",   24, 8, 8191,                        false },
        { "1 GiB and one byte",      24, 8, (quint64(1) << 30) + 1,      false },
        { "all the memory",          24, 8, ~quint64(0),                 false },
        { "1 GiB",                   24, 8, quint64(1) << 30,            true },
        { "body shorter than a tag", 72, 8, 15,                          false },
        { "body one byte longer",    72, 8, body + 1,                    false },
        { "body one byte shorter",   72, 8, body - 1,                    false },
        { "body of 2^64 - 1 bytes",  72, 8, ~quint64(0),                 false },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QByteArray hostile = file;
        putField(hostile, row.offset, row.width, row.value);
        EncryptedReader reader(hostile);
        EXPECT_EQ(reader.headerIsSound(), row.sound);
        // Never past a sound header here: a key derived at these costs would take hours.
        if (!reader.headerIsSound()) {
            EXPECT_EQ(reader.unlock(QStringLiteral("pw")), EncryptedReader::Result::Damaged);
        }
    }
}

TEST(EncryptedFormatTest, CostlyHeadersAreRefusedFastUnlessTrusted)
{
    constexpr quint64 MiB = quint64(1) << 20;
    // Costly: more than 4 times the work (passes times memory) of what is written, 3 x 256 MiB.
    // clang-format off
    const struct { KdfCost asked; bool costly; } rows[] = {
        { { 12, 256 * MiB }, false }, { { 13, 256 * MiB }, true }, { { 3, 1024 * MiB }, false },
        { { 4, 1024 * MiB }, true },  { { 64, 8192 }, false },     { { 64, 1024 * MiB }, true },
    };
    // clang-format on
    QByteArray file = EncryptedFormat::seal(classicWallet(AccountType::Bank, "pw"), "pw", kCheap);
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.asked.opsLimit << " x " << row.asked.memLimit);
        putField(file, 20, 4, row.asked.opsLimit);
        putField(file, 24, 8, row.asked.memLimit);
        EncryptedReader reader(file, EncryptedFormat::defaultCost());
        EXPECT_EQ(reader.isCostly(), row.costly);
        EXPECT_EQ(reader.headerIsSound(), !row.costly);
        EXPECT_EQ(reader.cost(), row.asked);
        if (row.costly) {
            QElapsedTimer timer;
            timer.start();
            EXPECT_EQ(reader.unlock("pw"), EncryptedReader::Result::Damaged);
            EXPECT_LT(timer.elapsed(), 100) << "refused before the key derivation (95 s for the last row)";
        }
        reader.allowCostly();
        EXPECT_TRUE(reader.headerIsSound()) << "trusted";
    }
}

TEST(EncryptedFormatTest, ClassicFilesAndContainersAreNeverTakenForEachOther)
{
    // Either half of the magic makes a file encrypted (then damaged), so that one flipped byte of it
    // never turns a container into a classic file whose password is "wrong".
    // clang-format off
    const struct { QByteArray bytes; WalletFile::Container container; } rows[] = {
        { classicWallet(AccountType::Reference, "pw"),            WalletFile::Container::Classic },
        { QByteArray(),                                           WalletFile::Container::Classic },
        { QByteArray::fromHex("01000000"),                        WalletFile::Container::Classic },
        { QByteArray::fromHex("8951524c0d0a1a0b0361626300000000"), WalletFile::Container::Classic },
        { QByteArray::fromHex("8951524c0d0a1a0afffeff0161000000"), WalletFile::Container::Encrypted },
        { QByteArray::fromHex("8951524c0d0a1a0afffefffffe"),       WalletFile::Container::Encrypted },
        { QByteArray::fromHex("0100000002000000fffefffffeff"),     WalletFile::Container::Encrypted },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes.left(16).toHex().toStdString());
        EXPECT_EQ(WalletFile::containerOf(row.bytes), row.container);
        EXPECT_FALSE(EncryptedReader(row.bytes).headerIsSound());
    }
    // The classic reader stops inside the magic, before any password.
    RecordingSink sink;
    const QByteArray file = EncryptedFormat::seal(classicWallet(AccountType::Email, "pw"), "pw", kCheap);
    EXPECT_THROW(WalletFile::load(file, sink), CArchiveException);
    EXPECT_EQ(sink.events.size(), 2) << sink.events.join(u',').toStdString();
}

TEST(EncryptedFormatTest, TheWriterRefusesACostNoReaderAccepts)
{
    const KdfCost costs[]
        = { { 0, kCheap.memLimit }, { 65, kCheap.memLimit }, { 1, 4096 }, { 1, EncryptedFormat::kMaxMemLimit + 1024 } };
    for (const KdfCost& cost : costs)
        EXPECT_THROW(EncryptedFormat::seal("x", "pw", cost), std::logic_error);
    EXPECT_TRUE(EncryptedFormat::isAllowedCost(EncryptedFormat::defaultCost()));
    EXPECT_GE(EncryptedFormat::defaultCost().opsLimit, 3u);
    EXPECT_GE(EncryptedFormat::defaultCost().memLimit, quint64(64) << 20);
}

} // namespace

// The encrypted container on its own: readable from the documented layout alone, giving back the
// classic bytes it was given, and telling every damage from a wrong password.
#include "EncryptedFormat.h"

#include "AccountFactory.h"
#include "CArchive.h"
#include "FilledFields.h"
#include "RecordingSink.h"
#include "WalletFile.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <sodium.h>

namespace {

const KdfCost kCheap = EncryptedFormat::cheapestCost();
constexpr qsizetype kHeader = EncryptedFormat::kHeaderSize;

const unsigned char* at(const QByteArray& bytes, qsizetype offset)
{
    return reinterpret_cast<const unsigned char*>(bytes.constData()) + offset;
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

// The header's own checksum written again after a test changed a field, so that only the field's
// bounds can refuse it.
void resum(QByteArray& file)
{
    auto* header = reinterpret_cast<unsigned char*>(file.data());
    crypto_generichash(header + 112, 32, header, 112, nullptr, 0);
}

TEST(EncryptedFormatTest, ReadableFromTheDocumentedLayoutAlone)
{
    // docs/encrypted-format.md followed with libsodium's primitives, not the reader.
    ASSERT_GE(sodium_init(), 0);
    const QByteArray classic = classicWallet(AccountType::Bank, QStringLiteral("Pass \u00e9"));
    const KdfCost cost { 2, 64 * 1024 };
    const QByteArray file = EncryptedFormat::seal(classic, QStringLiteral("Pass \u00e9"), cost);

    EXPECT_EQ(file.left(14).toHex(), QByteArray("8951524c0d0a1a0afffefffffeff"));
    EXPECT_EQ(qFromLittleEndian<quint16>(at(file, 14)), 1);
    EXPECT_EQ(qFromLittleEndian<quint32>(at(file, 16)), quint32(crypto_pwhash_ALG_ARGON2ID13));
    EXPECT_EQ(qFromLittleEndian<quint32>(at(file, 20)), 2u);
    EXPECT_EQ(qFromLittleEndian<quint64>(at(file, 24)), 64u * 1024);
    EXPECT_EQ(qFromLittleEndian<quint64>(at(file, 72)), quint64(classic.size() + 16));
    EXPECT_EQ(file.size(), kHeader + classic.size() + 16);
    unsigned char sum[32];
    crypto_generichash(sum, 32, at(file, 0), 112, nullptr, 0);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(sum), 32), file.mid(112, 32));

    const QByteArray password = QStringLiteral("Pass \u00e9").toUtf8();
    unsigned char master[32], encryption[32], check[32], keyCheck[32];
    ASSERT_EQ(crypto_pwhash(master, 32, password.constData(), quint64(password.size()), at(file, 32), 2, 64 * 1024,
                  crypto_pwhash_ALG_ARGON2ID13),
        0);
    crypto_kdf_derive_from_key(encryption, 32, 1, "QrlWallt", master);
    crypto_kdf_derive_from_key(check, 32, 2, "QrlWallt", master);
    crypto_generichash(keyCheck, 32, at(file, 0), 80, check, 32);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(keyCheck), 32), file.mid(80, 32));
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
    struct Row {
        QString typed;
        EncryptedReader::Result result;
    };
    const Row rows[] = {
        { right, EncryptedReader::Result::Opened },
        { QStringLiteral("secret \u00c9t\u00e9"), EncryptedReader::Result::WrongPassword },
        { QStringLiteral("SECRET \u00c9T\u00c9"), EncryptedReader::Result::WrongPassword },
        { QStringLiteral("Secret \u00e9t\u00e9"), EncryptedReader::Result::WrongPassword },
        { right + QLatin1Char(' '), EncryptedReader::Result::WrongPassword },
        { right.left(right.size() - 1), EncryptedReader::Result::WrongPassword },
        { QString(), EncryptedReader::Result::WrongPassword },
    };
    EncryptedReader reader(file);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        EXPECT_EQ(reader.unlock(row.typed), row.result);
        EXPECT_EQ(reader.classicBytes().isEmpty(), row.result != EncryptedReader::Result::Opened);
    }
}

TEST(EncryptedFormatTest, EveryFlippedByteAndEveryCutIsDamage)
{
    const QByteArray file = EncryptedFormat::seal(classicWallet(AccountType::Software, "pw"), "pw", kCheap);
    for (qsizetype i = 0; i < file.size(); ++i) {
        SCOPED_TRACE(i);
        QByteArray flipped = file;
        flipped[i] = char(flipped[i] ^ 0x10);
        EncryptedReader reader(flipped);
        // A damaged header is known before the password is asked for.
        EXPECT_EQ(reader.headerIsSound(), i >= kHeader);
        EXPECT_EQ(reader.unlock(QStringLiteral("pw")), EncryptedReader::Result::Damaged);
        EXPECT_TRUE(reader.classicBytes().isEmpty());
    }
    for (qsizetype size = 0; size < file.size(); ++size) {
        SCOPED_TRACE(size);
        EncryptedReader reader(file.left(size));
        EXPECT_FALSE(reader.headerIsSound());
        EXPECT_EQ(reader.unlock(QStringLiteral("pw")), EncryptedReader::Result::Damaged);
    }
    EXPECT_FALSE(EncryptedReader(file + '\0').headerIsSound()) << "bytes after the body";
}

TEST(EncryptedFormatTest, HostileHeaderValuesAreRefusedBeforeTheKeyIsDerived)
{
    const QByteArray file = EncryptedFormat::seal(classicWallet(AccountType::Medical, "pw"), "pw", kCheap);
    const quint64 body = quint64(file.size() - kHeader);
    enum Width { U16, U32, U64 };
    struct Row {
        const char* name;
        qsizetype offset;
        Width width;
        quint64 value;
        bool sound; // the header alone passes (no key is derived here)
    };
    // clang-format off
    const Row rows[] = {
        { "version 0",              14, U16, 0,                      false },
        { "version 2",              14, U16, 2,                      false },
        { "Argon2i instead",        16, U32, crypto_pwhash_ALG_ARGON2I13, false },
        { "no passes",              20, U32, 0,                      false },
        { "65 passes",              20, U32, 65,                     false },
        { "all the passes",         20, U32, 0xFFFFFFFF,             false },
        { "64 passes",              20, U32, 64,                     true },
        { "below Argon2's memory",  24, U64, 8191,                   false },
        { "1 GiB and one byte",     24, U64, (quint64(1) << 30) + 1, false },
        { "all the memory",         24, U64, ~quint64(0),            false },
        { "1 GiB",                  24, U64, quint64(1) << 30,       true },
        { "body shorter than a tag",72, U64, 15,                     false },
        { "body one byte longer",   72, U64, body + 1,               false },
        { "body one byte shorter",  72, U64, body - 1,               false },
        { "body of 2^64 - 1 bytes", 72, U64, ~quint64(0),            false },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QByteArray hostile = file;
        auto* field = reinterpret_cast<unsigned char*>(hostile.data()) + row.offset;
        if (row.width == U16)
            qToLittleEndian<quint16>(quint16(row.value), field);
        else if (row.width == U32)
            qToLittleEndian<quint32>(quint32(row.value), field);
        else
            qToLittleEndian<quint64>(row.value, field);
        resum(hostile);
        EncryptedReader reader(hostile);
        EXPECT_EQ(reader.headerIsSound(), row.sound);
        // Never past a sound header here: a key derived at these costs would take hours.
        if (!reader.headerIsSound()) {
            EXPECT_EQ(reader.unlock(QStringLiteral("pw")), EncryptedReader::Result::Damaged);
        }
    }
}

TEST(EncryptedFormatTest, ClassicFilesAndContainersAreNeverTakenForEachOther)
{
    // A classic file may begin with any two int32s: the magic's first eight bytes followed by a
    // sound password text is still classic.
    QByteArray lookalike = QByteArray::fromHex("8951524c0d0a1a0a") + QByteArray::fromHex("fffeff0161000000");
    const QByteArray classicFiles[] = {
        classicWallet(AccountType::Reference, "pw"), QByteArray(), QByteArray::fromHex("01000000"), lookalike,
        QByteArray::fromHex("8951524c0d0a1a0afffefffffe"), // one byte short of the magic
    };
    for (const QByteArray& bytes : classicFiles) {
        SCOPED_TRACE(bytes.left(16).toHex().toStdString());
        EXPECT_EQ(WalletFile::containerOf(bytes), WalletFile::Container::Classic);
        EXPECT_FALSE(EncryptedReader(bytes).headerIsSound());
    }
    // The classic reader stops inside the magic, before any password: a container never opens as a
    // classic file.
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

// Encrypted wallets on the command line: import --encrypt, encrypt and decrypt in place, check, and
// every refusal leaving the file as it was.
#include "cli/CliFixture.h"

#include "document/FileBuilder.h"
#include "format/WalletFile.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QtEndian>

#include <sodium.h>

#include <iostream>

namespace {

QByteArray flipped(QByteArray bytes, qsizetype at)
{
    bytes[at] = char(bytes[at] ^ 0x40);
    return bytes;
}

} // namespace

using CliEncryptTest = CliFixture;

TEST_F(CliEncryptTest, EncryptAndDecryptGiveBackTheSameExport)
{
    const QString wallet = sampleWallet();
    const QByteArray classic = readFile(wallet);
    const QString exported = run({ "export", wallet }, { "pw" }).out;
    ASSERT_FALSE(exported.isEmpty());
    using C = WalletFile::Container;
    // The second encrypt finds the file encrypted already and leaves it as it is.
    for (const QString command : { "encrypt", "encrypt", "decrypt" }) {
        SCOPED_TRACE(command.toStdString());
        const C wanted = command == "encrypt" ? C::Encrypted : C::Classic;
        const QByteArray before = readFile(wallet);
        const Run r = run({ command, wallet }, { "pw", "pw" }); // encrypt: the new password is "pw" again
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, QString());
        const QByteArray after = readFile(wallet);
        EXPECT_EQ(WalletFile::containerOf(after), wanted);
        EXPECT_EQ(after == before, WalletFile::containerOf(before) == wanted) << "written only when it changes";
        EXPECT_EQ(run({ "export", wallet }, { "pw" }).out, exported);
        EXPECT_TRUE(run({ "check", wallet }, { "pw" })
                        .out.contains(wanted == C::Encrypted ? "Encrypted: yes\n" : "Encrypted: no\n"));
    }
    EXPECT_EQ(readFile(wallet), classic) << "classic exactly as before";
}

TEST_F(CliEncryptTest, ImportWritesEncryptedOnlyWhenAsked)
{
    const QString wallet = sampleWallet();
    writeFile("w.json", run({ "export", wallet }, { "pw" }).out.toUtf8());
    const QString json = path("w.json");
    const QString usage = QStringLiteral("quorril-cli: expected one of");
    using C = WalletFile::Container;
    // clang-format off
    const struct { QStringList arguments; int status; std::optional<C> written; } rows[] = {
        { { "import", json, path("a.qrl") },                          0, C::Classic },
        { { "import", "--encrypt", json, path("b.qrl") },             0, C::Encrypted },
        { { "import", json, path("c.qrl"), "--encrypt" },             0, C::Encrypted },
        { { "import", "--encrypt", "--encrypt", json, path("d.qrl") }, 2, std::nullopt },
        { { "import", "--encrypt", json },                            2, std::nullopt },
        { { "import", "--encrypted", json, path("e.qrl") },           2, std::nullopt },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        const Run r = run(row.arguments, { "pw", "pw" });
        EXPECT_EQ(r.status, row.status) << r.err.toStdString();
        const QString target = row.arguments.filter(QStringLiteral(".qrl")).value(0); // none when no wallet is named
        if (!row.written) {
            EXPECT_TRUE(r.err.startsWith(usage));
            EXPECT_TRUE(target.isEmpty() || !QFile::exists(target));
            continue;
        }
        const QByteArray bytes = readFile(target);
        EXPECT_EQ(WalletFile::containerOf(bytes), *row.written);
        if (*row.written == C::Classic) {
            EXPECT_EQ(bytes, readFile(wallet)) << "classic exactly as before";
        }
        EXPECT_EQ(run({ "export", target }, { "pw" }).out, run({ "export", wallet }, { "pw" }).out);
    }
}

TEST_F(CliEncryptTest, RefusalsExitAsBeforeAndWriteNothing)
{
    const QString source = sampleWallet();
    const QByteArray classic = readFile(source);
    ASSERT_EQ(run({ "encrypt", source }, { "pw", "pw" }).status, 0);
    const QByteArray encrypted = readFile(source);
    FileBuilder unknownVersion;
    unknownVersion.header(3, 1, "pw");
    const QString invalid = QStringLiteral("Invalid File Format !\n");
    const QString notOwner = QStringLiteral("You Do Not have ownership of this document !\n");
    const QString unknown
        = "quorril-cli: " + path("in.qrl") + ": file version 3 is not read whole by this program; nothing written\n";
    // The command runs on the row's file; asked: the password was read.
    // clang-format off
    const struct { QByteArray file; QString command, password; int status; QString err; bool asked; } rows[] = {
        { classic,                                  "encrypt", "PW", 1, notOwner, true },
        { encrypted,                                "decrypt", "Pw", 1, notOwner, true },
        { flipped(encrypted, encrypted.size() - 1), "decrypt", "pw", 3, invalid,  true },  // damaged body
        { flipped(encrypted, 20),                   "decrypt", "pw", 3, invalid,  false }, // damaged header
        { encrypted.chopped(1),                     "decrypt", "pw", 3, invalid,  false },
        { classic.left(classic.size() / 2),         "encrypt", "pw", 3, invalid,  true },
        { unknownVersion.bytes(),                   "encrypt", "pw", 3, unknown,  true },
        { flipped(encrypted, 200),                  "export",  "pw", 3, invalid,  true },  // damaged body
        { encrypted,                                "check",   "pW", 1, notOwner, true },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.command.toStdString() << ", row " << &row - rows);
        const QString file = writeFile("in.qrl", row.file);
        const Run r = run({ row.command, file }, { row.password });
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.err, row.err);
        EXPECT_EQ(r.out, QString()) << "nothing shown";
        EXPECT_EQ(unusedPasswords.isEmpty(), row.asked);
        EXPECT_EQ(readFile(file), row.file) << "nothing written";
    }
}

TEST_F(CliEncryptTest, EncryptTakesANewPasswordAndDecryptWarnsAndMakesThePlainFilePrivate)
{
    const QByteArray classic = readFile(sampleWallet());
    const QString wallet = writeFile("w.qrl", classic);
    ASSERT_EQ(run({ "encrypt", "--keep-password", wallet }, { "pw" }).status, 0);
    const QByteArray encrypted = readFile(wallet);
    const QString keep = "quorril-cli: warning: keeping the old password. Every classic copy of this wallet (backups, "
                         "sync history) gives it away to anyone who has the copy, and it opens the encrypted wallet "
                         "too.\n";
    const QString plain = "quorril-cli: warning: saving " + wallet
        + " as a classic wallet. Anyone who has the file can read every account and the password, without knowing "
          "it.\n";
    const QString usage = "quorril-cli: expected one of",
                  unstorable = "quorril-cli: the new password holds a "
                               "character that cannot be stored\n";
    using C = WalletFile::Container;
    // Modes 0644 and 0600 as QFile reports them to their owner (owner and user bits alike).
    const auto shared = QFileDevice::Permissions(0x6644), ownerOnly = QFileDevice::Permissions(0x6600);
    // From a file of mode 0644; opensWith: the only password that opens the result (none: unchanged).
    // clang-format off
    const struct { QByteArray file; QStringList arguments, passwords; int status; QString err; C container;
                   const char* opensWith; QFileDevice::Permissions mode; } rows[] = {
        { classic,   { "encrypt", wallet },                    { "pw", "new one" }, 0, "",    C::Encrypted, "new one", shared },
        { classic,   { "encrypt", wallet },                    { "pw" },            1, "",    C::Classic,   nullptr,   shared },
        { classic,   { "encrypt", wallet },                    { "pw", "" },        1, "Password Must Not Be Empty !\n",
                                                                                                C::Classic,   nullptr,   shared },
        { classic,   { "encrypt", wallet },                    { "pw", "x\uFFA0" }, 1, unstorable, C::Classic, nullptr,  shared },
        { classic,   { "encrypt", "--keep-password", wallet }, { "pw", "unused" },  0, keep,  C::Encrypted, "pw",      shared },
        { classic,   { "encrypt", wallet, "--keep-password" }, { "pw" },            0, keep,  C::Encrypted, "pw",      shared },
        { encrypted, { "decrypt", wallet },                    { "pw" },            0, plain, C::Classic,   "pw",      ownerOnly },
        { encrypted, { "decrypt", "--keep-password", wallet }, { "pw" },            2, usage, C::Encrypted, nullptr,   shared },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        writeFile("w.qrl", row.file);
        ASSERT_TRUE(QFile::setPermissions(wallet, shared));
        const Run r = run(row.arguments, row.passwords);
        EXPECT_EQ(r.status, row.status);
        EXPECT_TRUE(row.err == usage ? r.err.startsWith(usage) : r.err == row.err) << r.err.toStdString();
        EXPECT_EQ(WalletFile::containerOf(readFile(wallet)), row.container);
        EXPECT_EQ(QFile::permissions(wallet), row.mode);
        if (!row.opensWith) {
            EXPECT_EQ(readFile(wallet), row.file) << "nothing written";
            continue;
        }
        for (const QString password : { "pw", "new one" })
            EXPECT_EQ(run({ "check", wallet }, { password }).status, password == row.opensWith ? 0 : 1);
    }
}

TEST_F(CliEncryptTest, AFlippedSignatureByteIsADamagedFileNeverAWrongPassword)
{
    const QString wallet = sampleWallet();
    ASSERT_EQ(run({ "encrypt", "--keep-password", wallet }, { "pw" }).status, 0);
    const QByteArray encrypted = readFile(wallet);
    for (qsizetype at = 0; at < EncryptedFormat::kMagicSize; ++at) {
        for (const char mask : { '\x01', '\x40', '\xFF' }) {
            SCOPED_TRACE(testing::Message() << "byte " << at << " ^ " << int(uchar(mask)));
            QByteArray bytes = encrypted;
            bytes[at] = char(bytes[at] ^ mask);
            const Run r = run({ "export", writeFile("flipped.qrl", bytes) }, { "pw" });
            EXPECT_EQ(r.status, 3);
            EXPECT_EQ(r.err + r.out, QStringLiteral("Invalid File Format !\n"));
            EXPECT_EQ(unusedPasswords, QStringList { "pw" }) << "the password is not asked for";
        }
    }
}

TEST_F(CliEncryptTest, ACostlyHeaderOpensOnlyWithAllowCostlyKdf)
{
    // The fixture writes at the cheapest cost: five passes over 8 KiB are costly by ratio, yet quick.
    const QString costly = writeFile("costly.qrl", EncryptedFormat::seal(readFile(sampleWallet()), "pw", { 5, 8192 }));
    const QString refused = "Invalid File Format ! This wallet asks for 5 passes over 8 KiB to open (about 0.1 s), "
                            "more than 4 times what Quorril writes; a damaged or forged header may ask so much.\n"
                            "quorril-cli: if you trust "
        + costly + ", open it with --allow-costly-kdf\n";
    // clang-format off
    const struct { QStringList arguments; QString err; } rows[] = {
        { { "check", costly },                         refused },
        { { "decrypt", costly },                       refused },
        { { "check", costly, "--allow-costly-kdf" },   "" },
        { { "--allow-costly-kdf", "export", costly },  "" },
        { { "show", "--allow-costly-kdf", costly, "1" }, "" },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        const Run r = run(row.arguments, { "pw" });
        EXPECT_EQ(r.status, row.err.isEmpty() ? 0 : 3);
        EXPECT_EQ(r.err, row.err);
        EXPECT_EQ(unusedPasswords.isEmpty(), row.err.isEmpty()) << "asked only when trusted";
    }
    EXPECT_EQ(WalletFile::containerOf(readFile(costly)), WalletFile::Container::Encrypted) << "nothing written";
}

TEST_F(CliEncryptTest, CheckOnEncryptedFileThroughTheProgram)
{
    const auto program = [](const QStringList& arguments, const QByteArray& input) {
        QProcess p;
        p.start(QStringLiteral(QUORRIL_CLI_PATH), arguments);
        p.write(input);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(60000));
        return Run { p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError()) };
    };
    // The program itself, at its own cost, reads a file written at another one.
    const QString wallet = sampleWallet();
    ASSERT_EQ(run({ "encrypt", "--keep-password", wallet }, { "pw" }).status, 0);
    const Run checked = program({ "check", wallet }, "pw\n");
    EXPECT_EQ(checked.status, 0) << checked.err.toStdString();
    EXPECT_TRUE(checked.out.contains("\nEncrypted: yes\n"));

    // The most a header may ask (64 passes over 1 GiB, about 95 s) is refused before the key is derived.
    QByteArray forged = readFile(wallet);
    auto* header = reinterpret_cast<unsigned char*>(forged.data());
    qToLittleEndian<quint32>(64, header + 20);
    qToLittleEndian<quint64>(quint64(1) << 30, header + 24);
    crypto_generichash(header + 112, 32, header, 112, nullptr, 0);
    QElapsedTimer timer;
    timer.start();
    const Run refused = program({ "check", writeFile("forged.qrl", forged) }, "pw\n");
    const qint64 elapsed = timer.elapsed();
    EXPECT_EQ(refused.status, 3);
    EXPECT_TRUE(refused.err.startsWith("Invalid File Format ! This wallet asks for 64 passes over 1024 MiB"));
    EXPECT_LT(elapsed, 5000) << "a start of the program, not a key derivation";
    std::cout << "[ measured ] a forged costly header refused by quorril-cli in " << elapsed << " ms\n";

    // Written again at the program's cost, with the new password from the second line.
    EXPECT_EQ(program({ "decrypt", wallet }, "pw\n").status, 0);
    EXPECT_EQ(program({ "encrypt", wallet }, "pw\nnew one\n").status, 0);
    EXPECT_EQ(program({ "check", wallet }, "new one\n").status, 0);
}

// Encrypted wallets on the command line: import --encrypt, encrypt and decrypt in place, check, and
// every refusal leaving the file as it was.
#include "cli/CliFixture.h"

#include "document/FileBuilder.h"
#include "format/WalletFile.h"

#include <QProcess>

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
        const Run r = run({ command, wallet }, { "pw" });
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
    ASSERT_EQ(run({ "encrypt", source }, { "pw" }).status, 0);
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

TEST_F(CliEncryptTest, CheckOnEncryptedFileThroughTheProgram)
{
    // The program itself, at its own cost, reads a file written at another one.
    const QString wallet = sampleWallet();
    ASSERT_EQ(run({ "encrypt", wallet }, { "pw" }).status, 0);
    QProcess p;
    p.start(QStringLiteral(QUORRIL_CLI_PATH), { "check", wallet });
    p.write("pw\n");
    p.closeWriteChannel();
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_TRUE(p.readAllStandardOutput().contains("\nEncrypted: yes\n"));
}

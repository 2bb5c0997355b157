// Export and check, their output and exit status.
#include "cli/CliFixture.h"

#include "core/UserEntry.h"
#include "document/FileBuilder.h"

#include <QJsonArray>
#include <QJsonObject>

using CliCommandsTest = CliFixture;

TEST_F(CliCommandsTest, ExportImportExportGivesTheSameJsonAndTheSameBytes)
{
    const QString wallet = sampleWallet();
    const Run first = run({ "export", wallet }, { "pw" });
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_EQ(first.err, QString());
    writeFile("export.json", first.out.toUtf8());

    const Run imported = run({ "import", path("export.json"), path("copy.qrl") }, { "pw" });
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_TRUE(readFile(path("copy.qrl")) == readFile(wallet));

    const Run second = run({ "export", path("copy.qrl") }, { "pw" });
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.out, first.out);
}

TEST_F(CliCommandsTest, ExportShape)
{
    FileBuilder f;
    f.header(2, 5, "pw").i32(0).i32(0);
    // A Credit Card: provider, type, name on card, number, expiration, APR, PIN, service phone.
    f.i32(1).i32(1).i32(3).i32(12).text("Visa").i32(1).i32(1);
    f.i32(1).i32(0).text("admin").text("s\u00e9cret").text("a@b.example");
    f.i32(1)
        .text("Bank of X")
        .text("Gold")
        .text("Me")
        .text("4111")
        .date(0, 36526.75)
        .f64(12.5)
        .text("1234")
        .text("555");
    f.raw(QByteArray(28, '\0'));
    const Run r = run({ "export", writeFile("w.qrl", f.bytes()) }, { "pw" });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();

    const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(json.value("version").toInt(), 2);
    EXPECT_EQ(json.value("nextAccountId").toInt(), 5);
    const QJsonArray accounts = json.value("accounts").toArray();
    ASSERT_EQ(accounts.size(), 1);
    const QJsonObject card = accounts.at(0).toObject();
    EXPECT_EQ(card.value("id").toInt(), 3);
    EXPECT_EQ(card.value("type").toInt(), 12);
    EXPECT_EQ(card.value("typeName").toString(), "Credit Card");
    EXPECT_EQ(card.value("title").toString(), "Visa");
    EXPECT_EQ(card.value("committed").toInt(), 1);
    EXPECT_EQ(card.value("users").toArray().at(0).toObject(),
        (QJsonObject { { "loginId", "admin" }, { "password", QStringLiteral("s\u00e9cret") },
            { "email", "a@b.example" }, { "administrator", 0 } }));
    const QJsonObject fields = card.value("fields").toObject();
    EXPECT_EQ(fields.value("provider").toString(), "Bank of X");
    EXPECT_EQ(fields.value("nameOnCard").toString(), "Me");
    EXPECT_EQ(fields.value("pin").toString(), "1234");
    EXPECT_EQ(fields.value("apr").toDouble(), 12.5);
    EXPECT_EQ(fields.value("expiration").toObject(), (QJsonObject { { "status", 0 }, { "value", 36526.75 } }));
    EXPECT_EQ(fields.size(), 8);

    QStringList rows;
    for (const QJsonValue& row : card.value("properties").toArray())
        rows << row.toArray().at(0).toString() + '=' + row.toArray().at(1).toString();
    EXPECT_EQ(rows,
        (QStringList { "Type=Credit Card", "Title=Visa", "Provider=Bank of X", "Acct Type=Gold", "Acct #=4111",
            "APR=12.50", "Expiration=1 Jan 2000", "Name On Card=Me", "PIN=1234", "Service Phone=555" }));
}

TEST_F(CliCommandsTest, ExitStatusAndMessages)
{
    const QString wallet = sampleWallet();
    const QByteArray damaged = readFile(wallet).chopped(30);
    struct Row {
        const char* name;
        QStringList arguments;
        QStringList passwords;
        int status;
        QString err;
        bool output;
    };
    const QString usage
        = "quorril-cli: expected one of: export FILE | import [--encrypt] JSON FILE | check FILE | "
          "encrypt [--keep-password] FILE | decrypt FILE | search FILE TEXT | show FILE ID [--field NAME] "
          "[--show-secrets] | merge [BASE] OURS THEIRS | health [--breached LIST] FILE | --help\n";
    const Row rows[] = {
        { "right password", { "export", wallet }, { "pw" }, 0, "", true },
        { "wrong password", { "export", wallet }, { "PW" }, 1, "You Do Not have ownership of this document !\n",
            false },
        { "empty password", { "export", wallet }, { "" }, 1, "Password Must Not Be Empty !\n", false },
        { "no password", { "export", wallet }, {}, 1, "", false },
        { "missing file", { "export", path("none.qrl") }, { "pw" }, 2,
            "quorril-cli: Cannot open " + path("none.qrl") + ": No such file or directory.\n", false },
        { "a folder", { "check", dir.path() }, { "pw" }, 2,
            "quorril-cli: Cannot open " + dir.path() + ": Is a directory.\n", false },
        { "a device", { "export", "/dev/null" }, { "pw" }, 2,
            "quorril-cli: Cannot open /dev/null: Not a regular file.\n", false },
        { "damaged file", { "export", writeFile("d.qrl", damaged) }, { "pw" }, 3, "Invalid File Format !\n", true },
        { "damaged file, wrong password", { "export", path("d.qrl") }, { "x" }, 3,
            "Invalid File Format !\nYou Do Not have ownership of this document !\n", false },
        { "empty file", { "export", writeFile("e.qrl", "") }, { "pw" }, 1,
            "You Do Not have ownership of this document !\n", false },
        { "check, wrong password", { "check", wallet }, { "no" }, 1, "You Do Not have ownership of this document !\n",
            false },
        { "unknown command", { "list", wallet }, {}, 2, usage, false },
        { "too many arguments", { "export", wallet, wallet }, {}, 2, usage, false },
        { "show without an id", { "show", wallet }, {}, 2, usage, false },
        { "show, unknown option", { "show", wallet, "1", "--fields", "pin" }, {}, 2, usage, false },
        { "show, field without a name", { "show", wallet, "1", "--field" }, {}, 2, usage, false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Run r = run(row.arguments, row.passwords);
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.err, row.err);
        EXPECT_EQ(!r.out.isEmpty(), row.output);
    }
}

TEST_F(CliCommandsTest, DamagedFileExportsTheAccountsReadBeforeTheDamage)
{
    const QString wallet = sampleWallet();
    const QByteArray bytes = readFile(wallet);
    const Run whole = run({ "export", wallet }, { "pw" });
    const Run cut = run({ "export", writeFile("cut.qrl", bytes.left(bytes.size() / 2)) }, { "pw" });
    ASSERT_EQ(cut.status, 3);
    const QJsonArray all = QJsonDocument::fromJson(whole.out.toUtf8()).object().value("accounts").toArray();
    const QJsonArray some = QJsonDocument::fromJson(cut.out.toUtf8()).object().value("accounts").toArray();
    EXPECT_GT(some.size(), 0);
    EXPECT_LT(some.size(), all.size());
    for (const QJsonValue& account : some)
        EXPECT_TRUE(all.contains(account)) << "an account read before the damage is exported whole";
}

TEST_F(CliCommandsTest, CheckCountsPerTypeWithoutSecrets)
{
    const Run r = run({ "check", sampleWallet() }, { "pw" });
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains("Accounts: 20\n"));
    EXPECT_TRUE(r.out.contains("  Credit Card: 2\n"));
    EXPECT_TRUE(r.out.contains("  Reference: 2\n"));
    EXPECT_TRUE(r.out.contains("Not committed: 0\n"));
    EXPECT_FALSE(r.out.contains("number")) << "no titles";
    EXPECT_FALSE(r.out.contains("s3cr3t")) << "no passwords";
    EXPECT_FALSE(r.out.contains("pin")) << "no fields";
}

TEST_F(CliCommandsTest, VersionNamesTheProgramAndItsVersion)
{
    const Run r = run({ "--version" });
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, QStringLiteral("quorril-cli " QUORRIL_VERSION "\n"));
}

TEST_F(CliCommandsTest, HelpDocumentsCommandsJsonAndExitStatus)
{
    const Run r = run({ "--help" });
    EXPECT_EQ(r.status, 0);
    for (const char* part : { "export FILE", "import [--encrypt] JSON FILE", "check FILE", "encrypt FILE",
             "decrypt FILE", "Argon2id", "standard input", "without echo", "\"nextAccountId\"", "\"properties\"",
             "0  success", "1  wrong", "2  a file", "3  a damaged" })
        EXPECT_TRUE(r.out.contains(QLatin1StringView(part))) << part;
    // Every field of a user, as the table names it, in the JSON's shape and in show's field names.
    for (const FieldSpec& field : UserEntry::Layout().fields) {
        EXPECT_TRUE(r.out.contains(u'"' + QLatin1StringView(field.name) + u'"')) << field.name;
        EXPECT_TRUE(r.out.contains(u'.' + QLatin1StringView(field.name))) << field.name;
    }
}

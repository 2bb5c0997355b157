// import --from, --into, --report: other programs' exports into new wallets and existing ones.
#include "cli/CliFixture.h"
#include "import/CsvExportWriter.h"
#include "import/Importer.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

class CliImportFormatsTest : public CliFixture {
protected:
    // The accounts of a wallet as its JSON export lists them, without their ids.
    QJsonArray accountsOf(const QString& wallet)
    {
        const Run r = run({ "export", wallet }, { "pw" });
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        QJsonArray accounts = QJsonDocument::fromJson(r.out.toUtf8()).object().value("accounts").toArray();
        for (qsizetype i = 0; i < accounts.size(); ++i) {
            QJsonObject account = accounts[i].toObject();
            account.remove("id");
            accounts[i] = account;
        }
        return accounts;
    }
    QStringList titlesOf(const QString& wallet)
    {
        QStringList titles;
        for (const QJsonValue& account : accountsOf(wallet))
            titles << account.toObject().value("typeName").toString() + ": "
                    + account.toObject().value("title").toString();
        return titles;
    }
};

const QByteArray kChrome = "name,url,username,password,note\n"
                           "Forum,https://forum.example.org,ann,pw1,\n"
                           "WebSite number 0,https://x.example,bob,pw2,hello\n";

TEST_F(CliImportFormatsTest, ANewWalletFromAnExportWithItsReport)
{
    const QString source = writeFile("chrome.csv", kChrome);
    const Run r = run({ "import", "--from", "auto", "--report", source, path("new.qrl") }, { "pw" });
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, QString());
    EXPECT_EQ(r.out, "Format: Chrome CSV\nRows read: 2\nAccounts to add: 2\n  WebSite: 2\n");
    EXPECT_EQ(titlesOf(path("new.qrl")), QStringList({ "WebSite: Forum", "WebSite: WebSite number 0" }));

    const Run quiet = run({ "import", "--from", "auto", source, path("quiet.qrl") }, { "pw" });
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.err, "quorril-cli: " + source + ": read as Chrome CSV\n");
    EXPECT_EQ(quiet.out, QString());
    EXPECT_TRUE(run({ "check", path("quiet.qrl") }, { "pw" }).out.contains("Encrypted: no\n"));

    EXPECT_EQ(run({ "import", "--encrypt", "--from", "chrome-csv", source, path("sealed.qrl") }, { "pw" }).status, 0);
    EXPECT_TRUE(run({ "check", path("sealed.qrl") }, { "pw" }).out.contains("Encrypted: yes\n"));
}

TEST_F(CliImportFormatsTest, IntoAnExistingWalletAfterItsPasswordWithTakenTitlesRenamed)
{
    const QString wallet = sampleWallet();
    const QString source = writeFile("chrome.csv", kChrome);
    const QByteArray before = readFile(wallet);
    const Run wrong = run({ "import", "--into", wallet, "--from", "chrome-csv", source }, { "nope" });
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(readFile(wallet), before);

    const Run r = run({ "import", "--report", "--into", wallet, source }, { "pw" });
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("Renamed titles (taken in their type): 1\n  row 3 (\"WebSite number 0\") becomes "
                               "\"WebSite number 0 (2)\" (WebSite)\n"))
        << r.out.toStdString();
    const QStringList titles = titlesOf(wallet);
    EXPECT_EQ(titles.size(), 22);
    EXPECT_TRUE(titles.contains("WebSite: Forum"));
    EXPECT_TRUE(titles.contains("WebSite: WebSite number 0 (2)"));
}

TEST_F(CliImportFormatsTest, AWalletsOwnJsonIntoAnotherTakesFreeIdsAndTitles)
{
    const QString wallet = sampleWallet();
    const QString json = writeFile("own.json",
        R"({"accounts": [{"id": 1, "type": 13, "title": "bank NUMBER 0", "committed": 0, "fields": {"pin": "1"}}],
            "nextAccountId": 2})");
    const Run r = run({ "import", "--into", wallet, json }, { "pw" });
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, "quorril-cli: " + json + ": read as Quorril JSON\n");
    const Run shown = run({ "show", wallet, "21" }, { "pw" });
    EXPECT_TRUE(shown.out.startsWith("Type: Bank\nTitle: bank NUMBER 0 (2)\n")) << shown.out.toStdString();

    // A damaged wallet is left as it is.
    QByteArray damaged = readFile(wallet);
    damaged.chop(10);
    const QString broken = writeFile("broken.qrl", damaged);
    const Run refused = run({ "import", "--into", broken, json }, { "pw" });
    EXPECT_EQ(refused.status, 3);
    EXPECT_TRUE(refused.err.endsWith(broken
        + " is damaged or of a version this program does not read whole; "
          "nothing written\n"))
        << refused.err.toStdString();
    EXPECT_EQ(readFile(broken), damaged);
}

TEST_F(CliImportFormatsTest, RefusedInputWritesNothing)
{
    struct Row {
        QByteArray csv;
        QStringList options;
        int status;
        QString err; // "@" stands for the source's path
    };
    const QByteArray header = "name,url,username,password\n";
    const QByteArray unstorable = QString(QStringLiteral("Bad,,u,p") + QChar(0xFFA0) + u'\n').toUtf8();
    const Row rows[] = {
        { header + "a,\"b,c,d\n", {}, 3,
            "quorril-cli: @: row 2 (line 2): the quoted field opened on line 2 is never closed\n" },
        { header + "a,b\n", {}, 3, "quorril-cli: @: row 2 (line 2): 2 fields where the header has 4\n" },
        { header + "ok,,u,p\n" + unstorable, {}, 3,
            "quorril-cli: @: read as Chrome CSV\nquorril-cli: @: 1 row holds a text a Quorril file cannot store; "
            "nothing was written (--skip-refused "
            "imports the others):\n  row 3 (\"Bad\"): \"Password\": the character U+FFA0 at position 1 cannot be "
            "stored\n" },
        { "x,y\n1,2\n", {}, 3,
            "quorril-cli: @: not a file Quorril imports: a first line that is the header of no known export: "
            "\"x\",\"y\"\n" },
        { header, { "--from", "lastpass" }, 2,
            "quorril-cli: unknown format \"lastpass\"; one of: auto, keepass-xml, keepassxc-csv, bitwarden-json, "
            "chrome-csv, firefox-csv, 1password-csv, lastpass-csv, quorril-json\n" },
        { header, { "--into", "w.qrl", "--encrypt" }, 2,
            "quorril-cli: expected import [--from FORMAT] [--report] [--skip-refused] [--no-more] ([--encrypt] "
            "SOURCE FILE | --into WALLET SOURCE)\n" },
    };
    for (const Row& row : rows) {
        const QString source = writeFile("in.csv", row.csv);
        const Run r
            = run(QStringList { "import", "--from", "auto" } + row.options + QStringList { source, path("out.qrl") },
                { "pw" });
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.err, QString(row.err).replace("@", source));
        EXPECT_FALSE(QFile::exists(path("out.qrl")));
        EXPECT_EQ(unusedPasswords, QStringList { "pw" }); // refused before the password was asked
    }
    const QString source = writeFile("in.csv", header + "ok,,u,p\n" + unstorable);
    const Run skipped = run({ "import", "--skip-refused", "--report", source, path("out.qrl") }, { "pw" });
    EXPECT_EQ(skipped.status, 0);
    EXPECT_TRUE(skipped.out.contains("Refused rows: 1 (left out)\n")) << skipped.out.toStdString();
    EXPECT_EQ(titlesOf(path("out.qrl")), QStringList { "WebSite: ok" });
    const Run missing = run({ "import", "--from", "auto", path("none.csv"), path("x.qrl") }, { "pw" });
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "quorril-cli: Cannot open " + path("none.csv") + ": No such file or directory.\n");
}

TEST_F(CliImportFormatsTest, TheMoreAccountsCanBeSwitchedOff)
{
    const QString source = writeFile("bw.json",
        R"({"encrypted": false, "items": [{"type": 3, "name": "Visa", "card": {"number": "4111", "code": "123"}}]})");
    const Run on = run({ "import", "--from", "bitwarden-json", source, path("on.qrl") }, { "pw" });
    const Run off = run({ "import", "--report", "--no-more", source, path("off.qrl") }, { "pw" });
    EXPECT_EQ(on.status + off.status, 0);
    EXPECT_EQ(titlesOf(path("on.qrl")), QStringList({ "Credit Card: Visa", "Reference: Visa (more)" }));
    EXPECT_EQ(titlesOf(path("off.qrl")), QStringList { "Credit Card: Visa" });
    EXPECT_TRUE(off.out.contains("Values left out (\"(more)\" accounts are switched off): Security Code 1\n"));
}

TEST_F(CliImportFormatsTest, ExportThenOurCsvThenImportGivesTheSameAccounts)
{
    const QString wallet = sampleWallet();
    const Run exported = run({ "export", wallet }, { "pw" });
    ASSERT_EQ(exported.status, 0);
    // The JSON read back as the window's export will have it, then written as KeePassXC CSV.
    ImportRead read = Importer::readFile(writeFile("wallet.json", exported.out.toUtf8()), std::nullopt);
    ASSERT_TRUE(read.plan) << read.error.toStdString();
    qint32 next = 1;
    AccountTable accounts;
    for (auto& account : read.plan->takeAccounts([&next] { return AccountId(next++); }))
        accounts.emplace(account->GetId(), std::move(account));
    QFile csv(path("wallet.csv"));
    QString error;
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly) && writeKeePassXcCsv(accounts, csv, error));
    csv.close();

    const Run imported = run({ "import", "--from", "keepassxc-csv", csv.fileName(), path("copy.qrl") }, { "pw" });
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_EQ(accountsOf(path("copy.qrl")), accountsOf(wallet));

    // A wallet's own JSON read without being told: the copy import makes, ids and all.
    const Run copy
        = run({ "import", "--from", "auto", writeFile("w.json", exported.out.toUtf8()), path("same.qrl") }, { "pw" });
    EXPECT_EQ(copy.err, "quorril-cli: " + path("w.json") + ": read as Quorril JSON\n");
    EXPECT_EQ(run({ "export", path("same.qrl") }, { "pw" }).out, exported.out);
}

} // namespace

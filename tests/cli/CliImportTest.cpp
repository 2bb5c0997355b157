// Import: JSON that fits makes a wallet; JSON that does not is refused, naming account and field.
#include "cli/CliFixture.h"

#include <QJsonArray>
#include <QJsonObject>

#include <cmath>

using CliImportTest = CliFixture;

TEST_F(CliImportTest, JsonThatDoesNotFitIsRefusedAndNothingIsWritten)
{
    struct Row {
        const char* json;
        QString message;
    };
    const Row rows[] = {
        { R"({"nextAccountId": 1, "accounts": [{"id": 1, "type": 19}]})",
            R"(accounts[0] (id 1), field "type": one of the account types 10 to 18 and 20 is expected)" },
        { R"({"nextAccountId": 1, "accounts": [{"id": 1, "type": 10}, {"id": 2, "type": 13, "fields": {"pinn": "1"}}]})",
            R"(accounts[1] (id 2), field "pinn": no such field in a Bank account)" },
        { R"({"nextAccountId": 1, "accounts": [{"id": 2, "type": 13, "fields": {"pin": 1234}}]})",
            R"(accounts[0] (id 2), field "pin": a text is expected)" },
        { R"({"nextAccountId": 1, "accounts": [{"id": 2, "type": 16, "fields": {"remainingMinutes": 1.5}}]})",
            R"(accounts[0] (id 2), field "remainingMinutes": a whole number from -2147483648 to 2147483647 is expected)" },
        { R"({"nextAccountId": 1, "accounts": [{"id": 2, "type": 12, "fields": {"apr": "12"}}]})",
            R"(accounts[0] (id 2), field "apr": a number is expected)" },
        { R"({"nextAccountId": 1, "accounts": [{"id": 2, "type": 20, "fields": {"date": 36526}}]})",
            R"(accounts[0] (id 2), field "date": a date {"status": whole number, "value": number} is expected)" },
        { R"({"nextAccountId": 1, "accounts": [{"id": 2, "type": 20, "fields": {"date": {"status": 0}}}]})",
            R"(accounts[0] (id 2), field "date": a date {"status": whole number, "value": number} is expected)" },
        { "{\"nextAccountId\": 1, \"accounts\": [{\"id\": 2, \"type\": 18, \"fields\": {\"cdKey\": \"ab\\uffe0\"}}]}",
            R"(accounts[0] (id 2), field "cdKey": the character U+FFE0 at position 2 cannot be stored)" },
        { "{\"nextAccountId\": 1, \"accounts\": [{\"id\": 2, \"type\": 10, \"title\": \"\\uffa0\"}]}",
            R"(accounts[0] (id 2), field "title": the character U+FFA0 at position 0 cannot be stored)" },
        { "{\"nextAccountId\": 1, \"accounts\": [{\"id\": 2, \"type\": 10, \"users\": [{\"loginId\": \"a\"}, "
          "{\"email\": \"\\ufffe\"}]}]}",
            R"(accounts[0] (id 2), field "users[1].email": the character U+FFFE at position 0 cannot be stored)" },
        { R"({"nextAccountId": 1, "accounts": [{"id": 2, "type": 10, "users": [{"admin": 1}]}]})",
            R"(accounts[0] (id 2), field "users[0].admin": no such field)" },
        { R"({"nextAccountId": 1, "accounts": [{"id": "2", "type": 10}]})",
            R"(accounts[0], field "id": a whole number from -2147483648 to 2147483647 is expected)" },
        { R"({"nextAccountId": 1, "accounts": [{"id": 3000000000, "type": 10}]})",
            R"(accounts[0], field "id": a whole number from -2147483648 to 2147483647 is expected)" },
        { R"({"nextAccountId": 1, "accounts": [{"id": 2, "type": 10, "titel": "x"}]})",
            R"(accounts[0] (id 2), field "titel": no such field)" },
        { R"({"accounts": []})", R"("nextAccountId": a whole number from -2147483648 to 2147483647 is expected)" },
        { R"({"nextAccountId": 1, "accounts": {}})", R"("accounts": a list is expected)" },
        { R"({"nextAccountId": 1, "accounts": [], "password": "x"})", R"("password": no such field)" },
        { R"([1, 2])", "an object is expected" },
        { R"({"nextAccountId": 1, )", "missing a name for object member, at offset 21" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.json);
        const QString json = writeFile("in.json", row.json);
        const Run r = run({ "import", json, path("out.qrl") }, { "pw" });
        EXPECT_EQ(r.status, 3);
        EXPECT_EQ(r.err, "quorril-cli: " + json + ": " + row.message + "\n");
        EXPECT_FALSE(QFile::exists(path("out.qrl")));
    }
}

TEST_F(CliImportTest, AccountsGoInAsLoadingPutsThem)
{
    const char* json = R"({"version": 7, "nextAccountId": 2, "accounts": [
        {"id": 5, "type": 13, "title": "Same", "committed": 0},
        {"id": 6, "type": 13, "title": "SAME", "users": [{"loginId": "u", "password": "p", "email": "e", "administrator": 3},
                                                         {"loginId": "u", "password": "p", "email": "E", "administrator": 3}]},
        {"id": 5, "type": 10, "title": "later"},
        {"id": 9, "type": 16, "fields": {"remainingMinutes": -7}}]})";
    ASSERT_EQ(run({ "import", writeFile("in.json", json), path("w.qrl") }, { "pw" }).status, 0);

    ScriptedDocumentPrompts prompts;
    CQuorrilDoc doc(prompts);
    prompts.addPassword("pw");
    ASSERT_TRUE(doc.OnOpenDocument(path("w.qrl")));
    EXPECT_EQ(doc.accountCount(), 3);
    EXPECT_EQ(doc.FindAccount(AccountId(5))->GetTitle(), "later");
    EXPECT_EQ(doc.FindAccount(AccountId(5))->GetType(), AccountType::Email);
    EXPECT_EQ(doc.FindAccount(AccountId(6))->GetUserCount(), 2) << "users go in as given, without the equality check";
    EXPECT_EQ(doc.FindAccount(AccountId(6))->GetUser(1)->GetAdministrator(), 3);
    EXPECT_TRUE(doc.FindAccount(AccountId(9))->IsCommitted()) << "a missing committed flag counts as 1";
    const AccountRecord* card = doc.FindAccount(AccountId(9));
    EXPECT_EQ(card->field(card->layout().indexOf(u"remainingMinutes")), FieldValue(qint32(-7)));
    EXPECT_EQ(doc.NextAccountId(), AccountId(10));
}

TEST_F(CliImportTest, NumbersJsonCannotHoldComeBackExactly)
{
    const char* json = R"({"nextAccountId": 1, "accounts": [
        {"id": 1, "type": 12, "fields": {"apr": "NaN", "expiration": {"status": 2, "value": "-Infinity"}}},
        {"id": 2, "type": 12, "fields": {"apr": "-0", "expiration": {"status": 1, "value": "Infinity"}}},
        {"id": 3, "type": 12, "fields": {"apr": 0.30000000000000004, "expiration": {"status": 0, "value": -1.25}}}]})";
    ASSERT_EQ(run({ "import", writeFile("in.json", json), path("w.qrl") }, { "pw" }).status, 0);
    const Run first = run({ "export", path("w.qrl") }, { "pw" });
    ASSERT_EQ(first.status, 0);
    const QJsonArray accounts = QJsonDocument::fromJson(first.out.toUtf8()).object().value("accounts").toArray();
    auto fields = [&](int i) { return accounts.at(i).toObject().value("fields").toObject(); };
    EXPECT_EQ(fields(0).value("apr").toString(), "NaN");
    EXPECT_EQ(fields(0).value("expiration").toObject().value("value").toString(), "-Infinity");
    EXPECT_EQ(fields(1).value("apr").toString(), "-0");
    EXPECT_EQ(fields(2).value("apr").toDouble(), 0.1 + 0.2);
    EXPECT_EQ(fields(2).value("expiration").toObject().value("value").toDouble(), -1.25);

    writeFile("again.json", first.out.toUtf8());
    ASSERT_EQ(run({ "import", path("again.json"), path("w2.qrl") }, { "pw" }).status, 0);
    EXPECT_TRUE(readFile(path("w2.qrl")) == readFile(path("w.qrl")));
}

TEST_F(CliImportTest, PasswordProblemsAndUnwritableTargets)
{
    const QString json = writeFile("in.json", R"({"nextAccountId": 1, "accounts": []})");
    const QString blocker = writeFile("file", "x");
    struct Row {
        const char* name;
        QString target;
        QStringList passwords;
        int status;
        QString err;
    };
    const Row rows[] = {
        { "no password", path("a.qrl"), {}, 1, "" },
        { "empty password", path("a.qrl"), { "" }, 1, "Password Must Not Be Empty !\n" },
        { "password that cannot be stored", path("a.qrl"), { QStringLiteral("\uffa1") }, 1,
            "quorril-cli: the password holds a character that cannot be stored\n" },
        { "target under a file", blocker + "/a.qrl", { "pw" }, 2,
            "Unable To Save File ! Cannot save " + blocker + "/a.qrl: Not a directory.\n" },
        { "target is a folder", dir.path(), { "pw" }, 2,
            "Unable To Save File ! Cannot save " + dir.path() + ": Filename refers to a directory.\n" },
        { "missing JSON", path("a.qrl"), { "pw" }, 2, "" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const bool missingJson = row.status == 2 && row.err.isEmpty();
        const Run r = run({ "import", missingJson ? path("none.json") : json, row.target }, row.passwords);
        EXPECT_EQ(r.status, row.status);
        if (!missingJson) {
            EXPECT_EQ(r.err, row.err);
        }
        EXPECT_FALSE(QFile::exists(path("a.qrl")));
    }
    EXPECT_EQ(readFile(blocker), "x");
}

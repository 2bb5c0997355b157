// The streaming import: what export writes comes back whole, and hostile JSON is refused early.
#include "cli/AwkwardWallet.h"
#include "cli/CliFixture.h"
#include "import/JsonExportWriter.h"
#include "import/JsonImportReader.h"

#include <QBuffer>

namespace {

QByteArray exported(CQuorrilDoc& doc)
{
    QBuffer device;
    device.open(QIODevice::WriteOnly);
    EXPECT_TRUE(JsonExportWriter(device).write(doc));
    return device.data();
}

TEST(JsonImportTest, WhatExportWritesComesBackWhole)
{
    QLocale::setDefault(QLocale::c());
    for (int wallet = 0; wallet < 2; ++wallet) {
        ScriptedDocumentPrompts prompts;
        CQuorrilDoc original(prompts);
        wallet == 0 ? addSampleAccounts(original, 3) : addAwkwardAccounts(original, false);
        const QByteArray json = exported(original);
        QByteArray bytes = json;
        CQuorrilDoc copy(prompts);
        EXPECT_EQ(readWalletJson(bytes, copy), QString());
        EXPECT_EQ(copy.accountCount(), original.accountCount());
        EXPECT_TRUE(exported(copy) == json) << wallet;
    }
}

TEST(JsonImportTest, HostileJsonIsRefusedWithWhereAndWhy)
{
    // "@" in message stands for the offset of the marker "@" in json (removed before reading)
    struct Row {
        QByteArray json;
        JsonImportLimits limits;
        QString message;
    };
    JsonImportLimits text10, list3;
    text10.textLength = 13; // the longest keys fit
    list3.listLength = 3;
    const QByteArray head = R"({"nextAccountId": 1, "accounts": [)";
    const QByteArray ok = R"({"nextAccountId": 1, "accounts": []})";
    const Row rows[] = {
        { head + R"({"id": 1, "type": 10, "users": [{"loginId": [@"x"]}]}]})", {},
            "nesting deeper than the 5 levels of a wallet, at offset @" },
        { head + R"({"id": 1, "type": 10, "fields": {"logInUrl": {"a": {@}}}}]})", {},
            "nesting deeper than the 5 levels of a wallet, at offset @" },
        { head + R"({"id": 1, "type": 10, "properties": [[[@[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[)", {},
            "nesting deeper than the 5 levels of a wallet, at offset @" },
        { head + R"({"id": 1, "type": 10, "title": "12345678901234"@}]})", text10,
            "a text of more than 13 characters (the most a wallet can store), at offset @" },
        { head + R"({"id": 1, "type": 10, "title": "1234567890123", "x": 1}]})", text10,
            R"(accounts[0] (id 1), field "x": no such field)" }, // ten is not too long
        { head
                + "{\"id\": 1, \"type\": 10, \"title\": \"\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"
                  "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\"@}]}",
            text10, "a text of more than 13 characters (the most a wallet can store), at offset @" },
        { head
                + "{\"id\": 1, \"type\": 10, \"title\": \"\xf0\x9f\x98\x80\xf0\x9f\x98\x80\xf0\x9f\x98\x80\xf0\x9f\x98"
                  "\x80\xf0\x9f\x98\x80\", \"x\": 1}]}",
            text10, R"(accounts[0] (id 1), field "x": no such field)" }, // six pairs and a letter are thirteen units
        { head + R"({"id": 1, "type": 10}, {"id": 2, "type": 10}, {"id": 3, "type": 10}, {@"id": 4}]})", list3,
            "a list of more than 3 entries (the most a wallet can count), at offset @" },
        { head + R"({"id": 1, "type": 10, "users": [{}, {}, {}, @7]}]})", list3,
            "a list of more than 3 entries (the most a wallet can count), at offset @" },
        { head + R"({"id": 1, "type": 10, "title": "a\udc00b"@}]})", {},
            "an unpaired surrogate (\\ud800 to \\udfff) cannot be read, at offset @" },
        { head + R"({"id": 1, "type": 10, "title": "a\ud800b"}]})", {},
            "an unpaired surrogate (\\ud800 to \\udfff) cannot be read, at offset 67" },
        { head + "{\"id\": 1, \"type\": 10, \"title\": \"a\xed\xa0\x80\"}]}", {}, "the JSON is not valid UTF-8" },
        { head + "{\"id\": 1, \"type\": 10, \"title\": \"a\xc3\"}]}", {}, "the JSON is not valid UTF-8" },
        { ok + " []", {}, "the document root must not be followed by other values, at offset 37" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.json.toStdString());
        QByteArray json = row.json;
        const qsizetype marker = json.indexOf('@');
        json.replace("@", "");
        QString expected = row.message;
        expected.replace(QLatin1Char('@'), QString::number(marker));
        ScriptedDocumentPrompts prompts;
        CQuorrilDoc doc(prompts);
        EXPECT_EQ(readWalletJson(json, doc, row.limits), expected);
        EXPECT_EQ(doc.accountCount(), 0);
    }
    const QByteArray fits[] = { ok, head + R"({"id": 1, "type": 10, "users": [{}, {}, {}]}, {"id": 2, "type": 11}]})",
        head + R"({"id": 1, "type": 10, "title": "a\ud83d\ude00b"}]})" };
    for (QByteArray json : fits) {
        ScriptedDocumentPrompts prompts;
        CQuorrilDoc doc(prompts);
        EXPECT_EQ(readWalletJson(json, doc, list3), QString()) << json.toStdString();
    }
}

} // namespace

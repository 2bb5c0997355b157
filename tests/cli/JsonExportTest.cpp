// The streaming export gives the bytes of the JSON tree, written through the buffer in pieces.
#include "cli/AwkwardWallet.h"
#include "cli/CliFixture.h"
#include "import/JsonExportWriter.h"
#include "import/WalletJson.h"

#include <QBuffer>

namespace {

QByteArray treeJson(CQuorrilDoc& doc) { return QJsonDocument(WalletJson::toJson(doc)).toJson(QJsonDocument::Indented); }

QByteArray streamedJson(CQuorrilDoc& doc, qsizetype bufferSize)
{
    QBuffer device;
    device.open(QIODevice::WriteOnly);
    EXPECT_TRUE(JsonExportWriter(device, bufferSize).write(doc));
    return device.data();
}

using JsonExportTest = CliFixture;

TEST_F(JsonExportTest, StreamedBytesAreThoseOfTheJsonTree)
{
    QLocale::setDefault(QLocale::c());
    using Fill = std::function<void(CQuorrilDoc&, ScriptedDocumentPrompts&)>;
    const std::pair<const char*, Fill> wallets[] = {
        { "empty", [](CQuorrilDoc&, ScriptedDocumentPrompts&) {} },
        { "the sample wallet",
            [](CQuorrilDoc& doc, ScriptedDocumentPrompts& prompts) {
                prompts.addPassword(QStringLiteral("quorril-sample"));
                ASSERT_TRUE(doc.OnOpenDocument(QStringLiteral(QUORRIL_SAMPLE_WALLET)));
                ASSERT_GT(doc.accountCount(), 9);
            } },
        { "every type, filled", [](CQuorrilDoc& doc, ScriptedDocumentPrompts&) { addSampleAccounts(doc, 3); } },
        { "awkward values", [](CQuorrilDoc& doc, ScriptedDocumentPrompts&) { addAwkwardAccounts(doc); } },
    };
    for (const auto& [name, fill] : wallets) {
        SCOPED_TRACE(name);
        ScriptedDocumentPrompts prompts;
        CQuorrilDoc doc(prompts);
        fill(doc, prompts);
        const QByteArray expected = treeJson(doc);
        for (qsizetype bufferSize : { qsizetype(64), qsizetype(100), qsizetype(1) << 20 }) {
            const QByteArray streamed = streamedJson(doc, bufferSize);
            ASSERT_EQ(streamed.size(), expected.size()) << bufferSize;
            EXPECT_TRUE(streamed == expected) << bufferSize << "\n" << streamed.left(4000).toStdString();
        }
    }
}

// Takes `room` bytes, then refuses every write.
struct FullDevice : QIODevice {
    explicit FullDevice(qint64 room)
        : room(room)
    {
        open(QIODevice::WriteOnly);
    }
    qint64 room, written = 0;
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (written + size > room) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        written += size;
        return size;
    }
};

TEST_F(JsonExportTest, AWriteThatFailsIsReported)
{
    ScriptedDocumentPrompts prompts;
    CQuorrilDoc doc(prompts);
    addSampleAccounts(doc);
    const qsizetype size = treeJson(doc).size();
    for (qint64 room : { qint64(0), qint64(100), qint64(size - 1) }) {
        FullDevice device(room);
        EXPECT_FALSE(JsonExportWriter(device, 64).write(doc)) << room;
        EXPECT_LE(device.written, room);
    }
    FullDevice roomy(size);
    EXPECT_TRUE(JsonExportWriter(roomy, 64).write(doc));
    EXPECT_EQ(roomy.written, size);
}

} // namespace

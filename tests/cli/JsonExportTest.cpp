// The streaming export gives the bytes of the JSON tree, written through the buffer in pieces.
#include "CliFixture.h"
#include "JsonExportWriter.h"
#include "WalletJson.h"

#include <QBuffer>

#include <cmath>
#include <limits>

namespace {

QByteArray treeJson(CQuorrilDoc& doc) { return QJsonDocument(WalletJson::toJson(doc)).toJson(QJsonDocument::Indented); }

QByteArray streamedJson(CQuorrilDoc& doc, qsizetype bufferSize)
{
    QBuffer device;
    device.open(QIODevice::WriteOnly);
    JsonExportWriter writer(device, bufferSize);
    EXPECT_TRUE(writer.write(doc));
    return device.data();
}

// Texts of every kind the escaping must get right.
QStringList awkwardTexts()
{
    QString controls;
    for (char16_t c = 0; c < 0x20; ++c)
        controls += QChar(c);
    controls += QStringLiteral("\u007f\u0080\u07ff\u0800");
    return {
        controls,
        QStringLiteral("quote \" backslash \\ slash / both \\\""),
        QStringLiteral("non-BMP \U0001F600 and \U00010000 and \U0010FFFF"),
        QString(QChar(0xD800)) + QStringLiteral("lone high, then lone low") + QChar(0xDC00),
        QString(QChar(0xDC00)) + QChar(0xD800) + QStringLiteral("reversed pair"), // two unpaired surrogates
        QString(QChar(0xD83D)), // a high surrogate that ends the text
        QStringLiteral("\u00e9t\u00e9 \u4e2d\u6587 \ufeff\ufffd"),
        QString(),
    };
}

// Accounts of every type with every value that prints in a form of its own.
void addAwkwardAccounts(CQuorrilDoc& doc)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double numbers[] = { std::nan(""), inf, -inf, -0.0, 0.0, 1e6, 1e15, 9007199254740992.0, 9.1e15, 1e16, 1e21,
        0.1, 1.0 / 3, -2.5e-8, 5e-324, 1.7976931348623157e308, 12.345, -7.0, 4e18 };
    const QStringList texts = awkwardTexts();
    int n = 0;
    for (qint32 type : kAccountTypes) {
        for (int round = 0; round < 3; ++round, ++n) {
            auto account = createAccount(type, n == 0 ? std::numeric_limits<qint32>::max() : 100 + n);
            account->SetTitle(texts.at(n % texts.size()));
            AccountBuilder::setCommittedFlag(*account, round == 2 ? 0 : n == 1 ? -5 : 1);
            const RecordLayout& layout = account->layout();
            for (int i = 0; i < int(layout.fields.size()); ++i) {
                const int k = n * 7 + i;
                switch (layout.fields[size_t(i)].kind) {
                case FieldKind::Text:
                    account->setField(i, ScrambledText(texts.at(k % texts.size())));
                    break;
                case FieldKind::Date:
                    account->setField(i,
                        OleDateTime(
                            numbers[k % std::size(numbers)] + (k % 2 ? 36526.5 : 0), OleDateTime::Status(k % 4)));
                    break;
                case FieldKind::Integer:
                    account->setField(i, qint32(k % 3 == 0 ? std::numeric_limits<qint32>::min() : -k));
                    break;
                case FieldKind::Decimal:
                    account->setField(i, numbers[k % std::size(numbers)]);
                    break;
                }
            }
            if (type == AccountType::Insurance)
                account->setField(1, ScrambledText(round == 0 ? QStringLiteral("car") : QStringLiteral(" LIFE")));
            const int users = type == AccountType::Email ? 40 * round : round;
            for (int u = 0; u < users; ++u)
                AccountBuilder::appendUser(*account,
                    std::make_unique<UserEntry>(u - 1, texts.at(u % texts.size()), texts.at((u + 3) % texts.size()),
                        QStringLiteral("user%1@x.example").arg(u)));
            doc.fileAccount(std::move(account));
        }
    }
    doc.setNextAccountId(-3);
}

using JsonExportTest = CliFixture;

TEST_F(JsonExportTest, StreamedBytesAreThoseOfTheJsonTree)
{
    QLocale::setDefault(QLocale::c());
    struct Wallet {
        const char* name;
        std::function<void(CQuorrilDoc&, ScriptedPrompts&)> fill;
    };
    const Wallet wallets[] = {
        { "empty", [](CQuorrilDoc&, ScriptedPrompts&) {} },
        { "the sample wallet",
            [](CQuorrilDoc& doc, ScriptedPrompts& prompts) {
                prompts.addPassword(QStringLiteral("quorril-sample"));
                ASSERT_TRUE(doc.OnOpenDocument(QStringLiteral(QUORRIL_SAMPLE_WALLET)));
                ASSERT_GT(doc.accountCount(), 9);
            } },
        { "every type, filled", [](CQuorrilDoc& doc, ScriptedPrompts&) { addSampleAccounts(doc, 3); } },
        { "awkward values", [](CQuorrilDoc& doc, ScriptedPrompts&) { addAwkwardAccounts(doc); } },
    };
    for (const Wallet& wallet : wallets) {
        SCOPED_TRACE(wallet.name);
        ScriptedPrompts prompts;
        CQuorrilDoc doc(prompts);
        wallet.fill(doc, prompts);
        const QByteArray expected = treeJson(doc);
        for (qsizetype bufferSize : { qsizetype(64), qsizetype(100), qsizetype(1) << 20 }) {
            const QByteArray streamed = streamedJson(doc, bufferSize);
            ASSERT_EQ(streamed.size(), expected.size()) << bufferSize;
            EXPECT_TRUE(streamed == expected) << bufferSize << "\n" << streamed.left(4000).toStdString();
        }
    }
}

// Takes `room` bytes, then refuses every write.
class FullDevice : public QIODevice {
public:
    explicit FullDevice(qint64 room)
        : m_room(room)
    {
        open(QIODevice::WriteOnly);
    }
    qint64 written = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (written + size > m_room) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        written += size;
        return size;
    }

private:
    qint64 m_room;
};

TEST_F(JsonExportTest, AWriteThatFailsIsReported)
{
    ScriptedPrompts prompts;
    CQuorrilDoc doc(prompts);
    addSampleAccounts(doc);
    const qsizetype size = treeJson(doc).size();
    for (qint64 room : { qint64(0), qint64(100), qint64(size - 1) }) {
        FullDevice device(room);
        JsonExportWriter writer(device, 64);
        EXPECT_FALSE(writer.write(doc)) << room;
        EXPECT_LE(device.written, room);
    }
    FullDevice roomy(size);
    EXPECT_TRUE(JsonExportWriter(roomy, 64).write(doc));
    EXPECT_EQ(roomy.written, size);
}

} // namespace

// Quorril's KeePassXC CSV carries every account whole: written and imported again, it gives the same
// accounts, awkward values included.
#include "cli/AwkwardWallet.h"
#include "import/CsvExportWriter.h"
#include "import/ImportTestSupport.h"
#include "import/WalletJson.h"
#include "support/ScriptedDocumentPrompts.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QByteArray csvOf(const CQuorrilDoc& doc)
{
    QBuffer device;
    device.open(QIODevice::WriteOnly);
    QString error;
    EXPECT_TRUE(writeKeePassXcCsv(doc.accounts(), device, error)) << error.toStdString();
    return device.data();
}

TEST(CsvRoundTripTest, WrittenAndImportedAgainGivesTheSameAccounts)
{
    QLocale::setDefault(QLocale::c());
    for (int wallet = 0; wallet < 2; ++wallet) {
        SCOPED_TRACE(wallet);
        ScriptedDocumentPrompts prompts;
        CQuorrilDoc original(prompts);
        wallet == 0 ? addSampleAccounts(original, 3) : addAwkwardAccounts(original, false);
        for (const auto& [id, account] : original.accounts())
            AccountBuilder::setCommittedFlag(*account, 1); // the CSV has no column for it: imports are committed

        ImportRead read = readBytes(csvOf(original));
        ASSERT_TRUE(read.plan) << read.error.toStdString();
        EXPECT_EQ(read.plan->format(), ImportFormat::KeePassXcCsv);
        EXPECT_TRUE(read.plan->summary().renamedRows.empty());
        EXPECT_EQ(read.plan->summary().accountCount(), original.accountCount());
        CQuorrilDoc copy(prompts);
        auto id = original.accounts().begin();
        for (auto& account : takeAll(*read.plan)) {
            AccountBuilder::setId(*account, (id++)->first);
            copy.fileAccount(std::move(account));
        }
        const auto accountsJson = [](CQuorrilDoc& doc) {
            return QJsonDocument(WalletJson::toJson(doc).value("accounts").toArray()).toJson();
        };
        EXPECT_EQ(accountsJson(copy).toStdString(), accountsJson(original).toStdString());
    }
}

TEST(CsvRoundTripTest, ARowWhoseNotesNoLongerReadAsAnAccountIsImportedAsAnyOther)
{
    const QByteArray header = "\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\"\n";
    struct Row {
        QByteArray row;
        QString account;
    };
    const Row rows[] = {
        { "\"Quorril/Banks\",\"B\",\"\",\"12\",\"\",\"Institution: X\nAcct #: 7\"",
            "Bank \"B\" institution=X accountNumber=7 pin=12" },
        { "\"Quorril/Banks\",\"B\",\"\",\"12\",\"\",\"Institution: X\nMy own line\"",
            "WebSite \"B\" userPassword=12 notes=Institution: X\\nMy own line\\r\\n\\r\\nGroup: Quorril/Banks" },
        { "\"Quorril/Credit Cards\",\"C\",\"\",\"\",\"\",\"APR: lots\"",
            "Reference \"C\" description=APR: lots\\r\\n\\r\\nGroup: Quorril/Credit Cards date=2025-06-01" },
        { "\"Quorril/Email\",\"E\",\"me\",\"pw\",\"\",\"User #: 1\"", "Email \"E\" user(me/pw//0)" },
        { "\"Quorril/Email\",\"E\",\"me\",\"pw\",\"\",\"\"",
            "WebSite \"E\" userId=me userPassword=pw notes=Group: Quorril/Email" },
        { "\"Quorril/Nowhere\",\"N\",\"\",\"\",\"\",\"Institution: X\"",
            "Reference \"N\" description=Institution: X\\r\\n\\r\\nGroup: Quorril/Nowhere date=2025-06-01" },
    };
    for (const Row& row : rows) {
        ImportRead read = readBytes(header + row.row);
        ASSERT_TRUE(read.plan) << read.error.toStdString();
        EXPECT_EQ(describeAll(takeAll(*read.plan)), QStringList { row.account }) << row.row.toStdString();
    }
}

} // namespace

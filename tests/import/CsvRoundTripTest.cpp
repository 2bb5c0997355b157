// Quorril's KeePassXC CSV carries every account whole: written and imported again, it gives the same
// accounts, awkward values included.
#include "accounts/AccountFactory.h"
#include "cli/AwkwardWallet.h"
#include "import/AccountCsvRow.h"
#include "import/CsvExportWriter.h"
#include "import/ImportTestSupport.h"
#include "import/WalletJson.h"
#include "support/FileAccounts.h"
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
            fileAccounts(copy, std::move(account));
        }
        const auto accountsJson = [](CQuorrilDoc& doc) {
            return QJsonDocument(WalletJson::toJson(doc).value("accounts").toArray()).toJson();
        };
        EXPECT_EQ(accountsJson(copy).toStdString(), accountsJson(original).toStdString());
    }
}

TEST(CsvRoundTripTest, EachTypeFillsTheColumnsOtherProgramsRead)
{
    struct Row {
        AccountType type;
        std::vector<std::pair<const char*, FieldValue>> fields;
        QStringList columns; // Group, Username, Password, URL, Notes (line breaks shown)
    };
    const auto text = [](const char* t) { return FieldValue(ScrambledText(QString::fromUtf8(t))); };
    const Row rows[] = {
        { AccountType::WebSite,
            { { "siteName", text("S") }, { "webSiteUrl", text("https://w") }, { "userId", text("u") },
                { "userPassword", text("p") }, { "notes", text("a\r\n  b\n") } },
            { "Quorril/WebSites", "u", "p", "https://w", "Site Name: S\\nNotes: a\\r\\n    b\\n  " } },
        { AccountType::CreditCard,
            { { "provider", text("P") }, { "pin", text("1234") }, { "apr", 17.5 },
                { "expiration", OleDateTime::fromDate(QDate(2027, 5, 31)) } },
            { "Quorril/Credit Cards", "", "1234", "", "Provider: P\\nAPR: 17.5\\nExpiration: 2027-05-31" } },
        { AccountType::Medical, { { "ssn", text("1") }, { "birthDate", OleDateTime(1.5, OleDateTime::null) } },
            { "Quorril/Medical", "", "1", "", "Birth Date: (date 1.5, status 2)" } },
        { AccountType::Software, { { "cdKey", text("K") }, { "supportUrl", text("https://s") } },
            { "Quorril/Software", "", "K", "https://s", "" } },
        { AccountType::Insurance, { { "itemDescription", text("VIN") } },
            { "Quorril/Insurance", "", "", "", "Item Description: VIN" } },
        { AccountType::CallingCard, { { "pin", text("9") }, { "remainingMinutes", qint32(-5) } },
            { "Quorril/Calling Card", "", "9", "", "Remaining Minutes: -5" } },
        { AccountType::Email, { { "logInUrl", text("U") } },
            { "Quorril/Email", "me", "pw", "U",
                "User #: 1\\nEmail: m@x\\nAdministrator: Yes\\nUser #: 2\\nLog In ID: you\\nAdministrator: 5" } },
        { AccountType::Bank, { { "pin", text("7") } },
            { "Quorril/Banks", "me", "7", "",
                "User #: 1\\nPassword: pw\\nEmail: m@x\\nAdministrator: Yes\\n"
                "User #: 2\\nLog In ID: you\\nAdministrator: 5" } },
    };
    for (const Row& row : rows) {
        std::unique_ptr<AccountRecord> account = createAccount(AccountId(9), row.type);
        account->SetTitle(QStringLiteral("T"));
        for (const auto& [name, value] : row.fields)
            account->setField(account->layout().indexOf(QLatin1StringView(name)), value);
        if (row.type == AccountType::Email || row.type == AccountType::Bank) {
            AccountBuilder::appendUser(*account, std::make_unique<UserEntry>(1, "me", "pw", "m@x"));
            AccountBuilder::appendUser(*account, std::make_unique<UserEntry>(5, "you", "", ""));
        }
        account->SetCommitted();
        const AccountCsvRow::Columns columns = AccountCsvRow::encode(*account);
        EXPECT_EQ(
            QStringList({ columns.group, columns.username, columns.password, columns.url, visible(columns.notes) }),
            row.columns);
        const std::unique_ptr<AccountRecord> back = AccountCsvRow::decode(columns);
        ASSERT_TRUE(back) << columns.notes.toStdString();
        EXPECT_TRUE(sameContent(*back, *account)) << describe(*back).toStdString();
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

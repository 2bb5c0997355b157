// quorril-cli health: the problem lines, the exit status, and --breached with its list.
#include "accounts/BankAccount.h"
#include "accounts/WebSiteAccount.h"
#include "cli/CliFixture.h"
#include "support/FileAccounts.h"

#include <QCryptographicHash>

namespace {

const char* const kStrong = "uG8&zN3^wT6*bY1%hJ5#";

class HealthCommandTest : public CliFixture {
protected:
    // A wallet of WebSite accounts with these passwords (ids from 1), and a Bank account with PIN
    // "58291" (id 99), saved with password "pw".
    QString wallet(std::initializer_list<const char*> passwords)
    {
        ScriptedDocumentPrompts prompts;
        CQuorrilDoc doc(prompts);
        qint32 id = 0;
        for (const char* password : passwords) {
            auto site = createAccount(AccountId(++id), AccountType::WebSite);
            site->SetTitle(QStringLiteral("Site %1\twith a tab").arg(id));
            site->setField(WebSiteAccount::UserPassword, ScrambledText(QString::fromUtf8(password)));
            site->SetCommitted();
            fileAccounts(doc, std::move(site));
        }
        auto bank = createAccount(AccountId(99), AccountType::Bank);
        bank->SetTitle(QStringLiteral("Bank"));
        bank->setField(BankAccount::Pin, ScrambledText(QStringLiteral("58291")));
        bank->SetCommitted();
        fileAccounts(doc, std::move(bank));
        prompts.addPassword(QStringLiteral("pw"));
        EXPECT_TRUE(doc.OnSaveDocument(path(QStringLiteral("w.qrl"))));
        return path(QStringLiteral("w.qrl"));
    }
    static QByteArray line(const char* secret, int count)
    {
        return QCryptographicHash::hash(secret, QCryptographicHash::Sha1).toHex() + ':' + QByteArray::number(count)
            + '\n';
    }
};

TEST_F(HealthCommandTest, OneLinePerProblemNeverASecretAndTheExitStatusTells)
{
    // clang-format off
    struct Row { const char* name; std::initializer_list<const char*> passwords; int status; QString out; };
    const Row rows[] = {
        { "nothing wrong", { kStrong }, 0, "" },
        { "weak and reused", { "dragon", kStrong, "correcthorsebatterystaple", kStrong }, 5,
          "1\tWebSite\tSite 1 with a tab\tPassword\tPoor\tweak\n"
          "2\tWebSite\tSite 2 with a tab\tPassword\tWeak\treused (2 places)\n"
          "4\tWebSite\tSite 4 with a tab\tPassword\tWeak\treused (2 places)\n"
          "3\tWebSite\tSite 3 with a tab\tPassword\tWeak\tweak\n" },
        { "empty", { "" }, 5, "1\tWebSite\tSite 1 with a tab\tPassword\tBad\tempty\n" },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Run r = run({ "health", wallet(row.passwords) }, { "pw" });
        EXPECT_EQ(r.status, row.status) << r.err.toStdString();
        EXPECT_EQ(r.out, row.out);
        for (const char* password : row.passwords)
            if (*password) {
                EXPECT_FALSE(r.out.contains(QString::fromUtf8(password)));
            }
    }
    EXPECT_EQ(run({ "health", wallet({ kStrong }) }, { "wrong" }).status, 1);
}

TEST_F(HealthCommandTest, BreachedSecretsGetTheirCountFromTheList)
{
    const QString w = wallet({ kStrong, "Tr0ub4dor&3" });
    // The strong password, the PIN and a damaged line in a sorted list.
    std::vector<QByteArray> lines = { line(kStrong, 12), line("58291", 3456), line("unrelated", 1) };
    std::sort(lines.begin(), lines.end());
    const QByteArray sorted = lines[0] + "damaged line\n" + lines[1] + lines[2];
    const QString list = writeFile(QStringLiteral("list.txt"), sorted);
    const QString unsorted = writeFile(QStringLiteral("unsorted.txt"), lines[2] + lines[1] + lines[0]);

    // clang-format off
    struct Row { QStringList arguments; int status; QString out; QString err; };
    const Row rows[] = {
        { { "health", "--breached", list, w }, 5,
          "99\tBank\tBank\tPIN\tGood\tbreached (3456 times)\n"
          "1\tWebSite\tSite 1 with a tab\tPassword\tExcellent\tbreached (12 times)\n"
          "2\tWebSite\tSite 2 with a tab\tPassword\tWeak\tweak\n",
          QStringLiteral("quorril-cli: %1:2: not a \"HASH:COUNT\" line; skipped\n").arg(list) },
        { { "health", w, "--breached", list }, 5, QString(), QString() }, // the option after the file
        { { "health", "--breached", unsorted, w }, 3, "",
          QStringLiteral("quorril-cli: %1: not sorted by hash at line 2\n").arg(unsorted) },
        { { "health", "--breached", path("none.txt"), w }, 2, "", QString() },
        { { "health", "--breached", w }, 2, "", QString() },
        { { "health" }, 2, "", QString() },
        { { "health", w, w }, 2, "", QString() },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.join(QLatin1Char(' ')).toStdString());
        const Run r = run(row.arguments, { "pw" });
        EXPECT_EQ(r.status, row.status) << r.err.toStdString();
        if (!row.out.isNull()) {
            EXPECT_EQ(r.out, row.out);
        }
        if (!row.err.isNull()) {
            EXPECT_EQ(r.err, row.err);
        }
    }
}

} // namespace

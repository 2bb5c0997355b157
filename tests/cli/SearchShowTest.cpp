// search and show: what matches, what prints, and that secrets stay hidden unless asked for.
#include "accounts/BankAccount.h"
#include "accounts/CreditCardAccount.h"
#include "accounts/WebSiteAccount.h"
#include "cli/CliFixture.h"

namespace {

class SearchShowTest : public CliFixture {
protected:
    // Accounts 1 (Bank), 2 (WebSite), 3 (Email), 4 (Credit Card), saved with password "pw".
    QString wallet()
    {
        ScriptedDocumentPrompts prompts;
        CQuorrilDoc doc(prompts);
        auto bank = createAccount(AccountId(1), AccountType::Bank);
        bank->SetTitle(QStringLiteral("\u00c9t\u00e9 Savings"));
        bank->setField(BankAccount::Institution, ScrambledText(QStringLiteral("Cr\u00e9dit Lyonnais")));
        bank->setField(BankAccount::Pin, ScrambledText(QStringLiteral("4321")));
        auto site = createAccount(AccountId(2), AccountType::WebSite);
        site->SetTitle(QStringLiteral("Mail\twith\na break"));
        site->setField(WebSiteAccount::UserPassword, ScrambledText(QStringLiteral("Hunter2")));
        auto email = createAccount(AccountId(3), AccountType::Email);
        email->SetTitle(QStringLiteral("Post"));
        email->AddUser(1, QStringLiteral("ann"), QStringLiteral("letmein"), QStringLiteral("ann@x.example"));
        auto card = createAccount(AccountId(4), AccountType::CreditCard);
        card->SetTitle(QStringLiteral("Visa"));
        card->setField(CreditCardAccount::Apr, 12.345);
        card->setField(CreditCardAccount::Expiration, OleDateTime(45000.75));
        for (auto* account : { &bank, &site, &email, &card }) {
            (*account)->SetCommitted();
            doc.AddAccount(std::move(*account));
        }
        prompts.addPassword(QStringLiteral("pw"));
        EXPECT_TRUE(doc.OnSaveDocument(path("w.qrl")));
        return path("w.qrl");
    }
};

TEST_F(SearchShowTest, SearchPrintsMatchesWithoutSecrets)
{
    const QString w = wallet();
    // clang-format off
    const struct { QString text; int status; QString out; } rows[] = {
        { "ete", 0, "1\tBank\t\u00c9t\u00e9 Savings\n" },
        { "CR\u00c9DIT", 0, "1\tBank\t\u00c9t\u00e9 Savings\n4\tCredit Card\tVisa\n" }, // the institution; the type
        { "lyonnais", 0, "1\tBank\t\u00c9t\u00e9 Savings\n" },
        { "4321", 4, "" }, // the PIN
        { "hunter", 4, "" }, // the site's user password
        { "letmein", 4, "" }, // an Email user's password
        { "ann@", 0, "3\tEmail\tPost\n" },
        { "a break", 0, "2\tWebSite\tMail with a break\n" }, // one line per account
        { "", 0,
            "1\tBank\t\u00c9t\u00e9 Savings\n2\tWebSite\tMail with a break\n3\tEmail\tPost\n4\tCredit Card\tVisa\n" },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        const Run r = run({ "search", w, row.text }, { "pw" });
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.out, row.out);
        EXPECT_EQ(r.err, "");
    }
    EXPECT_EQ(run({ "search", w, "ete" }, { "PW" }).status, 1);
}

TEST_F(SearchShowTest, ShowPrintsRowsAndFields)
{
    const QString w = wallet();
    const QString bank = "Type: Bank\nTitle: \u00c9t\u00e9 Savings\nInstitution: Cr\u00e9dit Lyonnais\nAcct Type: \n"
                         "Name On Acct: \nAcct #: \nRouting #: \nPIN: %1\nService Phone: \n";
    // clang-format off
    const struct { QStringList options; int status; QString out, err; } rows[] = {
        { { "1" }, 0, bank.arg("********"), "" },
        { { "1", "--show-secrets" }, 0, bank.arg("4321"), "" },
        { { "3" }, 0, "Type: Email\nTitle: Post\nLog In URL: \n\nUser #: 1\nLog In ID: ann\nPassword: ********\n"
                      "Email: ann@x.example\nAdministrator: Yes\n", "" },
        { { "1", "--field", "pin" }, 0, "4321\n", "" },
        { { "1", "--field", "PIN" }, 0, "4321\n", "" },
        { { "1", "--field", "title" }, 0, "\u00c9t\u00e9 Savings\n", "" },
        { { "2", "--field", "userPassword" }, 0, "Hunter2\n", "" },
        { { "3", "--show-secrets", "--field", "users[0].password" }, 0, "letmein\n", "" },
        { { "3", "--field", "users[0].administrator" }, 0, "1\n", "" },
        { { "4", "--field", "apr" }, 0, "12.345\n", "" },
        { { "4", "--field", "expiration" }, 0, "2023-03-15\n", "" },
        { { "3", "--field", "users[1].password" }, 4, "", "quorril-cli: account 3 has no field \"users[1].password\"\n" },
        { { "1", "--field", "nope" }, 4, "", "quorril-cli: account 1 has no field \"nope\"\n" },
        { { "99" }, 4, "", "quorril-cli: no account with id 99\n" },
        { { "one" }, 4, "", "quorril-cli: no account with id one\n" },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.options.join(' ').toStdString());
        const Run r = run(QStringList { "show", w } + row.options, { "pw" });
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.out, row.out);
        EXPECT_EQ(r.err, row.err);
    }
}

} // namespace

// Finding accounts by text: case and accents ignored, secrets never matched.
#include "accounts/AccountSearch.h"
#include "accounts/AccountFactory.h"
#include "accounts/BankAccount.h"
#include "accounts/WebSiteAccount.h"
#include "core/AccountTypes.h"

#include <gtest/gtest.h>

namespace {

TEST(AccountSearchTest, FoldIgnoresCaseAndAccents)
{
    const std::pair<const char16_t*, const char16_t*> rows[] = {
        { u"Été", u"ete" },
        { u"ÉTÉ", u"ete" },
        { u"e\u0301te\u0301", u"ete" }, // already decomposed
        { u"Ærø Ñandú", u"ærø nandu" }, // letters of their own stay, marks go
        { u"Ǆ", u"ǆ" },
        { u"😀 Smile", u"😀 smile" },
        { u"", u"" },
    };
    for (const auto& [text, folded] : rows)
        EXPECT_EQ(AccountSearch::fold(QStringView(text)), QStringView(folded))
            << QString::fromUtf16(text).toStdString();
}

TEST(AccountSearchTest, MatchesTitleAndListedValuesButNoSecret)
{
    auto bank = createAccount(AccountId(1), AccountType::Bank);
    bank->SetTitle(QStringLiteral("Été Savings"));
    bank->setField(BankAccount::Institution, ScrambledText(QStringLiteral("Crédit Lyonnais")));
    bank->setField(BankAccount::Pin, ScrambledText(QStringLiteral("4321")));
    auto site = createAccount(AccountId(2), AccountType::WebSite);
    site->SetTitle(QStringLiteral("Mail"));
    site->setField(WebSiteAccount::UserPassword, ScrambledText(QStringLiteral("Hunter2")));
    site->setField(WebSiteAccount::Notes, ScrambledText(QStringLiteral("line one\nZoË's line")));
    auto email = createAccount(AccountId(3), AccountType::Email);
    email->SetTitle(QStringLiteral("Post"));
    email->AddUser(0, QStringLiteral("Łukasz"), QStringLiteral("letmein"), QStringLiteral("l@x.example"));

    using Scope = AccountSearch::Scope;
    // clang-format off
    const struct { const AccountRecord* account; const char16_t* needle; Scope scope; bool match; } rows[] = {
        { bank.get(), u"eté", Scope::TitlesAndValues, true },
        { bank.get(), u"ÉTÉ SAV", Scope::TitlesOnly, true },
        { bank.get(), u"credit", Scope::TitlesAndValues, true },
        { bank.get(), u"credit", Scope::TitlesOnly, false },
        { bank.get(), u"4321", Scope::TitlesAndValues, false }, // the PIN
        { bank.get(), u"bank", Scope::TitlesAndValues, true }, // the listed type
        { bank.get(), u"", Scope::TitlesOnly, true },
        { bank.get(), u"savings bank", Scope::TitlesAndValues, false }, // not across rows
        { site.get(), u"hunter", Scope::TitlesAndValues, false }, // the user password
        { site.get(), u"zoe's", Scope::TitlesAndValues, true },
        { email.get(), u"lukasz", Scope::TitlesAndValues, false }, // Ł is a letter of its own
        { email.get(), u"łukasz", Scope::TitlesAndValues, true },
        { email.get(), u"letmein", Scope::TitlesAndValues, false }, // a user's password
        { email.get(), u"l@x", Scope::TitlesAndValues, true },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.needle).toStdString());
        const QString needle = AccountSearch::fold(QStringView(row.needle));
        EXPECT_EQ(AccountSearch::matches(*row.account, needle, row.scope), row.match)
            << row.account->GetTitle().toStdString();
        EXPECT_EQ(AccountSearch::matches(AccountSearch::foldAccount(*row.account), needle, row.scope), row.match)
            << "folded once: " << row.account->GetTitle().toStdString();
    }
}

} // namespace

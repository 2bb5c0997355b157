// The plan: which type each entry becomes, renamed titles, "(more)" accounts, refused rows, the
// user's switches, and the ids of the accounts it hands out.
#include "accounts/AccountFactory.h"
#include "core/Clock.h"
#include "document/QuorrilDoc.h"
#include "import/ImportMapping.h"
#include "import/ImportReport.h"
#include "import/ImportTestSupport.h"
#include "support/FileAccounts.h"
#include "support/ScriptedDocumentPrompts.h"

#include <functional>

namespace {

ImportEntry entry(EntryKind kind, const QString& title, std::vector<ImportItem> items = {}, qint32 row = 0)
{
    ImportEntry e;
    e.kind = kind;
    e.title = title;
    e.number = row;
    for (ImportItem& item : items)
        e.add(item.slot, item.label, item.value);
    return e;
}

ImportItem url(const QString& address) { return { Slot::Url, QStringLiteral("URL"), address }; }

TEST(ImportPlanTest, EachKindOfEntryBecomesItsType)
{
    struct Row {
        ImportEntry entry;
        AccountType type;
    };
    Row rows[] = {
        { entry(EntryKind::Login, "Forum", { url("https://forum.example.org") }), AccountType::WebSite },
        { entry(EntryKind::Login, "My GMail"), AccountType::Email },
        { entry(EntryKind::Login, "Work", { url("https://webmail.example.org/") }), AccountType::Email },
        { entry(EntryKind::Login, "Work", { url("imaps://imap.example.org") }), AccountType::Email },
        { entry(EntryKind::Login, "Work", { url("mailto:me@example.org") }), AccountType::Email },
        { entry(EntryKind::Login, "Mailbox rental", { url("https://boxes.example.org") }), AccountType::Email },
        { entry(EntryKind::Card, "Visa"), AccountType::CreditCard },
        { entry(EntryKind::BankAccount, "Checking"), AccountType::Bank },
        { entry(EntryKind::Identity, "Me", { { Slot::Ssn, "SSN", "1" } }), AccountType::Medical },
        { entry(EntryKind::Identity, "Me", { { Slot::Passport, "Passport", "P" } }), AccountType::Medical },
        { entry(EntryKind::Identity, "Me", { { Slot::Licence, "License", "L" } }), AccountType::Medical },
        { entry(EntryKind::Identity, "Me", { { Slot::FirstName, "First", "Ann" } }), AccountType::Reference },
        { entry(EntryKind::Note, "Door"), AccountType::Reference },
        { entry(EntryKind::SoftwareLicence, "Editor"), AccountType::Software },
        { entry(EntryKind::Insurance, "Car"), AccountType::Insurance },
        { entry(EntryKind::EmailAccount, "Mail box"), AccountType::Email },
    };
    for (Row& row : rows) {
        ImportPlan plan(ImportFormat::KeePassXcCsv);
        plan.addEntry(std::move(row.entry));
        EXPECT_EQ(plan.row(0).type, row.type) << plan.row(0).sourceTitle.toStdString();
    }
}

TEST(ImportPlanTest, TakenTitlesGetTheFirstFreeNumberInTheirTypeOnly)
{
    ScriptedDocumentPrompts prompts;
    CQuorrilDoc doc(prompts);
    for (const char* title : { "Shop", "shop (2)", "Bank" }) {
        auto account = createAccount(doc.NextAccountId(), AccountType::WebSite);
        account->SetTitle(QString::fromUtf8(title));
        account->SetCommitted();
        doc.AddAccount(std::move(account));
    }
    ImportPlan plan(ImportFormat::KeePassXcCsv);
    plan.setTakenTitles(doc.accounts());
    const auto card = [](const QString& title) {
        return entry(EntryKind::Card, title, { { Slot::Extra, "Security Code", "1" } });
    };
    std::vector<ImportEntry> entries;
    entries.push_back(entry(EntryKind::Login, "SHOP"));
    entries.push_back(entry(EntryKind::Login, "Shop"));
    entries.push_back(entry(EntryKind::Login, "\u00c9t\u00e9"));
    entries.push_back(entry(EntryKind::Login, "\u00e9t\u00e9"));
    entries.push_back(entry(EntryKind::Note, "Bank"));
    entries.push_back(card("Visa"));
    entries.push_back(card("Visa"));
    entries.push_back(entry(EntryKind::Note, "Visa (more)"));
    for (ImportEntry& e : entries)
        plan.addEntry(std::move(e));
    EXPECT_EQ(plan.summary().renamedRows, (std::vector<int> { 0, 1, 6, 7 }));
    EXPECT_EQ(describeAll(takeAll(plan)),
        QStringList({ "WebSite \"SHOP (3)\"", "WebSite \"Shop (4)\"", "WebSite \"\u00c9t\u00e9\"",
            "WebSite \"\u00e9t\u00e9\"", "Reference \"Bank\" date=2025-06-01", "Credit Card \"Visa\"",
            "Reference \"Visa (more)\" about=Credit Card \"Visa\" description=Security Code: 1 date=2025-06-01",
            "Credit Card \"Visa (2)\"",
            "Reference \"Visa (2) (more)\" about=Credit Card \"Visa (2)\" description=Security Code: 1 date=2025-06-01",
            "Reference \"Visa (more) (2)\" date=2025-06-01" }));
}

TEST(ImportPlanTest, ValuesWithoutAPlaceGoToNotesOrToAMoreAccountWhichCanBeSwitchedOff)
{
    const auto plan = [](bool more) {
        auto p = std::make_unique<ImportPlan>(ImportFormat::BitwardenJson);
        p->addEntry(entry(EntryKind::Card, "Card",
            { { Slot::Expiry, "Expiration", "2024-02" }, { Slot::Extra, "Security Code", "321" },
                { Slot::Notes, "Notes", "n" } }));
        p->addEntry(entry(EntryKind::Card, "Odd", { { Slot::Expiry, "Expiration", "soon" } }));
        p->addEntry(entry(EntryKind::Login, "Site", { url("https://s.example"), { Slot::Extra, "TOTP", "x" } }));
        p->setMoreAccounts(more);
        return p;
    };
    const std::unique_ptr<ImportPlan> on = plan(true), off = plan(false);
    EXPECT_EQ(
        on->summary().toMore, (std::map<QString, int> { { "Expiration", 1 }, { "Notes", 1 }, { "Security Code", 1 } }));
    EXPECT_EQ(on->summary().toNotes, (std::map<QString, int> { { "TOTP", 1 } }));
    EXPECT_EQ(on->summary().moreRows, (std::vector<int> { 0, 1 }));
    EXPECT_EQ(off->summary().toMore, on->summary().toMore);
    EXPECT_EQ(off->summary().moreAccounts, 0);
    EXPECT_EQ(on->row(0).toMore, QStringList({ "Security Code", "Notes" }));
    EXPECT_EQ(on->row(0).moreTitle, "Card (more)");
    EXPECT_EQ(off->row(0).moreTitle, QString());
    EXPECT_EQ(describeAll(takeAll(*on)),
        QStringList({ "Credit Card \"Card\" expiration=2024-02-29",
            "Reference \"Card (more)\" about=Credit Card \"Card\" description=Security Code: 321\\r\\nNotes: n "
            "date=2025-06-01",
            "Credit Card \"Odd\"",
            "Reference \"Odd (more)\" about=Credit Card \"Odd\" description=Expiration: soon date=2025-06-01",
            "WebSite \"Site\" siteName=s.example webSiteUrl=https://s.example notes=TOTP: x" }));
    EXPECT_EQ(describeAll(takeAll(*off)),
        QStringList({ "Credit Card \"Card\" expiration=2024-02-29", "Credit Card \"Odd\"",
            "WebSite \"Site\" siteName=s.example webSiteUrl=https://s.example notes=TOTP: x" }));
}

TEST(ImportPlanTest, OnlyALoginSwitchesBetweenWebSiteAndEmail)
{
    ImportPlan plan(ImportFormat::ChromeCsv);
    plan.addEntry(entry(EntryKind::Login, "Forum",
        { { Slot::UserName, "Username", "ann@example.org" }, { Slot::Password, "Password", "pw" },
            url("https://forum.example.org"), { Slot::Notes, "Note", "n" } }));
    plan.addEntry(entry(EntryKind::Card, "Visa"));
    EXPECT_EQ(plan.row(0).choices, (std::vector<AccountType> { AccountType::WebSite, AccountType::Email }));
    EXPECT_EQ(plan.row(1).choices, (std::vector<AccountType> { AccountType::CreditCard }));
    EXPECT_FALSE(plan.setRowType(0, AccountType::Bank));
    EXPECT_FALSE(plan.setRowType(1, AccountType::Email));
    EXPECT_FALSE(plan.setRowType(2, AccountType::Email));
    EXPECT_EQ(plan.summary().accounts,
        (std::map<AccountType, int> { { AccountType::WebSite, 1 }, { AccountType::CreditCard, 1 } }));
    EXPECT_TRUE(plan.setRowType(0, AccountType::Email));
    EXPECT_EQ(plan.row(0).toMore, QStringList { "Note" });
    EXPECT_EQ(plan.summary().accounts,
        (std::map<AccountType, int> {
            { AccountType::Email, 1 }, { AccountType::CreditCard, 1 }, { AccountType::Reference, 1 } }));
    EXPECT_EQ(describeAll(takeAll(plan)),
        QStringList({ "Email \"Forum\" logInUrl=https://forum.example.org user(ann@example.org/pw/ann@example.org/0)",
            "Reference \"Forum (more)\" about=Email \"Forum\" description=Note: n date=2025-06-01",
            "Credit Card \"Visa\"" }));
}

TEST(ImportPlanTest, ARowACannotStoreIsRefusedWithTheRowNamedUnlessRefusedRowsAreSkipped)
{
    const QString unstorable = QStringLiteral("pw") + QChar(0xFFA0);
    ImportPlan plan(ImportFormat::ChromeCsv);
    plan.addEntry(entry(EntryKind::Login, "Good", { url("https://g.example") }));
    plan.addEntry(entry(EntryKind::Login, "Bad", { { Slot::Password, "Password", unstorable } }));
    plan.addEntry(entry(EntryKind::Note, QStringLiteral("T") + QChar(0xFFFE)));
    plan.addEntry(entry(EntryKind::Note, "Label", { { Slot::Extra, QStringLiteral("K") + QChar(0xFFC0), "v" } }));
    EXPECT_EQ(plan.summary().refusedRows, (std::vector<int> { 1, 2, 3 }));
    EXPECT_EQ(plan.row(1).refusal, "\"Password\": the character U+FFA0 at position 2 cannot be stored");
    EXPECT_EQ(plan.row(2).refusal, "the title: the character U+FFFE at position 1 cannot be stored");
    EXPECT_EQ(plan.row(3).refusal, "the name of a field: the character U+FFC0 at position 1 cannot be stored");
    EXPECT_TRUE(plan.row(0).refusal.isEmpty());
    EXPECT_FALSE(plan.canImport());
    EXPECT_TRUE(takeAll(plan).empty());
    EXPECT_EQ(plan.rowCount(), 4); // nothing taken, the plan stays whole
    plan.setSkipRefused(true);
    EXPECT_EQ(
        describeAll(takeAll(plan)), QStringList { "WebSite \"Good\" siteName=g.example webSiteUrl=https://g.example" });
}

TEST(ImportPlanTest, AccountsOfAWalletKeepTheirValuesAndTakeFreeIdsOfTheDocument)
{
    ScriptedDocumentPrompts prompts;
    CQuorrilDoc doc(prompts);
    for (qint32 id : { 1, 2, 4 }) {
        auto account = createAccount(AccountId(id), AccountType::Bank);
        account->SetTitle(QStringLiteral("Bank %1").arg(id));
        account->SetCommitted();
        fileAccounts(doc, std::move(account));
    }
    doc.setNextAccountId(AccountId(3));
    ImportPlan plan(ImportFormat::QuorrilJson);
    ImportEntry carried;
    carried.kind = EntryKind::Account;
    carried.account = createAccount(AccountId(1), AccountType::Bank);
    carried.account->SetTitle(QStringLiteral("bank 2"));
    carried.account->setField(0, ScrambledText(QStringLiteral("Institution")));
    plan.addEntry(std::move(carried));
    plan.addEntry(entry(EntryKind::Note, "Note", { { Slot::Extra, "x", "y" } }));
    plan.setTakenTitles(doc.accounts());
    std::vector<AccountId> ids;
    for (const auto& account : plan.takeAccounts(ImportPlan::freeIdsOf(doc), importDay())) {
        ids.push_back(account->GetId());
        EXPECT_TRUE(account->IsCommitted());
        if (account->GetType() == AccountType::Bank) {
            EXPECT_EQ(describe(*account), "Bank \"bank 2 (2)\" institution=Institution");
        }
    }
    EXPECT_EQ(ids, (std::vector<AccountId> { AccountId(5), AccountId(6) }));
}

// Enough rows for them to be prepared on a second thread as they come, and for the build to be shared
// between two threads; the second half repeats the first half's titles, so its rows are renamed, and
// every seventh title is a card with a "(more)" account. `expected` gets the accounts as taken.
std::unique_ptr<ImportPlan> largePlan(QStringList* expected = nullptr)
{
    constexpr int kRows = 6000;
    auto plan = std::make_unique<ImportPlan>(ImportFormat::BitwardenJson);
    for (int i = 0; i < kRows; ++i) {
        const int n = i % (kRows / 2);
        const QString title = QStringLiteral("Entry %1").arg(n);
        const QString shown = i < kRows / 2 ? title : title + QStringLiteral(" (2)");
        const QString value = QString::number(i);
        if (n % 7 == 0) {
            plan->addEntry(entry(EntryKind::Card, title, { { Slot::Extra, "Security Code", value } }, i));
            if (expected)
                *expected << QStringLiteral("Credit Card \"%1\"").arg(shown)
                          << QStringLiteral("Reference \"%1 (more)\" about=Credit Card \"%1\" description=Security "
                                            "Code: %2 date=2025-06-01")
                                 .arg(shown, value);
        } else {
            plan->addEntry(entry(EntryKind::Login, title, { { Slot::Password, "Password", value } }, i));
            if (expected)
                *expected << QStringLiteral("WebSite \"%1\" userPassword=%2").arg(shown, value);
        }
    }
    return plan;
}

TEST(ImportPlanTest, ALargeImportGivesItsAccountsInRowOrderWithIdsInThatOrder)
{
    for (const QDate builtOn : { importDay(), importDay().addDays(-1) }) {
        // Prepared and built ahead on the day taken, or the day before (then built again).
        const Clock::Fake clock(QDateTime(builtOn, QTime(12, 0)));
        QStringList expected;
        const std::unique_ptr<ImportPlan> plan = largePlan(&expected);
        const std::vector<std::unique_ptr<AccountRecord>> accounts = takeAll(*plan);
        EXPECT_EQ(describeAll(accounts), expected);
        std::vector<AccountId> ids, inOrder;
        for (size_t k = 0; k < accounts.size(); ++k) {
            ids.push_back(accounts[k]->GetId());
            inOrder.push_back(AccountId(qint32(k + 1)));
        }
        EXPECT_EQ(ids, inOrder);
        EXPECT_EQ(plan->rowCount(), 0);
    }
}

TEST(ImportPlanTest, ALargeCopyOfAWalletKeepsItsAccountsUnderFreeTitles)
{
    // Accounts carried whole, enough of them to be prepared on the second thread; the second half
    // repeats the first half's titles, and the wallet may already hold "bank 0".
    constexpr int kRows = 3000;
    ScriptedDocumentPrompts prompts;
    CQuorrilDoc doc(prompts);
    auto held = createAccount(doc.NextAccountId(), AccountType::Bank);
    held->SetTitle(QStringLiteral("bank 0"));
    held->SetCommitted();
    doc.AddAccount(std::move(held));
    for (const bool taken : { false, true }) {
        ImportPlan plan(ImportFormat::QuorrilJson);
        QStringList expected;
        for (int i = 0; i < kRows; ++i) {
            const int n = i % (kRows / 2);
            ImportEntry carried;
            carried.kind = EntryKind::Account;
            carried.account = createAccount(AccountId(i + 1), AccountType::Bank);
            carried.account->SetTitle(QStringLiteral("Bank %1").arg(n));
            carried.account->setField(0, ScrambledText(QStringLiteral("v%1").arg(i)));
            plan.addEntry(std::move(carried));
            const int suffix = (i < kRows / 2 ? 1 : 2) + (taken && n == 0);
            const QString title
                = suffix == 1 ? QStringLiteral("Bank %1").arg(n) : QStringLiteral("Bank %1 (%2)").arg(n).arg(suffix);
            expected << QStringLiteral("Bank \"%1\" institution=v%2").arg(title).arg(i);
        }
        if (taken)
            plan.setTakenTitles(doc.accounts());
        EXPECT_EQ(describeAll(takeAll(plan)), expected) << (taken ? "with bank 0 taken" : "into an empty wallet");
    }
}

TEST(ImportPlanTest, AccountsBuiltAheadAreTheOnesTheChoicesMake)
{
    ScriptedDocumentPrompts prompts;
    CQuorrilDoc doc(prompts);
    for (const auto& [type, title] :
        { std::pair { AccountType::WebSite, "entry 1" }, std::pair { AccountType::Reference, "Entry 7 (more)" } }) {
        auto account = createAccount(doc.NextAccountId(), type);
        account->SetTitle(QString::fromUtf8(title));
        account->SetCommitted();
        doc.AddAccount(std::move(account));
    }
    using Plan = std::unique_ptr<ImportPlan>;
    struct Case {
        const char* name;
        std::function<void(Plan&)> choose;
        bool asRead; // gives what the plan gives as read
    };
    const Case cases[] = {
        { "as read", [](Plan&) {}, true },
        { "moved while preparing", [](Plan& p) { p = std::make_unique<ImportPlan>(std::move(*p)); }, true },
        { "titles taken", [&doc](Plan& p) { p->setTakenTitles(doc.accounts()); }, false },
        { "logins made Email",
            [](Plan& p) {
                EXPECT_TRUE(p->setRowType(1, AccountType::Email));
                EXPECT_TRUE(p->setRowType(3001, AccountType::Email));
            },
            false },
        { "no \"(more)\" accounts", [](Plan& p) { p->setMoreAccounts(false); }, false },
        { "\"(more)\" accounts off, shown, and on again",
            [](Plan& p) {
                p->setMoreAccounts(false);
                p->summary();
                p->setMoreAccounts(true);
            },
            true },
        { "titles kept", [](Plan& p) { p->setKeepTitles(true); }, false },
    };
    QStringList asRead;
    largePlan(&asRead);
    for (const Case& c : cases) {
        // The same choices on accounts built ahead on the day they are taken (used as built where they
        // fit), and on ones built the day before (all built again when taken).
        QStringList taken[2];
        int counted[2] = {};
        for (int day = 0; day < 2; ++day) {
            const Clock::Fake clock(QDateTime(importDay().addDays(-day), QTime(12, 0)));
            Plan plan = largePlan();
            c.choose(plan);
            counted[day] = plan->summary().accountCount();
            taken[day] = describeAll(takeAll(*plan));
        }
        EXPECT_EQ(taken[0], taken[1]) << c.name;
        EXPECT_EQ(counted[0], taken[0].size()) << c.name;
        EXPECT_EQ(taken[0] == asRead, c.asRead) << c.name;
    }
}

} // namespace

namespace {

TEST(ImportPlanTest, TheReportShowsWhatThePreviewShowsAndNoValue)
{
    ImportPlan plan(ImportFormat::LastPassCsv);
    plan.addEntry(entry(EntryKind::Login, "Shop",
        { { Slot::Password, "Password", "secret-1" }, { Slot::Extra, "TOTP", "secret-2" } }, 2));
    plan.addEntry(entry(EntryKind::Login, "shop", { { Slot::Password, "Password", "secret-3" } }, 3));
    plan.addEntry(entry(EntryKind::Card, "Visa",
        { { Slot::Pin, "Pin", "secret-4" }, { Slot::Extra, "Security Code", "secret-5" } }, 4));
    plan.addEntry(
        entry(EntryKind::Note, "Odd", { { Slot::Notes, "Notes", QStringLiteral("secret-6") + QChar(0xFFA0) } }, 5));
    plan.addSkipped("2 entries in the recycle bin");
    plan.addNotice("The file is not UTF-8.");
    const QString report = importReport(plan);
    EXPECT_EQ(report,
        "Format: LastPass CSV\n"
        "Note: The file is not UTF-8.\n"
        "Rows read: 4\n"
        "Accounts to add: 4\n"
        "  WebSite: 2\n"
        "  Credit Card: 1\n"
        "  Reference: 1 (1 of them \"(more)\" accounts)\n"
        "Values placed in notes: TOTP 1\n"
        "Values placed in \"(more)\" accounts: Security Code 1\n"
        "Renamed titles (taken in their type): 1\n"
        "  row 3 (\"shop\") becomes \"shop (2)\" (WebSite)\n"
        "\"(more)\" accounts: 1\n"
        "  row 4 (\"Visa\"): \"Visa (more)\" holds Security Code\n"
        "Refused rows: 1 (nothing is imported unless they are skipped)\n"
        "  row 5 (\"Odd\"): \"Notes\": the character U+FFA0 at position 8 cannot be stored\n"
        "Left out: 2 entries in the recycle bin\n"
        "Never imported from this format: the fav column and the Language of secure notes\n");
    EXPECT_FALSE(report.contains("secret")) << report.toStdString();
}

} // namespace

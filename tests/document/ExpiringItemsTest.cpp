#include "document/ExpiringItems.h"
#include "accounts/CreditCardAccount.h"
#include "accounts/InsuranceAccount.h"
#include "accounts/MedicalRecord.h"
#include "accounts/PurchasedItemRecord.h"
#include "core/OleDateTime.h"
#include "document/DocumentFixture.h"

namespace {
const QDate kToday(2024, 3, 1);

class ExpiringItemsTest : public DocumentFixture {
protected:
    // Files an account of the type with its expiry date set (no date: left as a new account has it).
    void add(AccountType type, qint32 id, const QString& title, std::optional<OleDateTime> date)
    {
        std::unique_ptr<AccountRecord> a = account(qint32(type), id, title);
        if (date) {
            if (auto* card = dynamic_cast<CreditCardAccount*>(a.get()))
                card->SetExpiration(*date);
            else if (auto* policy = dynamic_cast<InsuranceAccount*>(a.get()))
                policy->SetExpiration(*date);
            else if (auto* item = dynamic_cast<PurchasedItemRecord*>(a.get()))
                item->SetWarrantyExpiration(*date);
            else if (auto* medical = dynamic_cast<MedicalRecord*>(a.get()))
                medical->SetBirthDate(*date);
        }
        ASSERT_TRUE(doc.AddAccount(std::move(a)));
    }
    static OleDateTime in(qint64 days) { return OleDateTime::fromDate(kToday.addDays(days)); }
    QStringList rows() const
    {
        QStringList shown;
        for (const ExpiringItem& item : ExpiringItems::collect(doc, kToday))
            shown << QStringLiteral("%1|%2|%3|%4|%5")
                         .arg(item.title, accountTypeName(item.type), item.what, item.date.toString(Qt::ISODate),
                             ExpiringItems::dueText(item.daysLeft));
        return shown;
    }
};

struct Case {
    const char* name;
    AccountType type;
    std::optional<OleDateTime> date;
    const char* row; // null: not listed
};

TEST_F(ExpiringItemsTest, ListsEachKindOfExpiryDateOnlyWhenSet)
{
    // clang-format off
    const Case cases[] = {
        { "card in 10 days", AccountType::CreditCard, in(10), "card in 10 days|Credit Card|Expiration|2024-03-11|in 10 days" },
        { "policy today", AccountType::Insurance, in(0), "policy today|Insurance|Expiration|2024-03-01|today" },
        { "warranty passed", AccountType::PurchasedItem, in(-45), "warranty passed|Purchased Item|Warranty Expiration|2024-01-16|expired 45 days ago" },
        { "card in a day", AccountType::CreditCard, in(1), "card in a day|Credit Card|Expiration|2024-03-02|in 1 day" },
        { "policy a day ago", AccountType::Insurance, in(-1), "policy a day ago|Insurance|Expiration|2024-02-29|expired 1 day ago" },
        { "time of day ignored", AccountType::CreditCard, OleDateTime::fromDate(kToday.addDays(2), QTime(23, 59)), "time of day ignored|Credit Card|Expiration|2024-03-03|in 2 days" },
        { "card never set", AccountType::CreditCard, std::nullopt, nullptr },
        { "policy never set", AccountType::Insurance, std::nullopt, nullptr },
        { "warranty never set", AccountType::PurchasedItem, std::nullopt, nullptr },
        { "zero date", AccountType::CreditCard, OleDateTime(0.0), nullptr },
        { "null status", AccountType::Insurance, OleDateTime(45000.0, OleDateTime::null), nullptr },
        { "invalid status", AccountType::PurchasedItem, OleDateTime(45000.0, OleDateTime::invalid), nullptr },
        { "out of range", AccountType::CreditCard, OleDateTime(1e12), nullptr },
        { "birth date is no expiry", AccountType::Medical, in(3), nullptr },
    };
    // clang-format on
    qint32 id = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.OnNewDocument();
        add(c.type, id++, QString::fromUtf8(c.name), c.date);
        EXPECT_EQ(rows(), c.row ? QStringList { QString::fromUtf8(c.row) } : QStringList {});
    }
}

TEST_F(ExpiringItemsTest, SortedByDateThenTitleWithTheWarningPeriodMarkedAndNothingWhileLocked)
{
    struct Row {
        const char* title;
        qint64 days;
        bool attention;
        bool dueSoon;
    };
    // clang-format off
    const Row sorted[] = {
        { "long gone", -400, true, false }, { "yesterday", -1, true, false }, { "today", 0, true, true },
        { "A same day", 29, true, true }, { "b same day", 29, true, true }, { "last day", 30, true, true },
        { "a day late", 31, false, false }, { "next year", 365, false, false },
    };
    // clang-format on
    // Filed backwards, with an unset date among them.
    add(AccountType::Insurance, 100, QStringLiteral("unset"), std::nullopt);
    qint32 id = 1;
    for (auto row = std::rbegin(sorted); row != std::rend(sorted); ++row)
        add(AccountType::CreditCard, id++, QString::fromUtf8(row->title), in(row->days));
    const QList<ExpiringItem> items = ExpiringItems::collect(doc, kToday);
    ASSERT_EQ(items.size(), std::size(sorted));
    qsizetype dueSoon = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const Row& row = sorted[i];
        SCOPED_TRACE(row.title);
        EXPECT_EQ(items[i].title, QString::fromUtf8(row.title));
        EXPECT_EQ(items[i].daysLeft, row.days);
        EXPECT_EQ(items[i].needsAttention(), row.attention);
        dueSoon += row.dueSoon ? 1 : 0;
    }
    EXPECT_EQ(ExpiringItems::dueSoon(items), dueSoon);

    doc.setPassword(QStringLiteral("pw"));
    doc.OnLockDocument();
    EXPECT_TRUE(ExpiringItems::collect(doc, kToday).isEmpty());
    prompts.addPassword(QStringLiteral("pw"));
    doc.OnUnlockDocument();
    EXPECT_EQ(ExpiringItems::collect(doc, kToday).size(), std::size(sorted));
}
} // namespace

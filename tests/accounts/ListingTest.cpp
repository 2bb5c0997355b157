#include "accounts/AccountFactory.h"
#include "accounts/CallingCardAccount.h"
#include "accounts/CreditCardAccount.h"
#include "accounts/EmailAccount.h"
#include "accounts/InsuranceAccount.h"
#include "accounts/ReferenceRecord.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

QString valueOf(const AccountRecord& account, const QString& label)
{
    QStringList names, values;
    account.ListProperties(names, values);
    const qsizetype i = names.indexOf(label);
    return i < 0 ? QStringLiteral("<no row>") : values[i];
}

TEST(ListingTest, NumbersUseTheirFixedFormats)
{
    const std::pair<double, const char*> aprs[] = { { 5, "5.00" }, { 0.126, "0.13" }, { 1234.5, "1234.50" },
        { 12.5, "12.50" }, { 0, "0.00" }, { -3.333, "-3.33" } };
    for (const auto& [apr, text] : aprs) {
        CreditCardAccount card(AccountId(1));
        card.SetApr(apr);
        EXPECT_EQ(valueOf(card, QStringLiteral("APR")), QLatin1StringView(text)) << apr;
    }
    const std::pair<qint32, const char*> minutes[]
        = { { 0, "0" }, { 120, "120" }, { -5, "-5" }, { 2147483647, "2147483647" } };
    for (const auto& [n, text] : minutes) {
        CallingCardAccount card(AccountId(1));
        card.SetRemainingMinutes(n);
        EXPECT_EQ(valueOf(card, QStringLiteral("Remaining Minutes")), QLatin1StringView(text)) << n;
    }
}

TEST(ListingTest, DatesListWithoutTimeAndOnlyWhenValid)
{
    QLocale::setDefault(QLocale::c());
    const std::pair<OleDateTime, const char*> cases[] = {
        { OleDateTime(), "30 Dec 1899" },
        { OleDateTime(45000.99), "15 Mar 2023" },
        { OleDateTime(45000.0, OleDateTime::null), "" },
        { OleDateTime(45000.0, OleDateTime::invalid), "" },
    };
    for (const auto& [date, text] : cases) {
        ReferenceRecord note(AccountId(1));
        note.SetDate(date);
        EXPECT_EQ(valueOf(note, QStringLiteral("Date")), QLatin1StringView(text));
    }
}

TEST(ListingTest, InsuranceDetailLabelFollowsTheType)
{
    const std::pair<const char*, const char*> cases[] = {
        { "Car", "VIN #:" },
        { "cAr", "VIN #:" },
        { "Home Owner", "Property Address:" },
        { "LIFE", "Beneficiary:" },
        { "child", "Child Name:" },
        { "Art", "Item Description:" },
        { "", "Item Description:" },
        { " Car", "Item Description:" },
        { "Car ", "Item Description:" },
    };
    for (const auto& [type, label] : cases) {
        InsuranceAccount policy(AccountId(1));
        policy.SetInsuranceType(QString::fromUtf8(type));
        policy.SetItemDescription(QStringLiteral("detail"));
        QStringList names, values;
        EXPECT_EQ(policy.ListProperties(names, values), 9);
        EXPECT_EQ(names[7], QLatin1StringView(label)) << type;
        EXPECT_EQ(values[7], QStringLiteral("detail"));
        EXPECT_EQ(names[8], QStringLiteral("Service Phone"));
    }
}

TEST(ListingTest, EmailListsOneBlockPerUser)
{
    EmailAccount mail(AccountId(1));
    QStringList names, values;
    EXPECT_EQ(mail.ListProperties(names, values), 3);

    mail.AddUser(0, QStringLiteral("ann"), QStringLiteral("a-pw"), QStringLiteral("ann@example.com"));
    mail.AddUser(7, QStringLiteral("bob"), QStringLiteral("b-pw"), QStringLiteral("bob@example.com"));
    names.clear();
    values.clear();
    ASSERT_EQ(mail.ListProperties(names, values), 15);
    const QStringList expectedNames = { QStringLiteral("Type"), QStringLiteral("Title"), QStringLiteral("Log In URL"),
        QString(), QStringLiteral("User #:"), QStringLiteral("Log In ID:"), QStringLiteral("Password:"),
        QStringLiteral("Email:"), QStringLiteral("Administrator:"), QString(), QStringLiteral("User #:"),
        QStringLiteral("Log In ID:"), QStringLiteral("Password:"), QStringLiteral("Email:"),
        QStringLiteral("Administrator:") };
    EXPECT_EQ(names, expectedNames);
    EXPECT_EQ(values.mid(3, 6),
        QStringList({ QString(), QStringLiteral("1"), QStringLiteral("ann"), QStringLiteral("a-pw"),
            QStringLiteral("ann@example.com"), QStringLiteral("No") }));
    EXPECT_EQ(values.mid(9, 6),
        QStringList({ QString(), QStringLiteral("2"), QStringLiteral("bob"), QStringLiteral("b-pw"),
            QStringLiteral("bob@example.com"), QStringLiteral("Yes") }));
}

} // namespace

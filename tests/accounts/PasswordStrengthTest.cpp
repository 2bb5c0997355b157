// Grades of passwords (zxcvbn's estimate against the bit thresholds) and of PINs (their own scale).
#include "accounts/PasswordStrength.h"
#include "accounts/AccountFactory.h"
#include "accounts/WebSiteAccount.h"

#include <gtest/gtest.h>

using namespace PasswordStrength;

namespace {

TEST(PasswordStrengthTest, PasswordsGetTheGradeOfTheirEstimate)
{
    // clang-format off
    struct Row { const char* password; StrengthGrade grade; };
    const Row rows[] = {
        { "", StrengthGrade::Bad },
        { "password", StrengthGrade::Bad },              // the most common password: 0 bits
        { "123456", StrengthGrade::Poor },
        { "qwertyuiop", StrengthGrade::Poor },           // keyboard walk
        { "1qaz2wsx", StrengthGrade::Poor },             // keyboard walk down the columns
        { "1985-03-12", StrengthGrade::Poor },           // a date
        { "Summer2023!", StrengthGrade::Poor },          // word, year, symbol
        { "P@ssw0rd", StrengthGrade::Poor },             // a known word in leet
        { "correcthorsebatterystaple", StrengthGrade::Weak },
        { "Tr0ub4dor&3", StrengthGrade::Weak },
        { "kX9#mQ2$vL", StrengthGrade::Weak },           // random, but only ten characters
        { "8fJ2kL9qW3xZ7mN4", StrengthGrade::Good },
        { "kX9#mQ2$vL7@pR4!", StrengthGrade::Good },
        { "uG8&zN3^wT6*bY1%hJ5#", StrengthGrade::Excellent },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.password);
        const Strength strength = ofPassword(QString::fromUtf8(row.password));
        EXPECT_EQ(strength.grade, row.grade) << strength.bits << " bits";
        EXPECT_EQ(strength.grade, gradeForBits(strength.bits));
    }
}

TEST(PasswordStrengthTest, ThresholdsAndNames)
{
    // clang-format off
    struct Row { double bits; StrengthGrade grade; const char* name; };
    const Row rows[] = {
        { -1, StrengthGrade::Bad, "Bad" },     { 0, StrengthGrade::Bad, "Bad" },
        { 0.01, StrengthGrade::Poor, "Poor" }, { 39.99, StrengthGrade::Poor, "Poor" },
        { 40, StrengthGrade::Weak, "Weak" },   { 74.99, StrengthGrade::Weak, "Weak" },
        { 75, StrengthGrade::Good, "Good" },   { 99.99, StrengthGrade::Good, "Good" },
        { 100, StrengthGrade::Excellent, "Excellent" }, { 1e9, StrengthGrade::Excellent, "Excellent" },
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(gradeForBits(row.bits), row.grade) << row.bits;
        EXPECT_EQ(gradeName(row.grade), QLatin1String(row.name));
        EXPECT_EQ(isWeak(row.grade), row.grade < StrengthGrade::Good);
    }
    EXPECT_EQ(gradeForBits(std::nan("")), StrengthGrade::Bad);
}

TEST(PasswordStrengthTest, PinsHaveTheirOwnScale)
{
    // clang-format off
    struct Row { const char* pin; StrengthGrade grade; };
    const Row rows[] = {
        { "", StrengthGrade::Bad },
        { "7", StrengthGrade::Weak },         { "4829", StrengthGrade::Weak },     // four digits or fewer
        { "12345", StrengthGrade::Weak },     { "98765", StrengthGrade::Weak },    // counting up or down
        { "67890", StrengthGrade::Weak },     { "32109", StrengthGrade::Weak },    // ... across 9 and 0
        { "00000", StrengthGrade::Weak },     { "121212", StrengthGrade::Weak },   // repeats
        { "123123", StrengthGrade::Weak },    { "11111111", StrengthGrade::Weak },
        { "58291", StrengthGrade::Good },     { "97531", StrengthGrade::Good },    // steps of two count as random
        { "1234567x", StrengthGrade::Excellent }, { "48291753", StrengthGrade::Excellent },
        { "1212121", StrengthGrade::Good },   // seven characters: no run repeats whole
    };
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(ofPin(QString::fromUtf8(row.pin)), row.grade) << row.pin;
    // The same text graded as a password would be Poor: PINs are never graded so.
    EXPECT_EQ(ofPassword(QStringLiteral("58291")).grade, StrengthGrade::Poor);
}

TEST(PasswordStrengthTest, TheAccountsOwnWordsCountAsCheap)
{
    auto site = createAccount(AccountId(1), AccountType::WebSite);
    site->SetTitle(QStringLiteral("Brightwater Credit Union"));
    site->setField(WebSiteAccount::UserId, ScrambledText(QStringLiteral("halvorsen")));
    site->AddUser(0, QStringLiteral("quillon"), QStringLiteral("pw"), QStringLiteral("marisol.t@example.org"));
    const QStringList words = userWordsOf(*site);
    for (const char* expected : { "Brightwater Credit Union", "Brightwater", "Credit", "Union", "halvorsen", "quillon",
             "marisol.t@example.org", "marisol.t" })
        EXPECT_TRUE(words.contains(QLatin1String(expected))) << expected;

    // clang-format off
    const char* const passwords[] = { "halvorsen1984", "Brightwater77", "marisol.t!2", "quillon-quillon" };
    // clang-format on
    for (const char* password : passwords) {
        const QString text = QLatin1String(password);
        EXPECT_LT(estimateBits(text, words), estimateBits(text)) << password;
    }
}

TEST(PasswordStrengthTest, OnlyTheFirst256CharactersAreEstimated)
{
    QString head;
    for (int i = 0; i < MaxEstimatedLength; ++i)
        head.append(QLatin1Char(char('!' + (i * 7919) % 90)));
    const double headBits = estimateBits(head);
    ASSERT_GT(headBits, 100);
    // clang-format off
    struct Row { QString password; double bits; };
    const Row rows[] = {
        { head + QStringLiteral("x").repeated(44), headBits * 300 / 256 },
        { head + QString(1 << 20, QLatin1Char('z')), headBits * (256 + (1 << 20)) / 256 },
        // A pair of surrogates is not cut in two: the head stops before it and the pair joins the rest.
        { head.left(255) + QStringLiteral("\U0001F600") + QStringLiteral("y"), estimateBits(head.left(255)) * 258 / 255 },
    };
    // clang-format on
    for (const Row& row : rows)
        EXPECT_NEAR(estimateBits(row.password), row.bits, 1e-6) << row.password.size();
    // A NUL does not end the password early: a password behind it still counts.
    EXPECT_GT(estimateBits(QStringLiteral("a") + QChar(u'\0') + QStringLiteral("uG8&zN3^wT6*bY1%hJ5#")), 100);
}

} // namespace

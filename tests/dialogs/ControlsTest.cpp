#include "dialogs/DialogTest.h"

#include "accounts/CallingCardAccount.h"
#include "accounts/CreditCardAccount.h"
#include "accounts/MedicalRecord.h"
#include "accounts/ReferenceRecord.h"
#include "core/AccountTypes.h"
#include "dialogs/AprEdit.h"
#include "dialogs/DatePicker.h"
#include "dialogs/TypeBox.h"
#include "support/ScopedTimeZone.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QGuiApplication>

#include <bit>

namespace {

class Controls : public DialogTest {
protected:
    // A new Credit Card dialog with its required fields typed in.
    std::unique_ptr<TableAccountDialog> cardDialog(AccountId id = AccountId::None)
    {
        auto dialog = open(AccountType::CreditCard, id);
        if (id == AccountId::None) {
            type(*dialog, 1052, QStringLiteral("Card"));
            type(*dialog, 1023, QStringLiteral("Bank"));
            type(*dialog, 1046, QStringLiteral("Me"));
            type(*dialog, 1027, QStringLiteral("4111"));
        }
        return dialog;
    }

    template <class Account> Account* fileNew(TableAccountDialog& dialog)
    {
        clickOk(dialog);
        EXPECT_TRUE(accepted(dialog)) << prompts.shown.join(u'|').toStdString();
        const AccountId id = fileAccount(dialog);
        return dynamic_cast<Account*>(doc.FindAccount(id));
    }

    template <class Account> Account* addFilled(AccountType type, const QString& title)
    {
        const AccountId id = addAccount(type, title);
        return dynamic_cast<Account*>(doc.FindAccount(id));
    }
};

TEST_F(Controls, MemoEnterPressesOkAndCtrlEnterBreaksTheLine)
{
    auto dialog = cardDialog();
    QWidget* memo = dialog->control(1030);
    QTest::keyClicks(memo, QStringLiteral("555-1234"));
    QTest::keyClick(memo, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(memo, QStringLiteral("ext 9"));
    EXPECT_TRUE(isOpen(*dialog));
    QTest::keyClick(memo, Qt::Key_Return);
    ASSERT_TRUE(accepted(*dialog));
    EXPECT_EQ(
        static_cast<CreditCardAccount*>(dialog->GetAccount())->GetServicePhone(), QStringLiteral("555-1234\r\next 9"));
}

TEST_F(Controls, EnterInEditsTypeBoxesAndDatePickersPressesTheDefaultButton)
{
    for (int id : { 1034, 1025, 1026, 1029 }) {
        auto dialog = cardDialog();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        dialog->control(id)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(accepted(*dialog)) << id;
    }
}

TEST_F(Controls, MemoStoresCrLfForEveryLineBreakAndAnUntouchedTextExactly)
{
    auto* record = addFilled<ReferenceRecord>(AccountType::Reference, QStringLiteral("Note"));
    record->SetAbout(QStringLiteral("About"));
    // clang-format off
    struct Row { const char16_t* stored; const char16_t* typed; const char16_t* kept; }; // typed null: untouched
    const Row rows[] = {
        { u"first\r\nsecond\u2029third\u00a0end", nullptr, u"first\r\nsecond\u2029third\u00a0end" },
        { u"lf\nonly\rcr", nullptr, u"lf\nonly\rcr" },
        { u"one\r\ntwo", u"three", u"one\r\ntwo\r\nthree" },
        { u"", u"new", u"\r\nnew" },
        { u"one line", u"two", u"one line\r\ntwo" },
        { u"lf\nbefore", u"after", u"lf\r\nbefore\r\nafter" },
    };
    // clang-format on
    for (const Row& row : rows) {
        const QString stored = QString::fromUtf16(row.stored);
        SCOPED_TRACE(stored.toStdString());
        record->SetDescription(stored);
        auto edit = open(AccountType::Reference, record->GetId());
        if (row.typed) {
            auto* memo = edit->control<QPlainTextEdit>(1125);
            memo->moveCursor(QTextCursor::End);
            QTest::keyClick(memo, Qt::Key_Return, Qt::ControlModifier);
            QTest::keyClicks(memo, QString::fromUtf16(row.typed));
        }
        clickOk(*edit);
        ASSERT_TRUE(accepted(*edit));
        EXPECT_EQ(record->GetDescription(), QString::fromUtf16(row.kept));
    }
}

TEST_F(Controls, OneMegabytePastedIntoAMemoIsStoredWhole)
{
    QString big;
    big.reserve(1 << 20);
    for (int line = 0; big.size() < (1 << 20); ++line)
        big += QStringLiteral("line %1 \u00a0\u00e9\U0001F600 some phone numbers 555-0100 and more text to fill\n")
                   .arg(line);
    auto dialog = cardDialog();
    QWidget* memo = dialog->control(1030);
    paste(memo, big);
    clickOk(*dialog);
    ASSERT_TRUE(accepted(*dialog));
    EXPECT_EQ(static_cast<CreditCardAccount*>(dialog->GetAccount())->GetServicePhone(),
        QString(big).replace(u'\n', QStringLiteral("\r\n")));
}

TEST_F(Controls, EditsHaveNoLengthLimitAndKeepEveryStorableCharacter)
{
    const QString texts[] = {
        QString(100000, u'x'),
        QStringLiteral("tab\there nbsp\u00a0 emoji\U0001F600 replacement\uFFFD katakana\uFF71\uFF9F"),
        QStringLiteral("combining e\u0301 rtl \u05d0\u05d1 zero-width\u200b bom\uFEFF"),
        QStringLiteral("  leading and trailing blanks  "),
        QStringLiteral("%1 %2 %n"),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.left(40).toStdString());
        auto dialog = cardDialog();
        paste(dialog->control(1052), text);
        paste(dialog->control(1034), text);
        clickOk(*dialog);
        ASSERT_TRUE(accepted(*dialog)) << prompts.shown.join(u'|').toStdString();
        EXPECT_EQ(dialog->GetAccount()->GetTitle(), QStringLiteral("Card") + text);
        EXPECT_EQ(static_cast<CreditCardAccount*>(dialog->GetAccount())->GetPin(), text);
    }
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(Controls, EveryUnstorableCharacterIsRefusedAndNothingIsStored)
{
    // The whole range the file format substitutes for plain characters, bar U+FFFD.
    for (char16_t code = 0xFFA0; code != 0xFFFF; ++code) {
        if (code == 0xFFFD)
            continue;
        auto* card = addFilled<CreditCardAccount>(AccountType::CreditCard, QStringLiteral("C%1").arg(int(code)));
        card->SetPin(QStringLiteral("1234"));
        prompts.shown.clear();
        doc.SetModifiedFlag(false);
        auto dialog = open(AccountType::CreditCard, card->GetId());
        // Required fields filled so that only the character stands in the way.
        type(*dialog, 1023, QStringLiteral("Bank"));
        type(*dialog, 1046, QStringLiteral("Me"));
        type(*dialog, 1027, QStringLiteral("4111"));
        paste(dialog->control(1034), QString(QChar(code)));
        clickOk(*dialog);
        ASSERT_EQ(prompts.shown.size(), 1) << int(code);
        EXPECT_EQ(prompts.shown.front(),
            QStringLiteral("The field \"PIN\" holds the character U+%1, which cannot be stored in a Quorril "
                           "file.\n\nRemove it and try again.")
                .arg(QString::number(code, 16).toUpper()));
        EXPECT_TRUE(isOpen(*dialog));
        EXPECT_EQ(card->GetPin(), QStringLiteral("1234"));
        EXPECT_EQ(card->GetProvider(), QString());
        EXPECT_FALSE(doc.IsModified());
        clickCancel(*dialog);
    }
}

TEST_F(Controls, TypeBoxListsItsItemsSortedAndANewCardStoresTheFirst)
{
    auto dialog = cardDialog();
    auto* box = dialog->control<TypeBox>(1025);
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    EXPECT_EQ(
        items, (QStringList { "American Express", "Debit", "Department Store", "Discover", "Master Card", "Visa" }));
    EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_EQ(box->currentText(), QStringLiteral("American Express"));
    auto* card = fileNew<CreditCardAccount>(*dialog);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->GetAccountType(), QStringLiteral("American Express"));
}

TEST_F(Controls, TypeBoxSelectsTheFirstItemBeginningWithTheStoredText)
{
    struct Case {
        const char* stored;
        int index; // selected item, -1 for none
        const char* shown; // edit field text
        const char* stored2; // what OK stores next
    };
    const Case cases[] = {
        { "visa", 5, "Visa", "Visa" },
        { "Vi", 5, "Visa", "Visa" },
        { "d", 1, "Debit", "Debit" },
        { "Gold Card", -1, "Gold Card", "Gold Card" },
        { "", -1, "", "" },
        { "Visa Gold", -1, "Visa Gold", "Visa Gold" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        auto* card = addFilled<CreditCardAccount>(AccountType::CreditCard, QString::fromUtf8(c.stored) + u'#');
        card->SetProvider(QStringLiteral("P"));
        card->SetNameOnCard(QStringLiteral("N"));
        card->SetAccountNumber(QStringLiteral("A"));
        card->SetAccountType(QString::fromUtf8(c.stored));
        auto dialog = open(AccountType::CreditCard, card->GetId());
        auto* box = dialog->control<TypeBox>(1025);
        EXPECT_EQ(box->currentIndex(), c.index);
        EXPECT_EQ(box->currentText(), QString::fromUtf8(c.shown));
        clickOk(*dialog);
        ASSERT_TRUE(accepted(*dialog));
        EXPECT_EQ(card->GetAccountType(), QString::fromUtf8(c.stored2));
    }
}

TEST_F(Controls, TypedTypeTextIsStoredAsTyped)
{
    auto dialog = cardDialog();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    dialog->control(1025)->setFocus(Qt::TabFocusReason);
    type(*dialog, 1025, QStringLiteral("Gold Card"));
    type(*dialog, 1025, QStringLiteral("vis")); // no completion while typing
    EXPECT_EQ(shown(*dialog, 1025), QStringLiteral("vis"));
    auto* card = fileNew<CreditCardAccount>(*dialog);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->GetAccountType(), QStringLiteral("vis"));
}

TEST_F(Controls, AprReadsDecimalsAndRefusesTextThatIsNoNumber)
{
    auto dialog = cardDialog();
    type(*dialog, 1029, QStringLiteral("12.50"));
    auto* card = fileNew<CreditCardAccount>(*dialog);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->GetApr(), 12.5);

    for (const char* bad : { "", "abc", "12%", ".0" }) {
        SCOPED_TRACE(bad);
        prompts.shown.clear();
        doc.SetModifiedFlag(false);
        auto edit = open(AccountType::CreditCard, card->GetId());
        EXPECT_EQ(shown(*edit, 1029), QStringLiteral("12.5"));
        type(*edit, 1052, QStringLiteral("Renamed"));
        type(*edit, 1029, QString::fromUtf8(bad));
        clickOk(*edit);
        EXPECT_EQ(prompts.shown, QStringList { QStringLiteral("Please enter a number.") });
        EXPECT_TRUE(isOpen(*edit));
        EXPECT_EQ(edit->focusWidget(), edit->control(1029));
        EXPECT_EQ(card->GetTitle(), QStringLiteral("Card")); // nothing stored
        EXPECT_EQ(card->GetApr(), 12.5);
        EXPECT_FALSE(doc.IsModified());
        clickCancel(*edit);
    }

    auto zero = open(AccountType::CreditCard, card->GetId());
    type(*zero, 1029, QStringLiteral("0"));
    clickOk(*zero);
    EXPECT_TRUE(accepted(*zero));
    EXPECT_EQ(card->GetApr(), 0.0);
}

TEST_F(Controls, AnUntouchedAprKeepsEveryDigitOfTheStoredNumber)
{
    auto* card = addFilled<CreditCardAccount>(AccountType::CreditCard, QStringLiteral("Card"));
    card->SetProvider(QStringLiteral("P"));
    card->SetNameOnCard(QStringLiteral("N"));
    card->SetAccountNumber(QStringLiteral("A"));
    card->SetApr(0.1 + 0.2);
    auto dialog = open(AccountType::CreditCard, card->GetId());
    EXPECT_EQ(shown(*dialog, 1029), QStringLiteral("0.3"));
    EXPECT_EQ(dialog->control<AprEdit>(1029)->alignment() & Qt::AlignRight, Qt::AlignRight);
    clickOk(*dialog);
    ASSERT_TRUE(accepted(*dialog));
    EXPECT_EQ(card->GetApr(), 0.1 + 0.2);
}

TEST_F(Controls, MinutesTakeDigitsOnlyFromTheKeyboard)
{
    auto dialog = open(AccountType::CallingCard);
    type(*dialog, 1098, QStringLiteral("Phone"));
    type(*dialog, 1099, QStringLiteral("Tel"));
    type(*dialog, 1093, QStringLiteral("555"));
    type(*dialog, 1094, QStringLiteral("99"));
    EXPECT_EQ(shown(*dialog, 1097), QStringLiteral("0"));
    type(*dialog, 1097, QStringLiteral("1-2a0 "));
    EXPECT_EQ(shown(*dialog, 1097), QStringLiteral("120"));
    clickOk(*dialog);
    ASSERT_TRUE(accepted(*dialog));
    auto* card = static_cast<CallingCardAccount*>(dialog->GetAccount());
    EXPECT_EQ(card->GetRemainingMinutes(), 120);
    const AccountId id = fileAccount(*dialog);

    for (const QString& bad : { QString(), QStringLiteral("99999999999"), QStringLiteral("12x") }) {
        SCOPED_TRACE(bad.toStdString());
        prompts.shown.clear();
        auto edit = open(AccountType::CallingCard, id);
        EXPECT_EQ(shown(*edit, 1097), QStringLiteral("120"));
        if (bad.contains(u'x'))
            paste(edit->control(1097), bad); // a paste is not filtered
        else
            type(*edit, 1097, bad);
        type(*edit, 1096, QStringLiteral("service"));
        clickOk(*edit);
        EXPECT_EQ(prompts.shown, QStringList { QStringLiteral("Please enter an integer.") });
        EXPECT_TRUE(isOpen(*edit));
        EXPECT_EQ(card->GetRemainingMinutes(), 120);
        EXPECT_EQ(card->GetServicePhone(), QString());
        clickCancel(*edit);
    }
}

TEST_F(Controls, MiddleInitialTurnsTypedLettersIntoUpperCase)
{
    auto dialog = open(AccountType::Medical);
    type(*dialog, 1071, QStringLiteral("q"));
    EXPECT_EQ(shown(*dialog, 1071), QStringLiteral("Q"));
    paste(dialog->control(1071), QStringLiteral("r"));
    EXPECT_EQ(shown(*dialog, 1071), QStringLiteral("QR"));
}

TEST_F(Controls, DatePickerKeepsTheStoredValueAndTheTimeOfDay)
{
    auto* card = addFilled<CreditCardAccount>(AccountType::CreditCard, QStringLiteral("Card"));
    card->SetProvider(QStringLiteral("P"));
    card->SetNameOnCard(QStringLiteral("N"));
    card->SetAccountNumber(QStringLiteral("A"));
    const OleDateTime stored(45000.75); // 15 March 2023, 18:00
    card->SetExpiration(stored);

    auto dialog = open(AccountType::CreditCard, card->GetId());
    auto* picker = dialog->control<DatePicker>(1026);
    EXPECT_EQ(picker->date(), QDate(2023, 3, 15));
    EXPECT_TRUE(picker->calendarPopup());
    clickOk(*dialog);
    ASSERT_TRUE(accepted(*dialog));
    EXPECT_EQ(card->GetExpiration(), stored);

    auto edit = open(AccountType::CreditCard, card->GetId());
    picker = edit->control<DatePicker>(1026);
    picker->setFocus();
    picker->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClick(picker, Qt::Key_Up);
    EXPECT_EQ(picker->date(), QDate(2023, 3, 16));
    clickOk(*edit);
    ASSERT_TRUE(accepted(*edit));
    EXPECT_EQ(card->GetExpiration(), OleDateTime(45001.75));
}

TEST_F(Controls, DatePickerCalendarDropsDownAlignedRight)
{
    auto dialog = cardDialog();
    dialog->move(300, 200);
    auto* picker = dialog->control<DatePicker>(1026);
    QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(picker->width() - 4, picker->height() / 2));
    QWidget* popup = picker->calendarWidget()->window();
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->geometry().right(), picker->mapToGlobal(QPoint(picker->width(), 0)).x() - 1);
    popup->hide();
}

// Ways the user can leave the date shown as it is, or touch it and come back to it.
enum class Touch { None, UpThenDown, CalendarEnter };

void touchDate(DatePicker& picker, Touch how)
{
    const QDate shown = picker.date();
    if (how == Touch::UpThenDown) {
        picker.setFocus();
        picker.setSelectedSection(QDateTimeEdit::DaySection);
        QTest::keyClick(&picker, Qt::Key_Up);
        EXPECT_NE(picker.date(), shown);
        QTest::keyClick(&picker, Qt::Key_Down);
    } else if (how == Touch::CalendarEnter) {
        // Opens the calendar and picks the day it highlights, the one shown.
        QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(picker.width() - 4, picker.height() / 2));
        QWidget* popup = picker.calendarWidget()->window();
        EXPECT_TRUE(popup->isVisible());
        QWidget* days = picker.calendarWidget()->focusProxy();
        QTest::keyClick(days ? days : picker.calendarWidget(), Qt::Key_Return);
        EXPECT_FALSE(popup->isVisible());
    }
    EXPECT_EQ(picker.date(), shown);
}

TEST_F(Controls, DatePickerKeepsAnUntouchedDateThatIsNotValidAndStoresTodayOnceTouched)
{
    auto* card = addFilled<CreditCardAccount>(AccountType::CreditCard, QStringLiteral("Card"));
    card->SetProvider(QStringLiteral("P"));
    card->SetNameOnCard(QStringLiteral("N"));
    card->SetAccountNumber(QStringLiteral("A"));
    for (const OleDateTime& stored : { OleDateTime(0.0, OleDateTime::null), OleDateTime(45000.5, OleDateTime::invalid),
             OleDateTime(1e12), OleDateTime(-700000.0) }) {
        for (Touch how : { Touch::None, Touch::UpThenDown, Touch::CalendarEnter }) {
            SCOPED_TRACE(
                testing::Message() << stored.value() << " status " << stored.GetStatus() << " touch " << int(how));
            card->SetExpiration(stored);
            auto dialog = open(AccountType::CreditCard, card->GetId());
            auto* picker = dialog->control<DatePicker>(1026);
            const QDate today = QDate::currentDate();
            EXPECT_EQ(picker->date(), today);
            touchDate(*picker, how);
            const double before = OleDateTime::GetCurrentTime().value();
            clickOk(*dialog);
            ASSERT_TRUE(accepted(*dialog));
            const OleDateTime result = card->GetExpiration();
            if (how == Touch::None) {
                EXPECT_EQ(result.GetStatus(), stored.GetStatus());
                EXPECT_EQ(std::bit_cast<quint64>(result.value()), std::bit_cast<quint64>(stored.value()));
                continue;
            }
            EXPECT_TRUE(result.isValid());
            EXPECT_EQ(result.date(), today);
            EXPECT_LE(result.value(), before) << "today, at the time the dialog opened";
        }
    }
}

// Each stored date lies in a clock-change gap of the zone beside it, where a local-time conversion
// turns invalid: the picker must still show it, keep it, and store it again once touched.
TEST_F(Controls, DatePickerShowsAndStoresDatesInAClockChangeGap)
{
    struct Row {
        const char* zone;
        double value;
        QDate date;
    };
    const Row rows[] = {
        { "Europe/Berlin", 45011.0 + 2.5 / 24, QDate(2023, 3, 26) },
        { "America/Sao_Paulo", 43408.0, QDate(2018, 11, 4) },
        { "America/Havana", 44997.0, QDate(2023, 3, 12) },
        { "Pacific/Apia", 40907.5, QDate(2011, 12, 30) },
    };
    auto* card = addFilled<CreditCardAccount>(AccountType::CreditCard, QStringLiteral("Card"));
    card->SetProvider(QStringLiteral("P"));
    card->SetNameOnCard(QStringLiteral("N"));
    card->SetAccountNumber(QStringLiteral("A"));
    for (const Row& row : rows) {
        const ScopedTimeZone tz(row.zone);
        for (Touch how : { Touch::None, Touch::UpThenDown, Touch::CalendarEnter }) {
            SCOPED_TRACE(testing::Message() << row.zone << " touch " << int(how));
            card->SetExpiration(OleDateTime(row.value));
            auto dialog = open(AccountType::CreditCard, card->GetId());
            auto* picker = dialog->control<DatePicker>(1026);
            EXPECT_EQ(picker->date(), row.date);
            touchDate(*picker, how);
            clickOk(*dialog);
            ASSERT_TRUE(accepted(*dialog));
            EXPECT_EQ(card->GetExpiration(), OleDateTime(row.value));
        }
        // From the day before, at the same time of day, one day up: into the gap.
        card->SetExpiration(OleDateTime(row.value - 1));
        auto dialog = open(AccountType::CreditCard, card->GetId());
        auto* picker = dialog->control<DatePicker>(1026);
        picker->setFocus();
        picker->setSelectedSection(QDateTimeEdit::DaySection);
        QTest::keyClick(picker, Qt::Key_Up);
        EXPECT_EQ(picker->date(), row.date) << row.zone;
        clickOk(*dialog);
        ASSERT_TRUE(accepted(*dialog));
        EXPECT_EQ(card->GetExpiration(), OleDateTime(row.value)) << row.zone;
    }
}

TEST_F(Controls, NewDatesStartAtTheCurrentDateAndTime)
{
    const double before = OleDateTime::GetCurrentTime().value();
    auto dialog = cardDialog();
    auto* card = fileNew<CreditCardAccount>(*dialog);
    ASSERT_NE(card, nullptr);
    EXPECT_GE(card->GetExpiration().value(), before);
    EXPECT_LE(card->GetExpiration().value(), OleDateTime::GetCurrentTime().value());
    EXPECT_EQ(card->GetApr(), 0.0);
}

} // namespace

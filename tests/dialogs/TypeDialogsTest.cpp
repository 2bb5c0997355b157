#include "dialogs/DialogTest.h"

#include "accounts/BankAccount.h"
#include "accounts/InsuranceAccount.h"
#include "accounts/MedicalRecord.h"
#include "accounts/PurchasedItemRecord.h"
#include "accounts/SoftwareRecord.h"
#include "core/AccountTypes.h"
#include "dialogs/InsuranceAccountDlg.h"
#include "dialogs/TypeBox.h"

#include <QAbstractItemView>
#include <QLabel>

namespace {

class TypeDialogs : public DialogTest {
protected:
    // Picks a list item of a type box as the user does: the list item is activated.
    static void pick(TableAccountDialog& dialog, int id, const QString& item)
    {
        auto* box = dialog.control<TypeBox>(id);
        const int index = box->findText(item, Qt::MatchExactly);
        ASSERT_GE(index, 0) << item.toStdString();
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }
    static QString detailLabel(TableAccountDialog& dialog) { return dialog.label(1079)->text(); }

    std::unique_ptr<TableAccountDialog> insuranceDialog()
    {
        auto dialog = open(AccountType::Insurance);
        type(*dialog, 1053, QStringLiteral("Policy"));
        type(*dialog, 1031, QStringLiteral("Ins"));
        type(*dialog, 1032, QStringLiteral("P-1"));
        type(*dialog, 1048, QStringLiteral("Me"));
        return dialog;
    }
};

TEST_F(TypeDialogs, InsuranceDetailLabelFollowsThePickedType)
{
    auto dialog = insuranceDialog();
    EXPECT_EQ(detailLabel(*dialog), QStringLiteral("Item Description:"));
    const std::pair<const char*, const char*> picks[] = {
        { "Home Owner", "Property Address:" },
        { "Art", "Item Description:" },
        { "Car", "VIN #:" },
        { "Life", "Beneficiary:" },
        { "Child", "Child Name:" },
        { "Household Goods", "Item Description:" },
    };
    for (const auto& [item, label] : picks) {
        pick(*dialog, 1003, QString::fromUtf8(item));
        EXPECT_EQ(detailLabel(*dialog), QString::fromUtf8(label)) << item;
    }
    // Typing into the box does not relabel.
    type(*dialog, 1003, QStringLiteral("Car"));
    EXPECT_EQ(detailLabel(*dialog), QStringLiteral("Item Description:"));
}

TEST_F(TypeDialogs, InsuranceReopensWithTheLabelOfItsStoredType)
{
    const std::pair<const char*, const char*> stored[] = {
        { "Life", "Beneficiary:" }, { "car", "VIN #:" }, { "Boat", "Item Description:" }, { "", "Item Description:" },
        { "Ho", "Property Address:" }, // begins "Home Owner", the first item that begins so
    };
    for (const auto& [type, label] : stored) {
        SCOPED_TRACE(type);
        const AccountId id = addAccount(AccountType::Insurance, QStringLiteral("I-") + QString::fromUtf8(type));
        static_cast<InsuranceAccount*>(doc.FindAccount(id))->SetInsuranceType(QString::fromUtf8(type));
        auto dialog = open(AccountType::Insurance, id);
        EXPECT_EQ(detailLabel(*dialog), QString::fromUtf8(label));
    }
}

TEST_F(TypeDialogs, InsuranceDetailLabelNamesTheFieldInTheUnstorableMessage)
{
    auto dialog = insuranceDialog();
    pick(*dialog, 1003, QStringLiteral("Car"));
    type(*dialog, 1080, QString(QChar(0xFFB0)));
    clickOk(*dialog);
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown.front().startsWith(QStringLiteral("The field \"VIN #\" holds the character U+FFB0")));
}

TEST_F(TypeDialogs, NewAccountsStoreTheFirstItemOfTheirTypeList)
{
    struct Case {
        AccountType type;
        int box;
        const char* first;
    };
    const Case cases[] = {
        { AccountType::CreditCard, 1025, "American Express" },
        { AccountType::Bank, 1017, "401K" },
        { AccountType::Insurance, 1003, "Antique" },
        { AccountType::Medical, 1073, "Unknown" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        auto dialog = open(c.type);
        auto* box = dialog->control<TypeBox>(c.box);
        EXPECT_EQ(box->currentText(), QString::fromUtf8(c.first));
        EXPECT_EQ(box->itemText(box->currentIndex()), QString::fromUtf8(c.first));
    }
    auto bank = open(AccountType::Bank);
    type(*bank, 1051, QStringLiteral("B"));
    type(*bank, 1014, QStringLiteral("I"));
    type(*bank, 1047, QStringLiteral("N"));
    type(*bank, 1015, QStringLiteral("1"));
    clickOk(*bank);
    ASSERT_TRUE(accepted(*bank));
    EXPECT_EQ(static_cast<BankAccount*>(bank->GetAccount())->GetAccountType(), QStringLiteral("401K"));
}

TEST_F(TypeDialogs, MedicalTitleIsTheNameAndANewRecordIsOfUnknownBloodType)
{
    auto dialog = open(AccountType::Medical);
    type(*dialog, 1070, QStringLiteral("John"));
    type(*dialog, 1071, QStringLiteral("q"));
    type(*dialog, 1072, QStringLiteral("Smith"));
    clickOk(*dialog);
    ASSERT_TRUE(accepted(*dialog));
    auto* record = static_cast<MedicalRecord*>(dialog->GetAccount());
    EXPECT_EQ(record->GetTitle(), QStringLiteral("JohnQSmith"));
    EXPECT_EQ(dialog->dialogTitle(), QStringLiteral("JohnQSmith"));
    EXPECT_EQ(record->GetBloodType(), QStringLiteral("Unknown"));
    EXPECT_EQ(record->GetMiddleInitial(), QStringLiteral("Q"));
    fileAccount(*dialog);

    // The same name in other case, or split otherwise, is the same title.
    for (const auto& parts : { std::array { "JOHN", "Q", "SMITH" }, std::array { "JohnQ", "", "Smith" } }) {
        prompts.shown.clear();
        auto again = open(AccountType::Medical);
        type(*again, 1070, QString::fromUtf8(parts[0]));
        type(*again, 1071, QString::fromUtf8(parts[1]));
        type(*again, 1072, QString::fromUtf8(parts[2]));
        prompts.addAnswer(false);
        clickOk(*again);
        EXPECT_EQ(prompts.shown, QStringList { QStringLiteral("[duplicate account]") }) << parts[0];
        EXPECT_TRUE(rejected(*again));
    }
}

TEST_F(TypeDialogs, MedicalNamesGetACapitalWhenTheFocusLeaves)
{
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = { { "john", "John" }, { "j", "J" }, { "", "" }, { "1st", "1st" }, { "élise", "Élise" },
        { "ßtraße", "ßtraße" }, { "\U0001D41Aa", "\U0001D41Aa" } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        auto dialog = open(AccountType::Medical);
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        for (int id : { 1070, 1072 }) {
            QWidget* edit = dialog->control(id);
            edit->setFocus(Qt::MouseFocusReason);
            type(*dialog, id, QString::fromUtf8(c.typed));
            dialog->control(1083)->setFocus(Qt::TabFocusReason);
            EXPECT_EQ(shown(*dialog, id), QString::fromUtf8(c.shown)) << id;
        }
        // Leaving towards Cancel counts too.
        dialog->control(1070)->setFocus(Qt::TabFocusReason);
        type(*dialog, 1070, QStringLiteral("ann"));
        clickCancel(*dialog);
        EXPECT_EQ(shown(*dialog, 1070), QStringLiteral("Ann"));
    }
}

TEST_F(TypeDialogs, PurchasedItemNeedsAModelOrASerialNumber)
{
    const char* message = "Account cannot be Created or Updated if these fields are empty:\n   - Title\n"
                          "   - Manufacturer\n   - Description\n   - Model Or Serial #\n\nWould you like to go back "
                          "and edit these?";
    auto dialog = open(AccountType::PurchasedItem);
    type(*dialog, 1105, QStringLiteral("TV"));
    type(*dialog, 1109, QStringLiteral("Acme"));
    type(*dialog, 1106, QStringLiteral("Big"));
    prompts.addAnswer(true);
    clickOk(*dialog);
    EXPECT_EQ(prompts.shown, QStringList { QString::fromUtf8(message) });
    type(*dialog, 1100, QStringLiteral("SN-1"));
    clickOk(*dialog);
    ASSERT_TRUE(accepted(*dialog));
    auto* item = static_cast<PurchasedItemRecord*>(dialog->GetAccount());
    EXPECT_EQ(item->GetSerialNumber(), QStringLiteral("SN-1"));
    EXPECT_EQ(item->GetModelNumber(), QString());
}

TEST_F(TypeDialogs, SoftwareNeedsASerialNumberOrACdKey)
{
    auto dialog = open(AccountType::Software);
    type(*dialog, 1091, QStringLiteral("Editor"));
    type(*dialog, 1089, QStringLiteral("Acme"));
    prompts.addAnswer(true);
    clickOk(*dialog);
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown.front().contains(QStringLiteral("   - Serial # Or CD Key\n\n")));
    type(*dialog, 1087, QStringLiteral("KEY-123"));
    clickOk(*dialog);
    ASSERT_TRUE(accepted(*dialog));
    EXPECT_EQ(static_cast<SoftwareRecord*>(dialog->GetAccount())->GetCdKey(), QStringLiteral("KEY-123"));
}

TEST_F(TypeDialogs, ATitleOfOneBlankPassesTheRequiredCheck)
{
    auto dialog = open(AccountType::Reference);
    type(*dialog, 1122, QStringLiteral(" "));
    type(*dialog, 1124, QStringLiteral("a"));
    type(*dialog, 1125, QStringLiteral("b"));
    clickOk(*dialog);
    EXPECT_TRUE(accepted(*dialog));
    EXPECT_EQ(dialog->GetAccount()->GetTitle(), QStringLiteral(" "));
}

TEST_F(TypeDialogs, EveryTableFieldExistsInItsAccountWithTheKindOfItsControl)
{
    // A misspelt field name in a dialog table would silently never be loaded or stored.
    for (AccountType type : kAccountTypes) {
        SCOPED_TRACE(typeCode(type));
        auto dialog = open(type);
        const RecordLayout* layout = layoutOf(type);
        ASSERT_NE(layout, nullptr);
        int bound = 0;
        int userBound = 0;
        for (const ControlSpec& control : dialog->table().controls) {
            if (control.userField) {
                const RecordLayout& users = UserEntry::Layout();
                const int index = users.indexOf(QString::fromLatin1(control.userField));
                ASSERT_GE(index, 0) << control.userField;
                EXPECT_EQ(dialog->fieldValue(control.id).index(), size_t(users.fields[size_t(index)].kind));
                ++userBound;
            }
            if (!control.field || QLatin1StringView(control.field) == QLatin1StringView("title"))
                continue;
            const int index = layout->indexOf(QString::fromLatin1(control.field));
            ASSERT_GE(index, 0) << control.field;
            EXPECT_EQ(dialog->fieldValue(control.id).index(), size_t(layout->fields[size_t(index)].kind))
                << control.field;
            ++bound;
        }
        EXPECT_EQ(bound, int(layout->fields.size()));
        // The dialog of a type that lists its users edits every field of a user.
        EXPECT_EQ(userBound, layout->users == UserListing::Listed ? int(UserEntry::Layout().fields.size()) : 0);
        EXPECT_EQ(dialog->table().storeOrder.size(), layout->fields.size());
    }
}

} // namespace

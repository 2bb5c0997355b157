// The strength bar under the password fields: it follows the typing, knows the account's words,
// makes room for itself, and grades the generator's exact bits.
#include "dialogs/StrengthBar.h"
#include "dialogs/DialogTest.h"
#include "dialogs/PasswordDlg.h"
#include "dialogs/PasswordGeneratorDlg.h"

#include <QCheckBox>
#include <QSpinBox>

namespace {

using StrengthBarTest = DialogTest;

// Control ids of the fields the tests type into.
constexpr int kSiteTitle = 1054, kSiteUserId = 1005, kSitePassword = 1008;
constexpr int kMailTitle = 1040, kMailLoginId = 1009, kMailPassword = 1018;

StrengthBar* barUnder(QWidget* field)
{
    for (auto* bar : field->parentWidget()->findChildren<StrengthBar*>())
        if (bar->geometry().top() > field->geometry().bottom() && bar->geometry().left() == field->geometry().left())
            return bar;
    return nullptr;
}

TEST_F(StrengthBarTest, ThePasswordFieldsOfTheAccountDialogsAreGradedAsTyped)
{
    // clang-format off
    struct Row { AccountType type; int title, user, password; const char* titleText; const char* typed; const char* shown; };
    const Row rows[] = {
        { AccountType::WebSite, kSiteTitle, kSiteUserId, kSitePassword, "Forum", "", "" },
        { AccountType::WebSite, kSiteTitle, kSiteUserId, kSitePassword, "Forum", "dragon", "Poor" },
        { AccountType::WebSite, kSiteTitle, kSiteUserId, kSitePassword, "Forum", "kX9#mQ2$vL", "Weak" },
        { AccountType::WebSite, kSiteTitle, kSiteUserId, kSitePassword, "Forum", "uG8&zN3^wT6*bY1%hJ5#", "Excellent" },
        { AccountType::Email, kMailTitle, kMailLoginId, kMailPassword, "Mail", "password", "Bad" },
        { AccountType::Email, kMailTitle, kMailLoginId, kMailPassword, "Mail", "8fJ2kL9qW3xZ7mN4", "Good" },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        auto dialog = open(row.type);
        type(*dialog, row.title, QString::fromUtf8(row.titleText));
        type(*dialog, row.password, QString::fromUtf8(row.typed));
        StrengthBar* bar = barUnder(dialog->control(row.password));
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->text(), QString::fromUtf8(row.shown));
        EXPECT_EQ(bar->accessibleDescription(), QString::fromUtf8(row.shown));
    }

    // The account's own words are guessed first: a password made of the user name is weaker.
    for (const auto& [type, user, password] : { std::tuple { AccountType::WebSite, kSiteUserId, kSitePassword },
             std::tuple { AccountType::Email, kMailLoginId, kMailPassword } }) {
        auto dialog = open(type);
        this->type(*dialog, password, QStringLiteral("Halvorsen#Quillon"));
        StrengthBar* bar = barUnder(dialog->control(password));
        const std::optional<StrengthGrade> alone = bar->grade();
        this->type(*dialog, user, QStringLiteral("Halvorsen#Quillon"));
        this->type(*dialog, password, QStringLiteral("Halvorsen#Quillon"));
        ASSERT_TRUE(alone && bar->grade());
        EXPECT_LT(*bar->grade(), *alone) << accountTypeName(type).toStdString();
    }
}

TEST_F(StrengthBarTest, TheBarMakesRoomBelowItsField)
{
    const auto overlaps = [](QWidget* dialog, QWidget* bar) {
        for (QWidget* other : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != bar && other->isVisible() && !other->inherits("QGroupBox")
                && other->geometry().intersects(bar->geometry()))
                return true;
        return false;
    };
    for (const auto& [type, password] :
        { std::pair { AccountType::WebSite, kSitePassword }, std::pair { AccountType::Email, kMailPassword } }) {
        SCOPED_TRACE(accountTypeName(type).toStdString());
        auto dialog = open(type);
        QWidget* field = dialog->control(password);
        StrengthBar* bar = barUnder(field);
        ASSERT_NE(bar, nullptr);
        EXPECT_FALSE(overlaps(dialog.get(), bar));
        int lowest = 0;
        for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            lowest = std::max(lowest, child->geometry().bottom());
        EXPECT_LT(lowest, dialog->height()) << "everything still inside the dialog";
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << "still of a fixed size";
    }

    CPasswordDlg setPassword(prompts, Prompts::PasswordMode::Set);
    setPassword.show();
    ASSERT_NE(setPassword.strengthBar(), nullptr);
    EXPECT_FALSE(overlaps(&setPassword, setPassword.strengthBar()));
    typeKeys(setPassword.passwordEdit(), QStringLiteral("letmein"));
    EXPECT_EQ(setPassword.strengthBar()->text(), QStringLiteral("Poor"));
    CPasswordDlg verify(prompts, Prompts::PasswordMode::Verify);
    EXPECT_EQ(verify.strengthBar(), nullptr) << "opening a wallet grades nothing";
}

TEST_F(StrengthBarTest, TheGeneratorGradesItsExactBits)
{
    PasswordGeneratorDlg dialog;
    // clang-format off
    const std::pair<int, const char*> rows[] = { { 8, "Weak" }, { 12, "Good" }, { 20, "Excellent" } }; // of all four kinds
    // clang-format on
    for (const auto& [length, grade] : rows) {
        dialog.lengthBox()->setValue(length);
        EXPECT_EQ(dialog.strengthBar()->grade(), PasswordStrength::gradeForBits(strengthBits(dialog.options())));
        EXPECT_EQ(dialog.strengthBar()->text(), QLatin1String(grade)) << length;
    }
    dialog.lengthBox()->setValue(8);
    for (auto c : { PasswordGenerator::Upper, PasswordGenerator::Lower, PasswordGenerator::Symbols })
        dialog.classBox(c)->setChecked(false);
    EXPECT_EQ(dialog.strengthBar()->text(), QStringLiteral("Poor")) << "eight digits";
    dialog.classBox(PasswordGenerator::Digits)->setChecked(false);
    EXPECT_FALSE(dialog.strengthBar()->grade());
}

} // namespace

// "Generate Password" in the password fields' context menus, and the generator dialog.
#include "dialogs/DialogTest.h"
#include "dialogs/GeneratePasswordMenu.h"
#include "dialogs/PasswordDlg.h"
#include "dialogs/PasswordGeneratorDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>

namespace {

using GenerateMenuTest = DialogTest;

// Opens the edit's context menu as a right click does and picks "Generate Password" in it; returns
// whether the menu offered it.
bool pickGenerate(QLineEdit* edit)
{
    bool offered = false;
    QTimer::singleShot(0, [&offered] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions())
            if (action->text() == QLatin1String("Generate Password")) {
                offered = true;
                menu->setActiveAction(action);
                action->trigger();
            }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(edit, &event);
    return offered;
}

TEST_F(GenerateMenuTest, PasswordFieldsOfferAGeneratedPasswordAndNothingMoves)
{
    const auto tableField = [](int id) {
        return [id](QDialog& d) { return static_cast<TableAccountDialog&>(d).control<QLineEdit>(id); };
    };
    const auto passwordDlg = [this](Prompts::PasswordMode mode) {
        return [this, mode]() -> std::unique_ptr<QDialog> {
            auto dialog = std::make_unique<CPasswordDlg>(prompts, mode);
            dialog->show();
            return dialog;
        };
    };
    const auto first = [](QDialog& d) { return static_cast<CPasswordDlg&>(d).passwordEdit(); };
    const auto second = [](QDialog& d) { return static_cast<CPasswordDlg&>(d).verifyEdit(); };
    const auto accountDlg
        = [this](AccountType type) { return [this, type] { return std::unique_ptr<QDialog>(open(type)); }; };
    using Field = std::function<QLineEdit*(QDialog&)>;
    using Make = std::function<std::unique_ptr<QDialog>()>;
    // clang-format off
    struct Row { const char* name; Make make; Field field, alsoFilled; bool offered; }; // alsoFilled may be null
    const Row rows[] = {
        { "WebSite password", accountDlg(AccountType::WebSite), tableField(1008), nullptr, true },
        { "Email user password", accountDlg(AccountType::Email), tableField(1018), nullptr, true },
        { "new document password", passwordDlg(Prompts::PasswordMode::Set), first, second, true },
        { "its verify field", passwordDlg(Prompts::PasswordMode::Set), second, first, true },
        { "password to open a document", passwordDlg(Prompts::PasswordMode::Verify), first, nullptr, false },
        { "WebSite user id", accountDlg(AccountType::WebSite), tableField(1005), nullptr, false },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<QDialog> dialog = row.make();
        QLineEdit* field = row.field(*dialog);
        ASSERT_TRUE(field);
        const QRect place = field->geometry();
        const QSize size = dialog->size();
        EXPECT_EQ(pickGenerate(field), row.offered);
        const QString password = field->text();
        EXPECT_EQ(password.size(), row.offered ? 20 : 0);
        if (row.alsoFilled) {
            EXPECT_EQ(row.alsoFilled(*dialog)->text(), password);
        }
        EXPECT_EQ(field->geometry(), place);
        EXPECT_EQ(dialog->size(), size);
    }
}

TEST(PasswordGeneratorDlgTest, OptionsMakeTheirPasswordAndCopyHandsItOver)
{
    PasswordGeneratorDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Generate Password"));
    const QSpinBox* length = dialog.lengthBox();
    EXPECT_EQ(std::tuple(length->value(), length->minimum(), length->maximum()), std::tuple(20, 8, 128));
    EXPECT_EQ(dialog.lookAlikesBox()->text(), QStringLiteral("avoid look-alike characters"));
    EXPECT_EQ(dialog.copyButton()->text(), QStringLiteral("Copy"));
    EXPECT_EQ(dialog.regenerateButton()->text(), QStringLiteral("Regenerate"));
    using namespace PasswordGenerator;
    // clang-format off
    struct Row { int length; std::vector<CharacterClass> off; bool avoid; QString strength; };
    const Row rows[] = {
        { 20, {}, false, QStringLiteral("%1 bits").arg(std::floor(strengthBits(Options {}))) },
        { 8, { Upper, Lower, Symbols }, false, QStringLiteral("26 bits") }, // 8 digits: 10^8
        { 128, { Symbols }, true,
            QStringLiteral("%1 bits").arg(std::floor(strengthBits({ 128, Upper | Lower | Digits, true }))) },
        { 12, { Upper, Lower, Digits, Symbols }, false, QStringLiteral("Choose at least one kind of character.") },
    };
    // clang-format on
    QSignalSpy copied(&dialog, &PasswordGeneratorDlg::copyRequested);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.length);
        for (CharacterClass c : { Upper, Lower, Digits, Symbols })
            dialog.classBox(c)->setChecked(std::find(row.off.begin(), row.off.end(), c) == row.off.end());
        dialog.lookAlikesBox()->setChecked(row.avoid);
        dialog.lengthBox()->setValue(row.length);
        EXPECT_EQ(dialog.strengthLabel()->text(), row.strength);
        const bool any = row.off.size() < 4;
        EXPECT_EQ(dialog.password().size(), any ? row.length : 0);
        EXPECT_EQ(dialog.copyButton()->isEnabled(), any);
        if (!any)
            continue;
        const QString before = dialog.password();
        dialog.regenerateButton()->click();
        EXPECT_NE(dialog.password(), before);
        EXPECT_EQ(dialog.password().size(), row.length);
        dialog.copyButton()->click();
        ASSERT_FALSE(copied.isEmpty());
        EXPECT_EQ(copied.takeLast().at(0).toString(), dialog.password());
    }
}

} // namespace

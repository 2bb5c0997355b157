// "Generate Password" in the password fields' context menus, and the generator dialog.
#include "dialogs/DialogTest.h"
#include "dialogs/GeneratePasswordMenu.h"
#include "dialogs/GeneratorSettings.h"
#include "dialogs/PasswordDlg.h"
#include "dialogs/PasswordGeneratorDlg.h"
#include "dialogs/SecretEdit.h"
#include "support/KeyboardReach.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>

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

TEST_F(GenerateMenuTest, AFilledFieldIsReplacedSoThatItCanBeTakenBack)
{
    // clang-format off
    // prompt: the new document password rather than a WebSite's; masked: the field shows dots.
    struct Row { const char* name; bool prompt, masked; std::optional<bool> answer; bool replaced, undone; };
    const Row rows[] = {
        { "shown WebSite password: Ctrl+Z brings the old text back", false, false, std::nullopt, true, true },
        { "hidden WebSite password, agreed",                          false, true,  true,         true, false },
        { "new document password, agreed",                            true,  true,  true,         true, false },
        { "new document password, refused",                           true,  true,  false,        false, false },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<QDialog> dialog;
        QLineEdit* field = nullptr;
        if (row.prompt) {
            auto prompt = std::make_unique<CPasswordDlg>(prompts, Prompts::PasswordMode::Set);
            field = prompt->passwordEdit();
            dialog = std::move(prompt);
        } else {
            auto site = open(AccountType::WebSite);
            auto* secret = site->control<SecretEdit>(1008);
            secret->setShown(!row.masked);
            field = secret;
            dialog = std::move(site);
        }
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("old one"));
        prompts.shown.clear();
        if (row.answer)
            prompts.addAnswer(*row.answer);
        EXPECT_TRUE(pickGenerate(field));
        EXPECT_EQ(prompts.shown.contains(QString::fromUtf8(GeneratePasswordMenu::ReplaceQuestion)), row.masked);
        EXPECT_EQ(field->text() != QStringLiteral("old one"), row.replaced);
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        if (row.undone) {
            EXPECT_EQ(field->text(), QStringLiteral("old one"));
        }
    }
}

TEST(PasswordGeneratorDlgTest, OptionsMakeTheirPasswordAndCopyHandsItOver)
{
    PasswordGeneratorDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Generate Password"));
    const QSpinBox* length = dialog.lengthBox();
    EXPECT_EQ(std::tuple(length->value(), length->minimum(), length->maximum()), std::tuple(20, 8, 128));
    EXPECT_EQ(dialog.lookAlikesBox()->text(), QStringLiteral("a&void look-alike characters"));
    EXPECT_EQ(dialog.copyButton()->text(), QStringLiteral("C&opy"));
    EXPECT_EQ(dialog.regenerateButton()->text(), QStringLiteral("&Regenerate"));
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

namespace {

// The generator as the keyboard and a screen reader meet it, and the options it keeps in settings
// of the test's own.
class GeneratorKeepsTest : public DialogTest {
protected:
    GeneratorKeepsTest()
        : settings(QDir(folder.path()).filePath(QStringLiteral("settings.ini")), QSettings::IniFormat)
    {
        GeneratorSettings::use(&settings);
    }
    ~GeneratorKeepsTest() override { GeneratorSettings::use(nullptr); }

    QTemporaryDir folder;
    QSettings settings;
};

TEST_F(GeneratorKeepsTest, TabCyclesOverEveryControlAndLabelsReadAsWritten)
{
    using namespace PasswordGenerator;
    PasswordGeneratorDlg dialog;
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const QList<QWidget*> cycle { dialog.lengthBox(), dialog.classBox(Upper), dialog.classBox(Lower),
        dialog.classBox(Digits), dialog.classBox(Symbols), dialog.lookAlikesBox(), dialog.passwordEdit(),
        dialog.copyButton(), dialog.regenerateButton(), dialog.closeButton() };
    dialog.lengthBox()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(KeyboardReach::tabWalk(cycle), cycle);

    // Every control has its letter, none twice; "&&" shows the ampersand.
    EXPECT_EQ(KeyboardReach::clash(KeyboardReach::controlTexts(dialog)), std::nullopt);
    // clang-format off
    struct Row { QWidget* control; const char* letter; };
    const Row rows[] = {
        { dialog.lengthBox(), "l" }, { dialog.classBox(Upper), "u" }, { dialog.classBox(Lower), "w" },
        { dialog.classBox(Digits), "d" }, { dialog.classBox(Symbols), "s" }, { dialog.lookAlikesBox(), "v" },
        { dialog.passwordEdit(), "p" }, { dialog.copyButton(), "o" }, { dialog.regenerateButton(), "r" },
        { dialog.closeButton(), "c" },
    };
    // clang-format on
    for (const Row& row : rows) {
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(row.control))
            text = button->text();
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            if (label->buddy() == row.control && text.isEmpty())
                text = label->text();
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(KeyboardReach::mnemonic(text), QChar::fromLatin1(*row.letter));
    }
    EXPECT_EQ(dialog.classBox(Symbols)->text(), QStringLiteral("&Symbols (!#%&&…)"));

    // The strength value is named by its caption.
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    const auto caption = std::find_if(labels.cbegin(), labels.cend(),
        [&dialog](const QLabel* label) { return label->buddy() == dialog.strengthLabel(); });
    ASSERT_NE(caption, labels.cend());
    EXPECT_EQ((*caption)->text(), QStringLiteral("Strength:"));
    EXPECT_EQ(dialog.strengthLabel()->accessibleName(), QStringLiteral("Strength: ") + dialog.strengthLabel()->text());
}

TEST_F(GeneratorKeepsTest, OptionsComeBackAtTheNextOpeningAndATypedLengthShowsAsUsed)
{
    using namespace PasswordGenerator;
    // clang-format off
    struct Row { const char* typed; int used; unsigned classes; bool avoid; };
    const Row rows[] = {
        { "32", 32, Lower | Digits, true },
        { "200", Options::MaxLength, Upper, false }, // beyond the range: the field shows the most
        { "5", Options::MinLength, Symbols | Digits, true }, // below it: the least, once the field is left
        { "128", 128, Upper | Lower | Digits | Symbols, false },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        {
            PasswordGeneratorDlg dialog;
            dialog.show();
            dialog.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
            for (CharacterClass c : { Upper, Lower, Digits, Symbols })
                dialog.classBox(c)->setChecked(row.classes & c);
            dialog.lookAlikesBox()->setChecked(row.avoid);
            QSpinBox* length = dialog.lengthBox();
            length->setFocus(Qt::TabFocusReason);
            length->selectAll();
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(row.typed));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(length->value(), row.used);
            EXPECT_EQ(length->text(), QString::number(row.used));
            EXPECT_EQ(dialog.password().size(), row.used);
        }
        PasswordGeneratorDlg reopened;
        const Options kept = reopened.options();
        EXPECT_EQ(kept.length, row.used);
        EXPECT_EQ(kept.classes, row.classes);
        EXPECT_EQ(kept.avoidLookAlikes, row.avoid);
        EXPECT_EQ(reopened.password().size(), row.used);
        // The context menu of a password field makes its password with the same options.
        auto site = open(AccountType::WebSite);
        QLineEdit* field = site->control<QLineEdit>(1008);
        ASSERT_TRUE(pickGenerate(field));
        EXPECT_EQ(field->text().size(), row.used);
        for (CharacterClass c : { Upper, Lower, Digits, Symbols }) {
            if (row.classes & c)
                continue;
            for (QChar ch : alphabet(c, false)) {
                EXPECT_FALSE(field->text().contains(ch)) << "a character of a class not chosen";
            }
        }
    }
    // Damaged settings give the defaults, never an error.
    settings.setValue("Generator/Length", "lots");
    settings.setValue("Generator/Upper", "maybe");
    const Options damaged = GeneratorSettings::read(settings);
    EXPECT_EQ(damaged.length, Options::DefaultLength);
    EXPECT_TRUE(damaged.classes & Upper);
}

} // namespace

#include "dialogs/PasswordDlg.h"
#include "dialogs/DuplicateAccountDlg.h"
#include "dialogs/WidgetPrompts.h"
#include "support/ScriptedPrompts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

using Mode = Prompts::PasswordMode;

struct PasswordCase {
    Mode mode;
    const char* password;
    const char* verify;
    const char* message; // null: OK closes the dialog
};

TEST(PasswordDlg, OkChecksTheTypedPasswords)
{
    const PasswordCase cases[] = {
        { Mode::Verify, "", "", "Password Must Not Be Empty !" },
        { Mode::Set, "", "", "Password Must Not Be Empty !" },
        { Mode::Set, "", "x", "Password Must Not Be Empty !" },
        { Mode::Set, "Secret", "secret", "Password And Verify Password Must Be Identical !" },
        { Mode::Set, "Secret", "", "Password And Verify Password Must Be Identical !" },
        { Mode::Set, "Secret", "Secret", nullptr },
        { Mode::Verify, "Secret", "", nullptr },
        { Mode::Set, " ", " ", nullptr },
    };
    for (const PasswordCase& c : cases) {
        SCOPED_TRACE(std::string(c.password) + "/" + c.verify);
        ScriptedPrompts prompts;
        CPasswordDlg dialog(prompts, c.mode);
        dialog.show();
        QTest::keyClicks(dialog.passwordEdit(), QString::fromUtf8(c.password));
        if (c.mode == Mode::Set)
            QTest::keyClicks(dialog.verifyEdit(), QString::fromUtf8(c.verify));
        QTest::keyClick(dialog.passwordEdit(), Qt::Key_Return);
        if (c.message) {
            EXPECT_EQ(prompts.shown, QStringList { QString::fromUtf8(c.message) });
            EXPECT_TRUE(dialog.isVisible());
        } else {
            EXPECT_TRUE(prompts.shown.isEmpty());
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
            EXPECT_EQ(dialog.password(), QString::fromUtf8(c.password));
        }
    }
}

TEST(PasswordDlg, VerifyModeHidesTheSecondFieldAndBothFieldsAreMasked)
{
    ScriptedPrompts prompts;
    CPasswordDlg verify(prompts, Mode::Verify);
    verify.show();
    EXPECT_EQ(verify.windowTitle(), QStringLiteral("Please Enter Password:"));
    EXPECT_FALSE(verify.verifyEdit()->isVisible());
    EXPECT_FALSE(verify.verifyEdit()->isEnabled());
    EXPECT_FALSE(verify.verifyLabel()->isVisible());
    EXPECT_EQ(verify.passwordEdit()->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(verify.okButton()->isDefault());

    CPasswordDlg set(prompts, Mode::Set);
    set.show();
    EXPECT_TRUE(set.verifyEdit()->isVisible());
    EXPECT_EQ(set.verifyEdit()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(set.verifyLabel()->text(), QStringLiteral("Verify Password:"));
    // Tab order: password, verify, Cancel, OK.
    std::vector<QWidget*> order;
    QWidget* widget = set.passwordEdit();
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order.push_back(widget);
        widget = widget->nextInFocusChain();
    } while (widget != set.passwordEdit());
    EXPECT_EQ(
        order, (std::vector<QWidget*> { set.passwordEdit(), set.verifyEdit(), set.cancelButton(), set.okButton() }));
}

TEST(PasswordDlg, CancelDeliversNothing)
{
    ScriptedPrompts prompts;
    CPasswordDlg dialog(prompts, Mode::Set);
    dialog.show();
    QTest::keyClicks(dialog.passwordEdit(), QStringLiteral("abc"));
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST(PasswordDlg, ANewPasswordThatCouldNotBeStoredIsRefused)
{
    ScriptedPrompts prompts;
    CPasswordDlg dialog(prompts, Mode::Set);
    dialog.show();
    const QString password = QStringLiteral("ab") + QChar(0xFFE0);
    dialog.passwordEdit()->setText(password);
    dialog.verifyEdit()->setText(password);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown.front().contains(QStringLiteral("U+FFE0")));
    EXPECT_TRUE(dialog.isVisible());
}

TEST(PasswordDlg, AWeakPasswordOfAnEncryptedWalletIsWarnedAboutNotRefused)
{
    // answer: the reply to the warning (none: no warning).
    const QString strong = QStringLiteral("Quartz-Lantern-Obelisk-71-Wicker");
    // clang-format off
    const struct { Mode mode; QString password; std::optional<bool> answer; } rows[] = {
        { Mode::Set,          "short",          std::nullopt }, { Mode::Verify,       "short",        std::nullopt },
        { Mode::SetEncrypted, "short",          false },        { Mode::SetEncrypted, "short",        true },
        { Mode::SetEncrypted, "password123456", true },         { Mode::SetEncrypted, strong,         std::nullopt },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << int(row.mode) << " " << row.password.toStdString());
        ScriptedPrompts prompts;
        if (row.answer)
            prompts.addAnswer(*row.answer);
        CPasswordDlg dialog(prompts, row.mode);
        dialog.show();
        dialog.passwordEdit()->setText(row.password);
        dialog.verifyEdit()->setText(row.password);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.result() == QDialog::Accepted, row.answer.value_or(true)) << "No goes back to the fields";
        EXPECT_EQ(prompts.shown.size(), row.answer ? 1 : 0);
        if (row.answer) {
            EXPECT_TRUE(prompts.shown.front().startsWith("This password is easy to guess (graded below Good)."));
            EXPECT_EQ(prompts.icons, std::vector { UiPrompts::Icon::Warning });
        }
    }
}

TEST(DuplicateAccountDlg, HasItsCaptionTextAndYesAsDefault)
{
    CDuplicateAccountDlg dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Warning - Duplicate Account"));
    EXPECT_EQ(dialog.message()->text(),
        QStringLiteral("An Account of this Type with The Same Title Already Exists!\n\nAnswer \"Yes\" to modify or "
                       "Answer \"NO\" to discard changes.\n\nWould you like to go back and change it now ?"));
    EXPECT_TRUE(dialog.yesButton()->isDefault());
    EXPECT_EQ(dialog.noButton()->text(), QStringLiteral("No"));
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// Runs `ask` while a timer answers the modal window that it opens with `answer`.
void answerModal(const std::function<void()>& ask, const std::function<void(QWidget*)>& answer)
{
    bool answered = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        answer(modal);
        answered = true;
    });
    ask();
    EXPECT_TRUE(answered);
}

TEST(WidgetPrompts, NoticesAndQuestionsAreQuorrilMessageBoxes)
{
    WidgetPrompts prompts;
    answerModal([&] { prompts.notice(QStringLiteral("Invalid File Format !")); },
        [](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Quorril"));
            EXPECT_EQ(box->text(), QStringLiteral("Invalid File Format !"));
            EXPECT_EQ(box->icon(), QMessageBox::Information);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
            box->button(QMessageBox::Ok)->click();
        });

    struct QuestionCase {
        UiPrompts::Icon icon;
        QMessageBox::Icon shown;
        QMessageBox::StandardButton click;
        bool result;
    };
    for (const QuestionCase& c :
        { QuestionCase { UiPrompts::Icon::Question, QMessageBox::Question, QMessageBox::Yes, true },
            QuestionCase { UiPrompts::Icon::None, QMessageBox::NoIcon, QMessageBox::No, false } }) {
        bool result = !c.result;
        answerModal([&] { result = prompts.question(QStringLiteral("Delete?"), c.icon); },
            [&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(box->windowTitle(), QStringLiteral("Quorril"));
                EXPECT_EQ(box->icon(), c.shown);
                EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
                box->button(c.click)->click();
            });
        EXPECT_EQ(result, c.result);
    }

    UiPrompts::Answer answer = UiPrompts::Answer::Yes;
    answerModal([&] { answer = prompts.questionWithCancel(QStringLiteral("Save changes to a.qrl?")); },
        [](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box->button(QMessageBox::Cancel)->click();
        });
    EXPECT_EQ(answer, UiPrompts::Answer::Cancel);
}

TEST(WidgetPrompts, AWarningWithNoAsDefaultAnswersNoToEnter)
{
    WidgetPrompts prompts;
    bool yes = true;
    answerModal(
        [&] {
            yes = prompts.question(QStringLiteral("Save as a classic wallet?"), UiPrompts::Icon::Warning,
                UiPrompts::Answer::No, UiPrompts::Answer::No);
        },
        [](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
            QTest::keyClick(box, Qt::Key_Return);
        });
    EXPECT_FALSE(yes);
}

TEST(WidgetPrompts, EscAndTheCloseBoxGiveTheAnswerTheQuestionNames)
{
    WidgetPrompts prompts;
    for (UiPrompts::Answer escapeMeans : { UiPrompts::Answer::Yes, UiPrompts::Answer::No }) {
        for (bool closeBox : { false, true }) {
            SCOPED_TRACE(testing::Message() << int(escapeMeans) << (closeBox ? " close box" : " Esc"));
            const bool expected = escapeMeans == UiPrompts::Answer::Yes;
            bool yes = !expected;
            answerModal(
                [&] { yes = prompts.question(QStringLiteral("Go back?"), UiPrompts::Icon::Question, escapeMeans); },
                [&](QWidget* modal) { closeBox ? void(modal->close()) : QTest::keyClick(modal, Qt::Key_Escape); });
            EXPECT_EQ(yes, expected);
        }
    }
}

TEST(WidgetPrompts, PasswordsAndDuplicatesUseTheirDialogs)
{
    WidgetPrompts prompts;
    std::optional<QString> password;
    answerModal([&] { password = prompts.password(Mode::Verify); },
        [](QWidget* modal) {
            auto* dialog = qobject_cast<CPasswordDlg*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->passwordEdit()->setText(QStringLiteral("open sesame"));
            dialog->okButton()->click();
        });
    EXPECT_EQ(password, QStringLiteral("open sesame"));

    answerModal([&] { password = prompts.password(Mode::Set); },
        [](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(password, std::nullopt);

    bool back = false;
    answerModal([&] { back = prompts.duplicateAccount(); },
        [](QWidget* modal) {
            auto* dialog = qobject_cast<CDuplicateAccountDlg*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->yesButton()->click();
        });
    EXPECT_TRUE(back);
    answerModal(
        [&] { back = prompts.duplicateAccount(); }, [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_FALSE(back);
}

// A lock cancels every open prompt: each call answers Cancel or No, whatever Esc would mean and
// even when a Yes is pressed after the cancel, and nothing stays open.
TEST(WidgetPrompts, CancellingOpenPromptsAnswersCancelOrNoAndClosesThemAll)
{
    WidgetPrompts prompts;
    QString answer;
    const auto yesNo = [](bool yes) { return yes ? QStringLiteral("yes") : QStringLiteral("no"); };
    // What cancelOpenPrompts does not stop: a Yes pressed on the box after it.
    const auto cancelThenYes = [&prompts](QWidget* modal) {
        prompts.cancelOpenPrompts();
        if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->button(QMessageBox::Yes))
            box->button(QMessageBox::Yes)->click();
    };
    // A password prompt whose OK with nothing typed opens its notice; both are open at the cancel.
    const auto cancelInNotice = [&prompts](QWidget* modal) {
        QTimer::singleShot(0, [&prompts] {
            EXPECT_NE(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()), nullptr);
            prompts.cancelOpenPrompts();
        });
        qobject_cast<CPasswordDlg*>(modal)->okButton()->click();
    };
    struct Row {
        const char* name;
        std::function<void()> ask;
        std::function<void(QWidget*)> inWindow;
        bool password;
        const char* expected;
    };
    const Row rows[] = {
        { "question whose Esc means Yes",
            [&] {
                answer = yesNo(
                    prompts.question(QStringLiteral("Go back?"), UiPrompts::Icon::Question, UiPrompts::Answer::Yes));
            },
            cancelThenYes, false, "no" },
        { "Yes, No or Cancel",
            [&] {
                answer = QString::number(int(prompts.questionWithCancel(QStringLiteral("Save changes to a.qrl?"))));
            },
            cancelThenYes, false, "2" },
        { "duplicate title", [&] { answer = yesNo(prompts.duplicateAccount()); }, cancelThenYes, false, "no" },
        { "notice",
            [&] {
                prompts.notice(QStringLiteral("User Already Exist !"));
                answer = QStringLiteral("closed");
            },
            cancelThenYes, false, "closed" },
        { "password", [&] { answer = prompts.password(Mode::Verify).value_or(QStringLiteral("none")); }, cancelThenYes,
            true, "none" },
        { "password and its notice", [&] { answer = prompts.password(Mode::Verify).value_or(QStringLiteral("none")); },
            cancelInNotice, true, "none" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        answer.clear();
        bool passwordOpen = !row.password;
        answerModal(row.ask, [&](QWidget* modal) {
            passwordOpen = prompts.passwordPromptOpen();
            row.inWindow(modal);
        });
        EXPECT_EQ(answer, QString::fromLatin1(row.expected));
        EXPECT_EQ(passwordOpen, row.password);
        EXPECT_FALSE(prompts.passwordPromptOpen());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

} // namespace

// The secret fields of the account dialogs and the password prompt: dots unless View > "Show
// Secrets" or the field's own eye shows them, and nothing of them left on the X PRIMARY selection.
#include "dialogs/DialogTest.h"
#include "dialogs/PasswordDlg.h"
#include "dialogs/SecretEdit.h"
#include "dialogs/SecretSelection.h"
#include "dialogs/TextEdit.h"

#include <QAction>
#include <QScopeGuard>

namespace {

// A secret field and what it stands for: a field of the type's table, or the Email user password.
struct SecretField {
    QWidget* dialog;
    SecretEdit* edit;
    QString name;
};

class SecretFieldsTest : public DialogTest {
protected:
    // Every dialog that has secret fields, open, and the prompt in both modes.
    std::vector<SecretField> everySecretField()
    {
        std::vector<SecretField> fields;
        for (AccountType type : kAccountTypes) {
            dialogs.push_back(open(type));
            for (const ControlSpec& row : dialogs.back()->table().controls) {
                if (row.kind != ControlKind::SecretEdit)
                    continue;
                auto* edit = dialogs.back()->control<SecretEdit>(row.id);
                EXPECT_NE(edit, nullptr);
                fields.push_back({ dialogs.back().get(), edit,
                    accountTypeName(type) + u'.' + (row.field ? QString::fromUtf8(row.field) : "user password") });
            }
        }
        for (const auto mode : { Prompts::PasswordMode::Verify, Prompts::PasswordMode::SetEncrypted }) {
            passwordPrompts.push_back(std::make_unique<CPasswordDlg>(prompts, mode));
            passwordPrompts.back()->show();
            fields.push_back({ passwordPrompts.back().get(), passwordPrompts.back()->passwordEdit(), "prompt" });
            if (mode != Prompts::PasswordMode::Verify)
                fields.push_back(
                    { passwordPrompts.back().get(), passwordPrompts.back()->verifyEdit(), "prompt verify" });
        }
        return fields;
    }

    static void fill(SecretEdit* edit, const QString& text)
    {
        edit->setText(text);
        edit->setFocus();
        edit->window()->activateWindow();
    }

    std::vector<std::unique_ptr<TableAccountDialog>> dialogs;
    std::vector<std::unique_ptr<CPasswordDlg>> passwordPrompts;
};

TEST_F(SecretFieldsTest, TheSecretFieldsAreTheSecretsOfTheFieldTables)
{
    // The Email dialog's user password stands for the users' passwords, which are secret too.
    QStringList secret { accountTypeName(AccountType::Email) + ".user password" };
    for (AccountType type : kAccountTypes)
        for (const FieldSpec& field : layoutOf(type)->fields)
            if (field.secret)
                secret << accountTypeName(type) + u'.' + QString::fromUtf8(field.name);
    secret << "prompt"
           << "prompt"
           << "prompt verify";
    QStringList found;
    for (const SecretField& field : everySecretField())
        found << field.name;
    EXPECT_EQ(found, secret);
}

TEST_F(SecretFieldsTest, DotsUnlessShownAndEachEyeShowsItsOwnField)
{
    const auto restore = qScopeGuard([] { SecretEdit::setShowSecrets(false); });
    for (const bool showSecrets : { false, true }) {
        SCOPED_TRACE(showSecrets);
        SecretEdit::setShowSecrets(showSecrets);
        dialogs.clear();
        passwordPrompts.clear();
        const std::vector<SecretField> fields = everySecretField();
        for (const SecretField& field : fields) {
            SCOPED_TRACE(field.name.toStdString());
            fill(field.edit, "s3cret");
            EXPECT_EQ(field.edit->echoMode(), showSecrets ? QLineEdit::Normal : QLineEdit::Password);
            EXPECT_EQ(field.edit->displayText() == "s3cret", showSecrets);
            ASSERT_EQ(field.edit->actions().size(), 1) << "the eye inside the field";
            EXPECT_EQ(field.edit->eyeAction()->isChecked(), showSecrets);
            field.edit->eyeAction()->trigger();
            EXPECT_EQ(field.edit->displayText() == "s3cret", !showSecrets);
            for (const SecretField& other : fields) {
                if (other.edit != field.edit) {
                    EXPECT_EQ(other.edit->isShown(), showSecrets) << "only its own field";
                }
            }
            field.edit->eyeAction()->trigger();
            EXPECT_EQ(field.edit->isShown(), showSecrets);
        }
    }
}

// Offscreen there is no PRIMARY: the guard is proven on the Clipboard, where Ctrl+C copies the
// selection through the same code of the line edit that a mouse selection uses for PRIMARY.
TEST_F(SecretFieldsTest, TextTakenFromAShownSecretFieldIsEmptiedAtOnce)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    SecretSelection guard(QClipboard::Clipboard);
    TextEdit plain;
    plain.show();
    for (const SecretField& field : everySecretField()) {
        SCOPED_TRACE(field.name.toStdString());
        for (const bool shown : { false, true }) {
            clipboard->setText("before");
            fill(field.edit, "s3cret");
            field.edit->setShown(shown);
            field.edit->selectAll();
            QTest::keyClick(field.edit, Qt::Key_C, Qt::ControlModifier);
            // Hidden: the line edit copies nothing itself; shown: it copies, and the guard empties it.
            EXPECT_EQ(clipboard->text(), shown ? QString() : QStringLiteral("before"));
            clipboard->setText("s3");
            guard.clear(); // on lock: what an open secret field holds goes
            EXPECT_EQ(clipboard->text(), QString());
        }
    }
    // The same steps in a field that is not secret keep what was copied.
    plain.setText("plain");
    plain.selectAll();
    QTest::keyClick(&plain, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "plain");
    guard.clear();
    EXPECT_EQ(clipboard->text(), "plain") << "not the text of a secret field";
}

// Where the platform has PRIMARY (X11: run with QT_QPA_PLATFORM=xcb), the real thing.
TEST_F(SecretFieldsTest, NoSelectionInASecretFieldReachesPrimary)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        GTEST_SKIP() << "no PRIMARY selection on this platform (" << qPrintable(QGuiApplication::platformName()) << ")";
    const auto select = [](QLineEdit* edit, int how) {
        const QPoint middle = edit->rect().center() - QPoint(edit->width() / 4, 0);
        switch (how) {
        case 0: // triple click
            QTest::mouseDClick(edit, Qt::LeftButton, {}, middle);
            QTest::mouseClick(edit, Qt::LeftButton, {}, middle);
            break;
        case 1:
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            break;
        default:
            QTest::keyClick(edit, Qt::Key_End);
            QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
        }
    };
    // The check sees PRIMARY: a plain field's selection lands there.
    TextEdit plain;
    plain.show();
    plain.setText("plain text");
    plain.activateWindow();
    plain.setFocus();
    select(&plain, 1);
    EXPECT_EQ(clipboard->text(QClipboard::Selection), "plain text");
    for (const SecretField& field : everySecretField()) {
        for (const bool shown : { false, true }) {
            for (int how = 0; how < 3; ++how) {
                SCOPED_TRACE(testing::Message()
                    << field.name.toStdString() << (shown ? " shown" : " hidden") << " selection " << how);
                clipboard->setText("before", QClipboard::Selection);
                fill(field.edit, "s3cret");
                field.edit->setShown(shown);
                select(field.edit, how);
                EXPECT_EQ(field.edit->selectedText(), "s3cret");
                // Hidden, the line edit leaves PRIMARY alone; shown, it copies and the guard empties it.
                EXPECT_EQ(clipboard->text(QClipboard::Selection), shown ? QString() : QStringLiteral("before"));
            }
        }
    }
}

} // namespace

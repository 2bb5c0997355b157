// The secret fields of the account dialogs and the password prompt: dots unless View > "Show
// Secrets" or the field's own eye shows them, and nothing of them left on the X PRIMARY selection.
#include "dialogs/DialogTest.h"
#include "dialogs/PasswordDlg.h"
#include "dialogs/SecretSelection.h"

#include <QAction>
#include <QScopeGuard>

namespace {

class SecretFieldsTest : public DialogTest {
protected:
    // Every secret field of every account dialog and of the password prompt in set mode, open and
    // holding "s3cret", by name: "<type>.<field>", the Email users' password, the prompt's two.
    std::vector<std::pair<QString, SecretEdit*>> everySecretField()
    {
        std::vector<std::pair<QString, SecretEdit*>> fields;
        for (AccountType type : kAccountTypes) {
            dialogs.push_back(open(type));
            for (const ControlSpec& row : dialogs.back()->table().controls)
                if (row.kind == ControlKind::SecretEdit)
                    fields.emplace_back(accountTypeName(type) + u'.' + (row.field ? row.field : "users' password"),
                        dialogs.back()->control<SecretEdit>(row.id));
        }
        prompt = std::make_unique<CPasswordDlg>(prompts, Prompts::PasswordMode::Set);
        prompt->show();
        fields.emplace_back("prompt", prompt->passwordEdit());
        fields.emplace_back("prompt verify", prompt->verifyEdit());
        for (const auto& [name, edit] : fields)
            edit->setText("s3cret");
        return fields;
    }

    std::vector<std::unique_ptr<TableAccountDialog>> dialogs;
    std::unique_ptr<CPasswordDlg> prompt;
};

TEST_F(SecretFieldsTest, TheSecretsOfTheFieldTablesShowDotsUnlessShownEachByItsEye)
{
    QStringList secrets { accountTypeName(AccountType::Email) + ".users' password" };
    for (AccountType type : kAccountTypes)
        for (const FieldSpec& field : layoutOf(type)->fields)
            if (field.isSecret())
                secrets << accountTypeName(type) + u'.' + field.name;
    secrets << "prompt"
            << "prompt verify";
    const auto restore = qScopeGuard([] { SecretEdit::setShowSecrets(false); });
    for (const bool showSecrets : { false, true }) {
        SCOPED_TRACE(showSecrets ? "Show Secrets" : "secrets hidden");
        SecretEdit::setShowSecrets(showSecrets);
        const auto fields = everySecretField();
        QStringList names;
        for (const auto& [name, edit] : fields) {
            names << name;
            EXPECT_EQ(edit->displayText() == "s3cret", showSecrets) << name.toStdString();
            EXPECT_EQ(edit->actions(), QList<QAction*> { edit->eyeAction() }) << "the eye inside the field";
            edit->eyeAction()->trigger();
            EXPECT_EQ(edit->displayText() == "s3cret", !showSecrets);
            for (const auto& other : fields)
                EXPECT_EQ(other.second->isShown(), showSecrets != (other.second == edit)) << "only its own";
            edit->eyeAction()->trigger();
        }
        EXPECT_EQ(names, secrets);
    }
}

// Offscreen has no PRIMARY: the guard is proven on the Clipboard, where Ctrl+C copies a selection
// through the same step of the line edit that puts a mouse or keyboard selection on PRIMARY.
TEST_F(SecretFieldsTest, TextTakenFromAShownSecretFieldIsEmptiedAtOnceAndOnLock)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    SecretSelection guard(QClipboard::Clipboard);
    for (const auto& [name, edit] : everySecretField()) {
        for (const bool shown : { false, true }) {
            SCOPED_TRACE(name.toStdString() + (shown ? " shown" : " hidden"));
            clipboard->setText("before");
            edit->setShown(shown);
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
            // Hidden, the line edit copies nothing; shown, it copies and the guard empties it.
            EXPECT_EQ(clipboard->text(), shown ? QString() : QStringLiteral("before"));
            clipboard->setText("s3");
            guard.clear(); // the lock's hook: what an open secret field holds goes
            EXPECT_EQ(clipboard->text(), QString());
        }
    }
    // A field that is not secret keeps its copy, also at the lock.
    TextEdit plain;
    plain.setText("plain");
    plain.selectAll();
    QTest::keyClick(&plain, Qt::Key_C, Qt::ControlModifier);
    guard.clear();
    EXPECT_EQ(clipboard->text(), "plain");
}

// Where the platform has PRIMARY (X11: QT_QPA_PLATFORM=xcb on an X server), the real thing.
TEST_F(SecretFieldsTest, NoSelectionInASecretFieldReachesPrimary)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        GTEST_SKIP() << "no PRIMARY selection on " << qPrintable(QGuiApplication::platformName());
    const auto selectAll = [](QLineEdit* edit, int how) {
        edit->activateWindow();
        edit->setFocus();
        if (how == 0) { // a triple click
            QTest::mouseDClick(edit, Qt::LeftButton, {}, QPoint(10, edit->height() / 2));
            QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(10, edit->height() / 2));
        } else if (how == 1) {
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        } else {
            QTest::keyClick(edit, Qt::Key_End);
            QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
        }
    };
    TextEdit plain; // the check sees PRIMARY: a plain field's selection lands there
    plain.setText("plain text");
    plain.show();
    selectAll(&plain, 0);
    EXPECT_EQ(clipboard->text(QClipboard::Selection), "plain text");
    for (const auto& [name, edit] : everySecretField()) {
        for (const bool shown : { false, true }) {
            for (int how = 0; how < 3; ++how) {
                SCOPED_TRACE(testing::Message() << name.toStdString() << (shown ? " shown" : " hidden") << how);
                clipboard->setText("before", QClipboard::Selection);
                edit->setShown(shown);
                selectAll(edit, how);
                EXPECT_EQ(edit->selectedText(), "s3cret");
                // Hidden, the line edit leaves PRIMARY alone; shown, it copies and the guard empties it.
                EXPECT_EQ(clipboard->text(QClipboard::Selection), shown ? QString() : QStringLiteral("before"));
            }
        }
    }
}

} // namespace

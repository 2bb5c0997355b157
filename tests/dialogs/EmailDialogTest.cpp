#include "dialogs/DialogTest.h"

#include "accounts/EmailAccount.h"
#include "core/AccountTypes.h"
#include "dialogs/EmailAccountDlg.h"

#include <QCheckBox>
#include <QLabel>

namespace {

constexpr int kTitle = 1040;
constexpr int kUsers = 1002;
constexpr int kUrl = 1016;
constexpr int kLogin = 1009;
constexpr int kPassword = 1018;
constexpr int kEmail = 1011;
constexpr int kAdmin = 1000;
constexpr int kAdd = 1022;
constexpr int kRemove = 1020;
constexpr int kUpdate = 1024;
constexpr int kClear = 1120;

const QString kAddMissing = QStringLiteral("User cannot be created if these fields are empty:\n   - User ID\n"
                                           "   - User Password\n   - User Email\n\nEdit these fields and try again.");
const QString kUpdateMissing
    = QStringLiteral("User cannot be updated if these fields are empty:\n   - User ID\n"
                     "   - User Password\n   - User Email\n\nEdit these fields and try again.");

class EmailDialog : public DialogTest {
protected:
    AccountId addEmail(const QString& title, const std::vector<std::array<const char*, 3>>& users)
    {
        const AccountId id = addAccount(AccountType::Email, title);
        auto* account = static_cast<EmailAccount*>(doc.FindAccount(id));
        account->SetLogInUrl(QStringLiteral("https://mail.example"));
        for (const auto& [login, password, email] : users)
            account->AddUser(0, QString::fromUtf8(login), QString::fromUtf8(password), QString::fromUtf8(email));
        doc.SetModifiedFlag(false);
        return id;
    }
    static QComboBox* users(TableAccountDialog& dialog) { return dialog.control<QComboBox>(kUsers); }
    static QStringList items(TableAccountDialog& dialog)
    {
        QStringList list;
        for (int i = 0; i < users(dialog)->count(); ++i)
            list << users(dialog)->itemText(i);
        return list;
    }
    static QString countLabel(TableAccountDialog& dialog) { return dialog.label(1044)->text(); }
    static void select(TableAccountDialog& dialog, int item)
    {
        users(dialog)->setCurrentIndex(item);
        Q_EMIT users(dialog)->activated(item);
    }
    static void typeUser(TableAccountDialog& dialog, const char* login, const char* password, const char* email)
    {
        type(dialog, kLogin, QString::fromUtf8(login));
        type(dialog, kPassword, QString::fromUtf8(password));
        type(dialog, kEmail, QString::fromUtf8(email));
    }
    static bool enabled(TableAccountDialog& dialog, int id) { return dialog.control(id)->isEnabled(); }
};

TEST_F(EmailDialog, ExistingAccountShowsTheFirstLogInIdAndTheUserCount)
{
    const AccountId id
        = addEmail(QStringLiteral("Mail"), { { "zoe", "pz", "z@x" }, { "Adam", "pa", "a@x" }, { "bob", "pb", "b@x" } });
    auto dialog = open(AccountType::Email, id);
    EXPECT_EQ(items(*dialog), (QStringList { "Adam", "bob", "zoe" }));
    EXPECT_EQ(users(*dialog)->currentIndex(), 0);
    EXPECT_EQ(shown(*dialog, kLogin), QStringLiteral("Adam"));
    EXPECT_EQ(shown(*dialog, kPassword), QStringLiteral("pa"));
    EXPECT_EQ(shown(*dialog, kEmail), QStringLiteral("a@x"));
    EXPECT_EQ(countLabel(*dialog), QStringLiteral("Users: 3"));
    EXPECT_TRUE(enabled(*dialog, kRemove));
    EXPECT_TRUE(enabled(*dialog, kUpdate));
    EXPECT_FALSE(dialog->control<QPushButton>(1)->isDefault());

    select(*dialog, 2);
    EXPECT_EQ(shown(*dialog, kLogin), QStringLiteral("zoe"));
    EXPECT_EQ(shown(*dialog, kPassword), QStringLiteral("pz"));

    auto empty = open(AccountType::Email, addEmail(QStringLiteral("Empty"), {}));
    EXPECT_EQ(countLabel(*empty), QStringLiteral("Users: 0"));
    EXPECT_TRUE(enabled(*empty, kRemove));
}

TEST_F(EmailDialog, NewAccountStartsWithoutRemoveAndUpdateAndAddEnablesThem)
{
    auto dialog = open(AccountType::Email);
    EXPECT_EQ(countLabel(*dialog), QStringLiteral("Users:"));
    EXPECT_FALSE(enabled(*dialog, kRemove));
    EXPECT_FALSE(enabled(*dialog, kUpdate));
    type(*dialog, kTitle, QStringLiteral("Mail"));
    type(*dialog, kUrl, QStringLiteral("https://m"));
    typeUser(*dialog, "me", "secret", "me@x");
    dialog->control<QCheckBox>(kAdmin)->click();
    click(*dialog, kAdd);
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(items(*dialog), QStringList { "me" });
    EXPECT_EQ(countLabel(*dialog), QStringLiteral("Users: 1"));
    EXPECT_TRUE(enabled(*dialog, kRemove));
    EXPECT_TRUE(enabled(*dialog, kUpdate));
    EXPECT_FALSE(enabled(*dialog, 2));
    EXPECT_EQ(shown(*dialog, kLogin), QStringLiteral("me")); // the user fields keep their contents
    AccountRecord* account = dialog->GetAccount();
    ASSERT_EQ(account->GetUserCount(), 1);
    EXPECT_EQ(account->GetUser(0)->GetAdministrator(), 1);
    EXPECT_EQ(account->GetTitle(), QStringLiteral("Mail"));

    clickOk(*dialog);
    ASSERT_TRUE(accepted(*dialog));
    EXPECT_GT(idValue(fileAccount(*dialog)), 0);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(EmailDialog, AFailedAddStoresNothingAndASuccessfulOneStoresTheTitleAndUrlWithTheUser)
{
    const AccountId id = addEmail(QStringLiteral("Mail"), { { "bob", "pw", "Bob@X.com" } });
    auto dialog = open(AccountType::Email, id);
    auto* account = static_cast<EmailAccount*>(dialog->GetAccount());
    type(*dialog, kTitle, QStringLiteral("Renamed"));
    type(*dialog, kUrl, QStringLiteral("https://new"));
    type(*dialog, kEmail, QString());
    click(*dialog, kAdd);
    EXPECT_EQ(prompts.shown, QStringList { kAddMissing });
    EXPECT_EQ(prompts.icons.size(), 0u); // a notice

    typeUser(*dialog, "bob", "pw", "bob@x.COM"); // same user, e-mail in other case
    click(*dialog, kAdd);
    EXPECT_EQ(prompts.shown.last(), QStringLiteral("User Already Exist !"));
    EXPECT_EQ(account->GetUserCount(), 1);
    EXPECT_EQ(account->GetTitle(), QStringLiteral("Mail"));
    EXPECT_EQ(account->GetLogInUrl(), QStringLiteral("https://mail.example"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(enabled(*dialog, 2));

    typeUser(*dialog, "bob", "other", "bob@x.com"); // same log-in id, other password
    click(*dialog, kAdd);
    EXPECT_EQ(account->GetUserCount(), 2);
    EXPECT_EQ(items(*dialog), (QStringList { "bob", "bob" }));
    EXPECT_EQ(prompts.shown.size(), 2);
    EXPECT_EQ(account->GetTitle(), QStringLiteral("Renamed"));
    EXPECT_EQ(account->GetLogInUrl(), QStringLiteral("https://new"));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(EmailDialog, UsersWithTheSameLogInIdCanEachBeShownUpdatedAndRemoved)
{
    const AccountId id = addEmail(QStringLiteral("Mail"), { { "bob", "first", "1@x" }, { "bob", "second", "2@x" } });
    auto dialog = open(AccountType::Email, id);
    AccountRecord* account = dialog->GetAccount();
    select(*dialog, 1);
    EXPECT_EQ(shown(*dialog, kPassword), QStringLiteral("second"));

    type(*dialog, kPassword, QStringLiteral("changed"));
    click(*dialog, kUpdate);
    EXPECT_EQ(account->GetUser(0)->GetPassword(), QStringLiteral("first"));
    EXPECT_EQ(account->GetUser(1)->GetPassword(), QStringLiteral("changed"));
    EXPECT_EQ(users(*dialog)->currentIndex(), 1);

    prompts.addAnswer(true);
    click(*dialog, kRemove);
    EXPECT_EQ(prompts.shown.last(),
        QStringLiteral("Are You sure you want to remove:\n\nUser:  bob\nEmail: 2@x\n\nContinue ?"));
    EXPECT_EQ(prompts.icons.back(), UiPrompts::Icon::Question);
    ASSERT_EQ(account->GetUserCount(), 1);
    EXPECT_EQ(account->GetUser(0)->GetPassword(), QStringLiteral("first"));
    EXPECT_EQ(shown(*dialog, kPassword), QStringLiteral("first")); // the first item is loaded
}

TEST_F(EmailDialog, UpdateMovesARenamedUserToItsSortedPlaceAndKeepsItSelected)
{
    const AccountId id = addEmail(QStringLiteral("Mail"), { { "anna", "p", "a@x" }, { "carl", "p", "c@x" } });
    auto dialog = open(AccountType::Email, id);
    type(*dialog, kLogin, QStringLiteral("dora"));
    click(*dialog, kUpdate);
    EXPECT_EQ(items(*dialog), (QStringList { "carl", "dora" }));
    EXPECT_EQ(users(*dialog)->currentText(), QStringLiteral("dora"));
    EXPECT_EQ(dialog->GetAccount()->GetUser(0)->GetLoginId(), QStringLiteral("dora"));
    EXPECT_FALSE(enabled(*dialog, 2));
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(EmailDialog, UpdateWithATakenTitleDoesNothingSilently)
{
    addEmail(QStringLiteral("Other"), {});
    const AccountId id = addEmail(QStringLiteral("Mail"), { { "anna", "p", "a@x" } });
    auto dialog = open(AccountType::Email, id);
    type(*dialog, kTitle, QStringLiteral("OTHER"));
    type(*dialog, kPassword, QStringLiteral("new"));
    click(*dialog, kUpdate);
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(dialog->GetAccount()->GetUser(0)->GetPassword(), QStringLiteral("p"));
    EXPECT_EQ(dialog->GetAccount()->GetTitle(), QStringLiteral("Mail"));
    EXPECT_TRUE(enabled(*dialog, 2));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(EmailDialog, RemovingTheLastUserLeavesItsDataInTheFields)
{
    const AccountId id = addEmail(QStringLiteral("Mail"), { { "anna", "p", "a@x" } });
    auto dialog = open(AccountType::Email, id);
    prompts.addAnswer(false);
    click(*dialog, kRemove);
    EXPECT_EQ(dialog->GetAccount()->GetUserCount(), 1); // No: nothing changes
    EXPECT_TRUE(enabled(*dialog, 2));

    prompts.addAnswer(true);
    click(*dialog, kRemove);
    EXPECT_EQ(dialog->GetAccount()->GetUserCount(), 0);
    EXPECT_EQ(users(*dialog)->count(), 0);
    EXPECT_EQ(countLabel(*dialog), QStringLiteral("Users: 0"));
    EXPECT_EQ(shown(*dialog, kLogin), QStringLiteral("anna"));
    EXPECT_TRUE(enabled(*dialog, kRemove));
    EXPECT_FALSE(enabled(*dialog, 2));
    EXPECT_TRUE(doc.IsModified());

    click(*dialog, kRemove); // no selection: nothing happens
    EXPECT_EQ(prompts.shown.size(), 2);
}

TEST_F(EmailDialog, ClearEmptiesTheUserFieldsAndOkThenRefusesTheUpdateButCloses)
{
    const AccountId id = addEmail(QStringLiteral("Mail"), { { "anna", "p", "a@x" } });
    auto dialog = open(AccountType::Email, id);
    dialog->control<QCheckBox>(kAdmin)->setChecked(true);
    click(*dialog, kClear);
    EXPECT_EQ(shown(*dialog, kLogin), QString());
    EXPECT_EQ(shown(*dialog, kPassword), QString());
    EXPECT_EQ(shown(*dialog, kEmail), QString());
    EXPECT_FALSE(dialog->control<QCheckBox>(kAdmin)->isChecked());
    EXPECT_EQ(users(*dialog)->currentIndex(), 0);
    clickOk(*dialog);
    EXPECT_EQ(prompts.shown, QStringList { kUpdateMissing });
    EXPECT_TRUE(accepted(*dialog));
    EXPECT_EQ(dialog->GetAccount()->GetUser(0)->GetLoginId(), QStringLiteral("anna"));
}

TEST_F(EmailDialog, AfterAChangeEscAndTheCloseBoxEndAnExistingAccountWithOk)
{
    // Add and Update store the title typed before them; Remove stores no title.
    struct Row {
        int button;
        std::vector<std::array<const char*, 3>> users;
        bool storesTitle;
    };
    const Row rows[] = {
        { kAdd, { { "anna", "p", "a@x" } }, true },
        { kUpdate, {}, true }, // no user to update: the title and URL alone
        { kRemove, { { "anna", "p", "a@x" } }, false },
    };
    int n = 0;
    for (const Row& row : rows) {
        for (bool closeBox : { false, true }) {
            SCOPED_TRACE(testing::Message() << row.button << (closeBox ? " close box" : " Esc"));
            const QString title = QStringLiteral("Mail%1").arg(++n);
            auto dialog = open(AccountType::Email, addEmail(title, row.users));
            const QString typed = QStringLiteral("Stored%1").arg(n);
            type(*dialog, kTitle, typed);
            typeUser(*dialog, "ben", "q", "b@x");
            if (row.button == kRemove)
                prompts.addAnswer(true);
            click(*dialog, row.button);
            EXPECT_FALSE(enabled(*dialog, 2));
            type(*dialog, kTitle, QStringLiteral("Not stored"));
            if (closeBox)
                dialog->close();
            else
                QTest::keyClick(dialog.get(), Qt::Key_Escape);
            EXPECT_TRUE(accepted(*dialog));
            EXPECT_EQ(dialog->GetAccount()->GetTitle(), row.storesTitle ? typed : title);
            EXPECT_EQ(dialog->dialogTitle(), QStringLiteral("Not stored")); // the fields were taken
            EXPECT_TRUE(doc.IsModified());
        }
    }
}

TEST_F(EmailDialog, OnANewAccountAddRemoveAndEscLeaveTheDocumentAsItWas)
{
    auto dialog = open(AccountType::Email);
    type(*dialog, kTitle, QStringLiteral("Mail"));
    typeUser(*dialog, "me", "p", "m@x");
    click(*dialog, kAdd);
    typeUser(*dialog, "you", "q", "y@x");
    click(*dialog, kAdd);
    prompts.addAnswer(true);
    click(*dialog, kRemove);
    EXPECT_EQ(dialog->GetAccount()->GetUserCount(), 1);
    EXPECT_FALSE(doc.IsModified()); // the account is the dialog's own until OK
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(rejected(*dialog));
    EXPECT_EQ(dialog->GetAccount(), nullptr);
    EXPECT_EQ(doc.accountCount(), 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(EmailDialog, AddWithATakenTitleBringsTheWarningAndStoresNothing)
{
    addEmail(QStringLiteral("Taken"), {});
    for (bool existing : { true, false }) {
        for (bool yes : { true, false }) {
            SCOPED_TRACE(testing::Message() << (existing ? "existing" : "new") << (yes ? " Yes" : " No"));
            prompts.shown.clear();
            const QString title = existing ? QStringLiteral("Mail%1").arg(yes) : QString();
            const AccountId id = existing ? addEmail(title, { { "anna", "p", "a@x" } }) : AccountId::None;
            auto dialog = open(AccountType::Email, id);
            auto* account = static_cast<EmailAccount*>(dialog->GetAccount());
            const QString url = account->GetLogInUrl();
            type(*dialog, kTitle, QStringLiteral("TAKEN"));
            type(*dialog, kUrl, QStringLiteral("https://new"));
            typeUser(*dialog, "me", "p", "m@x");
            prompts.addAnswer(yes);
            click(*dialog, kAdd);
            EXPECT_EQ(prompts.shown, QStringList { QStringLiteral("[duplicate account]") });
            EXPECT_TRUE(isOpen(*dialog));
            EXPECT_TRUE(enabled(*dialog, 2));
            EXPECT_EQ(shown(*dialog, kTitle), QStringLiteral("TAKEN"));
            EXPECT_EQ(account->GetTitle(), title);
            EXPECT_EQ(account->GetLogInUrl(), url);
            EXPECT_EQ(account->GetUserCount(), existing ? 1 : 0);
            EXPECT_FALSE(doc.IsModified());
        }
    }
}

TEST_F(EmailDialog, UserFieldsWithUnstorableCharactersAreRefusedBeforeAnythingIsStored)
{
    const AccountId id = addEmail(QStringLiteral("Mail"), { { "anna", "p", "a@x" } });
    auto dialog = open(AccountType::Email, id);
    type(*dialog, kTitle, QStringLiteral("Renamed"));
    paste(dialog->control(kPassword), QString(QChar(0xFFC0)));
    for (int button : { kAdd, kUpdate, 1 }) {
        prompts.shown.clear();
        click(*dialog, button);
        ASSERT_EQ(prompts.shown.size(), 1) << button;
        EXPECT_TRUE(
            prompts.shown.front().startsWith(QStringLiteral("The field \"Password\" holds the character U+FFC0")));
        EXPECT_TRUE(isOpen(*dialog));
    }
    EXPECT_EQ(dialog->GetAccount()->GetTitle(), QStringLiteral("Mail"));
    EXPECT_EQ(dialog->GetAccount()->GetUser(0)->GetPassword(), QStringLiteral("p"));
    EXPECT_EQ(dialog->GetAccount()->GetUserCount(), 1);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(EmailDialog, EnterPressesTheFocusedButtonAndMeansOkElsewhere)
{
    // The control with the focus, the key, and how the dialog ends (kOpen: open, the user added).
    constexpr int kOpen = -1;
    const std::tuple<int, Qt::Key, int> rows[] = {
        { kAdd, Qt::Key_Return, kOpen },
        { kAdd, Qt::Key_Enter, kOpen },
        { 2, Qt::Key_Return, QDialog::Rejected },
        { kTitle, Qt::Key_Return, QDialog::Accepted },
        { kPassword, Qt::Key_Enter, QDialog::Accepted },
        { kUsers, Qt::Key_Return, QDialog::Accepted },
        { kAdmin, Qt::Key_Return, QDialog::Accepted },
    };
    for (const auto& [focus, key, ends] : rows) {
        SCOPED_TRACE(testing::Message() << focus << " " << key);
        auto dialog = open(AccountType::Email);
        type(*dialog, kTitle, QStringLiteral("Mail"));
        type(*dialog, kUrl, QStringLiteral("https://m"));
        typeUser(*dialog, "me", "p", "m@x");
        dialog->control(focus)->setFocus();
        QTest::keyClick(dialog->control(focus), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(isOpen(*dialog), ends == kOpen);
        if (ends == kOpen)
            EXPECT_EQ(dialog->GetAccount()->GetUserCount(), 1);
        else
            EXPECT_EQ(dialog->result(), ends);
    }
    EXPECT_TRUE(prompts.shown.isEmpty());
}

} // namespace

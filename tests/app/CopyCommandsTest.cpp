// Copy Password, Copy User Name and Open URL: what each copies or opens for every type, from either
// pane, for the Email user selected in the property list, and nothing when there is nothing.
#include "app/CopyCommands.h"
#include "accounts/AccountFactory.h"
#include "accounts/WebSiteAccount.h"
#include "app/FrameTest.h"
#include "views/SecretClipboard.h"

#include <QClipboard>
#include <QStatusBar>

namespace {

const QString kBefore = QStringLiteral("the user's own clipboard");

class CopyCommandsTest : public FrameTest {
protected:
    CopyCommandsTest()
    {
        // Every text field holds its name and "-value"; Email lists three users, the last with no
        // password.
        for (AccountType type : kAccountTypes) {
            auto account = createAccount(doc.NextAccountId(), type);
            account->SetTitle(accountTypeName(type));
            const RecordLayout& layout = account->layout();
            for (int f = 0; f < int(layout.fields.size()); ++f)
                if (layout.fields[size_t(f)].kind == FieldKind::Text)
                    account->setField(f, ScrambledText(QLatin1String(layout.fields[size_t(f)].name) + "-value"));
            if (type == AccountType::Email) {
                account->AddUser(0, QStringLiteral("alice"), QStringLiteral("alice pw"), QStringLiteral("a@x.example"));
                account->AddUser(1, QStringLiteral("bob"), QStringLiteral("bob pw"), QStringLiteral("b@x.example"));
                account->AddUser(0, QStringLiteral("carol"), QString(), QStringLiteral("c@x.example"));
            }
            account->SetCommitted();
            doc.AddAccount(std::move(account));
        }
        // The same types again with every field empty.
        for (AccountType type : { AccountType::WebSite, AccountType::Bank, AccountType::Software }) {
            auto account = createAccount(doc.NextAccountId(), type);
            account->SetTitle(QStringLiteral("Empty"));
            account->SetCommitted();
            doc.AddAccount(std::move(account));
        }
        doc.setPassword(QStringLiteral("pw"));
        frame.treeView()->OnInitialUpdate();
        frame.listView()->OnInitialUpdate();
        frame.copyCommands().setUrlOpener([this](const QUrl& url) {
            opened << url.toString();
            return openSucceeds;
        });
        QGuiApplication::clipboard()->setText(kBefore);
    }

    QString clipboardText() const { return QGuiApplication::clipboard()->text(); }
    QString status() const { return frame.statusBar()->currentMessage(); }
    // Runs the command as a queued trigger would, whether it is available or not.
    void force(int id)
    {
        action(id)->setEnabled(true);
        trigger(id);
    }

    QStringList opened;
    bool openSucceeds = true;
};

TEST_F(CopyCommandsTest, EachTypeGivesWhatItsRolesHoldFromEitherPane)
{
    // clang-format off
    struct Row { AccountType type; const char* title; const char* password; const char* userName; const char* url; };
    const Row rows[] = { // null: the command is unavailable
        { AccountType::Email, "Email", "alice pw", "alice", "https://loginurl-value" }, // the first user
        { AccountType::WebSite, "WebSite", "userPassword-value", "userId-value", "https://websiteurl-value" },
        { AccountType::Bank, "Bank", "pin-value", nullptr, nullptr },
        { AccountType::CreditCard, "Credit Card", "pin-value", nullptr, nullptr },
        { AccountType::CallingCard, "Calling Card", "pin-value", nullptr, nullptr },
        { AccountType::Software, "Software", "cdKey-value", nullptr, "https://supporturl-value" },
        { AccountType::Insurance, "Insurance", nullptr, nullptr, nullptr },
        { AccountType::Medical, "Medical", nullptr, nullptr, nullptr },
        { AccountType::PurchasedItem, "Purchased Item", nullptr, nullptr, nullptr },
        { AccountType::Reference, "Reference", nullptr, nullptr, nullptr },
        { AccountType::WebSite, "Empty", nullptr, nullptr, nullptr }, // the fields are there, but empty
        { AccountType::Bank, "Empty", nullptr, nullptr, nullptr },
        { AccountType::Software, "Empty", nullptr, nullptr, nullptr },
    };
    // clang-format on
    enum class Pane { Tree, List, Locked };
    for (const Row& row : rows) {
        for (const Pane pane : { Pane::Tree, Pane::List, Pane::Locked }) {
            const char* paneNames[] = { ", tree focused", ", property list focused", ", locked" };
            SCOPED_TRACE(
                std::string(row.title) + " of " + accountTypeName(row.type).toStdString() + paneNames[int(pane)]);
            select(row.type, QString::fromLatin1(row.title));
            const AccountRecord* shown = doc.GetCurrentAccount();
            ASSERT_NE(shown, nullptr);
            ASSERT_EQ(shown->GetTitle(), QString::fromLatin1(row.title));
            pane == Pane::List ? focusList() : focusTree();
            const bool locked = pane == Pane::Locked;
            if (locked)
                trigger(ID_LOCK_DOCUMENT);
            frame.updateCommandStates();
            const auto given = [locked](const char* value) { return locked ? nullptr : value; };
            for (const auto& [id, copied] : { std::pair { ID_ACCOUNT_COPY_PASSWORD, given(row.password) },
                     std::pair { ID_ACCOUNT_COPY_USER_NAME, given(row.userName) } }) {
                SCOPED_TRACE(action(id)->text().toStdString());
                EXPECT_EQ(enabled(id), copied != nullptr);
                QGuiApplication::clipboard()->setText(kBefore);
                force(id);
                EXPECT_EQ(clipboardText(), copied ? QString::fromUtf8(copied) : kBefore);
                EXPECT_EQ(status(),
                    copied ? QStringLiteral("Copied; the clipboard clears in 20 s.")
                           : QStringLiteral("Nothing to copy."));
            }
            frame.updateCommandStates();
            const char* url = given(row.url);
            EXPECT_EQ(enabled(ID_ACCOUNT_OPEN_URL), url != nullptr);
            opened.clear();
            force(ID_ACCOUNT_OPEN_URL);
            EXPECT_EQ(opened, url ? QStringList { QString::fromLatin1(url) } : QStringList());
            if (!url) {
                EXPECT_EQ(status(), QStringLiteral("Nothing to open."));
            }
            if (locked) {
                prompts.addPassword("pw");
                trigger(ID_UNLOCK_DOCUMENT);
            }
        }
    }
    // Nothing but the unlocks asked anything.
    EXPECT_EQ(prompts.shown.filter(QStringLiteral("[password")).size(), prompts.shown.size());
}

TEST_F(CopyCommandsTest, EmailCopiesForTheUserSelectedInThePropertyList)
{
    select(AccountType::Email, QStringLiteral("Email"));
    // clang-format off
    struct Row { const char* selectedRow; const char* password; const char* userName; }; // selectedRow null: none
    const Row rows[] = {
        { nullptr, "alice pw", "alice" },
        { "Log In ID:=bob", "bob pw", "bob" },
        { "User #:=2", "bob pw", "bob" },
        { "Email:=b@x.example", "bob pw", "bob" },
        { "Log In ID:=alice", "alice pw", "alice" },
        { "Log In URL=logInUrl-value", "alice pw", "alice" }, // the account's own row: the first user
        { "Log In ID:=carol", nullptr, "carol" }, // her password is empty: nothing to copy
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.selectedRow ? row.selectedRow : "no row selected");
        CAccountView* list = frame.listView();
        list->clearSelection();
        if (row.selectedRow) {
            const qsizetype at = shownRows().indexOf(QString::fromUtf8(row.selectedRow));
            ASSERT_GE(at, 0);
            list->selectRow(int(at));
        }
        // The keys, pressed in the property list.
        focusList();
        EXPECT_EQ(enabled(ID_ACCOUNT_COPY_PASSWORD), row.password != nullptr);
        QGuiApplication::clipboard()->setText(kBefore);
        pressKey(list, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(clipboardText(), row.password ? QString::fromUtf8(row.password) : kBefore);
        pressKey(list, Qt::Key_B, Qt::ControlModifier);
        EXPECT_EQ(clipboardText(), QString::fromUtf8(row.userName));
        EXPECT_EQ(list->selectedRow() >= 0, row.selectedRow != nullptr) << "the selection stays";
    }
}

TEST_F(CopyCommandsTest, OpenUrlRefusesWhatIsNoWebAddress)
{
    // clang-format off
    struct Row { const char* url; bool openSucceeds; const char* opened; bool refused; const char* status; };
    const Row rows[] = {
        { "www.bank.example", true, "https://www.bank.example", false, "" },
        { "www.bank.example", false, "https://www.bank.example", false, "The URL could not be opened." },
        { "javascript:alert(1)", true, nullptr, true, "" },
        { "file:///etc/passwd", true, nullptr, true, "" },
    };
    // clang-format on
    int added = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.url);
        auto account = createAccount(doc.NextAccountId(), AccountType::WebSite);
        account->SetTitle(QStringLiteral("Site %1").arg(++added));
        account->setField(WebSiteAccount::WebSiteUrl, ScrambledText(QString::fromLatin1(row.url)));
        account->SetCommitted();
        const std::optional<AccountId> id = doc.AddAccount(std::move(account));
        ASSERT_TRUE(id);
        frame.treeView()->selectAccount(AccountType::WebSite, *id);
        frame.statusBar()->clearMessage();
        opened.clear();
        openSucceeds = row.openSucceeds;
        const qsizetype shown = prompts.shown.size();
        pressKey(frame.treeView(), Qt::Key_U, Qt::ControlModifier);
        EXPECT_EQ(opened, row.opened ? QStringList { QString::fromLatin1(row.opened) } : QStringList());
        EXPECT_EQ(prompts.shown.size() - shown, row.refused ? 1 : 0);
        if (row.refused) {
            EXPECT_TRUE(prompts.shown.last().contains(QStringLiteral("only http, https and ftp")));
        }
        EXPECT_EQ(status(), QString::fromLatin1(row.status));
    }
}

} // namespace

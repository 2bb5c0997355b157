#include "dialogs/DialogTest.h"

#include "core/AccountTypes.h"

#include <QDialog>
#include <QTimer>

namespace {

// One row per account type: the exact required-fields message, and texts for the required fields
// (the first one is the title, or the parts the Medical title is made of).
struct DialogRow {
    AccountType type;
    const char* caption;
    const char* message;
    std::vector<std::pair<int, const char*>> required;
    const char* title; // the title those texts give
};

const char* const kHead = "Account cannot be Created or Updated if these fields are empty:\n";

std::vector<DialogRow> dialogRows()
{
    return {
        { AccountType::Email, "Email Account", "   - Title\n   - Log In URL\n\n",
            { { 1040, "Mail" }, { 1016, "https://m" } }, "Mail" },
        { AccountType::WebSite, "Web Site Account",
            "   - Title\n   - Site Name\n   - Site URL\n   - User ID\n   - User Password\n\n",
            { { 1054, "Site" }, { 1004, "site" }, { 1033, "https://s" }, { 1005, "me" }, { 1008, "pw" } }, "Site" },
        { AccountType::CreditCard, "Credit Card Account",
            "   - Title\n   - Provider\n   - Name On Card\n   - Account Number\n\n",
            { { 1052, "Card" }, { 1023, "Bank" }, { 1046, "Me" }, { 1027, "4111" } }, "Card" },
        { AccountType::Bank, "Bank Account",
            "   - Title\n   - Bank Institution\n   - Name On Account\n   - Account Number\n\n",
            { { 1051, "Savings" }, { 1014, "First" }, { 1047, "Me" }, { 1015, "123" } }, "Savings" },
        { AccountType::Insurance, "Insurance Account",
            "   - Title\n   - Provider\n   - Holder Name\n   - Policy Number\n\n",
            { { 1053, "Car" }, { 1031, "Ins" }, { 1048, "Me" }, { 1032, "P1" } }, "Car" },
        { AccountType::Medical, "Medical Record", "   - First Name\n   - Last Name\n\n",
            { { 1070, "John" }, { 1071, "Q" }, { 1072, "Smith" } }, "JohnQSmith" },
        { AccountType::CallingCard, "Calling Card Account",
            "   - Title\n   - Provider\n   - Access Phone\n   - Card Number\n\n",
            { { 1098, "Phone" }, { 1099, "Tel" }, { 1093, "555" }, { 1094, "99" } }, "Phone" },
        { AccountType::PurchasedItem, "Purchased Item Record",
            "   - Title\n   - Manufacturer\n   - Description\n   - Model Or Serial #\n\n",
            { { 1105, "TV" }, { 1109, "Acme" }, { 1106, "Big" }, { 1101, "M1" } }, "TV" },
        { AccountType::Software, "Software Record", "   - Title\n   - Manufacturer\n   - Serial # Or CD Key\n\n",
            { { 1091, "Editor" }, { 1089, "Acme" }, { 1086, "S-1" } }, "Editor" },
        { AccountType::Reference, "Reference", "   - Title\n   - This Is About\n   - Description\n\n",
            { { 1122, "Note" }, { 1124, "Things" }, { 1125, "Text" } }, "Note" },
    };
}

QString requiredMessage(const DialogRow& row)
{
    return QString::fromUtf8(kHead) + QString::fromUtf8(row.message)
        + QStringLiteral("Would you like to go back and edit these?");
}

class AccountDialogs : public DialogTest {
protected:
    void fillRequired(TableAccountDialog& dialog, const DialogRow& row, const QString& title = {})
    {
        for (const auto& [id, text] : row.required)
            type(dialog, id, QString::fromUtf8(text));
        if (!title.isEmpty())
            type(dialog, row.required.front().first, title);
    }
};

TEST_F(AccountDialogs, EveryDialogHasItsCaptionIconAndFixedSize)
{
    for (const DialogRow& row : dialogRows()) {
        SCOPED_TRACE(row.caption);
        auto dialog = open(row.type);
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(row.caption));
        EXPECT_FALSE(dialog->windowIcon().isNull());
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
        EXPECT_TRUE(dialog->isModal());
    }
}

TEST_F(AccountDialogs, EmptyRequiredFieldsBringTheMessageWithEveryLine)
{
    for (const DialogRow& row : dialogRows()) {
        SCOPED_TRACE(row.caption);
        prompts.shown.clear();
        auto dialog = open(row.type);
        // One required field filled: the message still lists them all.
        type(*dialog, row.required.front().first, QString::fromUtf8(row.required.front().second));
        prompts.addAnswer(true); // Yes: back to editing
        clickOk(*dialog);
        ASSERT_EQ(prompts.shown.size(), 1);
        EXPECT_EQ(prompts.shown.last(), requiredMessage(row));
        EXPECT_EQ(prompts.icons.back(), UiPrompts::Icon::Question);
        EXPECT_EQ(prompts.escapes.back(), UiPrompts::Answer::Yes); // Esc goes back, keeping the typing
        EXPECT_TRUE(isOpen(*dialog));
        EXPECT_EQ(shown(*dialog, row.required.front().first), QString::fromUtf8(row.required.front().second));
        EXPECT_FALSE(doc.IsModified());

        prompts.addAnswer(false); // No: the Cancel steps
        clickOk(*dialog);
        EXPECT_TRUE(rejected(*dialog));
        EXPECT_EQ(dialog->GetAccount(), nullptr);
        EXPECT_EQ(dialog->takeAccount(), nullptr);
        EXPECT_FALSE(doc.IsModified());
    }
    EXPECT_TRUE(prompts.allAnswersUsed());
}

TEST_F(AccountDialogs, FilledDialogsStoreAndReopenWithTheirFields)
{
    for (const DialogRow& row : dialogRows()) {
        SCOPED_TRACE(row.caption);
        doc.SetModifiedFlag(false);
        auto dialog = open(row.type);
        EXPECT_TRUE(dialog->createdNew());
        fillRequired(*dialog, row);
        clickOk(*dialog);
        ASSERT_TRUE(accepted(*dialog)) << prompts.shown.join(u'|').toStdString();
        EXPECT_EQ(dialog->dialogTitle(), QString::fromUtf8(row.title));
        AccountRecord* account = dialog->GetAccount();
        ASSERT_NE(account, nullptr);
        EXPECT_TRUE(account->IsCommitted());
        EXPECT_EQ(account->GetTitle(), QString::fromUtf8(row.title));
        EXPECT_FALSE(doc.IsModified()); // not before the document takes the account
        const AccountId id = fileAccount(*dialog);
        ASSERT_GT(idValue(id), 0);
        EXPECT_TRUE(doc.IsModified());

        // Reopened, it shows what was typed; OK with the account's own title brings no warning.
        doc.SetModifiedFlag(false);
        auto again = open(row.type, id);
        EXPECT_FALSE(again->createdNew());
        for (const auto& [control, text] : row.required)
            EXPECT_EQ(shown(*again, control), QString::fromUtf8(text)) << control;
        clickOk(*again);
        EXPECT_TRUE(accepted(*again));
        EXPECT_EQ(again->takeAccount(), nullptr); // an edited account stays the document's
        EXPECT_TRUE(doc.IsModified()); // OK marks the document even without a change
    }
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join(u'|').toStdString();
}

TEST_F(AccountDialogs, TitleOfAnotherAccountOfTheTypeInOtherCaseBringsTheWarning)
{
    for (const DialogRow& row : dialogRows()) {
        SCOPED_TRACE(row.caption);
        prompts.shown.clear();
        const QString title = QString::fromUtf8(row.title);
        addAccount(row.type, title.toUpper());
        doc.SetModifiedFlag(false);

        auto dialog = open(row.type);
        fillRequired(*dialog, row);
        prompts.addAnswer(true); // "Yes": back to change the title
        clickOk(*dialog);
        EXPECT_EQ(prompts.shown, QStringList { QStringLiteral("[duplicate account]") });
        EXPECT_TRUE(isOpen(*dialog));
        EXPECT_EQ(shown(*dialog, row.required.back().first), QString::fromUtf8(row.required.back().second));
        EXPECT_FALSE(dialog->GetAccount()->IsCommitted()); // nothing stored
        EXPECT_FALSE(doc.IsModified());

        prompts.addAnswer(false); // "No": the Cancel steps
        clickOk(*dialog);
        EXPECT_TRUE(rejected(*dialog));
        EXPECT_EQ(dialog->GetAccount(), nullptr);
        EXPECT_FALSE(doc.IsModified());
    }
    EXPECT_TRUE(prompts.allAnswersUsed());
}

TEST_F(AccountDialogs, SameTitleOnAnotherTypeBringsNoWarning)
{
    for (const DialogRow& row : dialogRows()) {
        SCOPED_TRACE(row.caption);
        const AccountType otherType = row.type == AccountType::Bank ? AccountType::Reference : AccountType::Bank;
        addAccount(otherType, QString::fromUtf8(row.title));
        auto dialog = open(row.type);
        fillRequired(*dialog, row);
        clickOk(*dialog);
        EXPECT_TRUE(accepted(*dialog));
        EXPECT_GT(idValue(fileAccount(*dialog)), 0);
    }
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join(u'|').toStdString();
}

TEST_F(AccountDialogs, DuplicateWarningNoKeepsAnEditedAccountAsItWas)
{
    for (const DialogRow& row : dialogRows()) {
        SCOPED_TRACE(row.caption);
        auto first = open(row.type);
        fillRequired(*first, row);
        clickOk(*first);
        const AccountId id = fileAccount(*first);
        // The Medical title is made of the name parts; "Taken" goes into the first name.
        const QString taken
            = row.type == AccountType::Medical ? QStringLiteral("TAKENQSMITH") : QStringLiteral("TAKEN");
        const AccountId takenId = addAccount(row.type, taken);
        doc.SetModifiedFlag(false);

        auto dialog = open(row.type, id);
        type(*dialog, row.required.front().first, QStringLiteral("Taken"));
        prompts.addAnswer(false);
        clickOk(*dialog);
        EXPECT_TRUE(rejected(*dialog));
        EXPECT_EQ(doc.FindAccount(id)->GetTitle(), QString::fromUtf8(row.title));
        EXPECT_FALSE(doc.IsModified());
        doc.RemoveAccount(takenId);
    }
    EXPECT_TRUE(prompts.allAnswersUsed());
}

TEST_F(AccountDialogs, CancelLeavesNoAccountAndNoModifiedMark)
{
    for (const DialogRow& row : dialogRows()) {
        SCOPED_TRACE(row.caption);
        for (int way = 0; way < 3; ++way) {
            auto dialog = open(row.type);
            fillRequired(*dialog, row);
            if (way == 0)
                clickCancel(*dialog);
            else if (way == 1)
                QTest::keyClick(dialog.get(), Qt::Key_Escape);
            else
                dialog->close();
            EXPECT_TRUE(rejected(*dialog)) << way;
            EXPECT_EQ(dialog->GetAccount(), nullptr);
            EXPECT_EQ(dialog->takeAccount(), nullptr);
        }
    }
    EXPECT_EQ(doc.accountCount(), 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(AccountDialogs, UnknownAccountIdOpensEmptyAndOkBringsTheWarning)
{
    for (const DialogRow& row : dialogRows()) {
        SCOPED_TRACE(row.caption);
        prompts.shown.clear();
        auto dialog = open(row.type, AccountId(4242));
        EXPECT_EQ(dialog->GetAccount(), nullptr);
        fillRequired(*dialog, row);
        prompts.addAnswer(false);
        clickOk(*dialog);
        EXPECT_EQ(prompts.shown, QStringList { QStringLiteral("[duplicate account]") });
        EXPECT_TRUE(rejected(*dialog));
    }
}

TEST_F(AccountDialogs, RunModallyAsTheTreeViewRunsThem)
{
    for (const DialogRow& row : dialogRows()) {
        SCOPED_TRACE(row.caption);
        std::unique_ptr<CAccountDialog> dialog = createAccountDialog(row.type, &doc, AccountId::None, prompts);
        auto* table = static_cast<TableAccountDialog*>(dialog.get());
        QTimer::singleShot(0, table, [&] {
            for (const auto& [id, text] : row.required)
                type(*table, id, QString::fromUtf8(text));
            clickOk(*table);
        });
        ASSERT_EQ(dialog->exec(), QDialog::Accepted);
        EXPECT_EQ(dialog->dialogTitle(), QString::fromUtf8(row.title));
        std::unique_ptr<AccountRecord> account = dialog->takeAccount();
        ASSERT_NE(account, nullptr);
        EXPECT_EQ(account->GetType(), row.type);
        EXPECT_GT(idValue(doc.AddAccount(std::move(account)).value_or(AccountId(-1))), 0);
    }
    EXPECT_EQ(doc.accountCount(), 10);
    EXPECT_EQ(createAccountDialog(AccountType(19), &doc, AccountId::None, prompts), nullptr);
}

TEST_F(AccountDialogs, AnAccountOfAnotherTypeIsNotOpenedAsIfItWereOfTheDialogsType)
{
    const AccountId id = addAccount(AccountType::Email, QStringLiteral("Mail"));
    auto dialog = open(AccountType::CreditCard, id);
    EXPECT_EQ(dialog->GetAccount(), nullptr);
    EXPECT_EQ(shown(*dialog, 1052), QString());
}

TEST_F(AccountDialogs, TextsWithUnstorableCharactersAreRefusedNamingTheField)
{
    for (const DialogRow& row : dialogRows()) {
        SCOPED_TRACE(row.caption);
        prompts.shown.clear();
        auto dialog = open(row.type);
        fillRequired(*dialog, row);
        const auto& [id, text] = row.required.back();
        type(*dialog, id, QString::fromUtf8(text) + QChar(0xFFA5));
        clickOk(*dialog);
        ASSERT_EQ(prompts.shown.size(), 1);
        EXPECT_TRUE(prompts.shown.front().startsWith(QStringLiteral("The field \"")));
        EXPECT_TRUE(prompts.shown.front().contains(QStringLiteral("U+FFA5")));
        EXPECT_TRUE(isOpen(*dialog));
        EXPECT_FALSE(dialog->GetAccount()->IsCommitted());
        EXPECT_FALSE(doc.IsModified());
        QWidget* focus = dialog->focusWidget();
        EXPECT_TRUE(focus == dialog->control(id) || dialog->control(id)->isAncestorOf(focus));
    }
}

TEST_F(AccountDialogs, TabOrderFollowsTheTableWithOkAndCancel)
{
    struct Order {
        AccountType type;
        std::vector<int> ids;
    };
    const Order orders[] = {
        { AccountType::CreditCard, { 1052, 1023, 1027, 1025, 1029, 1034, 1026, 1046, 1030, 2, 1 } },
        { AccountType::Medical, { 1070, 1071, 1072, 1083, 1073, 1075, 1082, 1077, 1069, 1081, 1076, 2, 1 } },
        { AccountType::Reference, { 1122, 1123, 1124, 1125, 1, 2 } },
        { AccountType::WebSite, { 1054, 1004, 1033, 1005, 1008, 1065, 1066, 1049, 2, 1, 1112 } },
        { AccountType::Email, { 1040, 1002, 1016, 1009, 1018, 1011, 1022, 1020, 1024, 2, 1, 1000, 1120 } },
    };
    for (const Order& order : orders) {
        SCOPED_TRACE(typeCode(order.type));
        auto dialog = open(order.type);
        // Walk the focus chain once round from the first control, noting the table's controls
        // that take the focus (composite controls have inner parts in the chain too).
        std::vector<int> seen;
        QWidget* start = dialog->control(order.ids.front());
        QWidget* widget = start;
        do {
            for (int id : order.ids)
                if (dialog->control(id) == widget && widget->focusPolicy() & Qt::TabFocus)
                    if (seen.empty() || seen.back() != id)
                        seen.push_back(id);
            widget = widget->nextInFocusChain();
        } while (widget != start);
        EXPECT_EQ(seen, order.ids);
    }
}

} // namespace

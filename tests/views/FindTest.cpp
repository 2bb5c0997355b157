// Find as you type in the account tree: what shows, what opens, and what comes back.
#include "views/AccountFilterModel.h"
#include "views/AccountTreeModel.h"
#include "views/FindBar.h"
#include "views/TreeAndListTest.h"

#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>

#include <set>

namespace {

// One account of each type; every text field holds "<field name> <type name>", secrets too.
class FindTest : public TreeAndListTest<WidgetTest> {
protected:
    FindTest()
    {
        // clang-format off
        const std::pair<AccountType, const char16_t*> accounts[] = {
            { AccountType::Email, u"Post" },           { AccountType::WebSite, u"Forum" },
            { AccountType::CreditCard, u"Visa" },      { AccountType::Bank, u"Été Savings" },
            { AccountType::Insurance, u"Car" },        { AccountType::Medical, u"Dentist" },
            { AccountType::CallingCard, u"Travel" },   { AccountType::PurchasedItem, u"Bicycle" },
            { AccountType::Software, u"Editor" },      { AccountType::Reference, u"Notes" },
        };
        // clang-format on
        for (const auto& [type, title] : accounts) {
            auto account = makeAccount(type, doc.NextAccountId(), QString::fromUtf16(title));
            const RecordLayout& layout = account->layout();
            for (int f = 0; f < int(layout.fields.size()); ++f)
                if (layout.fields[size_t(f)].kind == FieldKind::Text)
                    account->setField(f,
                        ScrambledText(QStringLiteral("%1 %2").arg(
                            QLatin1String(layout.fields[size_t(f)].name), accountTypeName(type))));
            if (type == AccountType::Email)
                account->AddUser(0, QStringLiteral("Zoë"), QStringLiteral("hunter2"), QStringLiteral("z@x.example"));
            doc.AddAccount(std::move(account));
        }
        rebuild();
    }

    std::set<QString> shownAccounts() const
    {
        std::set<QString> titles;
        const QModelIndex root = tree.rootNode();
        for (int c = 0; c < childCount(root); ++c)
            for (const QString& title : childTexts(child(root, c)))
                titles.insert(title);
        return titles;
    }
};

TEST_F(FindTest, ShowsTheAccountsThatHoldTheTextWithTheirCategoriesOpen)
{
    const auto all = std::set<QString> { "Post", "Forum", "Visa", "Été Savings", "Car", "Dentist", "Travel", "Bicycle",
        "Editor", "Notes" };
    // clang-format off
    struct Row { const char16_t* text; bool locked; std::set<QString> accounts; };
    const Row rows[] = {
        { u"", false, all },
        { u"ete", false, { "Été Savings" } }, { u"ÉTÉ sav", false, { "Été Savings" } }, // accents and case ignored
        { u"institution bank", false, { "Été Savings" } }, // a value
        { u"zoe", false, { "Post" } }, // an Email user's log-in id
        { u"hunter2", false, {} }, { u"pin bank", false, {} }, { u"cdkey", false, {} }, // secrets: a user's password,
        { u"ssn", false, {} },                                                            // a PIN, a CD Key, an SSN
        { u"serialnumber software", false, { "Editor" } },  { u"holdername", false, { "Car" } },
        { u"bloodtype", false, { "Dentist" } },             { u"cardnumber", false, { "Travel" } },
        { u"provider", false, { "Visa", "Car", "Travel" } }, { u"nothing like it", false, {} },
        { u"e", true, { "Été Savings", "Dentist", "Travel", "Bicycle", "Editor", "Notes" } },
        { u"institution bank", true, {} }, // locked: titles only
        { u"visa", true, { "Visa" } },
    };
    // clang-format on
    for (const Row& row : rows) {
        const QString text = QString::fromUtf16(row.text);
        SCOPED_TRACE(text.toStdString() + (row.locked ? " (locked)" : ""));
        if (row.locked != doc.IsLocked()) {
            if (row.locked) {
                doc.setPassword(QStringLiteral("pw"));
                doc.OnLockDocument();
            } else {
                prompts.addPassword("pw");
                doc.OnUnlockDocument();
            }
        }
        tree.setFindText(text);
        EXPECT_EQ(shownAccounts(), row.accounts);
        // A category shows exactly when one of its accounts does, and it is open.
        for (int c = 0; c < childCount(tree.rootNode()); ++c) {
            const QModelIndex category = child(tree.rootNode(), c);
            EXPECT_GT(childCount(category), 0) << CQuorrilView::nodeText(category).toStdString();
            if (!text.isEmpty()) {
                EXPECT_TRUE(tree.isExpanded(category)) << CQuorrilView::nodeText(category).toStdString();
            }
        }
        if (text.isEmpty()) {
            EXPECT_EQ(childCount(tree.rootNode()), 10);
        }
    }
}

TEST_F(FindTest, ClearingBringsBackTheTreeAsItWasWithTheSelection)
{
    // clang-format off
    struct Row { const char* name; const char16_t *text, *pickDuringSearch, *selectedAfter; }; // pick null: none
    const Row rows[] = {
        { "selection hidden by the search", u"post", nullptr, u"Été Savings" },
        { "selection still shown", u"sav", nullptr, u"Été Savings" },
        { "an account picked during the search", u"o", u"Post", u"Post" },
        { "the search found nothing", u"no such text", nullptr, u"Été Savings" },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        rebuild();
        const QModelIndex bank = accountNode(AccountType::Bank, QStringLiteral("Été Savings"));
        tree.selectNode(bank);
        tree.collapse(tree.categoryNode(AccountType::Bank));
        tree.expand(tree.categoryNode(AccountType::Reference));
        const AccountId bankId = CQuorrilView::nodeAccountId(bank);
        ASSERT_EQ(doc.GetCurrentAccountId(), bankId);
        const QString text = QString::fromUtf16(row.text);
        for (qsizetype n = 1; n <= text.size(); ++n)
            tree.setFindText(text.left(n)); // a letter at a time, as the field does
        const bool bankShown = tree.viewNode(tree.sourceNode(tree.selectedNode())).isValid()
            && CQuorrilView::nodeAccountId(tree.selectedNode()) == bankId;
        // While the selected account is hidden, the property list shows nothing.
        EXPECT_EQ(doc.GetCurrentAccountId(), bankShown ? bankId : AccountId::None);
        EXPECT_EQ(list.rowCount() > 0, bankShown);
        if (row.pickDuringSearch)
            tree.selectNode(accountNode(AccountType::Email, QString::fromUtf16(row.pickDuringSearch)));

        tree.setFindText(QString());
        EXPECT_EQ(CQuorrilView::nodeText(tree.selectedNode()), QString::fromUtf16(row.selectedAfter));
        EXPECT_EQ(doc.GetCurrentAccountId(), CQuorrilView::nodeAccountId(tree.selectedNode()));
        EXPECT_GT(list.rowCount(), 0);
        EXPECT_EQ(childCount(tree.rootNode()), 10);
        // The categories open before are open again, the others closed, but for an account picked
        // during the search, which is shown.
        EXPECT_TRUE(tree.isExpanded(tree.categoryNode(AccountType::Reference)));
        EXPECT_FALSE(tree.isExpanded(tree.categoryNode(AccountType::Bank)));
        EXPECT_EQ(tree.isExpanded(tree.categoryNode(AccountType::Email)), row.pickDuringSearch != nullptr);
        EXPECT_FALSE(tree.isExpanded(tree.categoryNode(AccountType::Software)));
    }
}

TEST_F(FindTest, TheFieldDrivesTheTreeAndShowingAHiddenNodeOrANewDocumentEndsTheSearch)
{
    FindBar bar(tree);
    EXPECT_EQ(bar.placeholderText(), QStringLiteral("Find (Ctrl+F)"));
    QTest::keyClicks(&bar, QStringLiteral("visa"));
    EXPECT_EQ(shownAccounts(), std::set<QString> { "Visa" });
    // A node the search hides that has to show (a new account) ends the search, field included.
    tree.selectNode(tree.accountModel()->index(0, 0, tree.accountModel()->categoryNode(AccountType::Email)));
    EXPECT_TRUE(bar.text().isEmpty());
    EXPECT_EQ(CQuorrilView::nodeText(tree.selectedNode()), QStringLiteral("Post"));
    QTest::keyClicks(&bar, QStringLiteral("visa"));
    rebuild();
    EXPECT_TRUE(bar.text().isEmpty());
    EXPECT_EQ(shownAccounts().size(), 10u);
    EXPECT_FALSE(tree.isExpanded(tree.categoryNode(AccountType::CreditCard))); // as after every rebuild
}

TEST_F(FindTest, TheFieldMeetsTheHandAsExpected)
{
    FindBar bar(tree);
    bar.show();
    doc.setPassword(QStringLiteral("pw"));
    QToolButton* clearButton = bar.findChild<QToolButton*>();
    ASSERT_TRUE(clearButton);
    enum class Then { Nothing, Enter, Unlock, Rebuild };
    // clang-format off
    struct Row {
        const char* name; const char16_t* typed; bool lockedFirst; Then then;
        std::set<QString> shown; const char* selected; bool noMatches; bool clearShown;
    };
    const Row rows[] = {
        { "Enter takes the one match", u"visa", false, Then::Enter, { "Visa" }, "Visa", false, true },
        { "Enter takes the first of several", u"provider", false, Then::Enter, { "Visa", "Car", "Travel" }, "Travel",
          false, true },
        { "a blank at the end", u"visa ", false, Then::Nothing, { "Visa" }, nullptr, false, true },
        { "blanks at both ends", u"  savings  ", false, Then::Nothing, { "Été Savings" }, nullptr, false, true },
        { "nothing found", u"zzz", false, Then::Nothing, {}, nullptr, true, true },
        { "a value typed while locked, then unlocked", u"institution bank", true, Then::Unlock, { "Été Savings" },
          nullptr, false, true },
        { "the program clears the field", u"visa", false, Then::Rebuild,
          { "Post", "Forum", "Visa", "Été Savings", "Car", "Dentist", "Travel", "Bicycle", "Editor", "Notes" },
          nullptr, false, false },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        rebuild();
        if (row.lockedFirst)
            doc.OnLockDocument();
        bar.setFocus();
        QTest::keyClicks(&bar, QString::fromUtf16(row.typed));
        switch (row.then) {
        case Then::Nothing:
            break;
        case Then::Enter:
            QTest::keyClick(&bar, Qt::Key_Return);
            break;
        case Then::Unlock:
            prompts.addPassword("pw");
            doc.OnUnlockDocument();
            break;
        case Then::Rebuild:
            rebuild();
            break;
        }
        EXPECT_EQ(shownAccounts(), row.shown);
        for (int c = 0; row.then != Then::Rebuild && c < childCount(tree.rootNode()); ++c) {
            EXPECT_TRUE(tree.isExpanded(child(tree.rootNode(), c)));
        }
        if (row.selected) {
            EXPECT_EQ(CQuorrilView::nodeText(tree.selectedNode()), QString::fromLatin1(row.selected));
            EXPECT_EQ(doc.GetCurrentAccountId(), CQuorrilView::nodeAccountId(tree.selectedNode()));
            EXPECT_GT(list.rowCount(), 0);
        }
        EXPECT_EQ(tree.noMatchesLabel()->isVisible(), row.noMatches);
        EXPECT_EQ(tree.noMatchesLabel()->text(), QStringLiteral("No matches"));
        // The button fades in and out.
        QTest::qWait(400);
        EXPECT_EQ(clearButton->isVisible(), row.clearShown);
        bar.clear();
    }
}

TEST_F(FindTest, AnEditedAccountIsSearchedByItsNewTexts)
{
    tree.setFindText(QStringLiteral("renamed"));
    EXPECT_TRUE(shownAccounts().empty());
    tree.setFindText(QString());
    const QModelIndex node = accountNode(AccountType::Reference, QStringLiteral("Notes"));
    auto account = cloneAccount(*doc.FindAccount(CQuorrilView::nodeAccountId(node)));
    account->SetTitle(QStringLiteral("Renamed Notes"));
    doc.EditAccount(std::move(account));
    tree.setFindText(QStringLiteral("renamed"));
    EXPECT_EQ(shownAccounts(), std::set<QString> { "Renamed Notes" });
    // A new account that matches shows at once, in its place; the others keep theirs.
    auto added = makeAccount(AccountType::Reference, doc.NextAccountId(), QStringLiteral("A renamed one"));
    const AccountId id = *doc.AddAccount(std::move(added));
    tree.selectAccount(AccountType::Reference, id);
    EXPECT_EQ(shownAccounts(), (std::set<QString> { "A renamed one", "Renamed Notes" }));
    EXPECT_EQ(tree.findText(), QStringLiteral("renamed"));
    EXPECT_EQ(CQuorrilView::nodeAccountId(tree.selectedNode()), id);
    // An account that goes moves the others of its category up: each is searched by its own texts.
    doc.RemoveAccount(id);
    tree.setFindText(QStringLiteral("renamed notes"));
    EXPECT_EQ(shownAccounts(), std::set<QString> { "Renamed Notes" });
}

TEST_F(FindTest, TextsAreFoldedWhileIdleAndNotWhileLocked)
{
    AccountFilterModel& filter = *tree.filterModel();
    rebuild();
    EXPECT_TRUE(filter.isFoldingWhileIdle());
    for (int tick = 0; tick < 100 && filter.isFoldingWhileIdle(); ++tick)
        QCoreApplication::processEvents();
    EXPECT_FALSE(filter.isFoldingWhileIdle());
    EXPECT_EQ(filter.foldedCount(), 10);

    doc.setPassword(QStringLiteral("pw"));
    doc.OnLockDocument();
    EXPECT_FALSE(filter.isFoldingWhileIdle());
    EXPECT_EQ(filter.foldedCount(), 0);
}

} // namespace

// The keyboard and a screen reader in the main window and its new dialogs: every menu entry and
// button of our own has its letter, no two alike in one menu or dialog; Tab goes round and comes
// back; every control and pane has a name to speak.
#include "support/KeyboardReach.h"
#include "accounts/CreditCardAccount.h"
#include "app/ExpiringDlg.h"
#include "app/FrameTest.h"
#include "app/ImportPreviewDlg.h"
#include "app/PreferencesDlg.h"
#include "core/OleDateTime.h"
#include "dialogs/AccountEditor.h"
#include "dialogs/PasswordGeneratorDlg.h"
#include "import/Importer.h"
#include "views/FindBar.h"

#include <QAccessible>
#include <QBuffer>
#include <QMenuBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>

namespace {

using KeyboardReachTest = FrameTest;

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// Walks the window's focus chain by Tab from its first control; the controls reached, or nothing
// when Tab does not come back to where it started.
QList<QWidget*> tabCycle(QWidget& window, QWidget* first)
{
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    first->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }));
    QList<QWidget*> reached { QApplication::focusWidget() };
    for (int press = 0; press < 60; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == reached.first())
            return reached;
        reached.append(QApplication::focusWidget());
    }
    return {};
}

TEST_F(KeyboardReachTest, MenusOfOurOwnHaveLettersNoTwoAlike)
{
    QStringList titles;
    for (QAction* menu : frame.menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, QStringList({ "&File", "&Edit", "&Account", "&View" }));
    EXPECT_EQ(KeyboardReach::clash(titles), std::nullopt);
    // The entries of the classic menus stay as they were; the ones added beside them have letters.
    // clang-format off
    const int added[] = { ID_ENCRYPT_WALLET, ID_FILE_PREFERENCES, ID_ACCOUNT_COPY_PASSWORD, ID_GENERATE_PASSWORD,
        ID_VIEW_FIND, ID_VIEW_SHOW_SECRETS, ID_VIEW_EXPIRING, ID_VIEW_PASSWORD_HEALTH, ID_EDIT_UNDO, ID_EDIT_REDO,
        ID_EDIT_RECENTLY_DELETED, ID_FILE_RESTORE_BACKUP, ID_FILE_MERGE_FROM, ID_ACCOUNT_COPY_USER_NAME, ID_ACCOUNT_OPEN_URL };
    const std::pair<int, const char*> classic[] = { { ID_ACCOUNT_PROPERTIES, "Properties" },
        { ID_ACCOUNT_DELETE, "Delete" }, { ID_NEW_EMAIL, "Email" }, { ID_APP_ABOUT, "About Quorril..." } };
    // clang-format on
    for (int id : added) {
        SCOPED_TRACE(action(id)->text().toStdString());
        EXPECT_TRUE(KeyboardReach::mnemonic(action(id)->text()).has_value());
    }
    for (const auto& [id, text] : classic)
        EXPECT_EQ(action(id)->text(), QString::fromUtf8(text));
    for (QAction* menu : frame.menuBar()->actions()) {
        SCOPED_TRACE(menu->text().toStdString());
        EXPECT_EQ(KeyboardReach::clash(KeyboardReach::entryTexts(*menu->menu())), std::nullopt);
    }
}

TEST_F(KeyboardReachTest, TabGoesRoundEveryWindowAndEveryStopHasAName)
{
    addAccounts(doc, oneOfEachType());
    for (const auto& [id, account] : doc.accounts())
        if (auto* card = dynamic_cast<CreditCardAccount*>(account.get()))
            card->SetExpiration(OleDateTime::fromDate(QDate(2024, 2, 1)));
    frame.treeView()->OnInitialUpdate();
    // The property list and the expiring list hold rows: Tab must still leave them.
    select(AccountType::CreditCard, QStringLiteral("My Credit Card"));
    frame.listView()->setCurrentCell(0, 0);
    PreferencesDlg preferencesDlg(preferences, &frame);
    PasswordGeneratorDlg generator(&frame);
    ExpiringDlg expiring(
        doc, [] { return QDate(2024, 1, 1); }, &frame);
    // The import preview with all it can show: a login's type box and the refused rows' switch.
    QByteArray csv("name,url,username,password\nShop,https://shop.example,u,p\nBad,https://b.example,\xEF\xBE\xA0,p\n");
    QBuffer csvFile(&csv);
    ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly));
    ImportRead read = Importer::read(csvFile, std::nullopt);
    ASSERT_NE(read.plan, nullptr);
    ImportPreviewDlg importPreview(*read.plan, &frame);
    struct Row {
        QString name;
        QWidget* window;
        QWidget* first;
        QList<QWidget*> order; // empty: any order
        bool lettered; // every button of the window has its letter, none twice
    };
    const QList<QWidget*> panes { frame.findBar(), frame.treeView(), frame.listView() };
    std::vector<Row> rows;
    rows.push_back({ QStringLiteral("main window"), &frame, frame.findBar(), panes, false });
    rows.push_back(
        { QStringLiteral("Preferences"), &preferencesDlg, preferencesDlg.clipboardClearSeconds(), {}, true });
    rows.push_back({ QStringLiteral("generator"), &generator, generator.lengthBox(), {}, true });
    rows.push_back({ QStringLiteral("expiring list"), &expiring, expiring.table(), {}, true });
    rows.push_back({ QStringLiteral("import preview"), &importPreview,
        importPreview.findChild<QPlainTextEdit*>(QStringLiteral("importSummary")), {}, true });
    std::vector<std::unique_ptr<CAccountDialog>> accountDialogs;
    for (AccountType type : kAccountTypes) {
        accountDialogs.push_back(createAccountDialog(type, &doc, AccountId::None, prompts, &frame));
        accountDialogs.back()->show();
        rows.push_back({ accountTypeName(type), accountDialogs.back().get(), QApplication::focusWidget(), {}, false });
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        QList<QWidget*> cycle = tabCycle(*row.window, row.first ? row.first : row.window);
        ASSERT_FALSE(cycle.isEmpty()) << "Tab does not come back";
        if (!row.order.isEmpty()) {
            for (QWidget*& stop : cycle)
                stop = KeyboardReach::owner(stop, row.order);
            EXPECT_EQ(cycle, row.order);
        }
        for (QWidget* stop : cycle) {
            QWidget* named = stop;
            // A spin box's inner edit speaks for its box.
            if (auto* box = qobject_cast<QAbstractSpinBox*>(stop->parentWidget()))
                named = box;
            EXPECT_FALSE(accessibleName(named).isEmpty()) << named->metaObject()->className();
        }
        if (row.lettered) {
            EXPECT_EQ(KeyboardReach::clash(KeyboardReach::controlTexts(*row.window)), std::nullopt);
            for (const QAbstractButton* button : row.window->findChildren<QAbstractButton*>()) {
                if (button->focusPolicy() != Qt::NoFocus) {
                    EXPECT_TRUE(KeyboardReach::mnemonic(button->text()).has_value()) << button->text().toStdString();
                }
            }
        }
        row.window->hide();
    }
    // The panes of the status bar say what they are.
    for (QLabel* pane : frame.statusBar()->findChildren<QLabel*>())
        EXPECT_FALSE(pane->accessibleName().isEmpty()) << pane->text().toStdString();
    // The find field's clear button too.
    for (QWidget* button : frame.findBar()->findChildren<QToolButton*>())
        EXPECT_EQ(button->accessibleName(), QStringLiteral("Clear the find text"));
}

} // namespace

// Secrets drawn hidden in the property list, and the clipboard that forgets what it was given.
#include "core/Clock.h"
#include "views/AccountView.h"
#include "views/SecretClipboard.h"
#include "views/WidgetTestSupport.h"

#include <QClipboard>
#include <QMimeData>
#include <QTextDocument>

namespace {

class MaskTest : public WidgetTest {
protected:
    MaskTest()
        : doc(prompts)
        , list(doc)
    {
    }

    // An account whose text fields hold "<field name> value" and, with a user, a user password.
    AccountId add(AccountType type)
    {
        auto account = makeAccount(type, doc.NextAccountId(), QStringLiteral("Title"));
        const RecordLayout& layout = account->layout();
        for (int f = 0; f < int(layout.fields.size()); ++f)
            if (layout.fields[size_t(f)].kind == FieldKind::Text)
                account->setField(
                    f, ScrambledText(QString::fromLatin1(layout.fields[size_t(f)].name) + QStringLiteral(" value")));
        if (type == AccountType::Email)
            account->AddUser(0, QStringLiteral("me"), QStringLiteral("user password value"), QStringLiteral("e"));
        return doc.AddAccount(std::move(account)).value_or(AccountId::None);
    }

    CQuorrilDoc doc;
    CAccountView list;
};

TEST_F(MaskTest, SecretRowsShowDotsUntilSecretsAreShownAndCopyGivesTheValue)
{
    // clang-format off
    struct Row { AccountType type; std::vector<const char*> secrets; }; // the secret rows' values, in order
    const Row rows[] = {
        { AccountType::Bank, { "pin value" } },           { AccountType::CreditCard, { "pin value" } },
        { AccountType::CallingCard, { "pin value" } },    { AccountType::Software, { "cdKey value" } },
        { AccountType::Medical, { "ssn value" } },        { AccountType::WebSite, { "userPassword value" } },
        { AccountType::Email, { "user password value" } }, { AccountType::Insurance, {} },
        { AccountType::PurchasedItem, {} },               { AccountType::Reference, {} },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(accountTypeName(row.type).toStdString());
        doc.SetCurrentAccountId(add(row.type));
        list.OnUpdate();
        ASSERT_GT(list.rowCount(), 0);
        // The last secret row, if any, is selected and stays so while secrets show.
        int selected = list.rowCount() - 1;
        while (selected > 0 && !list.isSecretRow(selected))
            --selected;
        list.selectRow(selected);
        for (bool shown : { false, true }) {
            SCOPED_TRACE(shown ? "shown" : "hidden");
            list.setShowSecrets(shown);
            EXPECT_EQ(list.selectedRow(), selected);
            std::vector<QString> secrets;
            for (int r = 0; r < list.rowCount(); ++r) {
                const QTableWidgetItem* cell = list.item(r, 1);
                const std::optional<QString> value = list.rowValue(r);
                ASSERT_TRUE(value.has_value());
                if (!list.isSecretRow(r)) {
                    EXPECT_EQ(cell->text(), *value);
                    continue;
                }
                secrets.push_back(*value);
                EXPECT_EQ(cell->text(), shown ? *value : CAccountView::maskText());
                // A screen reader hears no more than the eye sees.
                EXPECT_NE(cell->data(Qt::AccessibleTextRole).toString(), *value);
                if (!shown) {
                    EXPECT_EQ(cell->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Hidden"));
                }
            }
            EXPECT_EQ(secrets, std::vector<QString>(row.secrets.begin(), row.secrets.end()));
            const QString printed = list.printDocument()->toPlainText();
            for (const char* secret : row.secrets)
                EXPECT_EQ(printed.contains(QLatin1String(secret)), shown) << secret;
        }
        list.setShowSecrets(false);
    }
    EXPECT_FALSE(list.rowValue(list.rowCount()).has_value());
}

class SecretClipboardTest : public WidgetTest { };

TEST_F(SecretClipboardTest, ClearsItsOwnCopyOnlyAndMarksItSecret)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    const auto put = [clipboard](const char* text) { return [=](SecretClipboard&) { clipboard->setText(text); }; };
    const char* const in20 = "Copied; the clipboard clears in 20 s.";
    // clang-format off
    // between: what happens before the delay is over; left: the clipboard's text after it.
    struct Row { const char* name; int seconds; std::function<void(SecretClipboard&)> between; QString message, left; };
    const Row rows[] = {
        { "left alone", 20, {}, in20, "" },
        { "a three-second delay", 3, {}, "Copied; the clipboard clears in 3 s.", "" },
        { "copied over by the user", 20, put("mine"), in20, "mine" },
        { "the same text copied by another program", 20, put("s3cret"), in20, "s3cret" },
        { "never cleared by time", 0, {}, "Copied.", "s3cret" },
        { "cleared early, as on lock", 20, [](SecretClipboard& c) { c.clear(); }, in20, "" },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        clipboard->setText(QStringLiteral("before"));
        SecretClipboard secret([&row] { return row.seconds; });
        Clock::Fake clock;
        clock.setSecondLength(std::chrono::milliseconds(2));
        EXPECT_EQ(secret.copy(QStringLiteral("s3cret")), row.message);
        const QMimeData* data = clipboard->mimeData();
        ASSERT_TRUE(data);
        EXPECT_EQ(data->text(), QStringLiteral("s3cret"));
        EXPECT_EQ(data->data(QStringLiteral("x-kde-passwordManagerHint")), QByteArray("secret"));
        EXPECT_TRUE(secret.holdsCopy());
        if (row.between)
            row.between(secret);
        if (row.seconds > 0) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !secret.clearTimer().isActive(); }, 2000));
        } else {
            EXPECT_FALSE(secret.clearTimer().isActive());
        }
        QTest::qWait(row.seconds * 2 + 5);
        EXPECT_EQ(clipboard->text(), row.left);
    }
    SecretClipboard([] { return 0; }).copy(QStringLiteral("s3cret")); // leaving the program clears it
    EXPECT_TRUE(clipboard->text().isEmpty());
}

} // namespace

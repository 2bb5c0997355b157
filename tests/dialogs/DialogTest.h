#pragma once

#include "accounts/AccountFactory.h"
#include "dialogs/TableAccountDialog.h"
#include "document/QuorrilDoc.h"
#include "support/ScriptedPrompts.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// A document with scripted prompts, and helpers that drive an account dialog through its real
// controls: typing into them, clicking its buttons.
class DialogTest : public testing::Test {
protected:
    ScriptedPrompts prompts;
    CQuorrilDoc doc { prompts };

    // Opens the dialog of the type (id 0: a new account) as the account commands do, shown but not run.
    std::unique_ptr<TableAccountDialog> open(AccountType type, AccountId id = AccountId::None)
    {
        std::unique_ptr<CAccountDialog> dialog = createAccountDialog(type, &doc, id, prompts);
        auto* table = dynamic_cast<TableAccountDialog*>(dialog.get());
        EXPECT_NE(table, nullptr);
        dialog.release();
        std::unique_ptr<TableAccountDialog> result(table);
        result->show();
        return result;
    }

    // Types the text key by key; characters without a key of their own come as key events that
    // carry the character, as an input method delivers them.
    static void typeKeys(QWidget* widget, const QString& text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
                QTest::keyClick(widget, char(c.unicode()));
                continue;
            }
            const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
            i += length - 1;
        }
    }

    // Types into an edit, memo or editable combo box after emptying it.
    static void type(TableAccountDialog& dialog, int id, const QString& text)
    {
        QWidget* widget = dialog.control(id);
        ASSERT_NE(widget, nullptr) << "no control " << id;
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->clear();
            typeKeys(edit, text);
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
            memo->clear();
            typeKeys(memo, text);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
            combo->lineEdit()->clear();
            typeKeys(combo->lineEdit(), text);
        } else {
            FAIL() << "control " << id << " takes no typing";
        }
    }

    // Pastes the text through the clipboard where the cursor is.
    static void paste(QWidget* widget, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
    }

    static QString shown(TableAccountDialog& dialog, int id)
    {
        QWidget* widget = dialog.control(id);
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            return edit->text();
        if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
            return memo->toPlainText();
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            return combo->currentText();
        return {};
    }

    static void click(TableAccountDialog& dialog, int id)
    {
        auto* button = qobject_cast<QPushButton*>(dialog.control(id));
        ASSERT_NE(button, nullptr) << "no button " << id;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static void clickOk(TableAccountDialog& dialog) { click(dialog, 1); }
    static void clickCancel(TableAccountDialog& dialog) { click(dialog, 2); }

    // Whether the dialog ended, and how.
    static bool isOpen(const TableAccountDialog& dialog) { return dialog.isVisible(); }
    static bool accepted(const TableAccountDialog& dialog)
    {
        return !dialog.isVisible() && dialog.result() == QDialog::Accepted;
    }
    static bool rejected(const TableAccountDialog& dialog)
    {
        return !dialog.isVisible() && dialog.result() == QDialog::Rejected;
    }

    // Files a committed account of the type with the title and returns its id (-1 when refused).
    AccountId addAccount(AccountType type, const QString& title)
    {
        auto account = createAccount(doc.NextAccountId(), type);
        account->SetTitle(title);
        account->SetCommitted();
        return doc.AddAccount(std::move(account)).value_or(AccountId(-1));
    }

    // Saves the dialog's new account into the document as the New command does after OK.
    AccountId fileAccount(TableAccountDialog& dialog)
    {
        return doc.AddAccount(dialog.takeAccount()).value_or(AccountId(-1));
    }
};

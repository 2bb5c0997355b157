#pragma once

#include "accounts/AccountFactory.h"
#include "core/AccountTypes.h"
#include "document/QuorrilDoc.h"
#include "support/ScriptedDocumentPrompts.h"
#include "support/TestApplication.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* os)
{
    *os << '[' << texts.join(QStringLiteral("|")).toStdString() << ']';
}

// A double-click as the window system delivers it: press, release, press, double-click, release.
// (QTest::mouseDClick leaves out the second press, which item views need.)
inline void doubleClick(QWidget* widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QMouseEvent event(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &event);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

struct AccountSpec {
    AccountType type;
    QString title;
};

// A committed account with the given title, as a dialog hands it over.
inline std::unique_ptr<AccountRecord> makeAccount(AccountType type, AccountId id, const QString& title)
{
    auto account = createAccount(id, type);
    account->SetTitle(title);
    account->SetCommitted();
    return account;
}

// Adds the accounts to the document through AddAccount, numbered by the document.
inline void addAccounts(CQuorrilDoc& doc, const std::vector<AccountSpec>& accounts)
{
    for (const AccountSpec& wanted : accounts)
        EXPECT_TRUE(doc.AddAccount(makeAccount(wanted.type, doc.NextAccountId(), wanted.title)).has_value())
            << wanted.title.toStdString();
}

// Writes a wallet file holding the accounts, saved with the password; returns its path.
inline QString writeWallet(const QString& path, const QString& password, const std::vector<AccountSpec>& accounts)
{
    ScriptedDocumentPrompts prompts;
    CQuorrilDoc doc(prompts);
    addAccounts(doc, accounts);
    doc.setPassword(password);
    EXPECT_TRUE(doc.OnSaveDocument(path));
    return path;
}

// One account of every type, titled after the type.
inline std::vector<AccountSpec> oneOfEachType()
{
    std::vector<AccountSpec> accounts;
    for (AccountType type : kAccountTypes)
        accounts.push_back({ type, QStringLiteral("My %1").arg(accountTypeName(type)) });
    return accounts;
}

// A test with the application, scripted prompts and a private folder for files. The views need
// only the document's prompts; the tests of the windows above them script the questions as well.
template <class Answers> class BasicWidgetTest : public ::testing::Test {
protected:
    BasicWidgetTest() { testApplication(); }

    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    Answers prompts;

private:
    QTemporaryDir m_dir;
};

using WidgetTest = BasicWidgetTest<ScriptedDocumentPrompts>;

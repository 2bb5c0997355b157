#pragma once

#include "app/CommandIds.h"
#include "app/FileCommands.h"
#include "app/MainFrame.h"
#include "app/Preferences.h"
#include "app/RecentFileList.h"
#include "app/WindowTest.h"
#include "dialogs/TableAccountDialog.h"
#include "views/AccountView.h"
#include "views/QuorrilView.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include <functional>

// Runs the step on the next modal window as soon as it is open: the way to answer a dialog that a
// command runs with exec(). A step that never finds its window fails the test instead of hanging.
inline void onNextModal(std::function<void(QWidget*)> step)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, step] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && ++*tries < 400)
            return;
        timer->stop();
        timer->deleteLater();
        if (!modal) {
            ADD_FAILURE() << "no modal window opened";
            return;
        }
        step(modal);
    });
    timer->start();
}

// The whole main window over a document with scripted prompts and settings of its own.
class FrameTest : public WindowTest {
protected:
    FrameTest()
        : settings(path("settings.ini"), QSettings::IniFormat)
        , recentFiles(settings)
        , preferences(settings)
        , doc(prompts)
        , frame(doc, prompts, recentFiles, preferences)
    {
        // New wallets are encrypted by default: at the cheapest key derivation, a test never waits for it.
        doc.setKdfCost(EncryptedFormat::cheapestCost());
        doc.OnNewDocument();
        frame.show();
        frame.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
        focusTree();
    }

    ~FrameTest() override { EXPECT_TRUE(prompts.allAnswersUsed()) << "unused answers"; }

    QAction* action(int id) const { return frame.action(id); }
    bool enabled(int id) const { return action(id)->isEnabled(); }
    void trigger(int id) { action(id)->trigger(); }

    // A key press in the window, as the user types it: the window is active again after any dialog.
    void pressKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        frame.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(target, key, modifiers);
    }

    void focusTree() { frame.treeView()->setFocus(Qt::MouseFocusReason); }
    void focusList() { frame.listView()->setFocus(Qt::MouseFocusReason); }

    // The texts of a node's children in their order.
    QStringList childTexts(const QModelIndex& node) const
    {
        QStringList texts;
        for (int i = 0; node.isValid() && i < node.model()->rowCount(node); ++i)
            texts << CQuorrilView::nodeText(node.model()->index(i, 0, node));
        return texts;
    }
    QModelIndex accountNode(AccountType type, const QString& title) const
    {
        const QModelIndex category = frame.treeView()->categoryNode(type);
        const qsizetype row = childTexts(category).indexOf(title);
        return row < 0 ? QModelIndex() : category.model()->index(int(row), 0, category);
    }
    void select(AccountType type, const QString& title) { frame.treeView()->selectNode(accountNode(type, title)); }

    // The property rows shown, as "label=value".
    QStringList shownRows() const
    {
        QStringList rows;
        const CAccountView* list = frame.listView();
        for (int r = 0; r < list->rowCount(); ++r)
            rows << list->item(r, 0)->text() + QLatin1Char('=') + list->item(r, 1)->text();
        return rows;
    }

    // Fills an account dialog's edits and memos by typing, then presses its OK button.
    static void fillAndAccept(QWidget* modal, const std::vector<std::pair<int, QString>>& texts)
    {
        auto* dialog = qobject_cast<TableAccountDialog*>(modal);
        ASSERT_NE(dialog, nullptr) << "not an account dialog";
        for (const auto& [id, text] : texts) {
            QWidget* control = dialog->control(id);
            if (auto* edit = qobject_cast<QLineEdit*>(control)) {
                edit->selectAll();
                QTest::keyClicks(edit, text);
            } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
                memo->selectAll();
                QTest::keyClicks(memo, text);
            } else {
                ADD_FAILURE() << "no edit " << id;
            }
        }
        QTest::mouseClick(dialog->control<QPushButton>(1), Qt::LeftButton);
    }

    // Runs the New command of the type with a dialog filled with the texts.
    void newAccount(int command, const std::vector<std::pair<int, QString>>& texts)
    {
        onNextModal([texts](QWidget* modal) { fillAndAccept(modal, texts); });
        trigger(command);
    }

    QSettings settings;
    RecentFileList recentFiles;
    Preferences preferences;
    CQuorrilDoc doc;
    CMainFrame frame;
};

// Control ids of the dialogs the tests fill.
namespace Bank {
constexpr int Title = 1051, Institution = 1014, AccountNumber = 1015, NameOnAccount = 1047;
}
namespace Software {
constexpr int Title = 1091, Manufacturer = 1089, SerialNumber = 1086;
}

#include "dialogs/BusyWork.h"
#include "dialogs/PasswordDlg.h"
#include "dialogs/WidgetPrompts.h"
#include "document/DocumentTexts.h"
#include "document/QuorrilDoc.h"
#include "format/WalletFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>

namespace {

using namespace std::chrono_literals;

// What the work and the test share; the work owns it too, as it may outlive the call.
struct Work {
    std::atomic<bool> released { false };
    std::atomic<bool> finished { false };
    std::atomic<bool> onInterfaceThread { false };
};

// While a wait runs: what the user does once the busy dialog shows (from a timer, as the wait is a
// modal loop), and whether it showed.
struct Watcher {
    std::function<void(QProgressDialog&)> onDialog;
    bool dialogShown = false;
    QTimer timer;
    explicit Watcher(std::function<void(QProgressDialog&)> act)
        : onDialog(std::move(act))
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible() || dialogShown)
                return;
            dialogShown = true;
            onDialog(*dialog);
        });
        timer.start();
    }
};

void pressCancel(QProgressDialog& dialog)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Cancel"))
            button->click();
}

TEST(BusyWork, ResultOrCancelAndTheDialogOnlyWhenTheWorkTakesAMoment)
{
    enum class User { Waits, Cancels };
    struct Row {
        const char* name;
        std::chrono::milliseconds delay;
        bool workWaitsForRelease; // released once the dialog shows (Waits) or after the call (Cancels)
        User user;
        std::optional<int> result;
        bool dialogShown;
    };
    const Row rows[] = {
        { "quick work: no dialog", 2000ms, false, User::Waits, 42, false },
        { "slow work: the dialog, then the result", 20ms, true, User::Waits, 42, true },
        { "Cancel gives up at once, the work still running", 20ms, true, User::Cancels, std::nullopt, true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto work = std::make_shared<Work>();
        Watcher watcher([&](QProgressDialog& dialog) {
            EXPECT_EQ(dialog.labelText(), QStringLiteral("Working"));
            EXPECT_EQ(dialog.maximum(), 0) << "an indeterminate bar";
            if (row.user == User::Cancels)
                pressCancel(dialog);
            else
                work->released = true;
        });
        const BusyWait wait { QStringLiteral("Working"), row.delay, {} };
        const std::optional<int> result = resultWhileBusy<int>(nullptr, wait, [work, &row] {
            work->onInterfaceThread = QThread::currentThread() == qApp->thread();
            while (row.workWaitsForRelease && !work->released)
                std::this_thread::sleep_for(1ms);
            work->finished = true;
            return 42;
        });
        EXPECT_EQ(result, row.result);
        EXPECT_EQ(watcher.dialogShown, row.dialogShown);
        EXPECT_EQ(work->finished.load(), row.result.has_value());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        work->released = true;
        while (!work->finished)
            std::this_thread::sleep_for(1ms);
        EXPECT_FALSE(work->onInterfaceThread);
    }
}

TEST(BusyWork, WhatTheWorkThrowsIsThrownToTheCaller)
{
    const BusyWait wait { QStringLiteral("Working"), 1000ms, {} };
    EXPECT_THROW(runWhileBusy(nullptr, wait, [] { throw std::runtime_error("no memory"); }), std::runtime_error);
}

TEST(BusyWork, ALockCancelsTheWaitOfTheWindowPrompts)
{
    WidgetPrompts prompts;
    const auto work = std::make_shared<Work>();
    Watcher watcher([&](QProgressDialog& dialog) {
        EXPECT_EQ(dialog.labelText(), QStringLiteral("Deriving the wallet's key…"));
        prompts.cancelOpenPrompts();
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(prompts.runCostly([work] {
        while (!work->released)
            std::this_thread::sleep_for(1ms);
    }));
    EXPECT_TRUE(watcher.dialogShown);
    EXPECT_GE(clock.elapsed(), 250) << "the dialog waits a moment before it shows";
    work->released = true;
}

TEST(BusyWork, TheWindowPromptsOpenAnEncryptedFileThroughTheWorker)
{
    const KdfCost cheap = EncryptedFormat::cheapestCost();
    const KdfCost costly = { 5, cheap.memLimit };
    QTemporaryDir dir;
    const ScrambledText password(QStringLiteral("pw"));
    const AccountTable noAccounts;
    const auto fileAt = [&](const QString& name, const KdfCost& cost) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(EncryptedFormat::seal(WalletFile::store({ AccountId(1), password, noAccounts }), "pw", cost));
        return path;
    };
    const QString question = DocumentText::openCostlyQuestion(costly);
    const QString notOwner = DocumentText::notOwner();
    const QString invalid = DocumentText::invalidFileFormat();
    using R = CQuorrilDoc::OpenResult;
    // answers: "yes" or "no" to a question, anything else typed into the password prompt.
    // clang-format off
    const struct { const char* name; KdfCost cost; QStringList answers; R result; QStringList boxes; } rows[] = {
        { "right password",             cheap,   { "pw" },        R::Opened,   {} },
        { "wrong password",             cheap,   { "PW" },        R::NotOwner, { notOwner } },
        { "costly, No",                 costly,  { "no" },        R::Damaged,  { question, invalid } },
        { "costly, Yes, right password", costly, { "yes", "pw" }, R::Opened,   { question } },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WidgetPrompts prompts;
        CQuorrilDoc doc(prompts);
        doc.setKdfCost(cheap);
        QStringList answers = row.answers;
        QStringList boxes;
        QTimer answering;
        answering.setInterval(5);
        QObject::connect(&answering, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* password = qobject_cast<CPasswordDlg*>(modal); password && !answers.isEmpty()) {
                password->passwordEdit()->setText(answers.takeFirst());
                password->OnOK();
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                boxes << box->text();
                const bool yes = !answers.isEmpty() && answers.constFirst() == QStringLiteral("yes");
                if (box->button(QMessageBox::Yes))
                    answers.removeFirst();
                box->button(yes                           ? QMessageBox::Yes
                           : box->button(QMessageBox::No) ? QMessageBox::No
                                                          : QMessageBox::Ok)
                    ->click();
            }
        });
        answering.start();
        EXPECT_EQ(doc.OnOpenDocument(fileAt("w.qrl", row.cost)), row.result == R::Opened);
        EXPECT_EQ(doc.lastOpenResult(), row.result);
        EXPECT_EQ(boxes, row.boxes);
        EXPECT_TRUE(answers.isEmpty());
    }
}

} // namespace

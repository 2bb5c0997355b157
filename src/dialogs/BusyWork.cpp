#include "dialogs/BusyWork.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QPromise>
#include <QScopeGuard>
#include <QTimer>

#include <exception>
#include <thread>

namespace {
int g_waits = 0;

// The wait cursor while it lives.
struct WaitCursor {
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Waits until the work is finished or the delay is over, painting but taking no input and no news of
// files (a watched file that changes is seen once the wait is over).
void waitMoment(QFutureWatcher<void>& watcher, std::chrono::milliseconds delay)
{
    const WaitCursor cursor;
    QEventLoop loop;
    QTimer::singleShot(delay, &loop, &QEventLoop::quit);
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
}
} // namespace

bool waitingWhileBusy() { return g_waits > 0; }

bool runWhileBusy(QWidget* parent, const BusyWait& wait, std::function<void()> work)
{
    ++g_waits;
    const auto counted = qScopeGuard([] { --g_waits; });
    auto error = std::make_shared<std::exception_ptr>();
    QPromise<void> promise;
    QFutureWatcher<void> watcher;
    watcher.setFuture(promise.future());
    promise.start();
    // A thread of its own, left to end by itself: a key derivation cannot be stopped, and one the
    // user gave up on must not hold anything up (the shared thread pool is waited for when the
    // program quits, which could then take minutes).
    std::thread([promise = std::move(promise), work = std::move(work), error]() mutable {
        try {
            work();
        } catch (...) {
            *error = std::current_exception();
        }
        promise.finish();
    }).detach();

    waitMoment(watcher, wait.delay);
    if (!watcher.isFinished()) {
        QProgressDialog dialog(wait.label, QCoreApplication::translate("BusyWork", "Cancel"), 0, 0, parent);
        dialog.setWindowTitle(QStringLiteral("Quorril"));
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        QObject::connect(&watcher, &QFutureWatcherBase::finished, &dialog, &QDialog::accept);
        QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, &QDialog::reject);
        // The work may have finished just before the dialog's own loop began.
        QTimer::singleShot(0, &dialog, [&] {
            if (watcher.isFinished())
                dialog.accept();
        });
        wait.showModal ? wait.showModal(dialog) : dialog.exec();
        // Cancel pressed as the work finished still counts as finished: nothing is lost.
        if (!watcher.isFinished())
            return false;
    }
    if (*error)
        std::rethrow_exception(*error);
    return true;
}

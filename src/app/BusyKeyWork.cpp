#include "app/BusyKeyWork.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QThread>

#include <memory>

void runBusyKeyWork(const std::function<void()>& work)
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    QEventLoop loop;
    const std::unique_ptr<QThread> thread(QThread::create(work));
    // Queued to this thread: a thread that ends before exec() still ends the loop.
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    // Paint and timers go on; clicks and keys wait, so no command runs in the middle of a lock.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    thread->wait();
    QGuiApplication::restoreOverrideCursor();
}

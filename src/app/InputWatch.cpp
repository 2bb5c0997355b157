#include "app/InputWatch.h"

#include <QCoreApplication>
#include <QPointer>

namespace {
bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
        return true;
    default:
        return false;
    }
}
} // namespace

InputWatch& InputWatch::instance()
{
    // Owned by the application: it goes when the application goes, and a new one is made for the
    // next (tests make several in turn).
    static QPointer<InputWatch> watch;
    if (!watch)
        watch = new InputWatch;
    return *watch;
}

InputWatch::InputWatch()
    : QObject(QCoreApplication::instance())
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

bool InputWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (isInput(event->type()))
        Q_EMIT input(event->type(), watched->isWindowType());
    return QObject::eventFilter(watched, event);
}

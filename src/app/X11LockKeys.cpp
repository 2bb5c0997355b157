#include "app/X11LockKeys.h"

#include <QGuiApplication>

#ifdef QUORRIL_HAVE_XKB
#include <X11/XKBlib.h>
#endif

std::optional<bool> x11LockIndicator(const char* name)
{
#ifdef QUORRIL_HAVE_XKB
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    const Atom atom = XInternAtom(display, name, True);
    Bool on = False;
    if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return std::nullopt;
    return on != False;
#else
    (void)name;
    return std::nullopt;
#endif
}

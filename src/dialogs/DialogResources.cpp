#include "DialogResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the registering function where it is used, so it must stay outside any
// namespace.
static void registerResources() { Q_INIT_RESOURCE(dialogs); }

void initDialogResources()
{
    static const bool registered = (registerResources(), true);
    Q_UNUSED(registered);
}

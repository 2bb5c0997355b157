#include "core/CoreDumps.h"

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#include <sys/resource.h>
#endif

bool turnOffCoreDumps()
{
#ifdef Q_OS_LINUX
    const rlimit none { 0, 0 };
    const bool limited = setrlimit(RLIMIT_CORE, &none) == 0;
    const bool undumpable = prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) == 0;
    return limited && undumpable;
#else
    return false;
#endif
}

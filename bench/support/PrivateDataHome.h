#pragma once

#include <QFile>
#include <QTemporaryDir>

// Points the data home of this program (and of the programs it starts) at a folder of its own for
// as long as it runs, so the backups its saves keep never reach the user's.
inline void usePrivateDataHome()
{
    static QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
}

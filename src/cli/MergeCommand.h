#pragma once

#include <QStringList>

struct CliIo;

// merge BASE OURS THEIRS (git's merge driver, %O %A %B) and merge OURS THEIRS (the union, for a
// sync engine's conflict copy): merges THEIRS into OURS and writes OURS in place. An empty BASE (git's
// for a file added on both branches) means no base. Every file is opened with the first password
// read that opens it; another is read for a file none opens. Nothing is written when a file is
// refused. The result keeps OURS' password and container, but is encrypted when THEIRS is, then
// with THEIRS' password. Exit 0 merged, 1 merged with accounts kept twice (or a wrong password),
// 2 or 3 as the other commands.
int mergeWallets(const QStringList& files, CliIo& io);

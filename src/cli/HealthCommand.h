#pragma once

#include "cli/CliCommands.h"

// health [--breached LIST] FILE: one line per secret with a problem (id, type, title, which secret,
// grade, problems, tab-separated), worst first; never a secret. With a breached list (empty: none),
// every secret is also looked up in that sorted list of breached passwords' SHA-1 digests. Exit 0
// when nothing is wrong, 5 when something is; 2 for a list that cannot be read, 3 for one that is
// not sorted.
int healthReport(const QString& path, const QString& breachedList, CliIo& io);

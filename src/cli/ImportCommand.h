#pragma once

#include "cli/CliCommands.h"

// import with any of --from, --into, --report, --skip-refused, --no-more: another program's export
// (or Quorril's JSON) into a new wallet or one that exists. True when the arguments ask for it.
bool isFormatImport(const QStringList& arguments);
int importFormat(const QStringList& arguments, CliIo& io);

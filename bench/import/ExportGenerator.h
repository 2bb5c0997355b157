#pragma once

#include "import/ImportFormat.h"

#include <QByteArray>

// An export of `count` entries in the format, shaped as that program writes it: logins mostly, with
// addresses, e-mail user names, passwords of 12 to 20 characters, a note now and then, one-time
// password secrets and groups where the format has them, and cards and secure notes where it holds
// them. The same seed gives the same bytes.
QByteArray generateExport(ImportFormat format, int count, quint32 seed);

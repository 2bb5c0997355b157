#pragma once

#include "import/ImportEntry.h"

// A LastPass secure note ("extra" of a row whose url is http://sn) into the entry. A note that starts
// with "NoteType:" holds "Key:Value" lines and ends with "Notes:" and the free text; the types Credit
// Card, Bank Account, Insurance, Software License and Email Account become those kinds of entry,
// any other a note with every line kept.
void readLastPassNote(const QString& extra, ImportEntry& entry);

// A LastPass date ("January,2025" or "January,15,2025") as "yyyy-MM" or "yyyy-MM-dd"; the text as
// it is when it is neither.
QString lastPassDate(const QString& text);

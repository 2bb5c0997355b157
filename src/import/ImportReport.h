#pragma once

#include <QString>

class ImportPlan;

// The preview of an import as plain text (quorril-cli import --report): the format, the counts by
// type, the values that go into notes or "(more)" accounts by label, the renamed titles, the refused
// rows with the reason, what the file held that is left out. Titles and labels only: no value of any
// account is ever in it.
QString importReport(const ImportPlan& plan);
// The refused rows, one line each ("row 9 ("Bad"): ..."), indented by two spaces.
QString refusedRowsText(const ImportPlan& plan);

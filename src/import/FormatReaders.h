#pragma once

#include "import/ImportFormat.h"
#include "import/ImportLimits.h"

#include <QString>

class ImportPlan;
class QIODevice;

// The readers of the import formats. Each reads the export from the device as a stream, entry by
// entry into the plan, holding no more of the file than one entry. On a fault each returns false and
// `error` names the row, line or byte; the plan is then of no use.
namespace FormatReaders {

// Every CSV format: the header must hold the format's columns.
bool readCsv(QIODevice& device, ImportFormat format, ImportPlan& plan, const ImportLimits& limits, QString& error);
bool readKeePassXml(QIODevice& device, ImportPlan& plan, const ImportLimits& limits, QString& error);
bool readBitwardenJson(QIODevice& device, ImportPlan& plan, const ImportLimits& limits, QString& error);
// What quorril-cli export writes: read whole, as quorril-cli import reads it, each account carried as
// it is.
bool readQuorrilJson(QIODevice& device, ImportPlan& plan, const ImportLimits& limits, QString& error);

// "the file is larger than 1 GiB, the most an import reads"
QString tooLarge(qint64 limit);
// "1 entry", "4 entries".
QString counted(qint64 count, const char* one, const char* many);

// A date and time of an export ("2024-05-01T10:00:00Z") as its day in UTC, "yyyy-MM-dd"; empty when
// the text is none.
QString dayOf(const QString& dateTime);

} // namespace FormatReaders

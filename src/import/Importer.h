#pragma once

#include "import/ImportFormat.h"
#include "import/ImportLimits.h"
#include "import/ImportPlan.h"

#include <QString>

#include <memory>
#include <optional>

class QIODevice;

// What reading an export gave: the plan, or why there is none.
struct ImportRead {
    std::unique_ptr<ImportPlan> plan;
    QString error; // names the row, line or byte of the fault
    bool unreadable = false; // the file could not be read at all (missing, a folder, no permission)
};

// Reads another program's export, or Quorril's own JSON, into an import plan.
namespace Importer {

// In the format given, or in the one its content shows (never its name).
ImportRead read(QIODevice& device, std::optional<ImportFormat> format, const ImportLimits& limits = {});
// The same for a file; only a regular file is opened, so a pipe or a device is never waited on.
ImportRead readFile(const QString& path, std::optional<ImportFormat> format, const ImportLimits& limits = {});

} // namespace Importer

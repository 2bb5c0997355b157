#include "import/Importer.h"

#include "document/DocumentTexts.h"
#include "import/FormatReaders.h"

#include <QFile>
#include <QFileInfo>

namespace Importer {

ImportRead read(QIODevice& device, std::optional<ImportFormat> format, const ImportLimits& limits)
{
    ImportRead result;
    if (!device.isSequential() && device.size() > limits.fileBytes) {
        result.error = FormatReaders::tooLarge(limits.fileBytes);
        return result;
    }
    if (!format) {
        QString why;
        format = detectImportFormat(device.peek(64 * 1024), why);
        if (!format) {
            result.error = QStringLiteral("not a file Quorril imports: %1").arg(why);
            return result;
        }
    }
    auto plan = std::make_unique<ImportPlan>(*format);
    bool ok = false;
    switch (*format) {
    case ImportFormat::KeePassXml:
        ok = FormatReaders::readKeePassXml(device, *plan, limits, result.error);
        break;
    case ImportFormat::BitwardenJson:
        ok = FormatReaders::readBitwardenJson(device, *plan, limits, result.error);
        break;
    case ImportFormat::QuorrilJson:
        ok = FormatReaders::readQuorrilJson(device, *plan, limits, result.error);
        break;
    default:
        ok = FormatReaders::readCsv(device, *format, *plan, limits, result.error);
        break;
    }
    if (ok)
        result.plan = std::move(plan);
    return result;
}

ImportRead readFile(const QString& path, std::optional<ImportFormat> format, const ImportLimits& limits)
{
    ImportRead result;
    const QFileInfo info(path);
    QFile file(path);
    if (info.exists() && !info.isFile())
        result.error = DocumentText::cannotOpen(
            path, info.isDir() ? QStringLiteral("Is a directory") : QStringLiteral("Not a regular file"));
    else if (!file.open(QIODevice::ReadOnly))
        result.error = DocumentText::cannotOpen(path, file.errorString());
    if (!result.error.isEmpty()) {
        result.unreadable = true;
        return result;
    }
    return read(file, format, limits);
}

} // namespace Importer

#include "import/CsvExportWriter.h"

#include "import/AccountCsvRow.h"

#include <QIODevice>

namespace {

// A quoted field and the comma after it.
void appendField(QByteArray& out, const QString& text)
{
    out += '"';
    out += text.toUtf8().replace('"', "\"\"");
    out += "\",";
}

} // namespace

bool writeKeePassXcCsv(const AccountTable& accounts, QIODevice& device, QString& error)
{
    constexpr qsizetype kFlushAt = 1 << 20;
    QByteArray out = "\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\",\"TOTP\",\"Icon\","
                     "\"Last Modified\",\"Created\"\n";
    const auto flush = [&out, &device, &error]() {
        if (device.write(out) != out.size()) {
            error = device.errorString();
            return false;
        }
        out.clear();
        return true;
    };
    for (const auto& [id, account] : accounts) {
        const AccountCsvRow::Columns row = AccountCsvRow::encode(*account);
        for (const QString& field : { row.group, row.title, row.username, row.password, row.url, row.notes })
            appendField(out, field);
        out += "\"\",\"0\",\"\",\"\"\n";
        if (out.size() >= kFlushAt && !flush())
            return false;
    }
    return flush();
}

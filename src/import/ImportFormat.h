#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The exports Quorril reads, and how each is told from the others by its content.
enum class ImportFormat {
    KeePassXml, // the unencrypted XML export of KeePass 2 and KeePassXC
    KeePassXcCsv,
    BitwardenJson, // unencrypted
    ChromeCsv, // Chrome, Chromium, Edge, Brave, ...
    FirefoxCsv,
    OnePasswordCsv,
    LastPassCsv,
    QuorrilJson, // what quorril-cli export writes
};

inline constexpr std::array<ImportFormat, 8> kImportFormats = { ImportFormat::KeePassXml, ImportFormat::KeePassXcCsv,
    ImportFormat::BitwardenJson, ImportFormat::ChromeCsv, ImportFormat::FirefoxCsv, ImportFormat::OnePasswordCsv,
    ImportFormat::LastPassCsv, ImportFormat::QuorrilJson };

// The name users know the format by: "KeePass 2 XML", "Bitwarden JSON (unencrypted)", ...
QString importFormatName(ImportFormat format);
// The command line's name of the format: "keepass-xml", "bitwarden-json", ...
QString importFormatOption(ImportFormat format);
std::optional<ImportFormat> importFormatFromOption(QStringView option);
// A file dialog filter for the format: "KeePass 2 XML (*.xml)".
QString importFormatFilter(ImportFormat format);
// What the format holds that Quorril never carries over (the other program's bookkeeping).
QString importFormatLeavesOut(ImportFormat format);

// The columns of a CSV format's header, as its exporter writes them; every CSV format's header also
// names the format when it is read without being told.
struct CsvColumns {
    ImportFormat format;
    QStringList required; // all present, in any order and case
    QStringList optional; // read when present
};
const CsvColumns& csvColumnsOf(ImportFormat format);
bool isCsvFormat(ImportFormat format);

// The format of a file from its first bytes (a few KiB are enough): XML whose root is KeePassFile,
// JSON whose first member is a Bitwarden export's or a Quorril wallet's, or a CSV whose header is
// one of the known ones. Nothing when none fits; `why` then says what the start looks like.
std::optional<ImportFormat> detectImportFormat(QByteArrayView start, QString& why);
// The format a CSV header (the fields of the first row) belongs to.
std::optional<ImportFormat> csvFormatOfHeader(const QStringList& header);

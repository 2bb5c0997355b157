#pragma once

#include <QString>

// The texts the document shows through Prompts. The command-line program prints the same texts.
namespace DocumentText {
inline QString invalidFileFormat() { return QStringLiteral("Invalid File Format !"); }
inline QString unableToSaveFile() { return QStringLiteral("Unable To Save File !"); }
inline QString notOwner() { return QStringLiteral("You Do Not have ownership of this document !"); }
inline QString untitled() { return QStringLiteral("Untitled"); }
// A file that cannot be read or written, with the reason, in the words a Qt program uses.
inline QString cannotOpen(const QString& file, const QString& reason)
{
    return QStringLiteral("Cannot open %1: %2.").arg(file, reason);
}
inline QString cannotSave(const QString& file, const QString& reason)
{
    return QStringLiteral("Cannot save %1: %2.").arg(file, reason);
}
} // namespace DocumentText

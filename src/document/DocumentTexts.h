#pragma once

#include <QString>

// The texts the document shows through Prompts. The command-line program prints the same texts.
namespace DocumentText {
inline QString invalidFileFormat() { return QStringLiteral("Invalid File Format !"); }
inline QString unableToSaveFile() { return QStringLiteral("Unable To Save File !"); }
inline QString notOwner() { return QStringLiteral("You Do Not have ownership of this document !"); }
inline QString untitled() { return QStringLiteral("Untitled"); }
} // namespace DocumentText

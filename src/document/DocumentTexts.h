#pragma once

#include <QCoreApplication>
#include <QString>

// The texts the document shows through Prompts. The command-line program prints the same texts.
namespace DocumentText {
inline QString invalidFileFormat() { return QStringLiteral("Invalid File Format !"); }
inline QString unableToSaveFile() { return QStringLiteral("Unable To Save File !"); }
inline QString notOwner() { return QStringLiteral("You Do Not have ownership of this document !"); }
// The detail of "Invalid File Format !" when an encrypted file needs more memory than there is.
inline QString noMemoryForKey(quint64 memLimit)
{
    return QStringLiteral("Not enough memory to open it (its key derivation asks for %1 MiB).").arg(memLimit >> 20);
}
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
// A save that went through without keeping the file it replaced.
inline QString backupFailed(const QString& reason)
{
    return QCoreApplication::translate("DocumentText", "Saved, but the previous file was not kept as a backup: %1.")
        .arg(reason);
}

// The password prompt's refusals, in the dialog and on the command line.
inline QString passwordEmpty() { return QCoreApplication::translate("DocumentText", "Password Must Not Be Empty !"); }
inline QString passwordsDiffer()
{
    return QCoreApplication::translate("DocumentText", "Password And Verify Password Must Be Identical !");
}

// A character as "U+" and at least four upper-case hex digits: U+00E9, U+FFA0.
inline QString codePoint(QChar character)
{
    return QStringLiteral("U+") + QString::number(character.unicode(), 16).toUpper().rightJustified(4, u'0');
}

// A text that would not come back from the file as typed (see ScrambledText::firstUnstorable).
inline QString unstorableField(const QString& field, QChar character)
{
    return QCoreApplication::translate("DocumentText",
        "The field \"%1\" holds the character %2, which cannot be stored in a Quorril file.\n\n"
        "Remove it and try again.")
        .arg(field, codePoint(character));
}
inline QString unstorablePassword(QChar character)
{
    return QCoreApplication::translate("DocumentText",
        "The password holds the character %1, which cannot be stored in a Quorril file.\n\n"
        "Choose another password.")
        .arg(codePoint(character));
}
} // namespace DocumentText

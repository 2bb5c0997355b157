#pragma once

#include "format/EncryptedFormat.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>

// The texts the document shows through Prompts. The command-line program prints the same texts.
namespace DocumentText {
inline QString invalidFileFormat() { return QCoreApplication::translate("DocumentText", "Invalid File Format !"); }
inline QString unableToSaveFile() { return QCoreApplication::translate("DocumentText", "Unable To Save File !"); }
inline QString notOwner()
{
    return QCoreApplication::translate("DocumentText", "You Do Not have ownership of this document !");
}
// The detail of "Invalid File Format !" when an encrypted file needs more memory than there is.
inline QString noMemoryForKey(quint64 memLimit)
{
    return QCoreApplication::translate(
        "DocumentText", "Not enough memory to open it (its key derivation asks for %1 MiB).")
        .arg(memLimit >> 20);
}
// What a header asks of the key derivation, in words: "64 passes over 1024 MiB to open (about 98 s)".
inline QString kdfCostText(const KdfCost& cost)
{
    const double seconds = std::max(0.1, EncryptedFormat::estimatedSeconds(cost));
    const bool mebibytes = cost.memLimit >= quint64(1) << 20;
    return QCoreApplication::translate("DocumentText", "%1 passes over %2 %3 to open (about %4 s)")
        .arg(cost.opsLimit)
        .arg(double(cost.memLimit) / double(mebibytes ? 1 << 20 : 1 << 10), 0, 'g', 6)
        .arg(mebibytes ? QStringLiteral("MiB") : QStringLiteral("KiB"))
        .arg(seconds < 10 ? QString::number(seconds, 'f', 1) : QString::number(qRound64(seconds)));
}
// The detail of "Invalid File Format !" for a header asking for much more than this program writes.
inline QString costlyKdf(const KdfCost& cost)
{
    return QCoreApplication::translate("DocumentText",
        "This wallet asks for %1, more than %2 times what Quorril writes; a damaged or forged "
        "header may ask so much.")
        .arg(kdfCostText(cost))
        .arg(EncryptedFormat::kCostlyRatio);
}
// The question before a costly header's key derivation runs.
inline QString openCostlyQuestion(const KdfCost& cost)
{
    return QCoreApplication::translate("DocumentText", "This wallet asks for %1. Open it?").arg(kdfCostText(cost));
}
// Why a classic wallet file protects nothing: in the window's question before an encrypted wallet
// is saved classic, and in the command line's warning.
inline QString classicRisk()
{
    return QCoreApplication::translate(
        "DocumentText", "Anyone who has the file can read every account and the password, without knowing it.");
}
// The warning of the password prompt of an encrypted wallet about a short password.
inline QString weakPassword()
{
    return QCoreApplication::translate("DocumentText",
        "This password is easy to guess (graded below Good). An encrypted wallet is only as safe as its password: "
        "anyone who has the file can try likely passwords one after another.\n\nUse it anyway?");
}
inline QString untitled() { return QCoreApplication::translate("DocumentText", "Untitled"); }
// A file that cannot be read or written, with the reason, in the words a Qt program uses.
inline QString cannotOpen(const QString& file, const QString& reason)
{
    return QCoreApplication::translate("DocumentText", "Cannot open %1: %2.").arg(file, reason);
}
inline QString cannotSave(const QString& file, const QString& reason)
{
    return QCoreApplication::translate("DocumentText", "Cannot save %1: %2.").arg(file, reason);
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

// The open wallet's file and other copies of it (DiskChanges).
inline QString reloadedFromDisk() { return QCoreApplication::translate("DocumentText", "Reloaded: changed on disk"); }
inline QString mergedFromDisk(const QString& summary)
{
    return QCoreApplication::translate("DocumentText", "Merged changes on disk: ") + summary;
}
inline QString changedWhileLocked()
{
    return QCoreApplication::translate(
        "DocumentText", "Changed on disk: the changes are taken in when the wallet is unlocked");
}
inline QString goneFromDisk(const QString& name)
{
    return QCoreApplication::translate(
        "DocumentText", "%1 was deleted or moved away. The wallet stays open here; save it to keep it.")
        .arg(name);
}
inline QString cannotTakeIn(const QString& name)
{
    return QCoreApplication::translate(
        "DocumentText", "%1 changed on disk, but the new file could not be opened. Your wallet is unchanged.")
        .arg(name);
}
inline QString notSavedOverChange(const QString& name)
{
    return QCoreApplication::translate("DocumentText",
        "%1 changed on disk and the change could not be merged: nothing was saved, so that "
        "nothing is written over it. Use Save As to keep your wallet in another file.")
        .arg(name);
}
inline QString mergedFrom(const QString& name, const QString& summary)
{
    return QCoreApplication::translate("DocumentText", "Merged %1: %2").arg(name, summary);
}
inline QString conflictCopyFound(const QString& name)
{
    return QCoreApplication::translate("DocumentText", "A conflicting copy of this wallet was found: %1. Merge it now?")
        .arg(name);
}
} // namespace DocumentText

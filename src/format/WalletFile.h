#pragma once

#include "format/EncryptedFormat.h"
#include "format/WalletContents.h"

#include <QByteArray>
#include <QByteArrayView>

class WalletSink;

// A whole wallet file, whatever its container: what the document and every other reader and writer
// of ".qrl" files call. A file is either the classic layout (ClassicFormat.h) or the encrypted
// container around exactly that layout (EncryptedFormat.h), told apart by the container's magic.
namespace WalletFile {
enum class Container { Classic, Encrypted };

// The container the bytes of a file are in.
Container containerOf(QByteArrayView bytes);
// The bytes of a whole classic file.
QByteArray store(const WalletContents& wallet);
// The bytes of a whole file in the given container; an encrypted one is sealed with the wallet's
// own password at `cost`, and the classic bytes it holds are wiped once sealed. Throws
// std::bad_alloc when the memory for the key derivation cannot be had.
QByteArray store(const WalletContents& wallet, Container container, const KdfCost& cost);
// Reads the bytes of a whole classic file (an encrypted file's are EncryptedReader::classicBytes())
// into the sink. Damaged data throws CArchiveException, with what was read before the damage
// already in the sink.
void load(QByteArrayView bytes, WalletSink& sink);
// True for the versions of the classic layout that this program reads completely.
bool isKnownVersion(qint32 version);
} // namespace WalletFile

#pragma once

#include "WalletContents.h"

#include <QByteArray>
#include <QByteArrayView>

class WalletSink;

// A whole wallet file, whatever its container: what the document and every other reader and writer
// of ".qrl" files call. Today there is one container, the classic layout (ClassicFormat.h).
namespace WalletFile {
// The bytes of a whole file.
QByteArray store(const WalletContents& wallet);
// Reads a whole file into the sink. Damaged data throws CArchiveException, with what was read
// before the damage already in the sink.
void load(QByteArrayView bytes, WalletSink& sink);
// True for the versions of the file that this program reads completely.
bool isKnownVersion(qint32 version);
} // namespace WalletFile

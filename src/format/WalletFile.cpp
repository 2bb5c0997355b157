#include "WalletFile.h"

#include "CArchive.h"
#include "ClassicFormat.h"

QByteArray WalletFile::store(const WalletContents& wallet)
{
    QByteArray bytes;
    CArchive ar(&bytes);
    ClassicWriter(ar).write(wallet);
    return bytes;
}

void WalletFile::load(QByteArrayView bytes, WalletSink& sink)
{
    CArchive ar(bytes);
    ClassicReader(ar, sink).read();
}

bool WalletFile::isKnownVersion(qint32 version) { return ClassicFormat::isKnownVersion(version); }

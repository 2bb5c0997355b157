#include "format/WalletFile.h"

#include "core/CArchive.h"
#include "format/ClassicFormat.h"

#include <sodium.h>

namespace WalletFile {

Container containerOf(QByteArrayView bytes)
{
    return EncryptedFormat::looksEncrypted(bytes) ? Container::Encrypted : Container::Classic;
}

QByteArray store(const WalletContents& wallet)
{
    QByteArray bytes;
    CArchive ar(&bytes);
    ClassicWriter(ar).write(wallet);
    return bytes;
}

QByteArray store(const WalletContents& wallet, Container container, const KdfCost& cost)
{
    if (container == Container::Classic)
        return store(wallet);
    QByteArray classic = store(wallet);
    // The plain bytes go as soon as they are sealed, also when sealing fails.
    struct Wipe {
        QByteArray& bytes;
        ~Wipe() { sodium_memzero(bytes.data(), size_t(bytes.size())); }
    } wipe { classic };
    return EncryptedFormat::seal(classic, wallet.password.text(), cost);
}

void load(QByteArrayView bytes, WalletSink& sink)
{
    CArchive ar(bytes);
    ClassicReader(ar, sink).read();
}

bool isKnownVersion(qint32 version) { return ClassicFormat::isKnownVersion(version); }

} // namespace WalletFile

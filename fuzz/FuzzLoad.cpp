// Loads arbitrary bytes as a wallet. Loading may stop with CArchiveException (a damaged file) and
// must never crash, leak or allocate beyond the input's size times a small constant. Whatever was
// read must store, and the stored bytes must load completely and store again to the same bytes.
// Bytes that look encrypted (either half of the container's magic) go through its reader with the
// seeds' password; every classic wallet read is also sealed in the container and must come back from it.
// The fuzzing build derives every key at the cheapest cost (QUORRIL_FUZZING_KDF), whatever a file asks.
#include "core/CArchive.h"
#include "document/QuorrilDoc.h"
#include "format/EncryptedFormat.h"
#include "format/WalletFile.h"
#include "fuzz/NoPrompts.h"

#include <cstdint>
#include <cstdlib>

namespace {

// The password of every wallet in the seed corpus (fuzz/make-corpus.sh).
const QString kSeedPassword = QStringLiteral("pw");

// The classic bytes as far as they read, stored again; they must load whole and store the same.
void loadAndStoreAgain(QByteArrayView bytes, bool sealAgain)
{
    NoPrompts prompts;
    CQuorrilDoc doc(prompts);
    try {
        doc.loadClassicBytes(bytes);
    } catch (const CArchiveException&) {
        // a damaged file: the accounts read before the damage stay
    }
    const QByteArray stored = WalletFile::store(doc.contents());

    CQuorrilDoc again(prompts);
    again.loadClassicBytes(stored); // throws (and so fails the run) if the program wrote a damaged file
    if (again.accountCount() != doc.accountCount() || WalletFile::store(again.contents()) != stored)
        std::abort();
    if (!sealAgain)
        return;

    const QByteArray sealed
        = WalletFile::store(doc.contents(), WalletFile::Container::Encrypted, EncryptedFormat::defaultCost());
    EncryptedReader reader(sealed);
    if (!reader.headerIsSound() || reader.unlock(doc.contents().password.text()) != EncryptedReader::Result::Opened
        || reader.classicBytes() != stored)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView input(data, qsizetype(size));
    if (WalletFile::containerOf(input) == WalletFile::Container::Classic) {
        loadAndStoreAgain(input, true);
        return 0;
    }
    EncryptedReader reader(input);
    // Every key here is derived at the cheapest cost, so a costly header is trusted and read on.
    reader.allowCostly();
    if (reader.headerIsSound() && reader.unlock(kSeedPassword) == EncryptedReader::Result::Opened)
        loadAndStoreAgain(reader.classicBytes(), false);
    return 0;
}

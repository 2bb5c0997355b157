// Loads arbitrary bytes as a wallet. Loading may stop with CArchiveException (a damaged file) and
// must never crash, leak or allocate beyond the input's size times a small constant. Whatever was
// read must store, and the stored bytes must load completely and store again to the same bytes.
#include "CArchive.h"
#include "QuorrilDoc.h"
#include "WalletFile.h"

#include <cstdint>
#include <cstdlib>

namespace {

// The loader asks nothing; a prompt here would be a fault of its own.
class NoPrompts : public Prompts {
public:
    std::optional<QString> password(PasswordMode) override { std::abort(); }
    void notice(const QString&, const QString&) override { std::abort(); }
    QString saveFileName(const QString&) override { std::abort(); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    NoPrompts prompts;
    CQuorrilDoc doc(prompts);
    try {
        WalletFile::load(QByteArrayView(data, qsizetype(size)), doc);
    } catch (const CArchiveException&) {
        // a damaged file: the accounts read before the damage stay
    }
    const QByteArray stored = WalletFile::store(doc.contents());

    CQuorrilDoc again(prompts);
    WalletFile::load(stored, again); // throws (and so fails the run) if the program wrote a damaged file
    if (again.accountCount() != doc.accountCount() || WalletFile::store(again.contents()) != stored)
        std::abort();
    return 0;
}

// Merges two small wallets made of arbitrary bytes: the first two bytes give the length of the first
// wallet (little-endian), the rest is the second; each is read as a classic wallet as far as it goes.
// No merge may crash, leak or lose an account, and every merge must come out the same when done again:
// - the union of A and B keeps every account of A as it was and holds every account of B (under its
//   title or a conflict title of it), its ids above every id of both; merging B into it again
//   changes nothing;
// - with A as the base, B merged into A holds every account of B under B's ids;
// - with A as the base and as theirs, nothing changes in B;
// - whatever a merge made stores and loads back whole.
#include "accounts/AccountFactory.h"
#include "core/CArchive.h"
#include "document/MergeTitles.h"
#include "document/QuorrilDoc.h"
#include "document/WalletMerge.h"
#include "format/WalletFile.h"
#include "fuzz/NoPrompts.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

const QDate kToday(2026, 12, 10);

// Stops the run on a failed check, naming its line.
void check(bool condition, int line = __builtin_LINE())
{
    if (condition)
        return;
    std::fprintf(stderr, "FuzzMerge.cpp:%d: check failed\n", line);
    std::abort();
}

void load(QByteArrayView bytes, CQuorrilDoc& doc)
{
    try {
        doc.loadClassicBytes(bytes);
    } catch (const CArchiveException&) {
        // a damaged wallet: the accounts read before the damage stay
    }
}

// Every account of `from` is in `in`, under its title or a conflict title of it.
void holdsEvery(const CQuorrilDoc& in, const CQuorrilDoc& from)
{
    MergeTitles titles(in.accounts().size());
    for (const auto& [id, account] : in.accounts())
        titles.add(*account);
    for (const auto& [id, account] : from.accounts())
        check(titles.sameAccount(*account) != nullptr);
}

void storesAndLoadsBack(const CQuorrilDoc& doc, Prompts& prompts)
{
    const QByteArray stored = WalletFile::store(doc.contents());
    CQuorrilDoc again(prompts);
    again.loadClassicBytes(stored); // throws (and so fails the run) if the merge made something unstorable
    check(again.accountCount() == doc.accountCount());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const size_t split = std::min(size - 2, size_t(data[0] | data[1] << 8));
    const QByteArrayView first(data + 2, qsizetype(split)), second(data + 2 + split, qsizetype(size - 2 - split));
    if (WalletFile::containerOf(first) == WalletFile::Container::Encrypted
        || WalletFile::containerOf(second) == WalletFile::Container::Encrypted)
        return 0;
    NoPrompts prompts;
    CQuorrilDoc a(prompts), b(prompts), merged(prompts);
    load(first, a);
    load(second, b);

    // The union into a copy of A.
    load(first, merged);
    MergeResult merge = mergeTwoWay(a.contents(), b.contents(), kToday);
    for (const AccountChange& change : merge.changes)
        check(!change.before && change.after && change.after->GetId() == change.id);
    const AccountId nextAfterMerge = merge.nextAccountId;
    check(applyMerge(merged, std::move(merge)));
    for (const auto& [id, account] : a.accounts())
        check(merged.FindAccount(id) && sameContent(*merged.FindAccount(id), *account));
    holdsEvery(merged, b);
    // (The document itself hands out the lowest free id once the largest int32 is taken.)
    const qint32 next = idValue(nextAfterMerge);
    for (const CQuorrilDoc* side : { &a, &b })
        for (const auto& [id, account] : side->accounts())
            check(idValue(id) < next || idValue(id) == std::numeric_limits<qint32>::max());
    check(mergeTwoWay(merged.contents(), b.contents(), kToday).changes.empty());
    storesAndLoadsBack(merged, prompts);

    // B's changes to A, merged into A.
    CQuorrilDoc taken(prompts);
    load(first, taken);
    check(applyMerge(taken, mergeThreeWay(a.contents(), a.contents(), b.contents(), kToday)));
    holdsEvery(taken, b);
    for (const auto& [id, account] : taken.accounts())
        check(b.FindAccount(id) != nullptr);
    storesAndLoadsBack(taken, prompts);

    // Nothing of A's changes to itself.
    check(mergeThreeWay(a.contents(), b.contents(), a.contents(), kToday).changes.empty());
    return 0;
}

#include "document/WalletMerge.h"

#include "accounts/AccountFactory.h"
#include "document/MergeTitles.h"
#include "document/QuorrilDoc.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {

// How an account of theirs comes into ours.
enum class Entry {
    Taken, // replaces ours' account at its id, or fills the id ours deleted
    Added, // at its id, free in ours
    Renumbered, // under a new id
    Conflict, // under a new id and a conflict title
};

struct Incoming {
    const AccountRecord* theirs;
    const AccountRecord* ours; // at the same id, or null
    Entry entry;
};

// Ids above every id any side used; past the largest int32, the lowest positive id none used.
class IdSource {
public:
    explicit IdSource(std::initializer_list<const WalletContents*> sides)
    {
        for (const WalletContents* side : sides) {
            m_next = std::max<qint64>(m_next, idValue(side->nextAccountId));
            if (!side->accounts.empty())
                m_next = std::max<qint64>(m_next, qint64(idValue(side->accounts.rbegin()->first)) + 1);
            m_sides.push_back(&side->accounts);
        }
    }

    AccountId take()
    {
        if (m_next <= std::numeric_limits<qint32>::max())
            return AccountId(qint32(m_next++));
        // Cannot run out: the sides together hold far fewer than two billion accounts.
        for (; m_lowest < std::numeric_limits<qint32>::max(); ++m_lowest) {
            const auto id = AccountId(m_lowest);
            if (std::none_of(m_sides.begin(), m_sides.end(), [id](const AccountTable* t) { return t->count(id); })
                && std::find(m_taken.begin(), m_taken.end(), id) == m_taken.end()) {
                m_taken.push_back(id);
                return id;
            }
        }
        return AccountId(m_lowest);
    }

    AccountId next() const { return AccountId(qint32(std::min<qint64>(m_next, std::numeric_limits<qint32>::max()))); }

private:
    qint64 m_next = 1;
    qint32 m_lowest = 1;
    std::vector<const AccountTable*> m_sides;
    std::vector<AccountId> m_taken;
};

// The account filed at id, moving the iterator past it; null when the table has none there.
const AccountRecord* takeAt(AccountTable::const_iterator& it, const AccountTable& table, AccountId id)
{
    if (it == table.end() || it->first != id)
        return nullptr;
    return (it++)->second.get();
}

bool same(const AccountRecord* a, const AccountRecord* b) { return sameContent(*a, *b); }

std::unique_ptr<AccountRecord> copyOf(const AccountRecord* account)
{
    return account ? cloneAccount(*account) : nullptr;
}

class Merger {
public:
    Merger(const WalletContents* base, const WalletContents& ours, const WalletContents& theirs, const QDate& today)
        : m_base(base)
        , m_ours(ours)
        , m_theirs(theirs)
        , m_today(today)
        , m_ids(base ? IdSource { base, &ours, &theirs } : IdSource { &ours, &theirs })
    {
    }

    MergeResult run()
    {
        walk();
        place();
        std::sort(m_result.changes.begin(), m_result.changes.end(),
            [](const AccountChange& a, const AccountChange& b) { return a.id < b.id; });
        m_result.nextAccountId = m_ids.next();
        return std::move(m_result);
    }

private:
    // Decides every id of the three tables, in id order.
    void walk()
    {
        static const AccountTable none;
        const AccountTable& baseTable = m_base ? m_base->accounts : none;
        auto b = baseTable.begin();
        auto o = m_ours.accounts.begin();
        auto t = m_theirs.accounts.begin();
        while (b != baseTable.end() || o != m_ours.accounts.end() || t != m_theirs.accounts.end()) {
            AccountId id = AccountId(std::numeric_limits<qint32>::max());
            for (auto [it, table] : { std::pair { b, &baseTable }, { o, &m_ours.accounts }, { t, &m_theirs.accounts } })
                if (it != table->end())
                    id = std::min(id, it->first);
            const AccountRecord* inBase = takeAt(b, baseTable, id);
            const AccountRecord* inOurs = takeAt(o, m_ours.accounts, id);
            const AccountRecord* inTheirs = takeAt(t, m_theirs.accounts, id);
            decide(inBase, inOurs, inTheirs);
        }
    }

    void decide(const AccountRecord* base, const AccountRecord* ours, const AccountRecord* theirs)
    {
        if (!theirs) {
            // Deleted on their side: it goes only where ours did not change it.
            if (base && ours && same(ours, base)) {
                m_result.changes.push_back({ ours->GetId(), copyOf(ours), nullptr });
                m_changedInOurs.push_back(ours->GetId());
                ++m_result.report.deleted;
            }
            return;
        }
        if (ours && same(ours, theirs))
            return;
        if (!base) {
            if (!ours)
                m_incoming.push_back({ theirs, nullptr, Entry::Added });
            else
                m_incoming.push_back({ theirs, ours, m_base ? Entry::Renumbered : Entry::Conflict });
            return;
        }
        if (same(theirs, base))
            return; // unchanged on their side (or deleted on ours and unchanged on theirs)
        if (!ours || same(ours, base))
            m_incoming.push_back({ theirs, ours, Entry::Taken });
        else
            m_incoming.push_back({ theirs, ours, Entry::Conflict });
    }

    // Files every incoming account of theirs, titles checked against the rest of the result.
    void place()
    {
        if (m_incoming.empty())
            return;
        for (const Incoming& in : m_incoming)
            if (in.entry == Entry::Taken && in.ours)
                m_changedInOurs.push_back(in.theirs->GetId());
        std::sort(m_changedInOurs.begin(), m_changedInOurs.end());
        MergeTitles titles(m_ours.accounts.size() + m_incoming.size());
        for (const auto& [id, account] : m_ours.accounts)
            if (!std::binary_search(m_changedInOurs.begin(), m_changedInOurs.end(), id))
                titles.add(*account);
        for (const Incoming& in : m_incoming)
            place(in, titles);
    }

    void place(const Incoming& in, MergeTitles& titles)
    {
        // An account of theirs that the result holds already is not added a second time.
        if (in.entry != Entry::Taken && titles.sameAccount(*in.theirs))
            return;
        std::unique_ptr<AccountRecord> copy = copyOf(in.theirs);
        Entry entry = in.entry;
        if (entry == Entry::Conflict || titles.isTaken(copy->GetType(), copy->GetTitle())) {
            copy->SetTitle(titles.freeConflictTitle(copy->GetType(), copy->GetTitle(), m_today));
            entry = Entry::Conflict;
        }
        const bool newId = in.entry == Entry::Renumbered || in.entry == Entry::Conflict;
        if (newId)
            AccountBuilder::setId(*copy, m_ids.take());
        MergeReport& report = m_result.report;
        switch (entry) {
        case Entry::Taken:
            ++report.taken;
            break;
        case Entry::Added:
            ++report.added;
            break;
        case Entry::Renumbered:
            ++report.renumbered;
            break;
        case Entry::Conflict:
            ++report.keptTwice;
            report.conflictCopies.push_back(copy->GetId());
            break;
        }
        titles.add(*copy);
        m_result.changes.push_back({ copy->GetId(), newId ? nullptr : copyOf(in.ours), std::move(copy) });
    }

    const WalletContents* m_base;
    const WalletContents& m_ours;
    const WalletContents& m_theirs;
    QDate m_today;
    IdSource m_ids;
    std::vector<Incoming> m_incoming;
    // Ids whose account in ours the result replaces or removes.
    std::vector<AccountId> m_changedInOurs;
    MergeResult m_result;
};

} // namespace

QString MergeReport::summary() const
{
    return QCoreApplication::translate("MergeReport", "%1 taken, %2 kept twice, %3 added, %4 deleted, %5 renumbered")
        .arg(taken)
        .arg(keptTwice)
        .arg(added)
        .arg(deleted)
        .arg(renumbered);
}

QString conflictTitle(const QString& title, const QDate& date)
{
    return QStringLiteral("%1 (conflict %2)").arg(title, date.toString(Qt::ISODate));
}

MergeResult mergeThreeWay(
    const WalletContents& base, const WalletContents& ours, const WalletContents& theirs, const QDate& today)
{
    return Merger(&base, ours, theirs, today).run();
}

MergeResult mergeTwoWay(const WalletContents& ours, const WalletContents& theirs, const QDate& today)
{
    return Merger(nullptr, ours, theirs, today).run();
}

bool applyMerge(CQuorrilDoc& doc, MergeResult&& merge)
{
    for (const AccountChange& change : merge.changes) {
        const AccountRecord* held = doc.FindAccount(change.id);
        if (bool(held) != bool(change.before) || (held && !sameContent(*held, *change.before)))
            return false;
    }
    // One step of the document, which Undo takes back whole.
    const bool nextIdChanged = doc.contents().nextAccountId != merge.nextAccountId;
    std::vector<std::unique_ptr<AccountRecord>> accounts;
    std::vector<AccountId> removed;
    for (AccountChange& change : merge.changes) {
        if (change.after)
            accounts.push_back(std::move(change.after));
        else
            removed.push_back(change.id);
    }
    const int changed
        = doc.changeAccounts(QCoreApplication::translate("WalletMerge", "Merge"), std::move(accounts), removed);
    doc.setNextAccountId(merge.nextAccountId);
    if (changed == 0 && nextIdChanged)
        doc.SetModifiedFlag(true);
    return true;
}

#include "import/ImportPlan.h"

#include "accounts/AccountFactory.h"
#include "core/AccountTypes.h"
#include "document/DocumentTexts.h"
#include "document/QuorrilDoc.h"
#include "import/ImportMapping.h"

#include <QCoreApplication>

#include <condition_variable>
#include <future>
#include <iterator>
#include <limits>
#include <mutex>
#include <optional>
#include <thread>

namespace {

const QString kNoTitle = QStringLiteral("(no title)");

// Titles compare as the document compares them: A to Z match either case, nothing else is folded.
QString titleKey(const QString& title)
{
    for (QChar c : title)
        if (c >= u'A' && c <= u'Z') {
            QString key = title;
            for (QChar& k : key)
                if (k >= u'A' && k <= u'Z')
                    k = QChar(k.unicode() + 32);
            return key;
        }
    return title;
}

size_t typeSlot(AccountType type) { return size_t(accountTypeIndex(type)); }

bool entryIsStorable(const ImportEntry& entry)
{
    if (entry.account)
        return CQuorrilDoc::firstUnstorableField(*entry.account).isEmpty();
    if (!ScrambledText::IsStorable(entry.title))
        return false;
    for (const ImportItem& item : entry.items)
        if (!ScrambledText::IsStorable(item.value) || !ScrambledText::IsStorable(item.label))
            return false;
    return true;
}

// The text of a field as CQuorrilDoc::firstUnstorableField names it.
QString textOf(const AccountRecord& account, const QString& name)
{
    if (name == QLatin1StringView("title"))
        return account.GetTitle();
    if (name.startsWith(QLatin1StringView("users["))) {
        const UserEntry* user = account.GetUser(name.mid(6, name.indexOf(u']') - 6).toInt());
        if (name.endsWith(QLatin1StringView("loginId")))
            return user->GetLoginId();
        return name.endsWith(QLatin1StringView("password")) ? user->GetPassword() : user->GetEmail();
    }
    const auto* text = std::get_if<ScrambledText>(&account.field(account.layout().indexOf(name)));
    return text ? text->text() : QString();
}

QString unstorable(const QString& what, const QString& text)
{
    const qsizetype at = ScrambledText::firstUnstorable(text);
    return QStringLiteral("%1: the character %2 at position %3 cannot be stored")
        .arg(what, DocumentText::codePoint(text.at(at)))
        .arg(at);
}

// Adds (or with -1 takes away) the labels of what a placement sends to notes and to "(more)".
void countLabels(
    std::map<QString, int>& toNotes, std::map<QString, int>& toMore, const ImportMapping::Placement& placement, int by)
{
    for (const ImportItem* item : placement.toNotes)
        toNotes[item->label] += by;
    for (const ImportItem* item : placement.toMore)
        toMore[item->label] += by;
}

void addCounts(std::map<QString, int>& into, const std::map<QString, int>& counts)
{
    for (const auto& [label, n] : counts)
        into[label] += n;
}

void dropZeros(std::map<QString, int>& counts)
{
    std::erase_if(counts, [](const auto& count) { return count.second == 0; });
}

// A title with its " (n)", and the "(more)" account's (empty without one).
void composeTitles(
    const QString& base, qint32 titleSuffix, bool more, qint32 moreSuffix, QString& title, QString& moreTitle)
{
    title = titleSuffix ? QStringLiteral("%1 (%2)").arg(base).arg(titleSuffix) : base;
    moreTitle.clear();
    if (more) {
        const QString plain = title + QStringLiteral(" (more)");
        moreTitle = moreSuffix ? QStringLiteral("%1 (%2)").arg(plain).arg(moreSuffix) : plain;
    }
}

// Rows handed over together to the preparing thread: few enough that it follows the reader closely.
constexpr int kBatchRows = 1024;

} // namespace

// What preparing a row finds: its default type, whether it is refused, whether that type leaves
// values for a "(more)" account, the suffixes of its titles, and, on the preparing thread, its
// accounts built ahead.
struct ImportPlan::Prepared {
    AccountType type = AccountType::None;
    bool refused = false;
    bool more = false;
    qint32 titleSuffix = 0;
    qint32 moreSuffix = 0;
    Built built;
};

// The preparing of rows, in row order: the labels it counted (what goes to notes and to "(more)"
// accounts) and the titles it claimed, as the default choices make them (no title taken).
struct ImportPlan::Preparation {
    std::map<QString, int> toNotes, toMore;
    TitleClaims claims;

    // Prepares a row; with a day, builds its accounts too (dated that day where the entry has no date).
    void prepare(const ImportEntry& entry, Prepared& out, std::optional<QDate> buildOn)
    {
        static const Titles kNoneTaken;
        out.type = ImportMapping::defaultType(entry);
        out.refused = !entryIsStorable(entry);
        if (out.refused || accountTypeIndex(out.type) < 0)
            return;
        // An account carried whole places nothing: only its title may change.
        const ImportMapping::Placement placement = ImportMapping::place(entry, out.type);
        countLabels(toNotes, toMore, placement, 1);
        out.more = !placement.toMore.empty();
        const QString base = baseTitle(entry);
        claims.claimRow(out.type, base, out.more, kNoneTaken, out.titleSuffix, out.moreSuffix);
        if (!buildOn || entry.account)
            return;
        QString title, moreTitle;
        composeTitles(base, out.titleSuffix, out.more, out.moreSuffix, title, moreTitle);
        auto accounts
            = ImportMapping::build(entry, placement, AccountId::None, title, AccountId::None, moreTitle, *buildOn);
        out.built.account = std::move(accounts.front());
        if (accounts.size() > 1)
            out.built.more = std::move(accounts[1]);
        out.built.titleSuffix = out.titleSuffix;
        out.built.moreSuffix = out.moreSuffix;
    }
};

// A thread that prepares the rows of a large import while the reader goes on: it works out each
// row's type, placement and titles and builds its accounts, which is about as much work again as
// reading. It only reads the entries it is handed, which stay where they are until it has stopped.
class ImportPlan::Preparer {
public:
    explicit Preparer(QDate today)
        : m_today(today)
        , m_thread([this] { work(); })
    {
    }
    ~Preparer()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_closed = m_cancelled = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

    void hand(int first, std::vector<const ImportEntry*> entries)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_batches.push_back({ first, std::move(entries), {} });
        }
        m_wake.notify_all();
    }

    // Waits until every row handed over is prepared; then hands each to `take` with its index, and
    // returns the labels counted. The thread goes on to let go of its titles, and then ends.
    template <typename Take> Preparation finish(Take take)
    {
        {
            std::unique_lock lock(m_mutex);
            m_closed = true;
            m_wake.notify_all();
            m_wake.wait(lock, [this] { return m_done; });
        }
        for (Batch& batch : m_batches)
            for (size_t i = 0; i < batch.out.size(); ++i)
                take(batch.first + int(i), batch.out[i]);
        m_batches.clear();
        return std::move(m_counted);
    }

private:
    struct Batch {
        int first;
        std::vector<const ImportEntry*> entries;
        std::vector<Prepared> out;
    };

    void work()
    {
        Preparation preparation;
        for (;;) {
            Batch* batch = nullptr;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return m_cancelled || m_closed || m_next < m_batches.size(); });
                if (m_cancelled)
                    return;
                if (m_next == m_batches.size()) {
                    m_counted.toNotes = std::move(preparation.toNotes);
                    m_counted.toMore = std::move(preparation.toMore);
                    m_done = true;
                    break;
                }
                batch = &m_batches[m_next++]; // a deque: the batch stays put as more are handed over
            }
            batch->out.resize(batch->entries.size());
            for (size_t i = 0; i < batch->entries.size(); ++i)
                preparation.prepare(*batch->entries[i], batch->out[i], m_today);
        }
        m_wake.notify_all();
        // A hundred thousand titles take a while to let go of: here, not on the thread that waited.
        preparation = {};
    }

    const QDate m_today;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Batch> m_batches;
    size_t m_next = 0; // the first batch not yet taken by the thread
    bool m_closed = false; // no more batches come
    bool m_cancelled = false; // the plan goes: stop without preparing the rest
    bool m_done = false; // every batch is prepared, and m_counted filled
    Preparation m_counted;
    std::thread m_thread; // last: started once everything it uses is made
};

int ImportSummary::accountCount() const
{
    int count = 0;
    for (const auto& [type, n] : accounts)
        count += n;
    return count;
}

ImportPlan::ImportPlan(ImportFormat format)
    : m_format(format)
{
}

ImportPlan::ImportPlan(ImportPlan&&) noexcept = default;
ImportPlan& ImportPlan::operator=(ImportPlan&&) noexcept = default;
ImportPlan::~ImportPlan()
{
    m_preparer.reset();
    m_retired.reset();
}

void ImportPlan::addEntry(ImportEntry entry)
{
    m_entries.push_back(std::move(entry));
    m_rows.emplace_back();
    m_dirty = true;
    if (rowCount() - m_pendingFrom < kBatchRows)
        return;
    if (!m_preparer) {
        m_retired.reset();
        m_builtOn = Clock::today();
        m_preparer = std::make_unique<Preparer>(m_builtOn);
    }
    handOver();
}

void ImportPlan::handOver() const
{
    std::vector<const ImportEntry*> batch;
    batch.reserve(size_t(rowCount() - m_pendingFrom));
    for (int i = m_pendingFrom; i < rowCount(); ++i)
        batch.push_back(&m_entries[size_t(i)]);
    m_preparer->hand(m_pendingFrom, std::move(batch));
    m_pendingFrom = rowCount();
}

void ImportPlan::apply(int index, Prepared& prepared) const
{
    RowState& state = m_rows[size_t(index)];
    state.type = state.defaultType = prepared.type;
    state.refused = prepared.refused;
    state.defaultMore = state.more = prepared.more;
    state.titleSuffix = prepared.titleSuffix;
    state.moreSuffix = prepared.moreSuffix;
    m_built[size_t(index)] = std::move(prepared.built);
}

void ImportPlan::settle() const
{
    if (m_settled == rowCount())
        return;
    m_built.resize(m_rows.size());
    // Rows prepared in one go from the first have their titles claimed in row order as they are.
    m_titlesAsPrepared = m_settled == 0;
    Preparation prepared;
    if (m_preparer) {
        if (m_pendingFrom < rowCount())
            handOver();
        prepared = m_preparer->finish([this](int index, Prepared& row) { apply(index, row); });
        m_retired = std::move(m_preparer); // the thread ends on its own
    } else {
        // Few rows: prepared here, their accounts built when taken.
        for (int i = m_settled; i < rowCount(); ++i) {
            Prepared row;
            prepared.prepare(m_entries[size_t(i)], row, std::nullopt);
            apply(i, row);
        }
    }
    addCounts(m_defaultToNotes, prepared.toNotes);
    addCounts(m_defaultToMore, prepared.toMore);
    m_settled = m_pendingFrom = rowCount();
    m_dirty = true;
}

void ImportPlan::setTakenTitles(const AccountTable& accounts)
{
    for (auto& titles : m_taken)
        titles.clear();
    for (const auto& [id, account] : accounts)
        if (accountTypeIndex(account->GetType()) >= 0)
            m_taken[typeSlot(account->GetType())].insert(titleKey(account->GetTitle()));
    m_dirty = true;
}

void ImportPlan::setMoreAccounts(bool create)
{
    m_more = create;
    m_dirty = true;
}

void ImportPlan::setKeepTitles(bool keep)
{
    m_keepTitles = keep;
    m_dirty = true;
}

bool ImportPlan::setRowType(int row, AccountType type)
{
    settle();
    if (row < 0 || row >= rowCount())
        return false;
    const std::vector<AccountType> choices = ImportMapping::typeChoices(m_entries[size_t(row)]);
    if (std::find(choices.begin(), choices.end(), type) == choices.end())
        return false;
    m_titlesAsPrepared = m_titlesAsPrepared && m_rows[size_t(row)].type == type;
    m_rows[size_t(row)].type = type;
    m_dirty = true;
    return true;
}

bool ImportPlan::canImport() const { return m_skipRefused || summary().refusedRows.empty(); }

QString ImportPlan::baseTitle(const ImportEntry& entry)
{
    if (entry.account)
        return entry.account->GetTitle();
    if (!entry.title.isEmpty())
        return entry.title;
    const QString host = ImportMapping::hostOf(entry.value(Slot::Url));
    return host.isEmpty() ? kNoTitle : host;
}

qint32 ImportPlan::TitleClaims::claim(AccountType type, const QString& title, const Titles& taken)
{
    QSet<QString>& inType = claimed[typeSlot(type)];
    const QSet<QString>& takenInType = taken[typeSlot(type)];
    const QString key = titleKey(title);
    // One look in the claimed set: inserted means it was free there.
    if (!takenInType.contains(key)) {
        const qsizetype before = inType.size();
        inType.insert(key);
        if (inType.size() != before)
            return 0;
    }
    qint32& next = nextSuffix[typeSlot(type)][key];
    for (qint32 n = std::max(next, 2); n < std::numeric_limits<qint32>::max(); ++n) {
        const QString candidate = titleKey(QStringLiteral("%1 (%2)").arg(title).arg(n));
        if (!inType.contains(candidate) && !takenInType.contains(candidate)) {
            inType.insert(candidate);
            next = n + 1;
            return n;
        }
    }
    return 0; // cannot happen: no wallet holds two thousand million titles
}

void ImportPlan::TitleClaims::claimRow(
    AccountType type, const QString& base, bool more, const Titles& taken, qint32& titleSuffix, qint32& moreSuffix)
{
    titleSuffix = claim(type, base, taken);
    moreSuffix = 0;
    if (more) {
        QString title, unused;
        composeTitles(base, titleSuffix, false, 0, title, unused);
        moreSuffix = claim(AccountType::Reference, title + QStringLiteral(" (more)"), taken);
    }
}

void ImportPlan::refresh() const
{
    settle();
    if (!m_dirty)
        return;
    // The titles the rows' preparing claimed hold while nothing has changed them; otherwise they are
    // claimed again, in row order.
    const bool asPrepared = m_titlesAsPrepared && m_more && !m_keepTitles
        && std::all_of(m_taken.begin(), m_taken.end(), [](const QSet<QString>& titles) { return titles.isEmpty(); });
    m_titlesAsPrepared = asPrepared;
    m_summary = {};
    m_summary.toNotes = m_defaultToNotes;
    m_summary.toMore = m_defaultToMore;
    m_summary.rows = rowCount();
    TitleClaims claims;
    if (!asPrepared) {
        // Each type's titles go into a set sized once for them all, not grown step by step.
        std::array<qsizetype, std::tuple_size_v<Titles>> perType {};
        for (const RowState& state : m_rows)
            if (!state.refused && accountTypeIndex(state.type) >= 0)
                ++perType[typeSlot(state.type)];
        for (size_t slot = 0; slot < perType.size(); ++slot)
            claims.claimed[slot].reserve(perType[slot]);
    }
    for (int i = 0; i < rowCount(); ++i) {
        const ImportEntry& entry = m_entries[size_t(i)];
        RowState& state = m_rows[size_t(i)];
        if (state.refused || accountTypeIndex(state.type) < 0) {
            state.titleSuffix = state.moreSuffix = 0;
            state.more = false;
            m_summary.refusedRows.push_back(i);
            continue;
        }
        // The labels were counted for the default type: a row switched to another counts anew.
        bool more = state.defaultMore;
        if (state.type != state.defaultType) {
            countLabels(m_summary.toNotes, m_summary.toMore, ImportMapping::place(entry, state.defaultType), -1);
            const ImportMapping::Placement placement = ImportMapping::place(entry, state.type);
            countLabels(m_summary.toNotes, m_summary.toMore, placement, 1);
            more = !placement.toMore.empty();
        }
        state.more = m_more && more;
        if (m_keepTitles)
            state.titleSuffix = state.moreSuffix = 0;
        else if (!asPrepared)
            claims.claimRow(state.type, baseTitle(entry), state.more, m_taken, state.titleSuffix, state.moreSuffix);
        ++m_summary.accounts[state.type];
        if (state.titleSuffix)
            m_summary.renamedRows.push_back(i);
        if (state.more) {
            ++m_summary.accounts[AccountType::Reference];
            ++m_summary.moreAccounts;
            m_summary.moreRows.push_back(i);
        }
    }
    dropZeros(m_summary.toNotes);
    dropZeros(m_summary.toMore);
    m_dirty = false;
}

const ImportSummary& ImportPlan::summary() const
{
    refresh();
    return m_summary;
}

QString ImportPlan::whereOf(int index) const
{
    const ImportEntry& entry = m_entries[size_t(index)];
    switch (m_format) {
    case ImportFormat::KeePassXml:
        return QStringLiteral("entry %1 (line %2)").arg(entry.number).arg(entry.line);
    case ImportFormat::BitwardenJson:
        return QStringLiteral("item %1").arg(entry.number);
    case ImportFormat::QuorrilJson:
        return QStringLiteral("account %1").arg(entry.number);
    default:
        return QStringLiteral("row %1").arg(entry.number);
    }
}

QString ImportPlan::refusalOf(int index) const
{
    const ImportEntry& entry = m_entries[size_t(index)];
    const RowState& state = m_rows[size_t(index)];
    if (accountTypeIndex(state.type) < 0)
        return QStringLiteral("an account of an unknown type");
    if (!state.refused)
        return {};
    if (entry.account) {
        const QString field = CQuorrilDoc::firstUnstorableField(*entry.account);
        return unstorable(QStringLiteral("field \"%1\"").arg(field), textOf(*entry.account, field));
    }
    if (!ScrambledText::IsStorable(entry.title))
        return unstorable(QStringLiteral("the title"), entry.title);
    for (const ImportItem& item : entry.items) {
        if (!ScrambledText::IsStorable(item.label))
            return unstorable(QStringLiteral("the name of a field"), item.label);
        if (!ScrambledText::IsStorable(item.value))
            return unstorable(QStringLiteral("\"%1\"").arg(item.label), item.value);
    }
    return {};
}

void ImportPlan::titlesOf(int index, QString& title, QString& moreTitle) const
{
    const RowState& state = m_rows[size_t(index)];
    composeTitles(
        baseTitle(m_entries[size_t(index)]), state.titleSuffix, state.more, state.moreSuffix, title, moreTitle);
}

ImportRow ImportPlan::row(int index) const
{
    refresh();
    ImportRow row;
    const ImportEntry& entry = m_entries[size_t(index)];
    const RowState& state = m_rows[size_t(index)];
    row.where = whereOf(index);
    row.sourceTitle = entry.account ? entry.account->GetTitle() : entry.title;
    row.type = state.type;
    row.choices = ImportMapping::typeChoices(entry);
    row.refusal = refusalOf(index);
    if (!row.refusal.isEmpty())
        return row;
    const ImportMapping::Placement placement = ImportMapping::place(entry, state.type);
    titlesOf(index, row.title, row.moreTitle);
    row.renamed = state.titleSuffix != 0;
    for (const ImportItem* item : placement.toNotes)
        row.toNotes.append(item->label);
    for (const ImportItem* item : placement.toMore)
        row.toMore.append(item->label);
    return row;
}

std::vector<std::unique_ptr<AccountRecord>> ImportPlan::buildRows(
    int from, int to, const std::vector<NewIds>& ids, QDate today, bool freeEntries)
{
    std::vector<std::unique_ptr<AccountRecord>> accounts;
    accounts.reserve(size_t(to - from));
    for (int i = from; i < to; ++i) {
        const NewIds& row = ids[size_t(i)];
        if (row.id == AccountId::None)
            continue;
        ImportEntry& entry = m_entries[size_t(i)];
        const RowState& state = m_rows[size_t(i)];
        Built& built = m_built[size_t(i)];
        // Built ahead as it is to be: only the ids are missing (a "(more)" account switched off goes).
        if (built.account && built.account->GetType() == state.type && built.titleSuffix == state.titleSuffix
            && (!state.more || (built.more && built.moreSuffix == state.moreSuffix)) && today == m_builtOn) {
            AccountBuilder::setId(*built.account, row.id);
            accounts.push_back(std::move(built.account));
            if (state.more) {
                AccountBuilder::setId(*built.more, row.moreId);
                accounts.push_back(std::move(built.more));
            }
        } else {
            QString title, moreTitle;
            titlesOf(i, title, moreTitle);
            if (entry.account) {
                std::unique_ptr<AccountRecord> account = std::move(entry.account);
                AccountBuilder::setId(*account, row.id);
                account->SetTitle(title);
                account->SetCommitted();
                accounts.push_back(std::move(account));
            } else {
                const ImportMapping::Placement placement = ImportMapping::place(entry, state.type);
                for (auto& account :
                    ImportMapping::build(entry, placement, row.id, title, row.moreId, moreTitle, today))
                    accounts.push_back(std::move(account));
            }
        }
        built = {};
        if (freeEntries)
            entry = ImportEntry(); // what is built needs the entry no more
    }
    return accounts;
}

std::vector<std::unique_ptr<AccountRecord>> ImportPlan::takeAccounts(
    const std::function<AccountId()>& nextId, QDate today)
{
    std::vector<std::unique_ptr<AccountRecord>> accounts;
    if (!canImport())
        return accounts;
    refresh(); // settles the rows too
    // The ids first, in row order with each "(more)" account right after its own row's.
    std::vector<NewIds> ids(m_rows.size());
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const RowState& state = m_rows[i];
        if (state.refused || accountTypeIndex(state.type) < 0)
            continue;
        ids[i].id = nextId();
        if (state.more)
            ids[i].moreId = nextId();
    }
    // Each row's accounts depend on that row alone: a large import builds its second half on a second
    // thread while this one builds the first. The entries were allocated on this thread, and this
    // thread frees them: freed on the other, each free would wait on the allocator's lock that this
    // thread holds as it builds.
    constexpr int kRowsWorthAThread = 4096;
    const int half = rowCount() >= kRowsWorthAThread ? rowCount() / 2 : rowCount();
    std::future<std::vector<std::unique_ptr<AccountRecord>>> second;
    if (half < rowCount())
        second = std::async(
            std::launch::async, [this, half, &ids, today] { return buildRows(half, rowCount(), ids, today, false); });
    accounts = buildRows(0, half, ids, today, true);
    if (second.valid()) {
        std::vector<std::unique_ptr<AccountRecord>> rest = second.get();
        accounts.reserve(accounts.size() + rest.size());
        std::move(rest.begin(), rest.end(), std::back_inserter(accounts));
    }
    m_entries.clear();
    m_rows.clear();
    m_built.clear();
    m_retired.reset();
    m_defaultToNotes.clear();
    m_defaultToMore.clear();
    m_settled = m_pendingFrom = 0;
    m_dirty = true;
    return accounts;
}

int ImportPlan::importInto(CQuorrilDoc& doc, QDate today)
{
    return doc.changeAccounts(QCoreApplication::translate("ImportPlan", "Import"), takeAccounts(freeIdsOf(doc), today));
}

std::function<AccountId()> ImportPlan::freeIdsOf(CQuorrilDoc& doc)
{
    return [&doc, next = idValue(doc.NextAccountId())]() mutable {
        while (doc.FindAccount(AccountId(next)))
            next = next == std::numeric_limits<qint32>::max() ? 1 : next + 1;
        const AccountId id = AccountId(next);
        next = next == std::numeric_limits<qint32>::max() ? 1 : next + 1;
        return id;
    };
}

#include "import/ImportPlan.h"

#include "accounts/AccountFactory.h"
#include "core/AccountTypes.h"
#include "document/DocumentTexts.h"
#include "document/QuorrilDoc.h"
#include "import/ImportMapping.h"

#include <QCoreApplication>

#include <future>
#include <iterator>
#include <limits>

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

} // namespace

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
ImportPlan::~ImportPlan() = default;

void ImportPlan::addEntry(ImportEntry entry)
{
    RowState state;
    state.type = ImportMapping::defaultType(entry);
    state.refused = !entryIsStorable(entry);
    m_entries.push_back(std::move(entry));
    m_rows.push_back(state);
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
    if (row < 0 || row >= rowCount())
        return false;
    const std::vector<AccountType> choices = ImportMapping::typeChoices(m_entries[size_t(row)]);
    if (std::find(choices.begin(), choices.end(), type) == choices.end())
        return false;
    m_rows[size_t(row)].type = type;
    m_dirty = true;
    return true;
}

bool ImportPlan::canImport() const { return m_skipRefused || summary().refusedRows.empty(); }

QString ImportPlan::baseTitle(int index) const
{
    const ImportEntry& entry = m_entries[size_t(index)];
    if (entry.account)
        return entry.account->GetTitle();
    if (!entry.title.isEmpty())
        return entry.title;
    const QString host = ImportMapping::hostOf(entry.value(Slot::Url));
    return host.isEmpty() ? kNoTitle : host;
}

qint32 ImportPlan::claimTitle(AccountType type, const QString& title) const
{
    QSet<QString>& claimed = m_claimed[typeSlot(type)];
    const QString key = titleKey(title);
    if (m_keepTitles)
        return 0;
    // One look in the claimed set: inserted means it was free there.
    if (!m_taken[typeSlot(type)].contains(key)) {
        const qsizetype before = claimed.size();
        claimed.insert(key);
        if (claimed.size() != before)
            return 0;
    }
    // Where the last search for this title ended: a thousand rows of one title cost no more than one.
    qint32& next = m_nextSuffix[typeSlot(type)][key];
    for (qint32 n = std::max(next, 2); n < std::numeric_limits<qint32>::max(); ++n) {
        const QString candidate = titleKey(QStringLiteral("%1 (%2)").arg(title).arg(n));
        if (!claimed.contains(candidate) && !m_taken[typeSlot(type)].contains(candidate)) {
            claimed.insert(candidate);
            next = n + 1;
            return n;
        }
    }
    return 0; // cannot happen: no wallet holds two thousand million titles
}

void ImportPlan::refresh() const
{
    if (!m_dirty)
        return;
    m_summary = {};
    m_summary.rows = rowCount();
    for (auto& titles : m_claimed)
        titles.clear();
    for (auto& suffixes : m_nextSuffix)
        suffixes.clear();
    // Each type's titles go into a set sized once for them all, not grown step by step.
    std::array<qsizetype, std::tuple_size_v<Titles>> perType {};
    for (const RowState& state : m_rows)
        if (!state.refused && accountTypeIndex(state.type) >= 0)
            ++perType[typeSlot(state.type)];
    for (size_t slot = 0; slot < perType.size(); ++slot)
        m_claimed[slot].reserve(perType[slot]);
    for (int i = 0; i < rowCount(); ++i) {
        const ImportEntry& entry = m_entries[size_t(i)];
        RowState& state = const_cast<RowState&>(m_rows[size_t(i)]);
        state.titleSuffix = state.moreSuffix = 0;
        state.more = false;
        if (state.refused || accountTypeIndex(state.type) < 0) {
            m_summary.refusedRows.push_back(i);
            continue;
        }
        const QString title = baseTitle(i);
        state.titleSuffix = claimTitle(state.type, title);
        ++m_summary.accounts[state.type];
        if (state.titleSuffix)
            m_summary.renamedRows.push_back(i);
        const ImportMapping::Placement placement = ImportMapping::place(entry, state.type);
        for (const ImportItem* item : placement.toNotes)
            ++m_summary.toNotes[item->label];
        for (const ImportItem* item : placement.toMore)
            ++m_summary.toMore[item->label];
        if (m_more && !placement.toMore.empty()) {
            QString finalTitle, unused;
            titlesOf(i, finalTitle, unused);
            state.more = true;
            state.moreSuffix = claimTitle(AccountType::Reference, finalTitle + QStringLiteral(" (more)"));
            ++m_summary.accounts[AccountType::Reference];
            ++m_summary.moreAccounts;
            m_summary.moreRows.push_back(i);
        }
    }
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
    const QString base = baseTitle(index);
    title = state.titleSuffix ? QStringLiteral("%1 (%2)").arg(base).arg(state.titleSuffix) : base;
    moreTitle.clear();
    if (state.more) {
        const QString more = title + QStringLiteral(" (more)");
        moreTitle = state.moreSuffix ? QStringLiteral("%1 (%2)").arg(more).arg(state.moreSuffix) : more;
    }
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
        QString title, moreTitle;
        titlesOf(i, title, moreTitle);
        if (entry.account) {
            std::unique_ptr<AccountRecord> account = std::move(entry.account);
            AccountBuilder::setId(*account, row.id);
            account->SetTitle(title);
            account->SetCommitted();
            accounts.push_back(std::move(account));
        } else {
            const ImportMapping::Placement placement = ImportMapping::place(entry, m_rows[size_t(i)].type);
            for (auto& account : ImportMapping::build(entry, placement, row.id, title, row.moreId, moreTitle, today))
                accounts.push_back(std::move(account));
        }
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
    refresh();
    // The titles are settled: what found them is not needed any more.
    for (auto& titles : m_claimed)
        titles = {};
    for (auto& suffixes : m_nextSuffix)
        suffixes = {};
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

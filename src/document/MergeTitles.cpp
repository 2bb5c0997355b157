#include "document/MergeTitles.h"

#include "accounts/AccountFactory.h"
#include "core/AccountTypes.h"
#include "document/WalletMerge.h"

#include <algorithm>
#include <optional>

namespace {

// A hash of the type and the title with A to Z folded to lower case: titles that the document
// counts as equal hash alike, without making a folded copy of each.
size_t titleKey(AccountType type, QStringView title)
{
    size_t h = std::hash<qint32>()(typeCode(type));
    for (QChar c : title) {
        char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            u = char16_t(u + 32);
        h = h * 1099511628211u ^ u;
    }
    return h;
}

// Same type and content; the titles are not compared.
bool sameBesidesTitle(const AccountRecord& a, const AccountRecord& b)
{
    if (a.GetTitle() == b.GetTitle())
        return sameContent(a, b);
    if (a.GetType() != b.GetType())
        return false;
    const std::unique_ptr<AccountRecord> retitled = cloneAccount(b);
    if (!retitled)
        return false;
    retitled->SetTitle(a.GetTitle());
    return sameContent(a, *retitled);
}

} // namespace

namespace {
// The title before a " (conflict YYYY-MM-DD)" at the end of `text`; nothing without one.
std::optional<QStringView> beforeConflictMark(QStringView text)
{
    static constexpr QStringView mark = u" (conflict ";
    constexpr qsizetype length = 11 + 10 + 1; // the mark, the date, ")"
    if (text.size() < length || !text.endsWith(u')'))
        return std::nullopt;
    const QStringView tail = text.last(length);
    if (!tail.startsWith(mark))
        return std::nullopt;
    for (qsizetype i = 0; i < 10; ++i) {
        const QChar c = tail[mark.size() + i];
        const bool dash = i == 4 || i == 7;
        if (dash ? c != u'-' : (c < u'0' || c > u'9'))
            return std::nullopt;
    }
    return text.first(text.size() - length);
}
} // namespace

QString conflictSource(const QString& title)
{
    // Plain string work, not a regular expression: a title read from a file may hold text that is
    // no valid UTF-16 (a lone surrogate), and a regular expression matches nothing in such text.
    const QStringView whole(title);
    if (const auto source = beforeConflictMark(whole))
        return source->toString();
    // A number after the mark: "Title (conflict 2026-12-10) (2)".
    const qsizetype open = whole.lastIndexOf(u" (");
    if (open < 0 || !whole.endsWith(u')'))
        return {};
    const QStringView number = whole.sliced(open + 2, whole.size() - open - 3);
    if (number.isEmpty() || !std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return {};
    if (const auto source = beforeConflictMark(whole.first(open)))
        return source->toString();
    return {};
}

MergeTitles::MergeTitles(size_t expected) { m_byTitle.reserve(expected); }

void MergeTitles::add(const AccountRecord& account)
{
    m_byTitle.emplace(titleKey(account.GetType(), account.GetTitle()), &account);
    const QString source = conflictSource(account.GetTitle());
    if (!source.isNull())
        m_byConflictSource.emplace(titleKey(account.GetType(), source), &account);
}

bool MergeTitles::isTaken(AccountType type, const QString& title) const
{
    const auto [first, last] = m_byTitle.equal_range(titleKey(type, title));
    for (auto it = first; it != last; ++it)
        if (it->second->GetType() == type && equalsIgnoringAsciiCase(it->second->GetTitle(), title))
            return true;
    return false;
}

const AccountRecord* MergeTitles::sameAccount(const AccountRecord& account) const
{
    const size_t key = titleKey(account.GetType(), account.GetTitle());
    for (const auto* index : { &m_byTitle, &m_byConflictSource }) {
        const auto [first, last] = index->equal_range(key);
        for (auto it = first; it != last; ++it) {
            const AccountRecord& held = *it->second;
            const bool titled = index == &m_byTitle ? held.GetTitle() == account.GetTitle()
                                                    : conflictSource(held.GetTitle()) == account.GetTitle();
            if (titled && sameBesidesTitle(account, held))
                return &held;
        }
    }
    return nullptr;
}

QString MergeTitles::freeConflictTitle(AccountType type, const QString& title, const QDate& date) const
{
    const QString first = conflictTitle(title, date);
    QString candidate = first;
    for (int n = 2; isTaken(type, candidate); ++n)
        candidate = QStringLiteral("%1 (%2)").arg(first).arg(n);
    return candidate;
}

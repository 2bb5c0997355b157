// Merging wallets by account id: the rules of the three-way merge and of the two-way union, as
// tables of base, ours, theirs and the result applied to a document holding ours.
#include "document/WalletMerge.h"
#include "document/DocumentFixture.h"
#include "document/MergeTitles.h"
#include "document/WalletText.h"
#include "support/FileAccounts.h"

namespace {

const QDate kToday(2026, 12, 10);
const QString kMark = QStringLiteral(" (conflict 2026-12-10)");

// The id after the largest in `accounts`, held at the largest id when that is taken.
qint32 nextAbove(const AccountTable& accounts)
{
    if (accounts.empty())
        return 1;
    const qint64 above = qint64(idValue(accounts.rbegin()->first)) + 1;
    return qint32(std::min<qint64>(above, std::numeric_limits<qint32>::max()));
}

// A side of a merge: its accounts, and a next id above them unless one is given.
struct Side {
    Side(const QStringList& lines, qint32 next = 0)
        : accounts(WalletText::table(lines))
        , contents { AccountId(std::max(next, nextAbove(accounts))), password, accounts }
    {
    }
    ScrambledText password;
    AccountTable accounts;
    WalletContents contents;
};

struct Row {
    const char* name;
    QStringList base, ours, theirs; // an empty base with `twoWay`: no base at all
    QStringList result;
    const char* counts; // taken, kept twice, added, deleted, renumbered
    qint32 next;
    qint32 theirsNext = 0;
};

QString countsOf(const MergeReport& r)
{
    return QStringLiteral("%1 %2 %3 %4 %5").arg(r.taken).arg(r.keptTwice).arg(r.added).arg(r.deleted).arg(r.renumbered);
}

class WalletMergeTest : public DocumentFixture {
protected:
    // Merges, checks the report and applies the merge to a document holding ours.
    void check(const Row& row, bool twoWay)
    {
        SCOPED_TRACE(row.name);
        const Side base(row.base), ours(row.ours), theirs(row.theirs, row.theirsNext);
        MergeResult merge = twoWay ? mergeTwoWay(ours.contents, theirs.contents, kToday)
                                   : mergeThreeWay(base.contents, ours.contents, theirs.contents, kToday);
        EXPECT_EQ(countsOf(merge.report), QString::fromLatin1(row.counts));
        EXPECT_EQ(merge.report.hasConflicts(), merge.report.keptTwice > 0);
        EXPECT_EQ(merge.report.conflictCopies.size(), size_t(merge.report.keptTwice));
        for (AccountId id : merge.report.conflictCopies)
            EXPECT_TRUE(std::any_of(merge.changes.begin(), merge.changes.end(),
                [id](const AccountChange& c) { return c.id == id && c.after->GetTitle().contains(kMark); }));
        EXPECT_TRUE(std::is_sorted(merge.changes.begin(), merge.changes.end(),
            [](const AccountChange& a, const AccountChange& b) { return a.id <= b.id; }));
        CQuorrilDoc target(prompts);
        for (const auto& [id, a] : ours.accounts)
            fileAccounts(target, cloneAccount(*a));
        target.SetModifiedFlag(false);
        const bool changes = !merge.changes.empty();
        ASSERT_TRUE(applyMerge(target, std::move(merge)));
        EXPECT_EQ(WalletText::lines(target.accounts()), row.result);
        EXPECT_EQ(idValue(target.NextAccountId()), row.next);
        EXPECT_EQ(target.IsModified(), changes || row.next != idValue(ours.contents.nextAccountId));
    }
};

// The wallet both sides came from.
const QStringList kBase = { "1|E|Mail|ann:1", "2|W|Site|site.example", "3|C|Card|4111", "4|B|Bank|Savings" };

// kBase with the account at `id` replaced (none: removed) and `added` at the end.
QStringList with(qint32 id, const QString& replacement, const QStringList& added = {})
{
    QStringList list;
    for (const QString& s : kBase)
        if (s.section(u'|', 0, 0).toInt() != id)
            list << s;
        else if (!replacement.isEmpty())
            list << replacement;
    return list + added;
}

} // namespace

TEST_F(WalletMergeTest, ThreeWayRules)
{
    const QString mail2 = "1|E|Mail|ann:2", mailBob = "1|E|Mail|ann:1,bob:x", card = "3|C|Card|5500";
    const QString note = "5|R|Note|one", other = "5|R|Other|two";
    // clang-format off
    const Row rows[] = {
        { "unchanged",                         kBase, kBase,              kBase,              kBase,                                "0 0 0 0 0", 5 },
        { "changed on theirs only",            kBase, kBase,              with(1, mail2),     with(1, mail2),                       "1 0 0 0 0", 5 },
        { "changed on ours only",              kBase, with(1, mail2),     kBase,              with(1, mail2),                       "0 0 0 0 0", 5 },
        { "changed alike on both",             kBase, with(3, card),      with(3, card),      with(3, card),                        "0 0 0 0 0", 5 },
        { "changed differently: kept twice",   kBase, with(1, mail2),     with(1, mailBob),
          with(1, mail2, { "5|E|Mail" + kMark + "|ann:1,bob:x" }),                                                              "0 1 0 0 0", 6 },
        { "conflict title taken: (2)",         kBase, with(1, mail2, { "5|E|MAIL" + kMark + "|z:z" }), with(1, mailBob),
          with(1, mail2, { "5|E|MAIL" + kMark + "|z:z", "6|E|Mail" + kMark + " (2)|ann:1,bob:x" }),                             "0 1 0 0 0", 7 },
        { "title changed on both",             kBase, with(2, "2|W|Ours|site.example"), with(2, "2|W|Theirs|site.example"),
          with(2, "2|W|Ours|site.example", { "5|W|Theirs" + kMark + "|site.example" }),                                         "0 1 0 0 0", 6 },
        { "added on theirs",                   kBase, kBase,              with(0, {}, { note }), with(0, {}, { note }),         "0 0 1 0 0", 6 },
        { "added on ours",                     kBase, with(0, {}, { note }), kBase,           with(0, {}, { note }),            "0 0 0 0 0", 6 },
        { "deleted on theirs, unchanged ours", kBase, kBase,              with(4, {}),        with(4, {}),                          "0 0 0 1 0", 5 },
        { "deleted on ours, unchanged theirs", kBase, with(4, {}),        kBase,              with(4, {}),                          "0 0 0 0 0", 5 },
        { "deleted on theirs, changed ours",   kBase, with(3, card),      with(3, {}),        with(3, card),                        "0 0 0 0 0", 5 },
        { "deleted on ours, changed theirs",   kBase, with(3, {}),        with(3, card),      with(3, card),                        "1 0 0 0 0", 5 },
        { "deleted on both",                   kBase, with(2, {}),        with(2, {}),        with(2, {}),                          "0 0 0 0 0", 5 },
        { "added under one id, other content", kBase, with(0, {}, { note }), with(0, {}, { other }),
          with(0, {}, { note, "6|R|Other|two" }),                                                                               "0 0 0 0 1", 7 },
        { "added under one id, same content",  kBase, with(0, {}, { note }), with(0, {}, { note }), with(0, {}, { note }),      "0 0 0 0 0", 6 },
        { "added under one id, same title",    kBase, with(0, {}, { note }), with(0, {}, { "5|R|NOTE|two" }),
          with(0, {}, { note, "6|R|NOTE" + kMark + "|two" }),                                                                   "0 1 0 0 0", 7 },
        { "added with a title ours holds",     kBase, kBase,              with(0, {}, { "5|E|mail|new:1" }),
          with(0, {}, { "5|E|mail" + kMark + "|new:1" }),                                                                       "0 1 0 0 0", 6 },
        { "same title in another type",        kBase, kBase,              with(0, {}, { "5|S|Mail|key" }),
          with(0, {}, { "5|S|Mail|key" }),                                                                                      "0 0 1 0 0", 6 },
        { "same content added under two ids",  kBase, with(0, {}, { note }), with(0, {}, { "6|R|Note|one" }),
          with(0, {}, { note }),                                                                                                "0 0 0 0 0", 7 },
        { "new ids above every next id",       kBase, with(1, mail2),     with(1, mailBob),
          with(1, mail2, { "20|E|Mail" + kMark + "|ann:1,bob:x" }),                                                             "0 1 0 0 0", 21, 20 },
        { "ids only the base used stay used",  with(0, {}, { "9|S|Old|k" }), with(1, mail2), with(1, mailBob),
          with(1, mail2, { "10|E|Mail" + kMark + "|ann:1,bob:x" }),                                                             "0 1 0 0 0", 11 },
        { "a merged copy is not made again",   kBase, with(1, mail2, { "5|E|Mail (conflict 2026-01-02)|ann:1,bob:x" }), with(1, mailBob),
          with(1, mail2, { "5|E|Mail (conflict 2026-01-02)|ann:1,bob:x" }),                                                     "0 0 0 0 0", 6 },
        { "every rule at once",                kBase, { mail2, "2|W|Site|site.example", "3|C|Card|4111", note },
          { mailBob, "2|W|Site|new.example", "4|B|Bank|Savings", "6|L|Phone|9" },
          { mail2, "2|W|Site|new.example", note, "6|L|Phone|9", "7|E|Mail" + kMark + "|ann:1,bob:x" },                        "1 1 1 1 0", 8 },
    };
    // clang-format on
    for (const Row& row : rows)
        check(row, false);
}

TEST_F(WalletMergeTest, TwoWayUnionDropsNothing)
{
    const QStringList ours = { "1|E|Mail|ann:1", "2|W|Site|a", "3|B|Bank|x" };
    // clang-format off
    const Row rows[] = {
        { "same accounts",                      {}, ours, ours,                              ours,                          "0 0 0 0 0", 4 },
        { "only in ours",                       {}, ours, { "1|E|Mail|ann:1" },              ours,                          "0 0 0 0 0", 4 },
        { "only in theirs",                     {}, ours, { "7|I|Car|c" },                   ours + QStringList { "7|I|Car|c" }, "0 0 1 0 0", 8 },
        { "same id, other content",             {}, ours, { "1|E|Mail|ann:2" },
          ours + QStringList { "4|E|Mail" + kMark + "|ann:2" },                                                             "0 1 0 0 0", 5 },
        { "same id, other title",               {}, ours, { "2|W|Shop|a" },
          ours + QStringList { "4|W|Shop" + kMark + "|a" },                                                                 "0 1 0 0 0", 5 },
        { "a title ours holds under another id", {}, ours, { "9|B|BANK|y" },
          ours + QStringList { "9|B|BANK" + kMark + "|y" },                                                                 "0 1 0 0 0", 10 },
        { "merged before",                      {}, ours + QStringList { "4|E|Mail" + kMark + "|ann:2" }, { "1|E|Mail|ann:2" },
          ours + QStringList { "4|E|Mail" + kMark + "|ann:2" },                                                             "0 0 0 0 0", 5 },
    };
    // clang-format on
    for (const Row& row : rows)
        check(row, true);
}

TEST_F(WalletMergeTest, ApplyRefusesADocumentThatChangedSince)
{
    const Side base(kBase), ours(kBase), theirs(with(4, {}, { "5|R|Note|one" }));
    for (const char* change : { "edited", "removed", "filled" }) {
        SCOPED_TRACE(change);
        doc.OnNewDocument();
        for (const auto& [id, a] : ours.accounts)
            fileAccounts(doc, cloneAccount(*a));
        if (change == std::string("edited"))
            doc.FindAccount(AccountId(4))->SetTitle("Changed");
        else if (change == std::string("removed"))
            doc.RemoveAccount(AccountId(4));
        else
            fileAccounts(doc, WalletText::account("5|S|Taken|k"));
        doc.SetModifiedFlag(false);
        const QStringList before = WalletText::lines(doc.accounts());
        EXPECT_FALSE(applyMerge(doc, mergeThreeWay(base.contents, ours.contents, theirs.contents, kToday)));
        EXPECT_EQ(WalletText::lines(doc.accounts()), before);
        EXPECT_FALSE(doc.IsModified());
    }
}

TEST_F(WalletMergeTest, IdsPastTheLargestInt32AreTheLowestFree)
{
    const qint32 max = std::numeric_limits<qint32>::max();
    const QString top = QString::number(max);
    const Side base({ top + "|R|Top|a" }), ours({ "1|R|A|a", top + "|R|Top|o" }),
        theirs({ "2|R|B|b", top + "|R|Top|t" });
    const MergeResult merge = mergeThreeWay(base.contents, ours.contents, theirs.contents, kToday);
    EXPECT_EQ(merge.nextAccountId, AccountId(max));
    ASSERT_EQ(merge.report.conflictCopies, std::vector<AccountId> { AccountId(3) });
    ASSERT_EQ(merge.changes.size(), 2u);
    EXPECT_EQ(WalletText::line(*merge.changes[1].after), "3|R|Top" + kMark + "|t");
}

TEST(MergeTitles, ConflictTitlesAndTheirSource)
{
    EXPECT_EQ(conflictTitle("Bank", QDate(2026, 1, 2)), "Bank (conflict 2026-01-02)");
    const QString odd = QStringView(u"B\xd800\0k", 4).toString();
    // clang-format off
    const std::pair<QString, QString> rows[] = {
        { "Bank (conflict 2026-01-02)",          "Bank" },
        { "Bank (conflict 2026-01-02) (12)",     "Bank" },
        { "A (conflict 1999-12-31) (conflict 2026-01-02)", "A (conflict 1999-12-31)" },
        { " (conflict 2026-01-02)",              "" },
        { "Bank (conflict 2026-1-2)",            QString() },
        { "Bank (conflict 2026-01-02) (x)",      QString() },
        { "Bank (conflict 2026-01-02)!",         QString() },
        { "Bank",                                QString() },
        { "Bank (conflict 2026-01-02) ()",       QString() },
        // Text read from a file that is no valid UTF-16 (a lone surrogate, NULs) keeps its source.
        { odd + " (conflict 2026-01-02)",        odd },
    };
    // clang-format on
    for (const auto& [title, source] : rows) {
        EXPECT_EQ(conflictSource(title), source) << title.toStdString();
        EXPECT_EQ(conflictSource(title).isNull(), source.isNull()) << title.toStdString();
    }
}

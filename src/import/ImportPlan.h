#pragma once

#include "core/Clock.h"

#include "format/WalletContents.h"
#include "import/ImportEntry.h"
#include "import/ImportFormat.h"
#include "import/ImportMapping.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class CQuorrilDoc;

// One row of an import as the preview shows it: one entry of the file and what it becomes.
struct ImportRow {
    QString where; // "row 12", "item 3", "entry 7 (line 120)"
    QString sourceTitle;
    AccountType type = AccountType::None;
    std::vector<AccountType> choices; // more than one: the row's type can be switched (logins)
    QString title; // as it will be added
    bool renamed = false; // the title was taken in that type: " (2)", " (3)", ... was added
    QStringList toNotes; // labels of the values that go into the notes field
    QStringList toMore; // labels of the values for the "(more)" account (left out when those are off)
    QString moreTitle; // the "(more)" account's title; empty when there is none
    QString refusal; // why the row cannot be imported; empty when it can
};

// The counts of the preview. Refused rows count in no type.
struct ImportSummary {
    int rows = 0;
    std::map<AccountType, int> accounts; // to add, by type; "(more)" accounts among the Reference ones
    int moreAccounts = 0;
    std::map<QString, int> toNotes; // label: values that go into notes fields
    std::map<QString, int> toMore; // label: values for "(more)" accounts (left out when those are off)
    std::vector<int> renamedRows;
    std::vector<int> moreRows;
    std::vector<int> refusedRows;
    int accountCount() const;
};

// What an import will add, before anything is added: filled by a reader, one entry per row, then
// shown by the preview (or printed by quorril-cli import --report), changed by the user's choices,
// and finally turned into the list of new accounts that the document adds in one step.
class ImportPlan {
public:
    explicit ImportPlan(ImportFormat format);
    ImportPlan(ImportPlan&&) noexcept;
    ImportPlan& operator=(ImportPlan&&) noexcept;
    ~ImportPlan(); // waits for the thread preparing its rows, if any

    ImportFormat format() const { return m_format; }

    // --- what the reader found ---
    void addEntry(ImportEntry entry);
    // What the file held and the import leaves out on purpose: "4 entries in the recycle bin".
    void addSkipped(const QString& what) { m_skipped.append(what); }
    // How the file was read, when worth telling: "The file is not UTF-8 ...".
    void addNotice(const QString& text) { m_notices.append(text); }
    const QStringList& skipped() const { return m_skipped; }
    const QStringList& notices() const { return m_notices; }

    // --- the user's choices ---
    // The accounts already in the wallet the import goes into: their titles are taken.
    void setTakenTitles(const AccountTable& accounts);
    // Whether values with no place in a type without notes make "(more)" accounts (the default) or
    // are left out.
    void setMoreAccounts(bool create);
    bool moreAccounts() const { return m_more; }
    // Switches a row to another of its choices (a login between WebSite and Email); false otherwise.
    bool setRowType(int row, AccountType type);
    // Whether titles stay as the file gives them even when taken (a copy of a wallet's own JSON into
    // a new wallet, which keeps ids and titles alike); off by default.
    void setKeepTitles(bool keep);
    // Whether rows holding a text a wallet cannot store are left out (otherwise nothing is imported).
    void setSkipRefused(bool skip) { m_skipRefused = skip; }
    bool skipRefused() const { return m_skipRefused; }

    // --- what the preview shows ---
    int rowCount() const { return int(m_entries.size()); }
    ImportRow row(int index) const;
    const ImportSummary& summary() const;
    // True unless a row is refused and refused rows are not skipped.
    bool canImport() const;

    // The new accounts, committed, in row order with each row's "(more)" account after its own; the
    // ids come from nextId, one per account. Empties the plan. Nothing when canImport() is false.
    std::vector<std::unique_ptr<AccountRecord>> takeAccounts(
        const std::function<AccountId()>& nextId, QDate today = Clock::today());

    // Ids for new accounts of the document, from its next id up, skipping the ones taken.
    static std::function<AccountId()> freeIdsOf(CQuorrilDoc& doc);
    // Files the new accounts into the document as one undoable step ("Import"), under ids free in
    // it; returns how many. The titles must have been made free first (setTakenTitles).
    int importInto(CQuorrilDoc& doc, QDate today = Clock::today());

private:
    struct RowState {
        AccountType type = AccountType::None;
        AccountType defaultType = AccountType::None;
        qint32 titleSuffix = 0; // 0, or n of " (n)"
        qint32 moreSuffix = 0;
        bool refused = false;
        bool defaultMore = false; // the default type leaves values for a "(more)" account
        bool more = false; // a "(more)" account goes with the row
    };
    struct NewIds {
        AccountId id = AccountId::None;
        AccountId moreId = AccountId::None;
    };
    using Titles = std::array<QSet<QString>, 10>;
    // A row's accounts built ahead in its default type, without ids, and the " (n)" of the titles
    // they were built with.
    struct Built {
        std::unique_ptr<AccountRecord> account;
        std::unique_ptr<AccountRecord> more;
        qint32 titleSuffix = 0;
        qint32 moreSuffix = 0;
    };
    // The titles claimed so far in each type, and where the search for each title's next free
    // number stopped (a thousand rows of one title cost no more than one).
    struct TitleClaims {
        Titles claimed;
        std::array<QHash<QString, qint32>, 10> nextSuffix;
        // 0 when the title is neither claimed nor taken, else the n of its first free " (n)"; claimed.
        qint32 claim(AccountType type, const QString& title, const Titles& taken);
        // The suffixes of a row's title and, when it has a "(more)" account, of that one's title.
        void claimRow(AccountType type, const QString& base, bool more, const Titles& taken, qint32& titleSuffix,
            qint32& moreSuffix);
    };
    struct Prepared;
    struct Preparation;
    class Preparer;

    // Takes in what preparing the rows added since the last time found: on this thread for a few
    // rows, from the preparing thread (which it waits for) for many.
    void settle() const;
    // Hands the rows not yet handed over to the preparing thread.
    void handOver() const;
    void apply(int index, Prepared& prepared) const;
    void refresh() const;
    static QString baseTitle(const ImportEntry& entry);
    QString refusalOf(int index) const;
    // The row's title and its "(more)" account's (empty when it has none) as they will be added.
    void titlesOf(int index, QString& title, QString& moreTitle) const;
    // The accounts of rows [from, to), with the ids given, built ahead where they still fit; with
    // freeEntries, each entry is emptied once built.
    std::vector<std::unique_ptr<AccountRecord>> buildRows(
        int from, int to, const std::vector<NewIds>& ids, QDate today, bool freeEntries);
    QString whereOf(int index) const;

    // First, so that a plan moved over this one stops this one's thread before its entries go; the
    // destructor stops it before any member goes.
    mutable std::unique_ptr<Preparer> m_preparer;
    mutable std::unique_ptr<Preparer> m_retired; // done preparing, still letting go of what it used
    ImportFormat m_format;
    std::deque<ImportEntry> m_entries; // a deque: an entry stays where it is while the plan grows
    mutable std::vector<RowState> m_rows;
    mutable std::vector<Built> m_built;
    QDate m_builtOn; // the day the accounts built ahead are dated
    // Rows from m_pendingFrom on are not yet handed over to be prepared.
    mutable int m_pendingFrom = 0;
    mutable int m_settled = 0; // rows [0, m_settled) are prepared and taken in
    mutable std::map<QString, int> m_defaultToNotes, m_defaultToMore; // labels of the rows in their default types
    QStringList m_skipped;
    QStringList m_notices;
    Titles m_taken;
    bool m_more = true;
    bool m_skipRefused = false;
    bool m_keepTitles = false;

    mutable bool m_dirty = true;
    mutable ImportSummary m_summary;
    // The rows' title suffixes are the ones their preparing found: rows prepared in one go from the
    // first, in their default types, with "(more)" accounts, and no title taken or kept.
    mutable bool m_titlesAsPrepared = false;
};

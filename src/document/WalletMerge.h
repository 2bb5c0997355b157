#pragma once

#include "format/WalletContents.h"

#include <QDate>
#include <QString>

#include <memory>
#include <vector>

class CQuorrilDoc;

// One change to an account table: the account filed under `id` before it (none: the id is free)
// and after it (none: the account goes).
struct AccountChange {
    AccountId id;
    std::unique_ptr<AccountRecord> before;
    std::unique_ptr<AccountRecord> after;
};

// What a merge brought into ours. Each account of theirs that changes ours counts once, in the
// first of these that fits it.
struct MergeReport {
    // Kept beside another account of its type under a conflict title: changed on both sides in
    // different ways (theirs is the copy), the same id with different content and no base, or a
    // title that another account of its type holds in the result.
    int keptTwice = 0;
    // Changed on their side only: their version replaces ours, or comes back where ours deleted it.
    int taken = 0;
    // New on their side, under its own id.
    int added = 0;
    // New on both sides under the same id with different content: theirs gets a new id.
    int renumbered = 0;
    // Deleted on their side and unchanged on ours: deleted from ours.
    int deleted = 0;
    // The ids the accounts kept twice have in the result (theirs, under the conflict title).
    std::vector<AccountId> conflictCopies;

    bool hasConflicts() const { return keptTwice > 0; }
    // "2 taken, 1 kept twice, 0 added, 1 deleted, 0 renumbered"
    QString summary() const;
};

// A merge as changes to ours: nothing is changed until applyMerge(). The changes are in id order,
// one per id; their `before` is ours' account at that id. Ours' password and container are not
// the merge's business: the caller keeps them (see docs/sync.md).
struct MergeResult {
    std::vector<AccountChange> changes;
    // Above every id of every side (and every side's own next id), so that no id is used twice.
    AccountId nextAccountId = AccountId(1);
    MergeReport report;
};

// Three-way merge by account id against the base both sides came from. An account changed on one
// side takes that side's version; changed on both alike is kept once; changed on both differently
// keeps ours, and theirs under a new id and conflictTitle(); deleted on one side and unchanged on the
// other is deleted, and kept where the other side changed it; added on one side is added; added on
// both under one id with different content, theirs gets a new id.
// Titles stay unique in each type: an account of theirs whose title (ignoring ASCII case) another
// account of its type holds in the result is kept under a conflict title too. An account of theirs
// that the result already holds (same type and content, its title or a conflict title of it) is not
// added again, so merging the same file twice changes nothing the second time.
// `today` is the date in conflict titles.
MergeResult mergeThreeWay(
    const WalletContents& base, const WalletContents& ours, const WalletContents& theirs, const QDate& today);

// Two-way merge where no base is known (a sync engine's conflict copy): a union that drops nothing.
// The same id with the same content is kept once, with different content kept twice as above;
// everything else of both sides is kept.
MergeResult mergeTwoWay(const WalletContents& ours, const WalletContents& theirs, const QDate& today);

// "<title> (conflict yyyy-mm-dd)".
QString conflictTitle(const QString& title, const QDate& date);

// Makes the changes in the document as one step, "Merge" (filing and removing as loading does:
// no committed or duplicate check), sets its next id and marks it modified when anything changed. Only when every
// change's `before` is what the document holds at its id: otherwise changes nothing and returns false.
bool applyMerge(CQuorrilDoc& doc, MergeResult&& merge);

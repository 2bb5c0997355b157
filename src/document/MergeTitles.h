#pragma once

#include "core/AccountRecord.h"

#include <QDate>
#include <QString>

#include <unordered_map>

// The titles of a merge's result by type, so that an account coming in from the other side can be
// told whether its title is taken (ignoring ASCII case, as the document's duplicate check does) and
// whether the result holds it already, under its own title or a conflict title of it.
class MergeTitles {
public:
    explicit MergeTitles(size_t expected);

    // Adds an account of the result; it must outlive the index.
    void add(const AccountRecord& account);
    bool isTaken(AccountType type, const QString& title) const;
    // An account of the result with the same type and content as `account`, titled like it or with
    // a conflict title of its title; null when there is none.
    const AccountRecord* sameAccount(const AccountRecord& account) const;
    // The conflict title of `title` at `date`, followed by " (2)", " (3)"... while it is taken.
    QString freeConflictTitle(AccountType type, const QString& title, const QDate& date) const;

private:
    // Entries keyed by type and the title folded to ASCII lower case (hashed, not copied): under its
    // own title, and accounts with a conflict title also under the title it was made from.
    std::unordered_multimap<size_t, const AccountRecord*> m_byTitle;
    std::unordered_multimap<size_t, const AccountRecord*> m_byConflictSource;
};

// The title a conflict title was made from ("Bank (conflict 2026-12-10) (2)" gives "Bank"); a null
// text for a title that is not one.
QString conflictSource(const QString& title);

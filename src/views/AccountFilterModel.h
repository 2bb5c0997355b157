#pragma once

#include "AccountSearch.h"

#include <QHash>
#include <QSortFilterProxyModel>

class CQuorrilDoc;

// The account tree as the find field leaves it: only the accounts that hold the text in their title
// or in a value their property list shows, ignoring case and accents; categories without such an
// account are gone, the root stays. While the document is locked only titles are searched. An empty
// text shows the whole tree.
//
// Each account's texts are folded once, when a search first needs them, and kept until the account
// changes in the tree or the tree is rebuilt.
class AccountFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit AccountFilterModel(const CQuorrilDoc& document, QObject* parent = nullptr);

    void setSourceModel(QAbstractItemModel* source) override;

    QString findText() const { return m_text; }
    // Filters by the text; the tree is laid out again once, not row by row.
    void setFindText(const QString& text);
    bool isFiltering() const { return !m_needle.isEmpty(); }
    // Titles only (while locked) or titles and values.
    void setTitlesOnly(bool titlesOnly);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    const AccountSearch::FoldedAccount& folded(const QModelIndex& sourceNode) const;

    const CQuorrilDoc& m_doc;
    QString m_text;
    QString m_needle;
    AccountSearch::Scope m_scope = AccountSearch::Scope::TitlesAndValues;
    mutable QHash<int, AccountSearch::FoldedAccount> m_folded; // by account id
};

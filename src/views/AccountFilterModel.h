#pragma once

#include "accounts/AccountSearch.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSortFilterProxyModel>
#include <QTimer>

#include <vector>

class CQuorrilDoc;

// The account tree as the find field leaves it: only the accounts that hold the text in their title
// or in a value their property list shows, ignoring case and accents; categories without such an
// account are gone, the root stays. While the document is locked only titles are searched. An empty
// text shows the whole tree.
//
// Each category's accounts are folded once into one text (titles and values back to back), so a
// keystroke searches contiguous memory; a category is folded again only when its accounts change.
// A category's accounts are matched in one pass, whose answers serve both the category (shown or
// not) and its rows. After the tree is built, the texts are folded in short slices while the
// program is idle, so that even the first keystroke on a large wallet finds them ready.
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
    // Accounts whose texts are folded and kept, and whether folding goes on while idle.
    qsizetype foldedCount() const;
    bool isFoldingWhileIdle() const { return m_idleFolding.isActive(); }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    // One category's accounts, folded: for each account row, where its title and its values start
    // in the text (each account ends where the next one starts).
    struct FoldedCategory {
        QString text;
        std::vector<qsizetype> titleStarts;
        std::vector<qsizetype> valueStarts;
    };
    FoldedCategory& foldedCategory(int categoryRow) const;
    // Folds the category's accounts from where it stopped; false when the slice ran out first.
    bool foldCategory(int categoryRow, const QElapsedTimer* slice = nullptr) const;
    // Drops what was folded of one category (by its row), or of all (-1), and folds again while idle.
    void forgetFolded(int categoryRow);
    // Which accounts of the category (by its row under the root) match the text, worked out once.
    const std::vector<char>& categoryMatches(int categoryRow) const;
    void forgetMatches();
    // Folds the next accounts of the tree for a few milliseconds; again later until all are done.
    void foldWhileIdle();

    const CQuorrilDoc& m_doc;
    QString m_text;
    QString m_needle;
    AccountSearch::Scope m_scope = AccountSearch::Scope::TitlesAndValues;
    mutable std::vector<FoldedCategory> m_folded; // by category row
    // By category row: empty until worked out; then one entry per account and a last entry that
    // says whether any matched.
    mutable std::vector<std::vector<char>> m_matches;
    // Typing on narrows: a text that holds the last one matches only accounts the last one did.
    std::vector<std::vector<char>> m_narrowing;
    // The matches of the texts typed lately, so deleting a letter costs no new pass.
    QHash<QString, std::vector<std::vector<char>>> m_recent;
    // The folding done while idle, and the category it goes on with.
    QTimer m_idleFolding;
    int m_foldCategory = 0;
};

#pragma once

#include <QString>

class AccountRecord;

// Finding accounts by a piece of text, as the command line's search and the window's find do.
namespace AccountSearch {

// The form texts are compared in: case folded, accents removed (decomposed, combining marks
// dropped), so that "ete" and "ÉTÉ" both find "Été".
QString fold(QStringView text);

enum class Scope {
    TitlesAndValues, // the title and every listed value but the secrets
    TitlesOnly, // while the document is locked
};

// Whether the account holds `foldedNeedle` (already passed through fold()) in its title or, for
// TitlesAndValues, in a listed property value. Secret values never match, so a search tells
// nothing about them. An empty needle matches every account.
bool matches(const AccountRecord& account, const QString& foldedNeedle, Scope scope = Scope::TitlesAndValues);

// An account's searchable texts, folded once: a list that filters at every keystroke keeps these
// rather than folding every value again.
struct FoldedAccount {
    QString title;
    QString values; // the listed values but the secrets, each ended by a null character
};
FoldedAccount foldAccount(const AccountRecord& account);
// The same answer as matches() on the account the texts were folded from.
bool matches(const FoldedAccount& account, const QString& foldedNeedle, Scope scope = Scope::TitlesAndValues);
// The same on an account's folded title and values held elsewhere (values as in FoldedAccount).
bool matches(QStringView title, QStringView values, QStringView foldedNeedle, Scope scope);

} // namespace AccountSearch

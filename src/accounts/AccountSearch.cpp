#include "accounts/AccountSearch.h"

#include "accounts/PropertyRows.h"
#include "core/AccountRecord.h"

#include <algorithm>

namespace AccountSearch {

QString fold(QStringView text)
{
    // Plain ASCII has no accents and folds as it lowers: the common case, done in one step.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toString().toLower();
    QString decomposed = text.toString().normalized(QString::NormalizationForm_D);
    decomposed.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return decomposed.toCaseFolded();
}

bool matches(const AccountRecord& account, const QString& foldedNeedle, Scope scope)
{
    if (foldedNeedle.isEmpty() || fold(account.GetTitle()).contains(foldedNeedle))
        return true;
    if (scope == Scope::TitlesOnly)
        return false;
    bool found = false;
    forEachPropertyRow(account, [&](const PropertyRow& row) {
        found = !row.secret && fold(row.value).contains(foldedNeedle);
        return !found;
    });
    return found;
}

FoldedAccount foldAccount(const AccountRecord& account)
{
    FoldedAccount folded { fold(account.GetTitle()), {} };
    forEachPropertyRow(account, [&](const PropertyRow& row) {
        if (!row.secret)
            folded.values.append(fold(row.value)).append(QChar::Null);
        return true;
    });
    return folded;
}

bool matches(QStringView title, QStringView values, QStringView foldedNeedle, Scope scope)
{
    if (foldedNeedle.isEmpty() || title.contains(foldedNeedle))
        return true;
    // A needle never holds the null character, so it cannot match across two values.
    return scope == Scope::TitlesAndValues && !foldedNeedle.contains(QChar::Null) && values.contains(foldedNeedle);
}

bool matches(const FoldedAccount& account, const QString& foldedNeedle, Scope scope)
{
    return matches(QStringView(account.title), QStringView(account.values), QStringView(foldedNeedle), scope);
}

} // namespace AccountSearch

#include "AccountSearch.h"

#include "AccountRecord.h"
#include "PropertyRows.h"

namespace AccountSearch {

QString fold(QStringView text)
{
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

} // namespace AccountSearch

#include "document/ExpiringItems.h"

#include "core/AccountRecord.h"
#include "core/OleDateTime.h"
#include "document/QuorrilDoc.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
// The day a new account's dates start at (0.0): an expiry date nobody entered.
QDate unsetDay() { return QDate(1899, 12, 30); }

void addIfSet(QList<ExpiringItem>& items, const AccountRecord& account, const QString& what, const OleDateTime& value,
    QDate today)
{
    const QDate date = value.date();
    if (!date.isValid() || date <= unsetDay())
        return;
    items.append({ account.GetId(), account.GetType(), account.GetTitle(), what, date, today.daysTo(date) });
}
} // namespace

namespace ExpiringItems {

QList<ExpiringItem> collect(const CQuorrilDoc& document, QDate today)
{
    QList<ExpiringItem> items;
    if (document.IsLocked())
        return items;
    for (const auto& [id, account] : document.accounts()) {
        // The date fields with the Expiry role, each under the label its table gives it.
        const RecordLayout& layout = account->layout();
        for (size_t i = 0; i < layout.fields.size(); ++i)
            if (const auto* date = std::get_if<OleDateTime>(&account->field(int(i))))
                if (layout.fields[i].has(FieldRole::Expiry))
                    addIfSet(items, *account, QString::fromLatin1(layout.fields[i].label), *date, today);
    }
    std::stable_sort(items.begin(), items.end(), [](const ExpiringItem& a, const ExpiringItem& b) {
        if (a.date != b.date)
            return a.date < b.date;
        const int byTitle = a.title.compare(b.title, Qt::CaseInsensitive);
        if (byTitle != 0)
            return byTitle < 0;
        return a.id < b.id;
    });
    return items;
}

qsizetype dueSoon(const QList<ExpiringItem>& items)
{
    return std::count_if(items.begin(), items.end(),
        [](const ExpiringItem& item) { return item.daysLeft >= 0 && item.daysLeft <= ExpiringItem::WarningDays; });
}

qsizetype expired(const QList<ExpiringItem>& items)
{
    return std::count_if(items.begin(), items.end(), [](const ExpiringItem& item) { return item.daysLeft < 0; });
}

QString dueText(qint64 daysLeft)
{
    if (daysLeft == 0)
        return QCoreApplication::translate("ExpiringItems", "today");
    if (daysLeft == 1)
        return QCoreApplication::translate("ExpiringItems", "in 1 day");
    if (daysLeft > 1)
        return QCoreApplication::translate("ExpiringItems", "in %1 days").arg(daysLeft);
    if (daysLeft == -1)
        return QCoreApplication::translate("ExpiringItems", "expired 1 day ago");
    return QCoreApplication::translate("ExpiringItems", "expired %1 days ago").arg(-daysLeft);
}

QString statusNote(qsizetype expiredCount, qsizetype dueSoonCount)
{
    QStringList parts;
    if (expiredCount > 0)
        parts << (expiredCount == 1
                ? QCoreApplication::translate("ExpiringItems", "1 item has expired")
                : QCoreApplication::translate("ExpiringItems", "%1 items have expired").arg(expiredCount));
    if (dueSoonCount > 0) {
        // After the expired part the noun is already said: "2 items have expired, 1 expires ...".
        // Whole phrases, so that each language can order its words.
        const int days = ExpiringItem::WarningDays;
        if (parts.isEmpty())
            parts << (dueSoonCount == 1
                    ? QCoreApplication::translate("ExpiringItems", "1 item expires within %1 days").arg(days)
                    : QCoreApplication::translate("ExpiringItems", "%1 items expire within %2 days")
                          .arg(dueSoonCount)
                          .arg(days));
        else
            parts << (dueSoonCount == 1
                    ? QCoreApplication::translate("ExpiringItems", "1 expires within %1 days").arg(days)
                    : QCoreApplication::translate("ExpiringItems", "%1 expire within %2 days")
                          .arg(dueSoonCount)
                          .arg(days));
    }
    if (parts.isEmpty())
        return {};
    return parts.join(QStringLiteral(", ")) + QCoreApplication::translate("ExpiringItems", " (View > Expiring…)");
}

} // namespace ExpiringItems

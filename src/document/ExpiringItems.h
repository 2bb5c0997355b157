#pragma once

#include "core/AccountId.h"
#include "core/AccountTypes.h"

#include <QDate>
#include <QList>
#include <QString>

class CQuorrilDoc;

// The dates on which something of the wallet runs out: the date fields with the Expiry role in the
// field tables (a credit card's and an insurance policy's expiration, a purchased item's warranty).
// A date that was never set (the zero date a new account starts with, or one without a valid
// status) expires nothing.
struct ExpiringItem {
    AccountId id = AccountId::None;
    AccountType type = AccountType::None;
    QString title;
    // The label of the field the date comes from: "Expiration" or "Warranty Expiration".
    QString what;
    QDate date;
    // Days from today to the date; negative once it has passed.
    qint64 daysLeft = 0;

    // Expired already, or due within the warning period.
    bool needsAttention() const { return daysLeft <= ExpiringItem::WarningDays; }
    static constexpr int WarningDays = 30;
};

namespace ExpiringItems {
// Every set expiry date of the document's accounts, the earliest first (same date: by title, then
// by id); nothing while the document is locked.
QList<ExpiringItem> collect(const CQuorrilDoc& document, QDate today);
// The items that fall due from today to the end of the warning period (not those already expired).
qsizetype dueSoon(const QList<ExpiringItem>& items);
// The items whose date has passed.
qsizetype expired(const QList<ExpiringItem>& items);
// "today", "in 1 day", "in N days", "expired 1 day ago", "expired N days ago".
QString dueText(qint64 daysLeft);
// The status-bar note for the items expired and due soon: "2 items have expired, 1 expires within
// 30 days (View > Expiring…)", either part alone when the other count is 0, the singular for one;
// empty when both are 0.
QString statusNote(qsizetype expiredCount, qsizetype dueSoonCount);
} // namespace ExpiringItems

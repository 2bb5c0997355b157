#pragma once

#include "core/AccountRecord.h"
#include "core/OleDateTime.h"
#include "core/ScrambledText.h"

// Fills every field of an account from its layout: texts name the field and the account, dates,
// integers and decimals differ per field, so that a field read into the wrong place shows.
inline void fillFields(AccountRecord& account, int seed)
{
    const RecordLayout& layout = account.layout();
    for (int i = 0; i < int(layout.fields.size()); ++i) {
        switch (layout.fields[size_t(i)].kind) {
        case FieldKind::Text:
            account.setField(i,
                ScrambledText(QStringLiteral("%1 %2 \u00e9\"_~")
                                  .arg(QLatin1StringView(layout.fields[size_t(i)].name))
                                  .arg(seed)));
            break;
        case FieldKind::Date:
            account.setField(i, OleDateTime(36526.25 + seed + i, OleDateTime::Status(i % 3)));
            break;
        case FieldKind::Integer:
            account.setField(i, qint32(-1000 * seed - i));
            break;
        case FieldKind::Decimal:
            account.setField(i, 12.345 * seed + i);
            break;
        }
    }
}

#pragma once

// Reading test exports from memory and describing what they become, one line per account.
#include "core/AccountTypes.h"
#include "import/Importer.h"

#include <QBuffer>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

inline ImportRead readBytes(
    const QByteArray& bytes, std::optional<ImportFormat> format = std::nullopt, const ImportLimits& limits = {})
{
    QByteArray copy = bytes;
    QBuffer device(&copy);
    device.open(QIODevice::ReadOnly);
    return Importer::read(device, format, limits);
}

// The day every test import is made on.
inline QDate importDay() { return QDate(2025, 6, 1); }

inline std::vector<std::unique_ptr<AccountRecord>> takeAll(ImportPlan& plan)
{
    qint32 next = 1;
    return plan.takeAccounts([&next] { return AccountId(next++); }, importDay());
}

// Line breaks and tabs shown as \r, \n and \t.
inline QString visible(QString text)
{
    return text.replace(u'\r', QLatin1StringView("\\r")).replace(u'\n', QLatin1StringView("\\n"));
}

// `Type "Title" field=value ...` with every field that is not at its starting value, dates as
// yyyy-MM-dd, then each user as user(loginId/password/email/administrator).
inline QString describe(const AccountRecord& account)
{
    QString text = QStringLiteral("%1 \"%2\"").arg(accountTypeName(account.GetType()), visible(account.GetTitle()));
    const RecordLayout& layout = account.layout();
    for (size_t i = 0; i < layout.fields.size(); ++i) {
        const FieldValue& value = account.field(int(i));
        QString shown;
        if (const auto* t = std::get_if<ScrambledText>(&value))
            shown = t->text();
        else if (const auto* d = std::get_if<OleDateTime>(&value))
            shown = d->value() == 0.0 ? QString() : d->date().toString(Qt::ISODate);
        else
            shown
                = formatFieldValue(value).trimmed() == QLatin1StringView("0.00") ? QString() : formatFieldValue(value);
        if (!shown.isEmpty() && shown != QLatin1StringView("0"))
            text += QStringLiteral(" %1=%2").arg(QLatin1StringView(layout.fields[i].name), visible(shown));
    }
    for (int u = 0; u < account.GetUserCount(); ++u) {
        const UserEntry* user = account.GetUser(u);
        text += QStringLiteral(" user(%1/%2/%3/%4)")
                    .arg(user->GetLoginId(), user->GetPassword(), user->GetEmail())
                    .arg(user->GetAdministrator());
    }
    return text;
}

inline QStringList describeAll(const std::vector<std::unique_ptr<AccountRecord>>& accounts)
{
    QStringList lines;
    for (const auto& account : accounts)
        lines << describe(*account);
    return lines;
}

#include "core/AccountFields.h"

#include "core/CArchive.h"

int RecordLayout::indexOf(QAnyStringView name) const
{
    for (size_t i = 0; i < fields.size(); ++i)
        if (QAnyStringView::compare(name, QLatin1StringView(fields[i].name)) == 0)
            return int(i);
    return -1;
}

int RecordLayout::indexWith(FieldRole role) const
{
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].has(role))
            return int(i);
    return -1;
}

FieldValue defaultFieldValue(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Text:
        return ScrambledText();
    case FieldKind::Date:
        return OleDateTime(0.0, OleDateTime::valid);
    case FieldKind::Integer:
        return qint32(0);
    case FieldKind::Decimal:
        return 0.0;
    }
    return ScrambledText();
}

QString formatFieldValue(const FieldValue& value)
{
    struct Formatter {
        QString operator()(const ScrambledText& t) const { return t.text(); }
        QString operator()(const OleDateTime& d) const { return d.formatShortDate(); }
        QString operator()(qint32 n) const { return QString::asprintf("%d", n); }
        QString operator()(double x) const { return QString::asprintf("%4.2f", x); }
    };
    return std::visit(Formatter {}, value);
}

QString formatFieldValue(const FieldSpec& field, const FieldValue& value)
{
    if (const qint32* flag = std::get_if<qint32>(&value); flag && field.has(FieldRole::YesNo))
        // Translated where shown (AccountFields context); the command line lists them in English.
        return QString::fromLatin1(
            *flag != 0 ? QT_TRANSLATE_NOOP("AccountFields", "Yes") : QT_TRANSLATE_NOOP("AccountFields", "No"));
    return formatFieldValue(value);
}

void serializeFields(CArchive& ar, std::span<const int> fileOrder, std::span<FieldValue> values)
{
    if (ar.IsStoring()) {
        ar << qint32(1);
        for (int index : fileOrder)
            std::visit([&ar](const auto& v) { ar << v; }, values[size_t(index)]);
        return;
    }
    qint32 version = 0;
    ar >> version;
    if (version != 1)
        return;
    for (int index : fileOrder)
        std::visit([&ar](auto& v) { ar >> v; }, values[size_t(index)]);
}

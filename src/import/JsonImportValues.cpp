#include "import/JsonImportValues.h"

#include "document/DocumentTexts.h"

#include <cmath>
#include <limits>

namespace JsonImport {

QString wholeNumberExpected() { return QStringLiteral("a whole number from -2147483648 to 2147483647 is expected"); }

std::optional<qint32> int32From(const Scalar& value)
{
    const double d = value.number;
    if (value.type != Scalar::Number || std::trunc(d) != d || d < std::numeric_limits<qint32>::min()
        || d > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(d);
}

std::optional<double> numberFrom(const Scalar& value)
{
    if (value.type == Scalar::Number)
        return value.number;
    if (value.type != Scalar::String)
        return std::nullopt;
    if (value.text == QLatin1StringView("NaN"))
        return std::numeric_limits<double>::quiet_NaN();
    if (value.text == QLatin1StringView("Infinity"))
        return std::numeric_limits<double>::infinity();
    if (value.text == QLatin1StringView("-Infinity"))
        return -std::numeric_limits<double>::infinity();
    if (value.text == QLatin1StringView("-0"))
        return -0.0;
    return std::nullopt;
}

std::optional<QString> storableText(const Scalar& value, QString& what)
{
    if (value.type != Scalar::String) {
        what = QStringLiteral("a text is expected");
        return std::nullopt;
    }
    const qsizetype bad = ScrambledText::firstUnstorable(value.text);
    if (bad >= 0) {
        what = QStringLiteral("the character %1 at position %2 cannot be stored")
                   .arg(DocumentText::codePoint(value.text.at(bad)))
                   .arg(bad);
        return std::nullopt;
    }
    return value.text;
}

std::optional<FieldValue> fieldFrom(FieldKind kind, const PendingField& field, QString& what)
{
    switch (kind) {
    case FieldKind::Text:
        if (std::optional<QString> text = storableText(field.value, what))
            return FieldValue(ScrambledText(*text));
        return std::nullopt;
    case FieldKind::Integer:
        if (std::optional<qint32> n = int32From(field.value))
            return FieldValue(*n);
        what = wholeNumberExpected();
        return std::nullopt;
    case FieldKind::Decimal:
        if (std::optional<double> x = numberFrom(field.value))
            return FieldValue(*x);
        what = QStringLiteral("a number is expected");
        return std::nullopt;
    case FieldKind::Date: {
        const std::optional<qint32> status = int32From(field.status);
        const std::optional<double> days = numberFrom(field.days);
        if (!field.isDate || field.dateMembers != 2 || !status || !days) {
            what = QStringLiteral("a date {\"status\": whole number, \"value\": number} is expected");
            return std::nullopt;
        }
        return FieldValue(OleDateTime(*days, OleDateTime::Status(*status)));
    }
    }
    return std::nullopt;
}

QString nameOf(std::string_view key) { return QString::fromUtf8(key.data(), qsizetype(key.size())); }

} // namespace JsonImport

#include "dialogs/NumberText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {
constexpr qsizetype kMaxChars = 31;

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The first 31 characters without leading and trailing blanks and tabs, as ASCII; nothing when a
// character outside ASCII is left (no number uses one).
std::optional<std::string> numberPart(const QString& text)
{
    QStringView view = QStringView(text).left(kMaxChars);
    qsizetype begin = 0;
    while (begin < view.size() && isBlank(view[begin]))
        ++begin;
    qsizetype end = view.size();
    while (end > begin && isBlank(view[end - 1]))
        --end;
    std::string out;
    out.reserve(size_t(end - begin));
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t u = view[i].unicode();
        if (u > 0x7F)
            return std::nullopt;
        out.push_back(char(u));
    }
    return out;
}

// from_chars takes no leading plus sign; a sign followed by another sign is refused.
std::string_view withoutPlus(std::string_view s)
{
    if (!s.empty() && s.front() == '+' && (s.size() == 1 || (s[1] != '+' && s[1] != '-')))
        return s.substr(1);
    return s;
}
} // namespace

namespace NumberText {

std::optional<double> parseDecimal(const QString& text)
{
    const std::optional<std::string> part = numberPart(text);
    if (!part || part->empty())
        return std::nullopt;
    const std::string_view s = withoutPlus(*part);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    if (value == 0.0 && part->front() != '0')
        return std::nullopt;
    return value;
}

std::optional<qint32> parseInteger(const QString& text)
{
    const std::optional<std::string> part = numberPart(text);
    if (!part || part->empty())
        return std::nullopt;
    const std::string_view s = withoutPlus(*part);
    qint32 value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, 10);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

QString formatDecimal(double value) { return QString::number(value, 'g', 15); }

} // namespace NumberText

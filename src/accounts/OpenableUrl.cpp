#include "accounts/OpenableUrl.h"

#include <QRegularExpression>

namespace OpenableUrl {

namespace {
// A scheme as RFC 3986 writes it, before the first colon.
bool namesScheme(const QString& text)
{
    static const QRegularExpression scheme(QStringLiteral(R"(^[A-Za-z][A-Za-z0-9+.\-]*:)"));
    // "example.com:8080" is a host and a port, not a scheme "example.com".
    static const QRegularExpression hostAndPort(QStringLiteral(R"(^[^/:?#]+:\d+(?:[/?#]|$))"));
    return scheme.match(text).hasMatch() && !hostAndPort.match(text).hasMatch();
}
} // namespace

Result fromText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    QString address = trimmed;
    if (address.startsWith(QLatin1String("//")))
        address.prepend(QLatin1String("https:"));
    else if (!namesScheme(address))
        address.prepend(QLatin1String("https://"));
    const QUrl url(address, QUrl::TolerantMode);
    static const QStringList allowed { QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp") };
    if (!url.isValid() || !allowed.contains(url.scheme().toLower()) || url.host().isEmpty())
        return { Verdict::Refused, QUrl() };
    return { Verdict::Open, url };
}

} // namespace OpenableUrl

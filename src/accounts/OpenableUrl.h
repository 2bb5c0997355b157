#pragma once

#include <QString>
#include <QUrl>

// The address Open URL hands to the desktop, made from the text of an account's URL field. A wallet
// may hold any text, hostile ones included ("file:" or "javascript:" addresses), so only http, https
// and ftp addresses with a host name are opened. A text without a scheme ("www.example.com",
// "example.com:8080/login") is taken as a web site and gets "https://" before it.
namespace OpenableUrl {

enum class Verdict {
    Open, // `url` is the address to open
    Empty, // the text is blank
    Refused, // another scheme, or no host name: nothing is opened
};

struct Result {
    Verdict verdict = Verdict::Empty;
    QUrl url;
};

Result fromText(const QString& text);

} // namespace OpenableUrl

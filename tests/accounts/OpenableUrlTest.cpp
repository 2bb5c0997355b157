// Which texts of a URL field Open URL hands to the browser, and as what address.
#include "accounts/OpenableUrl.h"

#include <gtest/gtest.h>

namespace {

using OpenableUrl::Verdict;

TEST(OpenableUrlTest, OnlyWebAndFtpAddressesWithAHostOpen)
{
    // clang-format off
    struct Row { const char* text; Verdict verdict; const char* opened; };
    const Row rows[] = {
        { "https://bank.example/login", Verdict::Open, "https://bank.example/login" },
        { "  www.example.com\t", Verdict::Open, "https://www.example.com" }, // no scheme: a web site
        { "example.com:8080/login", Verdict::Open, "https://example.com:8080/login" }, // a port, not a scheme
        { "localhost:3000", Verdict::Open, "https://localhost:3000" },
        { "HTTP://Example.COM/A", Verdict::Open, "http://example.com/A" },
        { "ftp://files.example/pub", Verdict::Open, "ftp://files.example/pub" },
        { "//cdn.example/x", Verdict::Open, "https://cdn.example/x" },
        { "shop.example/?next=javascript:alert(1)", Verdict::Open, "https://shop.example/?next=javascript:alert(1)" },
        { "", Verdict::Empty, nullptr },
        { " \t ", Verdict::Empty, nullptr },
        { "javascript:alert(1)", Verdict::Refused, nullptr },
        { " JavaScript:alert(document.cookie)", Verdict::Refused, nullptr },
        { "file:///etc/passwd", Verdict::Refused, nullptr },
        { "FILE:/home/me/.ssh/id_ed25519", Verdict::Refused, nullptr },
        { "mailto:someone@example.com", Verdict::Refused, nullptr },
        { "data:text/html,<script>alert(1)</script>", Verdict::Refused, nullptr },
        { "vbscript:msgbox(1)", Verdict::Refused, nullptr },
        { "smb://server/share", Verdict::Refused, nullptr },
        { "C:\\Windows\\system32\\calc.exe", Verdict::Refused, nullptr },
        { "http:///etc/passwd", Verdict::Refused, nullptr }, // no host
        { "https://", Verdict::Refused, nullptr },
        { "/etc/passwd", Verdict::Refused, nullptr }, // a path is no web site
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const OpenableUrl::Result result = OpenableUrl::fromText(QString::fromUtf8(row.text));
        EXPECT_EQ(result.verdict, row.verdict);
        if (row.opened) {
            EXPECT_EQ(result.url.toString(), QString::fromUtf8(row.opened));
        } else {
            EXPECT_TRUE(result.url.isEmpty()) << result.url.toString().toStdString();
        }
    }
}

} // namespace

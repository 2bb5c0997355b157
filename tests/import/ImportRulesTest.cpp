// The small rules the readers and the mapping share: hosts, mail, dates, card brands, and which
// header names which format.
#include "import/FormatReaders.h"
#include "import/ImportMapping.h"
#include "import/ImportTestSupport.h"
#include "import/LastPassNotes.h"

namespace {

TEST(ImportRulesTest, HostsAndMail)
{
    struct Row {
        QString url;
        QString host;
        bool mail; // with the title "Site"
    };
    const Row rows[] = {
        { "https://www.Example.org/login?next=/a#b", "www.example.org", false },
        { "http://user:pw@host.example:8080/x", "host.example", false },
        { "example.org/path", "example.org", false },
        { "https://[2001:db8::1]:443/", "[2001:db8::1]", false },
        { "https://mail.example.org", "mail.example.org", true },
        { "https://accounts.GMAIL.com", "accounts.gmail.com", true },
        { "imaps://imap.example.org", "imap.example.org", true },
        { "mailto:me@example.org", "", true },
        { "SMTP://out.example.org", "out.example.org", true },
        { "https://example.org/mail/login", "example.org", false },
        { "pop3x://in.example.org", "in.example.org", false },
        { "", "", false },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ImportMapping::hostOf(row.url), row.host) << row.url.toStdString();
        EXPECT_EQ(ImportMapping::saysMail(QStringLiteral("Site"), row.url), row.mail) << row.url.toStdString();
    }
    EXPECT_TRUE(ImportMapping::saysMail(QStringLiteral("My E-MAIL"), QString()));
    EXPECT_FALSE(ImportMapping::saysMail(QStringLiteral("Mai l"), QString()));
}

TEST(ImportRulesTest, DatesOfTheFormats)
{
    struct Row {
        QString text;
        QString parsed; // parseDate, lastPassDate, dayOf
        QString lastPass;
        QString day;
    };
    const Row rows[] = {
        { "2024-02", "2024-02-29", "2024-02", "" },
        { "2023-02", "2023-02-28", "2023-02", "" },
        { "2024-12-31", "2024-12-31", "2024-12-31", "2024-12-31" },
        { "2024-13", "", "2024-13", "" },
        { "February,2024", "", "2024-02", "" },
        { "march,31,2027", "", "2027-03-31", "" },
        { "February,30,2024", "", "February,30,2024", "" },
        { "Mars,2024", "", "Mars,2024", "" },
        { "2024-05-01T23:30:00Z", "", "2024-05-01T23:30:00Z", "2024-05-01" },
        { "2024-05-01T23:30:00-05:00", "", "2024-05-01T23:30:00-05:00", "2024-05-02" },
        { " 2024-05-01T10:00:00Z ", "", " 2024-05-01T10:00:00Z ", "2024-05-01" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        EXPECT_EQ(ImportMapping::parseDate(row.text).toString(Qt::ISODate), row.parsed);
        EXPECT_EQ(lastPassDate(row.text), row.lastPass);
        EXPECT_EQ(FormatReaders::dayOf(row.text), row.day);
    }
    EXPECT_EQ(ImportMapping::cardKind("mastercard"), "Master Card");
    EXPECT_EQ(ImportMapping::cardKind("AMEX"), "American Express");
    EXPECT_EQ(ImportMapping::cardKind("Diners Club"), "Diners Club");
}

TEST(ImportRulesTest, TheHeaderNamesTheFormat)
{
    struct Row {
        QByteArray header;
        std::optional<ImportFormat> format;
    };
    const Row rows[] = {
        { "Group,Title,Username,Password,URL,Notes", ImportFormat::KeePassXcCsv },
        { "\"group\",\"title\",\"username\",\"password\",\"url\",\"notes\",\"TOTP\"", ImportFormat::KeePassXcCsv },
        { "name,url,username,password", ImportFormat::ChromeCsv },
        { "url,username,password,name", ImportFormat::ChromeCsv },
        { "url,username,password,extra,name,grouping,fav", ImportFormat::LastPassCsv },
        { "url,username,password,totp,extra,name,grouping,fav", ImportFormat::LastPassCsv },
        { "url,username,password,httpRealm,formActionOrigin,guid,timeCreated,timeLastUsed,timePasswordChanged",
            ImportFormat::FirefoxCsv },
        { "Title,Url,Username,Password,OTPAuth,Favorite,Archived,Tags,Notes", ImportFormat::OnePasswordCsv },
        { "Title,Url,Username,Password", ImportFormat::OnePasswordCsv },
        { "folder,favorite,type,name,notes,fields,login_uri,login_username,login_password", std::nullopt },
        { "url,username", std::nullopt },
    };
    for (const Row& row : rows) {
        QString why;
        EXPECT_EQ(detectImportFormat(row.header + "\n", why), row.format) << row.header.toStdString();
    }
}

TEST(ImportRulesTest, ColumnsBeyondTheFormatsAreKeptUnderTheirNames)
{
    ImportRead read = readBytes("url,Custom,username,password,name\nhttps://a.example,kept,u,p,A\n");
    ASSERT_TRUE(read.plan);
    EXPECT_EQ(describeAll(takeAll(*read.plan)),
        QStringList { "WebSite \"A\" siteName=a.example webSiteUrl=https://a.example userId=u userPassword=p "
                      "notes=Custom: kept" });
}

} // namespace

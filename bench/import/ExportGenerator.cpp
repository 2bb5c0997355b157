#include "import/ExportGenerator.h"

#include "document/QuorrilDoc.h"
#include "document/WalletGenerator.h"
#include "import/JsonExportWriter.h"
#include "support/BenchPrompts.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QUuid>

namespace {

const char* const kNames[] = { "mail", "shop", "bank", "news", "forum", "cloud", "travel", "games", "photos", "music",
    "video", "health", "school", "work", "social", "market", "books", "sports", "weather", "maps" };

struct Entry {
    QByteArray id, title, url, user, password, notes, totp, group, created;
    bool card = false;
};

class Entries {
public:
    explicit Entries(quint32 seed)
        : m_random(seed)
    {
    }

    Entry next(int i)
    {
        Entry e;
        QByteArray bytes(16, Qt::Uninitialized);
        m_random.fillRange(reinterpret_cast<quint32*>(bytes.data()), 4);
        e.id = QUuid::fromRfc4122(bytes).toByteArray(QUuid::WithoutBraces);
        const QByteArray name = kNames[m_random.bounded(int(std::size(kNames)))];
        const QByteArray site = name + QByteArray::number(m_random.bounded(5000));
        e.title = site + ".example.com";
        e.url = "https://www." + site + ".example.com/"
            + (m_random.bounded(2) ? "login" : "account/sign-in?next=%2Fhome");
        e.user = m_random.bounded(3) ? name + "." + QByteArray::number(i) + "@mail.example.org"
                                     : "user" + QByteArray::number(i);
        for (int n = 12 + m_random.bounded(9); n > 0; --n)
            e.password += char(33 + m_random.bounded(94));
        if (m_random.bounded(5) == 0)
            e.notes = "Security question: first school, answer St. " + name + "'s; account opened in "
                + QByteArray::number(1990 + m_random.bounded(30)) + ".";
        if (m_random.bounded(10) == 0)
            e.totp = "otpauth://totp/" + site + "?secret=JBSWY3DPEHPK3PXP" + QByteArray::number(i);
        e.group = QByteArray("Root/") + (m_random.bounded(2) ? "Internet" : "Personal/" + name);
        e.created = "2023-0" + QByteArray::number(1 + m_random.bounded(9)) + "-1"
            + QByteArray::number(m_random.bounded(10)) + "T10:2" + QByteArray::number(m_random.bounded(10)) + ":00Z";
        e.card = i % 20 == 19;
        return e;
    }

private:
    QRandomGenerator m_random;
};

QByteArray csvField(const QByteArray& text) { return '"' + QByteArray(text).replace('"', "\"\"") + '"'; }

QByteArray csvRow(std::initializer_list<QByteArray> fields)
{
    QByteArray row;
    for (const QByteArray& f : fields)
        row += (row.isEmpty() ? "" : ",") + csvField(f);
    return row + "\n";
}

QByteArray xmlText(const QByteArray& text)
{
    return QByteArray(text).replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;");
}

QByteArray jsonText(const QByteArray& text)
{
    return '"' + QByteArray(text).replace('\\', "\\\\").replace('"', "\\\"") + '"';
}

QByteArray keePassXml(int count, Entries& entries)
{
    QByteArray out
        = "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\n<KeePassFile>\n\t<Meta>\n"
          "\t\t<Generator>KeePassXC</Generator>\n\t\t<RecycleBinUUID>AAAAAAAAAAAAAAAAAAAAAA==</RecycleBinUUID>\n"
          "\t</Meta>\n\t<Root>\n\t\t<Group>\n\t\t\t<UUID>cm9vdHJvb3Ryb290cm9vdA==</UUID>\n\t\t\t<Name>Root</Name>\n";
    for (int i = 0; i < count; ++i) {
        const Entry e = entries.next(i);
        const auto string = [](const char* key, const QByteArray& value, bool protect = false) {
            return QByteArray("\t\t\t\t<String>\n\t\t\t\t\t<Key>") + key + "</Key>\n\t\t\t\t\t<Value"
                + (protect ? " ProtectInMemory=\"True\"" : "") + ">" + xmlText(value) + "</Value>\n\t\t\t\t</String>\n";
        };
        out += "\t\t\t<Entry>\n\t\t\t\t<UUID>" + e.id.toBase64().left(24) + "</UUID>\n\t\t\t\t<IconID>0</IconID>\n"
            + "\t\t\t\t<Times>\n\t\t\t\t\t<CreationTime>" + e.created
            + "</CreationTime>\n\t\t\t\t\t<LastModificationTime>" + e.created
            + "</LastModificationTime>\n\t\t\t\t\t<LastAccessTime>" + e.created
            + "</LastAccessTime>\n\t\t\t\t\t<ExpiryTime>" + e.created
            + "</ExpiryTime>\n\t\t\t\t\t<Expires>False</Expires>\n\t\t\t\t\t<UsageCount>0</UsageCount>\n"
            + "\t\t\t\t</Times>\n" + string("Title", e.title) + string("UserName", e.user)
            + string("Password", e.password, true) + string("URL", e.url) + string("Notes", e.notes)
            + (e.totp.isEmpty() ? QByteArray() : string("otp", e.totp, true))
            + "\t\t\t\t<AutoType>\n\t\t\t\t\t<Enabled>True</Enabled>\n\t\t\t\t</AutoType>\n\t\t\t</Entry>\n";
    }
    return out + "\t\t</Group>\n\t</Root>\n</KeePassFile>\n";
}

QByteArray bitwardenJson(int count, Entries& entries)
{
    QByteArray out
        = "{\n  \"encrypted\": false,\n  \"folders\": [\n    {\n      \"id\": \"f0\",\n      \"name\": \"Internet\"\n"
          "    }\n  ],\n  \"items\": [\n";
    for (int i = 0; i < count; ++i) {
        const Entry e = entries.next(i);
        out += QByteArray(i ? ",\n" : "") + "    {\n      \"id\": \"" + e.id + "\",\n      \"organizationId\": null,\n"
            + "      \"folderId\": " + (i % 2 ? "\"f0\"" : "null") + ",\n      \"type\": " + (e.card ? "3" : "1")
            + ",\n      \"reprompt\": 0,\n      \"name\": " + jsonText(e.title) + ",\n      \"notes\": "
            + (e.notes.isEmpty() ? "null" : jsonText(e.notes)) + ",\n      \"favorite\": false,\n";
        if (e.card)
            out += "      \"card\": {\n        \"cardholderName\": \"ANN LEE\",\n        \"brand\": \"Visa\",\n"
                   "        \"number\": \"4111111111111111\",\n        \"expMonth\": \"5\",\n        \"expYear\": "
                   "\"2029\",\n"
                   "        \"code\": \"123\"\n      },\n";
        else
            out += "      \"login\": {\n        \"uris\": [\n          {\n            \"match\": null,\n            "
                   "\"uri\": "
                + jsonText(e.url) + "\n          }\n        ],\n        \"username\": " + jsonText(e.user)
                + ",\n        \"password\": " + jsonText(e.password)
                + ",\n        \"totp\": " + (e.totp.isEmpty() ? "null" : jsonText(e.totp)) + "\n      },\n";
        out += "      \"collectionIds\": null,\n      \"revisionDate\": \"" + e.created
            + "\",\n      \"creationDate\": \"" + e.created + "\",\n      \"deletedDate\": null\n    }";
    }
    return out + "\n  ]\n}\n";
}

QByteArray csv(ImportFormat format, int count, Entries& entries)
{
    QByteArray out;
    switch (format) {
    case ImportFormat::KeePassXcCsv:
        out = csvRow(
            { "Group", "Title", "Username", "Password", "URL", "Notes", "TOTP", "Icon", "Last Modified", "Created" });
        break;
    case ImportFormat::ChromeCsv:
        out = "name,url,username,password,note\n";
        break;
    case ImportFormat::FirefoxCsv:
        out = csvRow({ "url", "username", "password", "httpRealm", "formActionOrigin", "guid", "timeCreated",
            "timeLastUsed", "timePasswordChanged" });
        break;
    case ImportFormat::OnePasswordCsv:
        out = "Title,Url,Username,Password,OTPAuth,Favorite,Archived,Tags,Notes\n";
        break;
    default:
        out = "url,username,password,totp,extra,name,grouping,fav\n";
        break;
    }
    for (int i = 0; i < count; ++i) {
        const Entry e = entries.next(i);
        const QByteArray origin = e.url.left(e.url.indexOf('/', 8));
        switch (format) {
        case ImportFormat::KeePassXcCsv:
            out += csvRow({ e.group, e.title, e.user, e.password, e.url, e.notes, e.totp, "0", e.created, e.created });
            break;
        case ImportFormat::ChromeCsv:
            out += csvRow({ e.title, e.url, e.user, e.password, e.notes });
            break;
        case ImportFormat::FirefoxCsv:
            out += csvRow({ e.url, e.user, e.password, "", origin, "{" + e.id + "}", "1700000000000", "1710000000000",
                "1700000000000" });
            break;
        case ImportFormat::OnePasswordCsv:
            out += csvRow({ e.title, e.url, e.user, e.password, e.totp, "false", "false", "", e.notes });
            break;
        default:
            if (e.card)
                out += csvRow({ "http://sn", "", "", "",
                    "NoteType:Credit Card\nLanguage:en-US\nName on Card:Ann Lee\n"
                    "Type:Visa\nNumber:4111111111111111\nSecurity Code:123\nStart Date:,\n"
                    "Expiration Date:May,2029\nNotes:"
                        + e.notes,
                    e.title, "Finance", "0" });
            else
                out += csvRow({ e.url, e.user, e.password, e.totp, e.notes, e.title, e.group.mid(5), "0" });
            break;
        }
    }
    return out;
}

QByteArray quorrilJson(int count, quint32 seed)
{
    BenchPrompts prompts;
    CQuorrilDoc doc(prompts);
    generateWallet(doc, count, seed);
    QBuffer device;
    device.open(QIODevice::WriteOnly);
    JsonExportWriter(device).write(doc);
    return device.data();
}

} // namespace

QByteArray generateExport(ImportFormat format, int count, quint32 seed)
{
    Entries entries(seed);
    switch (format) {
    case ImportFormat::KeePassXml:
        return keePassXml(count, entries);
    case ImportFormat::BitwardenJson:
        return bitwardenJson(count, entries);
    case ImportFormat::QuorrilJson:
        return quorrilJson(count, seed);
    default:
        return csv(format, count, entries);
    }
}

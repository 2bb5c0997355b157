// One small export of each format, read without being told the format, checked field by field.
#include "import/ImportTestSupport.h"
#include "support/ScopedTimeZone.h"

namespace {

struct Sample {
    ImportFormat format;
    QByteArray bytes;
    QStringList accounts; // as describe() shows them, in the order the plan adds them
    QStringList skipped;
};

const QByteArray kKeePassXml = R"(<?xml version="1.0" encoding="utf-8" standalone="yes"?>
<KeePassFile>
 <Meta><Generator>KeePassXC</Generator><RecycleBinUUID>YmluYmluYmluYmluYmluYg==</RecycleBinUUID></Meta>
 <Root>
  <Group><UUID>cm9vdHJvb3Ryb290cm9vdA==</UUID><Name>Root</Name>
   <Entry><UUID>ZW50cnkxZW50cnkxZW50cg==</UUID>
    <Times><LastModificationTime>2024-03-05T12:00:00Z</LastModificationTime>
     <ExpiryTime>2026-01-31T12:00:00Z</ExpiryTime><Expires>True</Expires></Times>
    <String><Key>Title</Key><Value>Forum</Value></String>
    <String><Key>UserName</Key><Value>jane</Value></String>
    <String><Key>Password</Key><Value ProtectInMemory="True">s3cret &lt;&amp;&gt;</Value></String>
    <String><Key>URL</Key><Value>https://forum.example.org/login</Value></String>
    <String><Key>Notes</Key><Value>line one
line two</Value></String>
    <String><Key>Recovery code</Key><Value>1234-5678</Value></String>
    <Binary><Key>scan.pdf</Key><Value Ref="0"/></Binary>
    <Tags>work;forum</Tags>
    <AutoType><Enabled>True</Enabled></AutoType>
    <History><Entry><String><Key>Title</Key><Value>Old</Value></String></Entry></History>
   </Entry>
   <Group><UUID>bWFpbG1haWxtYWlsbWFpbA==</UUID><Name>Mail</Name>
    <Entry><String><Key>Title</Key><Value>Webmail</Value></String>
     <String><Key>UserName</Key><Value>jane@mail.example</Value></String>
     <String><Key>Password</Key><Value>pw</Value></String>
     <String><Key>URL</Key><Value>https://webmail.example.net/</Value></String>
     <String><Key>Notes</Key><Value>Hint</Value></String></Entry>
    <Entry><Times><LastModificationTime>QAB53Q4AAAA=</LastModificationTime></Times>
     <String><Key>Title</Key><Value>Locker code</Value></String>
     <String><Key>Notes</Key><Value>4711</Value></String></Entry>
   </Group>
   <Group><UUID>YmluYmluYmluYmluYmluYg==</UUID><Name>Recycle Bin</Name>
    <Entry><String><Key>Title</Key><Value>Deleted</Value></String></Entry>
   </Group>
  </Group>
 </Root>
</KeePassFile>
)";

const QByteArray kKeePassXcCsv
    = "\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\",\"TOTP\",\"Icon\",\"Last "
      "Modified\",\"Created\"\r\n"
      "\"Root\",\"Bank login\",\"jdoe\",\"pw \"\"quoted\"\"\",\"https://bank.example.com\",\"Call first,\r\nthen log "
      "in\",\"otpauth://totp/x?secret=ABC\",\"0\",\"2024-01-02T03:04:05Z\",\"2023-01-01T00:00:00Z\"\r\n"
      "\"Root/Notes\",\"Wifi\",\"\",\"\",\"\",\"Password: tea\",\"\",\"0\",\"2024-02-29T10:00:00Z\",\"\"\r\n";

const QByteArray kBitwardenJson = R"({"encrypted": false,
 "folders": [{"id": "f1", "name": "Finance"}],
 "items": [
  {"id": "i1", "organizationId": null, "folderId": null, "type": 1, "reprompt": 0, "name": "Shop", "notes": null,
   "favorite": true, "fields": [{"name": "Customer no", "value": "C-77", "type": 0, "linkedId": null}],
   "login": {"uris": [{"match": null, "uri": "https://shop.example.com"}, {"match": null, "uri": "https://m.shop.example.com"}],
             "username": "ann", "password": "pw1", "totp": "JBSWY3DP", "passwordRevisionDate": null,
             "fido2Credentials": [{"credentialId": "c"}]},
   "passwordHistory": [{"lastUsedDate": "2023-01-01T00:00:00Z", "password": "old"}],
   "collectionIds": null, "revisionDate": "2024-01-01T00:00:00.000Z", "deletedDate": null},
  {"id": "i2", "folderId": "f1", "type": 3, "name": "Visa", "notes": "Travel card",
   "card": {"cardholderName": "ANN LEE", "brand": "Visa", "number": "4111111111111111", "expMonth": "2",
            "expYear": "2028", "code": "123"}},
  {"id": "i3", "type": 4, "name": "Ann", "identity": {"title": "Ms", "firstName": "Ann", "middleName": "B",
   "lastName": "Lee", "ssn": "000-11-2222", "passportNumber": null, "licenseNumber": "L-1",
   "email": "ann@example.com", "city": "Springfield"}},
  {"id": "i4", "type": 4, "name": "Work address", "identity": {"company": "Acme", "address1": "1 Main St"}},
  {"id": "i5", "type": 2, "name": "Door", "notes": "code 1234", "secureNote": {"type": 0}},
  {"id": "i6", "type": 6, "name": "Checking", "bankAccount": {"bankName": "First Bank", "nameOnAccount": "Ann Lee",
   "accountType": "Checking", "accountNumber": "123456", "routingNumber": "021000021", "pin": "9999",
   "iban": "DE00 1234"}},
  {"id": "i7", "type": 1, "name": "Gone", "login": {"username": "x"}, "deletedDate": "2024-01-01T00:00:00Z"}
 ]})";

const QByteArray kChromeCsv = "name,url,username,password,note\n"
                              "accounts.example.com,https://accounts.example.com/login,jane@example.com,pw1,\n"
                              "Gmail,https://mail.google.com/,jane@gmail.com,pw2,\"two\nlines\"\n"
                              ",https://shop.example.com/cart,ann,pw3,\n";

const QByteArray kFirefoxCsv
    = "\"url\",\"username\",\"password\",\"httpRealm\",\"formActionOrigin\",\"guid\",\"timeCreated\","
      "\"timeLastUsed\",\"timePasswordChanged\"\n"
      "\"https://www.example.com\",\"ann\",\"pw\",\"\",\"https://www.example.com\",\"{a}\",\"1700000000000\","
      "\"1700000000000\",\"1700000000000\"\n"
      "\"https://intranet.example.com:8443\",\"bob\",\"pw2\",\"Staff only\",\"\",\"{b}\",\"1\",\"1\",\"1\"\n"
      "\"https://login.example.org\",\"carol\",\"pw3\",\"\",\"https://auth.example.org\",\"{c}\",\"1\",\"1\",\"1\"\n";

const QByteArray kOnePasswordCsv = "Title,Url,Username,Password,OTPAuth,Favorite,Archived,Tags,Notes\n"
                                   "Bank,https://bank.example.com,ann,pw,otpauth://totp/Bank?secret=X,true,false,"
                                   "finance,\"Branch: Main\"\n"
                                   "Recipe,,,,,false,true,,Grandma's cake\n";

const QByteArray kLastPassCsv = R"(url,username,password,totp,extra,name,grouping,fav
https://shop.example.com,ann,pw,,Size M,Shop,Shopping,0
http://sn,,,,"NoteType:Credit Card
Language:en-US
Name on Card:Ann Lee
Type:Mastercard
Number:5500000000000004
Security Code:321
Start Date:January,2022
Expiration Date:March,2027
Notes:Keep safe
second line",Card,Finance,0
http://sn,,,,"NoteType:Software License
License Key:AAAA-BBBB
Licensee:Ann
Version:3.1
Publisher:Acme
Website:https://acme.example
Notes:",Editor,,0
http://sn,,,,"NoteType:Insurance
Company:Safe Co
Policy Type:Car
Policy Number:P-1
Expiration:December,31,2026
Agent Name:Sam
Agent Phone:555-0100
Notes:",Car policy,,0
http://sn,,,,"NoteType:Bank Account
Bank Name:First Bank
Account Type:Savings
Routing Number:011
Account Number:222
SWIFT Code:FBKK
Pin:1234
Notes:",Savings,,0
http://sn,,,,"NoteType:Email Account
Username:ann@mail.example
Password:pw
Server:imap.mail.example
Port:993
Notes:",Mail box,,0
http://sn,,,,"NoteType:Passport
Number:X1
Notes:",Passport,,1
http://sn,,,,Just text,Plain note,,0
)";

const QByteArray kQuorrilJson = R"({"accounts": [
 {"id": 7, "type": 13, "title": "Checking", "committed": 0, "fields": {"institution": "B", "pin": "12"}},
 {"id": 3, "type": 10, "title": "Mail", "users": [{"loginId": "me", "password": "p", "email": "m@x", "administrator": 1}]}
], "nextAccountId": 9})";

// clang-format off
const Sample kSamples[] = {
    { ImportFormat::KeePassXml, kKeePassXml, {
        "WebSite \"Forum\" siteName=forum.example.org webSiteUrl=https://forum.example.org/login userId=jane "
        "userPassword=s3cret <&> notes=line one\\nline two\\r\\n\\r\\nExpires: 2026-01-31\\r\\nRecovery code: 1234-5678"
        "\\r\\nAttachment: scan.pdf (its content is not imported)\\r\\nTags: work;forum",
        "Email \"Webmail\" logInUrl=https://webmail.example.net/ user(jane@mail.example/pw/jane@mail.example/0)",
        "Reference \"Webmail (more)\" about=Email \"Webmail\" description=Notes: Hint\\r\\nGroup: Root/Mail date=2025-06-01",
        "Reference \"Locker code\" description=4711\\r\\n\\r\\nGroup: Root/Mail date=2024-03-05" },
      { "1 entry in the recycle bin", "the earlier versions (History) of 1 entry" } },
    { ImportFormat::KeePassXcCsv, kKeePassXcCsv, {
        "WebSite \"Bank login\" siteName=bank.example.com webSiteUrl=https://bank.example.com userId=jdoe "
        "userPassword=pw \"quoted\" notes=Call first,\\r\\nthen log in\\r\\n\\r\\nTOTP: otpauth://totp/x?secret=ABC",
        "Reference \"Wifi\" description=Password: tea\\r\\n\\r\\nGroup: Root/Notes date=2024-02-29" }, {} },
    { ImportFormat::BitwardenJson, kBitwardenJson, {
        "WebSite \"Shop\" siteName=shop.example.com webSiteUrl=https://shop.example.com userId=ann userPassword=pw1 "
        "notes=TOTP: JBSWY3DP\\r\\nURI 2: https://m.shop.example.com\\r\\nCustomer no: C-77",
        "Credit Card \"Visa\" accountType=Visa expiration=2028-02-29 accountNumber=4111111111111111 nameOnCard=ANN LEE",
        "Reference \"Visa (more)\" about=Credit Card \"Visa\" description=Notes: Travel card\\r\\nSecurity Code: 123"
        "\\r\\nFolder: Finance date=2025-06-01",
        "Medical \"Ann\" firstName=Ann middleInitial=B lastName=Lee ssn=000-11-2222 driverLicenseNumber=L-1 "
        "notes=Title: Ms\\r\\nEmail: ann@example.com\\r\\nCity: Springfield",
        "Reference \"Work address\" description=Company: Acme\\r\\nAddress 1: 1 Main St date=2025-06-01",
        "Reference \"Door\" description=code 1234 date=2025-06-01",
        "Bank \"Checking\" institution=First Bank accountType=Checking nameOnAccount=Ann Lee accountNumber=123456 "
        "routingNumber=021000021 pin=9999",
        "Reference \"Checking (more)\" about=Bank \"Checking\" description=IBAN: DE00 1234 date=2025-06-01" },
      { "1 item in the trash", "the password history of 1 item", "the passkeys of 1 item" } },
    { ImportFormat::ChromeCsv, kChromeCsv, {
        "WebSite \"accounts.example.com\" siteName=accounts.example.com webSiteUrl=https://accounts.example.com/login "
        "userId=jane@example.com userPassword=pw1",
        "Email \"Gmail\" logInUrl=https://mail.google.com/ user(jane@gmail.com/pw2/jane@gmail.com/0)",
        "Reference \"Gmail (more)\" about=Email \"Gmail\" description=Note: two\\nlines date=2025-06-01",
        "WebSite \"shop.example.com\" siteName=shop.example.com webSiteUrl=https://shop.example.com/cart userId=ann "
        "userPassword=pw3" }, {} },
    { ImportFormat::FirefoxCsv, kFirefoxCsv, {
        "WebSite \"www.example.com\" siteName=www.example.com webSiteUrl=https://www.example.com userId=ann userPassword=pw",
        "WebSite \"intranet.example.com\" siteName=intranet.example.com webSiteUrl=https://intranet.example.com:8443 "
        "userId=bob userPassword=pw2 notes=HTTP Realm: Staff only",
        "WebSite \"login.example.org\" siteName=login.example.org webSiteUrl=https://login.example.org userId=carol "
        "userPassword=pw3 notes=Form Action Origin: https://auth.example.org" }, {} },
    { ImportFormat::OnePasswordCsv, kOnePasswordCsv, {
        "WebSite \"Bank\" siteName=bank.example.com webSiteUrl=https://bank.example.com userId=ann userPassword=pw "
        "notes=Branch: Main\\r\\n\\r\\nOTP: otpauth://totp/Bank?secret=X\\r\\nTags: finance",
        "Reference \"Recipe\" description=Grandma's cake\\r\\n\\r\\nArchived: Yes date=2025-06-01" }, {} },
    { ImportFormat::LastPassCsv, kLastPassCsv, {
        "WebSite \"Shop\" siteName=shop.example.com webSiteUrl=https://shop.example.com userId=ann userPassword=pw "
        "notes=Size M\\r\\n\\r\\nGroup: Shopping",
        "Credit Card \"Card\" accountType=Master Card expiration=2027-03-31 accountNumber=5500000000000004 "
        "nameOnCard=Ann Lee",
        "Reference \"Card (more)\" about=Credit Card \"Card\" description=Notes: Keep safe\\nsecond line\\r\\n"
        "Security Code: 321\\r\\nStart Date: January,2022\\r\\nGroup: Finance date=2025-06-01",
        "Software \"Editor\" version=3.1 manufacturer=Acme cdKey=AAAA-BBBB supportUrl=https://acme.example",
        "Reference \"Editor (more)\" about=Software \"Editor\" description=Licensee: Ann date=2025-06-01",
        "Insurance \"Car policy\" provider=Safe Co insuranceType=Car accountNumber=P-1 expiration=2026-12-31 "
        "servicePhone=555-0100",
        "Reference \"Car policy (more)\" about=Insurance \"Car policy\" description=Agent Name: Sam date=2025-06-01",
        "Bank \"Savings\" institution=First Bank accountType=Savings accountNumber=222 routingNumber=011 pin=1234",
        "Reference \"Savings (more)\" about=Bank \"Savings\" description=SWIFT Code: FBKK date=2025-06-01",
        "Email \"Mail box\" logInUrl=imap.mail.example user(ann@mail.example/pw/ann@mail.example/0)",
        "Reference \"Mail box (more)\" about=Email \"Mail box\" description=Port: 993 date=2025-06-01",
        "Reference \"Passport\" description=Type: Passport\\r\\nNumber: X1 date=2025-06-01",
        "Reference \"Plain note\" description=Just text date=2025-06-01" }, {} },
    { ImportFormat::QuorrilJson, kQuorrilJson, {
        "Bank \"Checking\" institution=B pin=12",
        "Email \"Mail\" user(me/p/m@x/1)" }, {} },
};
// clang-format on

TEST(FormatReadersTest, EachFormatIsDetectedAndReadFieldByField)
{
    const ScopedTimeZone zone("UTC");
    for (const Sample& sample : kSamples) {
        SCOPED_TRACE(importFormatName(sample.format).toStdString());
        for (const std::optional<ImportFormat> asked :
            { std::optional<ImportFormat>(), std::optional(sample.format) }) {
            ImportRead read = readBytes(sample.bytes, asked);
            ASSERT_TRUE(read.plan) << read.error.toStdString();
            EXPECT_EQ(read.plan->format(), sample.format);
            EXPECT_EQ(read.plan->skipped(), sample.skipped);
            EXPECT_EQ(describeAll(takeAll(*read.plan)), sample.accounts);
        }
    }
}

} // namespace

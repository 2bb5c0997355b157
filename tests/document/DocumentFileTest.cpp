// The ".qrl" layout: bytes the document writes, and hand-built files it reads.
#include "accounts/BankAccount.h"
#include "accounts/CreditCardAccount.h"
#include "accounts/ReferenceRecord.h"
#include "document/DocumentFixture.h"
#include "document/FileBuilder.h"
#include "document/SampleWallet.h"

#include <limits>

namespace {

QByteArray tenEmptyGroups() { return QByteArray(40, '\0'); }

// A file of the given version with one account in each group up to `groups`: account id = type
// code, title "T<type>", texts tagged "x<type>_".
FileBuilder oneOfEachType(qint32 version, qint32 nextId, int groups)
{
    FileBuilder f;
    f.header(version, nextId, QStringLiteral("pw"));
    for (int g = 0; g < groups; ++g) {
        const TypeKinds& k = kFileKinds[g];
        f.i32(1)
            .common(k.type, k.type, QStringLiteral("T%1").arg(k.type))
            .record(k.kinds, QStringLiteral("x%1_").arg(k.type));
    }
    return f;
}

} // namespace

using DocumentFileTest = DocumentFixture;

TEST_F(DocumentFileTest, FirstNewDocumentSavedWithPasswordHasTheGoldenBytes)
{
    doc.OnNewDocument();
    prompts.addPassword(QStringLiteral("ab"));
    ASSERT_TRUE(doc.OnSaveDocument(path("new.qrl")));
    // version 2, next id 1, "ab" stored as the token of b then the token of a, ten empty groups.
    const QByteArray expected = QByteArray::fromHex("02000000"
                                                    "01000000"
                                                    "fffeff06"
                                                    "230055004700"
                                                    "40005a004800")
        + tenEmptyGroups();
    EXPECT_EQ(readFile(path("new.qrl")).toHex(), expected.toHex());
    EXPECT_EQ(prompts.shown, QStringList { "[password set]" });
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), path("new.qrl"));
    EXPECT_EQ(doc.GetTitle(), QStringLiteral("new.qrl"));
}

TEST_F(DocumentFileTest, VersionsOneTwoAndOtherLoadAndSaveAsVersionTwo)
{
    struct Row {
        const char* name;
        QByteArray file;
        qint32 version;
        QStringList accounts;
        QByteArray savedAs;
    };
    QStringList nine, ten;
    for (const TypeKinds& k : kFileKinds)
        ten << QStringLiteral("%1:%1:T%1").arg(k.type);
    nine = ten.mid(0, 9);
    const Row rows[] = {
        { "version 1, nine groups", oneOfEachType(1, 30, 9).bytes(), 1, nine, oneOfEachType(2, 30, 9).i32(0).bytes() },
        { "version 2, ten groups", oneOfEachType(2, 30, 10).bytes(), 2, ten, oneOfEachType(2, 30, 10).bytes() },
        { "version 3", FileBuilder().header(3, 7, "pw").i32(1).common(1, 10, "never read").record("T").bytes(), 3, {},
            FileBuilder().header(2, 7, "pw").raw(tenEmptyGroups()).bytes() },
        { "version 0", FileBuilder().header(0, 7, "pw").bytes(), 0, {},
            FileBuilder().header(2, 7, "pw").raw(tenEmptyGroups()).bytes() },
        { "version -1", FileBuilder().header(-1, 7, "pw").bytes(), -1, {},
            FileBuilder().header(2, 7, "pw").raw(tenEmptyGroups()).bytes() },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        prompts.shown.clear();
        ASSERT_TRUE(openBytes(row.file, "pw"));
        EXPECT_EQ(prompts.shown, QStringList { "[password verify]" });
        EXPECT_EQ(doc.loadedVersion(), row.version);
        EXPECT_EQ(accountList(), row.accounts);
        ASSERT_TRUE(doc.OnSaveDocument(path("out.qrl")));
        EXPECT_EQ(readFile(path("out.qrl")).toHex(), row.savedAs.toHex());
    }
}

TEST_F(DocumentFileTest, FieldsAreReadInTheFileOrderOfTheirType)
{
    ASSERT_TRUE(openBytes(oneOfEachType(2, 30, 10).bytes(), "pw"));
    auto* bank = dynamic_cast<BankAccount*>(doc.FindAccount(AccountId(13)));
    ASSERT_NE(bank, nullptr);
    EXPECT_EQ(bank->GetInstitution(), "x13_0");
    EXPECT_EQ(bank->GetServicePhone(), "x13_6");
    // Credit Card: provider, type, name on card, number, expiration, APR, PIN, service phone.
    auto* card = dynamic_cast<CreditCardAccount*>(doc.FindAccount(AccountId(12)));
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->GetNameOnCard(), "x12_2");
    EXPECT_EQ(card->GetAccountNumber(), "x12_3");
    EXPECT_EQ(card->GetPin(), "x12_4");
    // Reference: date first, then the two texts.
    auto* ref = dynamic_cast<ReferenceRecord*>(doc.FindAccount(AccountId(20)));
    ASSERT_NE(ref, nullptr);
    EXPECT_EQ(ref->GetAbout(), "x20_0");
    EXPECT_EQ(ref->GetDescription(), "x20_1");
}

TEST_F(DocumentFileTest, FileCutInTheBankGroupKeepsWhatWasReadBeforeTheCut)
{
    FileBuilder f = oneOfEachType(2, 30, 3); // Email, WebSite, Credit Card
    f.i32(2).common(40, 13, "first bank").record("TTTTTTT", "b").common(41, 13, "second bank");
    f.i32(1).text("inst"); // the second bank's record block stops after its first field
    ASSERT_TRUE(openBytes(f.bytes(), "pw"));
    EXPECT_EQ(prompts.shown, (QStringList { "Invalid File Format !", "[password verify]" }));
    EXPECT_EQ(accountList(), (QStringList { "10:10:T10", "11:11:T11", "12:12:T12", "40:13:first bank" }));
    EXPECT_TRUE(doc.loadFailed());
    // Not tied to the damaged file: the next save asks where to write.
    EXPECT_EQ(doc.GetPathName(), QString());
    EXPECT_EQ(doc.GetTitle(), QStringLiteral("Untitled"));
}

TEST_F(DocumentFileTest, LaterRecordWithTheSameIdReplacesTheEarlierOne)
{
    FileBuilder f;
    f.header(2, 8, "pw");
    f.i32(1).common(7, 10, "first").record("T");
    f.i32(0);
    f.i32(1).common(7, 12, "second").record("TTTTDFTT");
    for (int g = 3; g < 10; ++g)
        f.i32(0);
    ASSERT_TRUE(openBytes(f.bytes(), "pw"));
    EXPECT_EQ(accountList(), QStringList { "7:12:second" });
    EXPECT_NE(dynamic_cast<CreditCardAccount*>(doc.FindAccount(AccountId(7))), nullptr);
}

TEST_F(DocumentFileTest, NextAccountIdAfterLoadingIsAboveEveryId)
{
    struct Row {
        qint32 storedNext;
        QList<qint32> ids;
        qint32 expected;
    };
    const Row rows[] = {
        { 5, { 3, 9, 6 }, 10 },
        { 12, { 3, 9, 6 }, 12 },
        { 1, {}, 1 },
        { 0, {}, 1 }, // never hands out 0, which stands for "no account"
        { -40, { 2 }, 3 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.storedNext);
        FileBuilder f;
        f.header(2, row.storedNext, "pw").i32(row.ids.size());
        for (qint32 id : row.ids)
            f.common(id, 10, QStringLiteral("mail %1").arg(id)).record("T");
        f.raw(QByteArray(36, '\0'));
        ASSERT_TRUE(openBytes(f.bytes(), "pw"));
        EXPECT_EQ(doc.NextAccountId(), AccountId(row.expected));
        EXPECT_EQ(doc.NextAccountId(), AccountId(row.expected)) << "a second call hands out the same id";
    }
}

TEST_F(DocumentFileTest, RecordOfAnotherTypeIsFiledUnderItsGroupsType)
{
    FileBuilder f;
    f.header(2, 5, "pw").i32(0).i32(0).i32(0);
    f.i32(1).common(3, 12, "stray").record("TTTTTTT", "b"); // in the Bank group, claiming Credit Card
    f.raw(QByteArray(24, '\0'));
    ASSERT_TRUE(openBytes(f.bytes(), "pw"));
    auto* bank = dynamic_cast<BankAccount*>(doc.FindAccount(AccountId(3)));
    ASSERT_NE(bank, nullptr);
    EXPECT_EQ(bank->GetType(), AccountType(13));
    EXPECT_EQ(bank->GetPin(), "b5");
    ASSERT_TRUE(doc.OnSaveDocument(path("out.qrl")));
    FileBuilder expected;
    expected.header(2, 5, "pw").i32(0).i32(0).i32(0);
    expected.i32(1).common(3, 13, "stray").record("TTTTTTT", "b");
    expected.raw(QByteArray(24, '\0'));
    EXPECT_EQ(readFile(path("out.qrl")).toHex(), expected.bytes().toHex());
}

TEST_F(DocumentFileTest, RecordWhoseCommonBlockIsSkippedKeepsAFreshId)
{
    FileBuilder f;
    f.header(2, 5, "pw").i32(2);
    f.common(5, 10, "five").record("T");
    f.i32(9).record("T", "u"); // common block version 9: nothing of it is read
    f.raw(QByteArray(36, '\0'));
    ASSERT_TRUE(openBytes(f.bytes(), "pw"));
    EXPECT_EQ(prompts.shown, QStringList { "[password verify]" });
    EXPECT_EQ(accountList(), (QStringList { "5:10:five", "6:10:" }));
    EXPECT_FALSE(doc.FindAccount(AccountId(6))->IsCommitted());
    EXPECT_EQ(doc.FindAccount(AccountId(6))->field(0), FieldValue(ScrambledText("u0")));
}

TEST_F(DocumentFileTest, DamagedOrHostileFilesEndInTheFormatMessage)
{
    struct Row {
        const char* name;
        QByteArray file;
        QStringList accounts;
    };
    const QByteArray head = FileBuilder().header(2, 5, "pw").bytes();
    const QByteArray oneMail = FileBuilder().i32(1).common(1, 10, "m").record("T").bytes();
    const Row rows[] = {
        { "group count beyond the file", head + FileBuilder().i32(0x7fffffff).common(1, 10, "m").record("T").bytes(),
            { "1:10:m" } },
        { "user count beyond the file",
            head + FileBuilder().i32(1).i32(1).i32(1).i32(10).text("m").i32(1).i32(0x7fffffff).bytes(), {} },
        { "text length beyond the file",
            head + oneMail
                + FileBuilder()
                      .i32(1)
                      .i32(1)
                      .i32(2)
                      .i32(11)
                      .raw(QByteArray::fromHex("fffeffffffff"
                                               "ffffff7f"))
                      .bytes(),
            { "1:10:m" } },
        { "16-bit length beyond the file",
            head + FileBuilder().i32(1).i32(1).i32(2).i32(10).raw(QByteArray::fromHex("fffeffff0010")).bytes(), {} },
        { "marker twice",
            head + FileBuilder().i32(1).i32(1).i32(2).i32(10).raw(QByteArray::fromHex("fffefffffeff")).bytes(), {} },
        { "8-bit text beyond the file",
            head + FileBuilder().i32(1).i32(1).i32(2).i32(10).raw(QByteArray::fromHex("ff4000")).bytes(), {} },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        prompts.shown.clear();
        ASSERT_TRUE(openBytes(row.file, "pw"));
        EXPECT_EQ(prompts.shown, (QStringList { "Invalid File Format !", "[password verify]" }));
        EXPECT_EQ(accountList(), row.accounts);
    }
}

TEST_F(DocumentFileTest, PasswordStoredAsEightBitTextOpens)
{
    // The 8-bit text form (no marker) holding the stored form of "ab".
    FileBuilder f;
    f.i32(2).i32(1).raw(QByteArray("\x06#UG@ZH", 7)).raw(tenEmptyGroups());
    EXPECT_TRUE(openBytes(f.bytes(), "ab"));
    EXPECT_EQ(prompts.shown, QStringList { "[password verify]" });
}

TEST_F(DocumentFileTest, LoadThenSaveWritesTheSameBytes)
{
    addSampleAccounts(doc);
    // A long text with the three-byte and the five-byte length prefix, and characters outside the
    // substitution tables.
    auto longOne = account(typeCode(AccountType::Reference), idValue(doc.NextAccountId()), QStringLiteral("long"));
    longOne->setField(1, ScrambledText(QString(70000, QChar(u'\u4e2d')) + QStringLiteral("z\u00d1\u00f1\t")));
    longOne->setField(2, ScrambledText(QString(300, QChar(u'q'))));
    doc.AddAccount(std::move(longOne));
    prompts.addPassword(QStringLiteral("Pass word"));
    ASSERT_TRUE(doc.OnSaveDocument(path("first.qrl")));
    const QByteArray first = readFile(path("first.qrl"));

    CQuorrilDoc other(prompts);
    prompts.addPassword(QStringLiteral("Pass word"));
    ASSERT_TRUE(other.OnOpenDocument(path("first.qrl")));
    EXPECT_EQ(other.accountCount(), doc.accountCount());
    other.SetModifiedFlag(true);
    ASSERT_TRUE(other.OnSaveDocument(path("second.qrl")));
    EXPECT_TRUE(readFile(path("second.qrl")) == first);
    EXPECT_EQ(prompts.shown.count("Invalid File Format !"), 0);
}

TEST_F(DocumentFileTest, LoadThenSaveKeepsTheBytesWhenTheLargestIdIsTaken)
{
    const qint32 max = std::numeric_limits<qint32>::max();
    FileBuilder f;
    f.header(2, 1, "pw");
    f.i32(1).common(max, 10, "top").record("T");
    f.i32(0).i32(0);
    f.i32(2).common(1, 13, "one").record("TTTTTTT").common(2, 13, "two").record("TTTTTTT");
    f.raw(QByteArray(24, '\0'));
    ASSERT_TRUE(openBytes(f.bytes(), "pw"));
    EXPECT_EQ(doc.NextAccountId(), AccountId(3)) << "the lowest free id once the largest is taken";
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(doc.OnSaveDocument(path("a.qrl")));
    const QByteArray first = readFile(path("a.qrl"));
    ASSERT_TRUE(open(path("a.qrl"), "pw"));
    ASSERT_TRUE(doc.OnSaveDocument(path("b.qrl")));
    EXPECT_TRUE(readFile(path("b.qrl")) == first);
}

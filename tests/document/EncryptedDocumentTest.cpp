// The document with encrypted files: open and save in either container, the password asked once,
// refusals that load nothing, the switch between containers and the preference for new documents.
#include "DocumentFixture.h"
#include "SampleWallet.h"
#include "WalletFile.h"

#include <QtEndian>

#include <sodium.h>

namespace {

const KdfCost kCheap = EncryptedFormat::cheapestCost();
const QString kNotOwner = QStringLiteral("You Do Not have ownership of this document !");
const QString kInvalid = QStringLiteral("Invalid File Format !");
const QString kVerify = QStringLiteral("[password verify]");

class EncryptedDocumentTest : public DocumentFixture {
protected:
    EncryptedDocumentTest() { doc.setKdfCost(kCheap); }

    // A wallet of every type saved encrypted with the password; the document keeps it open.
    QString saveSample(const QString& name, const QString& password)
    {
        addSampleAccounts(doc, 1);
        doc.setEncrypted(true);
        prompts.addPassword(password);
        EXPECT_TRUE(doc.OnSaveDocument(path(name)));
        return path(name);
    }

    QByteArray classicBytes() const { return WalletFile::store(doc.contents()); }

    static KdfCost storedCost(const QByteArray& file)
    {
        const auto* header = reinterpret_cast<const uchar*>(file.constData());
        return { qFromLittleEndian<quint32>(header + 20), qFromLittleEndian<quint64>(header + 24) };
    }
};

QByteArray flipped(QByteArray bytes, qsizetype at)
{
    bytes[at] = char(bytes[at] ^ 0x01);
    return bytes;
}

TEST_F(EncryptedDocumentTest, EveryAccountTypeSavesAndOpensThroughTheContainer)
{
    const QString file = saveSample("wallet.qrl", "pw");
    const QByteArray saved = classicBytes();
    EXPECT_EQ(WalletFile::containerOf(readFile(file)), WalletFile::Container::Encrypted);
    EXPECT_EQ(QFile::permissions(file),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);

    ScriptedDocumentPrompts otherPrompts;
    CQuorrilDoc other(otherPrompts);
    otherPrompts.addPassword("pw");
    ASSERT_TRUE(other.OnOpenDocument(file));
    EXPECT_EQ(otherPrompts.shown, QStringList { kVerify }) << "the password is asked once";
    EXPECT_TRUE(other.isEncrypted());
    EXPECT_FALSE(other.IsModified());
    EXPECT_EQ(other.GetPathName(), file);
    EXPECT_EQ(other.accountCount(), int(kAccountTypes.size()));
    EXPECT_EQ(WalletFile::store(other.contents()), saved);

    // Locked and unlocked with the password it was opened with.
    other.OnLockDocument();
    otherPrompts.addPassword("pw");
    other.OnUnlockDocument();
    EXPECT_FALSE(other.IsLocked());
}

TEST_F(EncryptedDocumentTest, RefusedOpensLoadNothingAndSayWhy)
{
    const QByteArray good = readFile(saveSample("good.qrl", "Secret"));
    const QByteArray inside = classicBytes();
    QByteArray hostile = good;
    qToLittleEndian<quint64>(quint64(2) << 30, reinterpret_cast<uchar*>(hostile.data()) + 24);
    crypto_generichash(reinterpret_cast<uchar*>(hostile.data()) + 112, 32,
        reinterpret_cast<const uchar*>(hostile.constData()), 112, nullptr, 0);
    struct Row {
        const char* name;
        QByteArray file;
        std::optional<QString> answer; // nothing: Cancel; not asked when the header is refused
        CQuorrilDoc::OpenResult result;
        QStringList shown;
    };
    using R = CQuorrilDoc::OpenResult;
    const Row rows[] = {
        { "right password", good, QString("Secret"), R::Opened, { kVerify } },
        { "other letter case", good, QString("secret"), R::NotOwner, { kVerify, kNotOwner } },
        { "cancelled", good, std::nullopt, R::Cancelled, { kVerify } },
        { "damaged salt", flipped(good, 40), QString("Secret"), R::Damaged, { kInvalid } },
        { "damaged key check", flipped(good, 90), QString("Secret"), R::Damaged, { kInvalid } },
        { "asks for 2 GiB", hostile, QString("Secret"), R::Damaged, { kInvalid } },
        { "damaged body", flipped(good, good.size() - 20), QString("Secret"), R::Damaged, { kVerify, kInvalid } },
        { "sealed with another password than the one inside", EncryptedFormat::seal(inside, "Other", kCheap),
            QString("Other"), R::NotOwner, { kVerify, kNotOwner } },
        { "classic bytes inside cut short", EncryptedFormat::seal(inside.left(inside.size() - 3), "Secret", kCheap),
            QString("Secret"), R::Damaged, { kVerify, kInvalid } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedDocumentPrompts rowPrompts;
        CQuorrilDoc opened(rowPrompts);
        if (row.answer)
            rowPrompts.addPassword(*row.answer);
        else
            rowPrompts.cancelPassword();
        const QString file = writeFile("in.qrl", row.file);
        EXPECT_EQ(opened.OnOpenDocument(file), row.result == R::Opened);
        EXPECT_EQ(opened.lastOpenResult(), row.result);
        EXPECT_EQ(rowPrompts.shown, row.shown);
        EXPECT_EQ(opened.accountCount(), row.result == R::Opened ? int(kAccountTypes.size()) : 0);
        EXPECT_EQ(opened.hasPassword(), row.result == R::Opened);
        EXPECT_EQ(opened.GetPathName(), row.result == R::Opened ? file : QString());
        EXPECT_EQ(opened.isEncrypted(), row.result == R::Opened) << "a refused open leaves a new document";
        EXPECT_EQ(opened.loadFailed(), row.result == R::Damaged);
    }
}

TEST_F(EncryptedDocumentTest, EveryDamagedByteAndEveryCutLoadsNothing)
{
    doc.AddAccount(account(13, 1, "Bank"));
    doc.setEncrypted(true);
    prompts.addPassword("pw");
    ASSERT_TRUE(doc.OnSaveDocument(path("small.qrl")));
    const QByteArray file = readFile(path("small.qrl"));
    // Damage inside the magic leaves a file the classic reader refuses (its password is never "pw");
    // any damage after it is the format message, never the ownership one.
    auto expectNothingLoaded = [this](const QByteArray& bytes, bool magicKept) {
        ScriptedDocumentPrompts damagedPrompts;
        CQuorrilDoc damaged(damagedPrompts);
        damagedPrompts.addPassword("pw");
        EXPECT_FALSE(damaged.openFromBytes(bytes, path("damaged.qrl")));
        EXPECT_EQ(damaged.accountCount(), 0);
        if (magicKept) {
            EXPECT_TRUE(damagedPrompts.shown.contains(kInvalid)) << damagedPrompts.shown.join(u'|').toStdString();
            EXPECT_FALSE(damagedPrompts.shown.contains(kNotOwner));
        }
    };
    for (qsizetype at = 0; at < file.size(); ++at) {
        SCOPED_TRACE(at);
        expectNothingLoaded(flipped(file, at), at >= EncryptedFormat::kMagicSize);
    }
    for (qsizetype size = 1; size < file.size(); ++size) {
        SCOPED_TRACE(size);
        expectNothingLoaded(file.left(size), size >= EncryptedFormat::kMagicSize);
    }
}

TEST_F(EncryptedDocumentTest, TheSwitchMarksTheDocumentAndTheNextSaveWritesTheChosenContainer)
{
    doc.AddAccount(account(10, 1, "Mail"));
    prompts.addPassword("pw");
    ASSERT_TRUE(doc.OnSaveDocument(path("w.qrl")));
    recordSignals();
    struct Step {
        const char* name;
        bool lock;
        bool encrypt;
        bool encrypted; // after the switch
        bool modified;
        WalletFile::Container onDisk; // after a save
    };
    using C = WalletFile::Container;
    const Step steps[] = {
        { "encrypt", false, true, true, true, C::Encrypted },
        { "encrypt again: no change", false, true, true, false, C::Encrypted },
        { "decrypt while locked: no change", true, false, true, false, C::Encrypted },
        { "decrypt", false, false, false, true, C::Classic },
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        events.clear();
        if (step.lock)
            doc.OnLockDocument();
        EXPECT_EQ(doc.canSwitchEncryption(), !step.lock);
        doc.setEncrypted(step.encrypt);
        EXPECT_EQ(doc.isEncrypted(), step.encrypted);
        EXPECT_EQ(doc.IsModified(), step.modified);
        EXPECT_EQ(events.contains("modified 1"), step.modified);
        if (step.lock) {
            prompts.addPassword("pw");
            doc.OnUnlockDocument();
        }
        ASSERT_TRUE(doc.OnSaveDocument(doc.GetPathName()));
        const QByteArray bytes = readFile(path("w.qrl"));
        EXPECT_EQ(WalletFile::containerOf(bytes), step.onDisk);
        if (step.onDisk == C::Classic) {
            EXPECT_EQ(bytes, classicBytes()) << "classic exactly as before";
        }
    }
}

TEST_F(EncryptedDocumentTest, NewDocumentsFollowThePreferenceAndOpenedFilesKeepTheirOwn)
{
    const QString encrypted = saveSample("e.qrl", "pw");
    doc.setEncrypted(false);
    ASSERT_TRUE(doc.OnSaveDocument(path("c.qrl")));
    const QString classic = path("c.qrl");
    struct Row {
        bool preference;
        QString file; // empty: File > New
        bool encrypted;
    };
    const Row rows[] = {
        { true, {}, true },
        { false, {}, false },
        { false, encrypted, true },
        { true, classic, false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file.toStdString() + (row.preference ? " preferring encrypted" : ""));
        doc.setEncryptNewDocuments(row.preference);
        if (row.file.isEmpty()) {
            doc.OnNewDocument();
        } else {
            ASSERT_TRUE(open(row.file, "pw"));
        }
        EXPECT_EQ(doc.isEncrypted(), row.encrypted);
        EXPECT_FALSE(doc.IsModified());
    }

    // A preference changed later reaches a new document only while nothing has been put in it.
    doc.setEncryptNewDocuments(false);
    doc.OnNewDocument();
    doc.setEncryptNewDocuments(true);
    EXPECT_TRUE(doc.isEncrypted());
    doc.setEncryptNewDocuments(false);
    EXPECT_FALSE(doc.isEncrypted());
    doc.AddAccount(account(10, 1, "Mail"));
    doc.setEncryptNewDocuments(true);
    EXPECT_FALSE(doc.isEncrypted());
    ASSERT_TRUE(open(encrypted, "pw"));
    doc.setEncryptNewDocuments(false);
    EXPECT_TRUE(doc.isEncrypted()) << "an opened file keeps its own";
}

TEST_F(EncryptedDocumentTest, ChangingThePasswordSealsWithANewKey)
{
    const QString file = saveSample("w.qrl", "old");
    const QByteArray before = readFile(file);
    prompts.addPassword("new");
    doc.OnChangeDocumentPassword();
    const QByteArray after = readFile(file);
    EXPECT_NE(after.mid(32, 16), before.mid(32, 16)) << "a new salt";
    EXPECT_EQ(EncryptedReader(after).unlock("old"), EncryptedReader::Result::WrongPassword);
    EXPECT_EQ(EncryptedReader(after).unlock("new"), EncryptedReader::Result::Opened);
}

TEST_F(EncryptedDocumentTest, ASaveNeverSpendsLessThanTheFileItOpened)
{
    struct Row {
        KdfCost least;
        KdfCost file;
        KdfCost saved;
    };
    const Row rows[] = {
        { kCheap, { 2, 16384 }, { 2, 16384 } },
        { { 1, 32768 }, { 2, 16384 }, { 2, 32768 } },
        { { 3, 32768 }, kCheap, { 3, 32768 } },
    };
    for (const Row& row : rows) {
        ScriptedDocumentPrompts rowPrompts;
        CQuorrilDoc maker(rowPrompts);
        maker.setPassword("pw");
        const QString file
            = writeFile("cost.qrl", EncryptedFormat::seal(WalletFile::store(maker.contents()), "pw", row.file));
        CQuorrilDoc reopened(rowPrompts);
        reopened.setKdfCost(row.least);
        rowPrompts.addPassword("pw");
        ASSERT_TRUE(reopened.OnOpenDocument(file));
        reopened.SetModifiedFlag(true);
        ASSERT_TRUE(reopened.OnSaveDocument(file));
        const KdfCost stored = storedCost(readFile(file));
        EXPECT_EQ(stored.opsLimit, row.saved.opsLimit);
        EXPECT_EQ(stored.memLimit, row.saved.memLimit);
    }
}

} // namespace

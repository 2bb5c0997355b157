// The document with encrypted files: opening one, the switch between containers, the preference for
// new documents and the cost of each save (a few damaged files show the document uses its reader).
#include "document/DocumentFixture.h"
#include "document/SampleWallet.h"
#include "format/WalletFile.h"

#include <QtEndian>

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
};

QByteArray flipped(QByteArray bytes, qsizetype at)
{
    bytes[at] = char(bytes[at] ^ 0x01);
    return bytes;
}

TEST_F(EncryptedDocumentTest, OpensAskOnceAndRefusalsLoadNothing)
{
    const QString saved = saveSample("good.qrl", "Secret");
    EXPECT_EQ(QFile::permissions(saved),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
    const QByteArray good = readFile(saved);
    const QByteArray inside = classicBytes();
    const qsizetype body = good.size() - 20;
    const auto seal
        = [](const QByteArray& bytes, const char* password) { return EncryptedFormat::seal(bytes, password, kCheap); };
    using R = CQuorrilDoc::OpenResult;
    // answer: nullptr is Cancel; not asked when the header is refused.
    // clang-format off
    const struct { const char* name; QByteArray file; const char* answer; R result; QStringList shown; } rows[] = {
        { "right password",    good,                       "Secret", R::Opened,    { kVerify } },
        { "other letter case", good,                       "secret", R::NotOwner,  { kVerify, kNotOwner } },
        { "cancelled",         good,                       nullptr,  R::Cancelled, { kVerify } },
        { "damaged magic",     flipped(good, 3),           "Secret", R::Damaged,   { kInvalid } },
        { "damaged salt",      flipped(good, 40),          "Secret", R::Damaged,   { kInvalid } },
        { "cut by one byte",   good.chopped(1),            "Secret", R::Damaged,   { kInvalid } },
        { "damaged body",      flipped(good, body),        "Secret", R::Damaged,   { kVerify, kInvalid } },
        { "sealed with another password than the one inside",
                               seal(inside, "Other"),      "Other",  R::NotOwner,  { kVerify, kNotOwner } },
        { "classic bytes inside cut short",
                               seal(inside.chopped(3), "Secret"), "Secret", R::Damaged, { kVerify, kInvalid } },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedDocumentPrompts rowPrompts;
        CQuorrilDoc opened(rowPrompts);
        if (row.answer)
            rowPrompts.addPassword(row.answer);
        else
            rowPrompts.cancelPassword();
        const QString file = writeFile("in.qrl", row.file);
        const bool ok = row.result == R::Opened;
        EXPECT_EQ(opened.OnOpenDocument(file), ok);
        EXPECT_EQ(opened.lastOpenResult(), row.result);
        EXPECT_EQ(rowPrompts.shown, row.shown);
        EXPECT_EQ(opened.accountCount(), ok ? int(kAccountTypes.size()) : 0);
        EXPECT_EQ(opened.hasPassword(), ok);
        EXPECT_EQ(opened.GetPathName(), ok ? file : QString());
        EXPECT_EQ(opened.isEncrypted(), ok) << "a refused open leaves a new document";
        EXPECT_FALSE(opened.IsModified());
        EXPECT_EQ(opened.loadFailed(), row.shown.contains(kInvalid));
        if (ok) {
            EXPECT_EQ(WalletFile::store(opened.contents()), inside);
            // Locked and unlocked with the password it was opened with.
            opened.OnLockDocument();
            rowPrompts.addPassword(row.answer);
            opened.OnUnlockDocument();
            EXPECT_FALSE(opened.IsLocked());
        }
    }
}

TEST_F(EncryptedDocumentTest, TheSwitchMarksTheDocumentAndTheNextSaveWritesTheChosenContainer)
{
    doc.AddAccount(account(10, 1, "Mail"));
    prompts.addPassword("pw");
    ASSERT_TRUE(doc.OnSaveDocument(path("w.qrl")));
    recordSignals();
    using C = WalletFile::Container;
    // encrypted and modified after the switch, onDisk after a save
    // clang-format off
    const struct { const char* name; bool lock, encrypt, encrypted, modified; C onDisk; } steps[] = {
        { "encrypt",                         false, true,  true,  true,  C::Encrypted },
        { "encrypt again: no change",        false, true,  true,  false, C::Encrypted },
        { "decrypt while locked: no change", true,  false, true,  false, C::Encrypted },
        { "decrypt",                         false, false, false, true,  C::Classic },
    };
    // clang-format on
    for (const auto& step : steps) {
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
    const QString classic = path("c.qrl");
    ASSERT_TRUE(doc.OnSaveDocument(classic));
    // before: the preference at File > New (no file) or at the open; filled: an account is added;
    // after: the preference changed to
    // clang-format off
    const struct { bool before; QString file; bool filled, after, encrypted; } rows[] = {
        { true,  {},        false, true,  true },
        { false, {},        false, false, false },
        { false, {},        false, true,  true },  // an untouched new document follows at once
        { true,  {},        false, false, false },
        { true,  {},        true,  false, true },  // but no longer once something is in it
        { false, encrypted, false, false, true },
        { true,  classic,   false, true,  false },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        doc.setEncryptNewDocuments(row.before);
        if (row.file.isEmpty())
            doc.OnNewDocument();
        else
            ASSERT_TRUE(open(row.file, "pw"));
        if (row.filled)
            doc.AddAccount(account(10, 1, "Mail"));
        doc.setEncryptNewDocuments(row.after);
        EXPECT_EQ(doc.isEncrypted(), row.encrypted);
        EXPECT_EQ(doc.IsModified(), row.filled);
    }
}

TEST_F(EncryptedDocumentTest, SetPromptsOfEncryptedWalletsSaySo)
{
    // The first save and Change Document Password, for a classic and an encrypted new wallet.
    using M = Prompts::PasswordMode;
    for (const bool encrypted : { false, true }) {
        doc.setEncryptNewDocuments(encrypted);
        doc.OnNewDocument();
        prompts.passwordModes.clear();
        prompts.addPassword("first");
        ASSERT_TRUE(doc.OnSaveDocument(path("p.qrl")));
        prompts.addPassword("second");
        doc.OnChangeDocumentPassword();
        const M set = encrypted ? M::SetEncrypted : M::Set;
        EXPECT_EQ(prompts.passwordModes, (std::vector<M> { set, set }));
    }
}

TEST_F(EncryptedDocumentTest, ChangingThePasswordSealsWithANewKey)
{
    const QString file = saveSample("w.qrl", "old");
    prompts.addPassword("new");
    doc.OnChangeDocumentPassword();
    EXPECT_EQ(EncryptedReader(readFile(file)).unlock("old"), EncryptedReader::Result::WrongPassword);
    EXPECT_EQ(EncryptedReader(readFile(file)).unlock("new"), EncryptedReader::Result::Opened);
}

TEST_F(EncryptedDocumentTest, ASaveNeverSpendsLessThanTheFileItOpened)
{
    // clang-format off
    const struct { KdfCost least, file, saved; } rows[] = {
        { kCheap,       { 2, 16384 }, { 2, 16384 } },
        { { 1, 32768 }, { 2, 16384 }, { 2, 32768 } },
        { { 3, 32768 }, kCheap,       { 3, 32768 } },
    };
    // clang-format on
    for (const auto& row : rows) {
        doc.setPassword("pw");
        const QString file = writeFile("cost.qrl", EncryptedFormat::seal(classicBytes(), "pw", row.file));
        ScriptedDocumentPrompts rowPrompts;
        CQuorrilDoc reopened(rowPrompts);
        reopened.setKdfCost(row.least);
        rowPrompts.addPassword("pw");
        ASSERT_TRUE(reopened.OnOpenDocument(file));
        reopened.SetModifiedFlag(true);
        ASSERT_TRUE(reopened.OnSaveDocument(file));
        const QByteArray saved = readFile(file);
        const auto* header = reinterpret_cast<const uchar*>(saved.constData());
        EXPECT_EQ(qFromLittleEndian<quint32>(header + 20), row.saved.opsLimit);
        EXPECT_EQ(qFromLittleEndian<quint64>(header + 24), row.saved.memLimit);
    }
}

} // namespace

// File > Encrypt Wallet, the status pane that says whether the wallet is encrypted, and the
// preference for new wallets, in the whole window.
#include "app/FrameTest.h"
#include "app/KeyStateIndicators.h"
#include "app/QuorrilApp.h"
#include "format/WalletFile.h"

#include <QFile>
#include <QLabel>

namespace {

const KdfCost kCheap = EncryptedFormat::cheapestCost();

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A wallet with one Bank account, saved in the given container.
QString writeWalletIn(const QString& path, bool encrypted)
{
    ScriptedDocumentPrompts prompts;
    CQuorrilDoc doc(prompts);
    doc.setKdfCost(kCheap);
    addAccounts(doc, { { AccountType::Bank, "Checking" } });
    doc.setPassword("pw");
    doc.setEncrypted(encrypted);
    EXPECT_TRUE(doc.OnSaveDocument(path));
    return path;
}

class EncryptionCommandsTest : public FrameTest {
protected:
    EncryptionCommandsTest() { doc.setKdfCost(kCheap); }

    QAction* encrypt() const { return action(ID_ENCRYPT_WALLET); }
    QString pane() const { return frame.encryptionPane()->text(); }
};

QString paneText(bool encrypted) { return encrypted ? QStringLiteral("Encrypted") : QStringLiteral("Not Encrypted"); }

TEST_F(EncryptionCommandsTest, CommandAndPaneFollowTheDocument)
{
    EXPECT_EQ(encrypt()->statusTip(), QStringLiteral("Encrypt the wallet with its password when it is saved"));
    EXPECT_TRUE(frame.encryptionPane()->isVisible());
    EXPECT_LT(frame.encryptionPane()->x(), frame.keyStateIndicators()->pane(KeyStateIndicators::CapsLock)->x());
    const QString classic = writeWalletIn(path("classic.qrl"), false);
    const QString encrypted = writeWalletIn(path("encrypted.qrl"), true);
    const auto expectState = [this](const char* name, bool checked, bool enabled, bool modified) {
        SCOPED_TRACE(name);
        EXPECT_EQ(encrypt()->isChecked(), checked);
        EXPECT_EQ(encrypt()->isEnabled(), enabled);
        EXPECT_EQ(doc.IsModified(), modified);
        EXPECT_EQ(pane(), paneText(checked));
    };
    expectState("a new document", false, true, false);
    trigger(ID_ENCRYPT_WALLET);
    expectState("switched on", true, true, true);
    prompts.addFileName(path("new.qrl"));
    prompts.addPassword("pw");
    ASSERT_TRUE(frame.fileCommands().OnFileSave());
    EXPECT_EQ(WalletFile::containerOf(readFile(path("new.qrl"))), WalletFile::Container::Encrypted);
    expectState("saved", true, true, false);
    trigger(ID_LOCK_DOCUMENT);
    expectState("locked", true, false, false);
    prompts.addPassword("pw");
    trigger(ID_UNLOCK_DOCUMENT);
    expectState("unlocked", true, true, false);
    trigger(ID_ENCRYPT_WALLET);
    expectState("switched off", false, true, true);
    ASSERT_TRUE(frame.fileCommands().OnFileSave());
    EXPECT_EQ(readFile(path("new.qrl")), WalletFile::store(doc.contents())) << "classic";
    expectState("saved again", false, true, false);
    prompts.addPassword("pw");
    ASSERT_TRUE(frame.fileCommands().openDocumentFile(encrypted));
    expectState("an encrypted wallet opened", true, true, false);
    prompts.addPassword("pw");
    ASSERT_TRUE(frame.fileCommands().openDocumentFile(classic));
    expectState("a classic wallet opened", false, true, false);
}

TEST_F(EncryptionCommandsTest, NewWalletsFollowThePreference)
{
    // The untouched new document follows a change at once, and File > New follows it too.
    for (const bool preference : { true, false }) {
        for (const bool fileNew : { false, true }) {
            SCOPED_TRACE(testing::Message() << preference << fileNew);
            preferences.setValue(Preferences::EncryptNewWallets, preference);
            if (fileNew)
                trigger(ID_FILE_NEW);
            EXPECT_EQ(pane(), paneText(preference));
            EXPECT_EQ(encrypt()->isChecked(), preference);
            EXPECT_FALSE(doc.IsModified());
        }
    }
}

TEST_F(EncryptionCommandsTest, StartUpWithoutAFileTakesThePreference)
{
    for (bool preference : { true, false }) {
        SCOPED_TRACE(preference);
        auto settings = std::make_unique<QSettings>(path("app.ini"), QSettings::IniFormat);
        settings->setValue("Security/EncryptNewWallets", preference);
        CQuorrilApp app(prompts, std::move(settings));
        ASSERT_EQ(app.InitInstance({ "quorril" }), std::nullopt);
        EXPECT_EQ(app.document().isEncrypted(), preference);
        EXPECT_EQ(app.mainFrame()->encryptionPane()->text(), paneText(preference));
    }
}

} // namespace

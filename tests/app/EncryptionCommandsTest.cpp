// File > Encrypt Wallet, the status pane that says whether the wallet is encrypted, and the
// preference for new wallets, in the whole window.
#include "FrameTest.h"
#include "KeyStateIndicators.h"
#include "QuorrilApp.h"
#include "WalletFile.h"

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

    struct Step {
        const char* name;
        std::function<void()> run;
        bool checked;
        bool enabled;
        bool modified;
    };
    const Step steps[] = {
        { "a new document", [] {}, false, true, false },
        { "switched on", [this] { trigger(ID_ENCRYPT_WALLET); }, true, true, true },
        { "saved",
            [this] {
                prompts.addFileName(path("new.qrl"));
                prompts.addPassword("pw");
                ASSERT_TRUE(frame.fileCommands().OnFileSave());
                EXPECT_EQ(WalletFile::containerOf(readFile(path("new.qrl"))), WalletFile::Container::Encrypted);
            },
            true, true, false },
        { "locked", [this] { trigger(ID_LOCK_DOCUMENT); }, true, false, false },
        { "unlocked",
            [this] {
                prompts.addPassword("pw");
                trigger(ID_UNLOCK_DOCUMENT);
            },
            true, true, false },
        { "switched off", [this] { trigger(ID_ENCRYPT_WALLET); }, false, true, true },
        { "saved again",
            [this] {
                ASSERT_TRUE(frame.fileCommands().OnFileSave());
                EXPECT_EQ(readFile(path("new.qrl")), WalletFile::store(doc.contents())) << "classic";
            },
            false, true, false },
        { "an encrypted wallet opened",
            [this, encrypted] {
                prompts.addPassword("pw");
                ASSERT_TRUE(frame.fileCommands().openDocumentFile(encrypted));
            },
            true, true, false },
        { "a classic wallet opened",
            [this, classic] {
                prompts.addPassword("pw");
                ASSERT_TRUE(frame.fileCommands().openDocumentFile(classic));
            },
            false, true, false },
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.run();
        EXPECT_EQ(encrypt()->isChecked(), step.checked);
        EXPECT_EQ(encrypt()->isEnabled(), step.enabled);
        EXPECT_EQ(doc.IsModified(), step.modified);
        EXPECT_EQ(pane(), paneText(step.checked));
    }
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

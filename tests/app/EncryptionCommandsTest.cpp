// File > Encrypt Wallet, the status pane that says whether the wallet is encrypted, and the
// preference for new wallets, in the whole window.
#include "app/FrameTest.h"
#include "app/KeyStateIndicators.h"
#include "app/QuorrilApp.h"
#include "format/WalletFile.h"

#include <QFile>
#include <QLabel>

#include <functional>
#include <optional>

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

QString paneText(bool encrypted, bool pending = false)
{
    const QString state = encrypted ? QStringLiteral("Encrypted") : QStringLiteral("Not Encrypted");
    return pending ? state + " at next save" : state;
}

TEST_F(EncryptionCommandsTest, CommandAndPaneFollowTheDocument)
{
    preferences.setValue(Preferences::EncryptNewWallets, false);
    EXPECT_EQ(encrypt()->statusTip(), QStringLiteral("Encrypt the wallet with its password when it is saved"));
    EXPECT_TRUE(frame.encryptionPane()->isVisible());
    EXPECT_LT(frame.encryptionPane()->x(), frame.keyStateIndicators()->pane(KeyStateIndicators::CapsLock)->x());
    const QString classic = writeWalletIn(path("classic.qrl"), false);
    const QString encrypted = writeWalletIn(path("encrypted.qrl"), true);
    // A switch waits for the save: the pane says so while the document is modified by it.
    const auto expectState = [this](const char* name, bool checked, bool enabled, bool modified) {
        SCOPED_TRACE(name);
        EXPECT_EQ(encrypt()->isChecked(), checked);
        EXPECT_EQ(encrypt()->isEnabled(), enabled);
        EXPECT_EQ(doc.IsModified(), modified);
        EXPECT_EQ(pane(), paneText(checked, modified));
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
    prompts.addAnswer(true); // "Save as a classic wallet? ..."
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

TEST_F(EncryptionCommandsTest, TheSwitchAsksWhatItMustAndThePaneTellsTheTruth)
{
    const QString newPassword = QStringLiteral(
        "Choose a new password for the encrypted wallet?\n\nEvery classic copy of this wallet (backups, sync "
        "history, the file as it is now) holds its present password in a form anyone can read, and that password "
        "would open the encrypted wallet too.\n\nYes chooses a new password; No keeps the present one, which is "
        "weaker.");
    const QString classic = QStringLiteral(
        "Save as a classic wallet? Anyone who has the file can read every account and the password, without knowing "
        "it.");
    const QString set = QStringLiteral("[password set]");
    using A = UiPrompts::Answer;
    using P = QFileDevice::Permission;
    const QFileDevice::Permissions shared = P::ReadOwner | P::WriteOwner | P::ReadGroup | P::ReadOther;
    // From a wallet file of mode 0644 (none: a new document), the command with the answers; then the
    // state, the document's password and the file after a save.
    // clang-format off
    const struct { const char* name; std::optional<bool> fileEncrypted; std::function<void(ScriptedPrompts&)> answers;
                   QStringList shown; bool encrypted, switched; const char* password; bool privateFile; } rows[] = {
        { "classic, new password", false,
          [](ScriptedPrompts& p) { p.addAnswer(A::Yes); p.addPassword("a new password"); },
          { newPassword, set }, true,  true,  "a new password", false },
        { "classic, keeps the old", false, [](ScriptedPrompts& p) { p.addAnswer(A::No); },
          { newPassword },      true,  true,  "pw", false },
        { "classic, cancelled", false, [](ScriptedPrompts& p) { p.addAnswer(A::Cancel); },
          { newPassword },      false, false, "pw", false },
        { "classic, password cancelled", false, [](ScriptedPrompts& p) { p.addAnswer(A::Yes); p.cancelPassword(); },
          { newPassword, set }, false, false, "pw", false },
        { "encrypted, stays", true, [](ScriptedPrompts& p) { p.addAnswer(false); },
          { classic },          true,  false, "pw", false },
        { "encrypted, saved classic", true, [](ScriptedPrompts& p) { p.addAnswer(true); },
          { classic },          false, true,  "pw", true },
        { "a new wallet", std::nullopt, [](ScriptedPrompts& p) { p.addAnswer(true); },
          { classic },          false, true,  nullptr, false },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        // A file of its own: the file open in the window already is not opened again.
        const QString file = path(QStringLiteral("w%1.qrl").arg(&row - rows));
        if (row.fileEncrypted) {
            writeWalletIn(file, *row.fileEncrypted);
            ASSERT_TRUE(QFile::setPermissions(file, shared));
            prompts.addPassword("pw");
            ASSERT_TRUE(frame.fileCommands().openDocumentFile(file));
        } else {
            preferences.setValue(Preferences::EncryptNewWallets, true);
            trigger(ID_FILE_NEW);
        }
        prompts.shown.clear();
        prompts.passwordModes.clear();
        row.answers(prompts);
        trigger(ID_ENCRYPT_WALLET);
        EXPECT_EQ(prompts.shown, row.shown);
        if (row.shown.contains(set)) {
            EXPECT_EQ(prompts.passwordModes, std::vector { Prompts::PasswordMode::SetEncrypted });
        }
        if (row.shown.contains(classic)) {
            EXPECT_EQ(prompts.icons.back(), UiPrompts::Icon::Warning);
            EXPECT_EQ(prompts.defaults.back(), A::No);
        }
        EXPECT_EQ(encrypt()->isChecked(), row.encrypted);
        EXPECT_EQ(pane(), paneText(row.encrypted, row.switched));
        EXPECT_EQ(doc.IsModified(), row.switched);
        EXPECT_EQ(frame.windowTitle().contains("* - Quorril"), row.switched) << "the modified mark";
        if (!row.password)
            continue;
        EXPECT_TRUE(doc.passwordMatches(row.password));
        ASSERT_TRUE(frame.fileCommands().OnFileSave() || !row.switched);
        EXPECT_EQ(pane(), paneText(row.encrypted));
        EXPECT_FALSE(frame.windowTitle().contains('*'));
        EXPECT_EQ(WalletFile::containerOf(readFile(file)) == WalletFile::Container::Encrypted, row.encrypted);
        EXPECT_EQ(QFile::permissions(file) & ~(P::ReadUser | P::WriteUser),
            row.privateFile ? (P::ReadOwner | P::WriteOwner) : shared);
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

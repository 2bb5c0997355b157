#include "app/Preferences.h"
#include "app/FrameTest.h"
#include "app/PreferencesDlg.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QSpinBox>

namespace {

using PreferencesTest = FrameTest;

TEST_F(PreferencesTest, StoredValuesAreReadBackInRangeOrAsTheirDefault)
{
    // flag: the three off-by-default switches; encrypt: "Encrypt new wallets", on by default.
    struct Row {
        const char* stored; // null: unset
        int clipboardSeconds;
        int autoLockMinutes;
        bool flag;
        bool encrypt;
    };
    // clang-format off
    const Row rows[] = {
        { nullptr,   20,   10,   false, true },
        { "0",       0,    0,    false, false },
        { "45",      45,   45,   false, true },
        { "-3",      0,    0,    false, true },
        { "99999",   3600, 1440, false, true },
        { "1e9999",  20,   10,   false, true },
        { "soon",    20,   10,   false, true },
        { "true",    20,   10,   true,  true },
        { "1",       1,    1,    true,  true },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored ? row.stored : "(unset)");
        settings.clear();
        if (row.stored)
            for (const char* key : { "Security/ClipboardClearSeconds", "Security/AutoLockMinutes",
                     "Security/EncryptNewWallets", "Security/LockOnMinimize", "View/ShowSecretsOnOpen" })
                settings.setValue(QLatin1String(key), QString::fromLatin1(row.stored));
        EXPECT_EQ(preferences.clipboardClearSeconds(), row.clipboardSeconds);
        EXPECT_EQ(preferences.autoLockMinutes(), row.autoLockMinutes);
        EXPECT_EQ(preferences.encryptNewWallets(), row.encrypt);
        EXPECT_EQ(preferences.lockOnMinimize(), row.flag);
        EXPECT_EQ(preferences.showSecretsOnOpen(), row.flag);
    }
}

TEST_F(PreferencesTest, TheFileMenuOpensTheDialogWhichStoresEachChangeAtOnce)
{
    settings.setValue("Security/EncryptNewWallets", false); // every box starts unchecked
    QSignalSpy changed(&preferences, &Preferences::changed);
    bool shown = false;
    onNextModal([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<PreferencesDlg*>(modal)) {
            shown = true;
            EXPECT_EQ(dialog->clipboardClearSeconds()->value(), 20);
            EXPECT_EQ(dialog->autoLockMinutes()->text(), QStringLiteral("10 min"));
            dialog->clipboardClearSeconds()->setValue(0);
            EXPECT_EQ(dialog->clipboardClearSeconds()->text(), QStringLiteral("Never"));
            EXPECT_EQ(settings.value("Security/ClipboardClearSeconds").toInt(), 0);
            dialog->autoLockMinutes()->setValue(3);
            for (QCheckBox* box :
                { dialog->showSecretsOnOpen(), dialog->encryptNewWallets(), dialog->lockOnMinimize() })
                box->setChecked(true);
        }
        modal->close();
    });
    trigger(ID_FILE_PREFERENCES);
    ASSERT_TRUE(shown);
    ASSERT_EQ(changed.count(), 5);
    // Each change names its key, as the settings file spells it.
    QStringList keys;
    for (const QList<QVariant>& arguments : changed)
        keys << arguments.at(0).toString();
    keys.sort();
    EXPECT_EQ(keys,
        QStringList({ "Security/AutoLockMinutes", "Security/ClipboardClearSeconds", "Security/EncryptNewWallets",
            "Security/LockOnMinimize", "View/ShowSecretsOnOpen" }));
    EXPECT_EQ(preferences.autoLockMinutes(), 3);
    EXPECT_TRUE(preferences.showSecretsOnOpen());
    EXPECT_TRUE(preferences.encryptNewWallets());
    EXPECT_TRUE(preferences.lockOnMinimize());
    // Values out of range are brought into it, and storing the same value announces nothing.
    preferences.setValue(Preferences::AutoLockMinutes, 5000);
    EXPECT_EQ(settings.value("Security/AutoLockMinutes").toInt(), 1440);
    preferences.setValue(Preferences::AutoLockMinutes, 1440);
    EXPECT_EQ(changed.count(), 6);
}

} // namespace

#pragma once

#include "core/SettingKeys.h"

#include <QObject>
#include <QString>

class QSettings;

// The user's preferences, kept in the program's settings under "Security/" and "View/". Every
// value read is brought into its range (a hand-edited or damaged settings file gives a working
// value, never an error), and every change is written at once and announced by changed(key).
class Preferences : public QObject {
    Q_OBJECT
public:
    // A whole-number setting: its key, its range and the value it takes when unset or unreadable.
    struct IntSetting {
        const char* key;
        int minimum;
        int maximum;
        int fallback;
        bool is(const QString& changedKey) const { return changedKey == QLatin1String(key); }
    };
    struct BoolSetting {
        const char* key;
        bool fallback;
        bool is(const QString& changedKey) const { return changedKey == QLatin1String(key); }
    };
    // Seconds before a copied value leaves the clipboard; 0 means never.
    static constexpr IntSetting ClipboardClearSeconds { SettingKeys::ClipboardClearSeconds, 0, 3600, 20 };
    // Minutes without input before the document locks itself; 0 means never.
    static constexpr IntSetting AutoLockMinutes { SettingKeys::AutoLockMinutes, 0, 1440, 10 };
    // How many copies of a wallet a save keeps of the files it replaced; 0 keeps none.
    static constexpr IntSetting BackupCount { SettingKeys::BackupCount, 0, 100, 5 };
    // On unless the user turns it off: a classic file protects nothing from whoever has it.
    static constexpr BoolSetting EncryptNewWallets { SettingKeys::EncryptNewWallets, true };
    static constexpr BoolSetting LockOnMinimize { SettingKeys::LockOnMinimize, false };
    // Whether View > Show Secrets is on when the program starts and when a wallet opens (a lock
    // always turns it off).
    static constexpr BoolSetting ShowSecretsOnOpen { SettingKeys::ShowSecretsOnOpen, false };

    explicit Preferences(QSettings& settings, QObject* parent = nullptr);

    int value(const IntSetting& setting) const;
    bool value(const BoolSetting& setting) const;
    // Stores the value, brought into range; changed() follows when the stored value differs.
    void setValue(const IntSetting& setting, int value);
    void setValue(const BoolSetting& setting, bool value);

    int clipboardClearSeconds() const { return value(ClipboardClearSeconds); }
    int autoLockMinutes() const { return value(AutoLockMinutes); }
    int backupCount() const { return value(BackupCount); }
    bool encryptNewWallets() const { return value(EncryptNewWallets); }
    bool lockOnMinimize() const { return value(LockOnMinimize); }
    bool showSecretsOnOpen() const { return value(ShowSecretsOnOpen); }

Q_SIGNALS:
    // A stored value changed; the key is the setting's (compare with `Setting::is`).
    void changed(const QString& key);

private:
    QSettings& m_settings;
};

#pragma once

#include <QObject>

class QSettings;

// The user's preferences, kept in the program's settings under "Security/" and "View/". Every
// value read is brought into its range (a hand-edited or damaged settings file gives a working
// value, never an error), and every change is written at once and announced by changed().
class Preferences : public QObject {
    Q_OBJECT
public:
    // A whole-number setting: its key, its range and the value it takes when unset or unreadable.
    struct IntSetting {
        const char* key;
        int minimum;
        int maximum;
        int fallback;
    };
    struct BoolSetting {
        const char* key;
        bool fallback;
    };
    // Seconds before a copied value leaves the clipboard; 0 means never.
    static constexpr IntSetting ClipboardClearSeconds { "Security/ClipboardClearSeconds", 0, 3600, 20 };
    // Minutes without input before the document locks itself; 0 means never.
    static constexpr IntSetting AutoLockMinutes { "Security/AutoLockMinutes", 0, 1440, 10 };
    // How many copies of a wallet a save keeps of the files it replaced; 0 keeps none.
    static constexpr IntSetting BackupCount { "Security/BackupCount", 0, 100, 5 };
    // On unless the user turns it off: a classic file protects nothing from whoever has it.
    static constexpr BoolSetting EncryptNewWallets { "Security/EncryptNewWallets", true };
    static constexpr BoolSetting LockOnMinimize { "Security/LockOnMinimize", false };
    // Whether View > Show Secrets is on when the program starts and when a wallet opens (a lock
    // always turns it off).
    static constexpr BoolSetting ShowSecretsOnOpen { "View/ShowSecretsOnOpen", false };

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
    void changed();

private:
    QSettings& m_settings;
};

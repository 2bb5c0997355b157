#pragma once

// Every key the program keeps in its settings file (QSettings, under the user's configuration
// folder), in one place. A key is part of the user's stored settings: renaming one forgets what
// users chose, so a key once shipped keeps its text.
namespace SettingKeys {

// Preferences (File > Preferences…), read and brought into range by Preferences.
inline constexpr char ClipboardClearSeconds[] = "Security/ClipboardClearSeconds";
inline constexpr char AutoLockMinutes[] = "Security/AutoLockMinutes";
inline constexpr char BackupCount[] = "Security/BackupCount";
inline constexpr char EncryptNewWallets[] = "Security/EncryptNewWallets";
inline constexpr char LockOnMinimize[] = "Security/LockOnMinimize";
inline constexpr char ShowSecretsOnOpen[] = "View/ShowSecretsOnOpen";

// The password generator's last options.
inline constexpr char GeneratorLength[] = "Generator/Length";
inline constexpr char GeneratorUpper[] = "Generator/Upper";
inline constexpr char GeneratorLower[] = "Generator/Lower";
inline constexpr char GeneratorDigits[] = "Generator/Digits";
inline constexpr char GeneratorSymbols[] = "Generator/Symbols";
inline constexpr char GeneratorAvoidLookAlikes[] = "Generator/AvoidLookAlikes";

// The main window as the user left it.
inline constexpr char WindowGeometry[] = "Window/Geometry";
inline constexpr char WindowState[] = "Window/State";
inline constexpr char WindowSplitter[] = "Window/Splitter";

// The File menu's recent files: a group of File1, File2… entries, the newest first.
inline constexpr char RecentFileGroup[] = "Recent File List";
inline constexpr char RecentFileEntry[] = "File%1";

} // namespace SettingKeys

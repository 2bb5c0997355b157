#include "dialogs/GeneratorSettings.h"

#include "core/SettingKeys.h"

#include <QPointer>
#include <QSettings>

using PasswordGenerator::Options;

namespace {
QPointer<QSettings> g_settings;

const QString kLength = QLatin1String(SettingKeys::GeneratorLength);
const QString kAvoidLookAlikes = QLatin1String(SettingKeys::GeneratorAvoidLookAlikes);

struct ClassKey {
    PasswordGenerator::CharacterClass characterClass;
    const char* key;
};
constexpr ClassKey kClassKeys[] = {
    { PasswordGenerator::Upper, SettingKeys::GeneratorUpper },
    { PasswordGenerator::Lower, SettingKeys::GeneratorLower },
    { PasswordGenerator::Digits, SettingKeys::GeneratorDigits },
    { PasswordGenerator::Symbols, SettingKeys::GeneratorSymbols },
};

// "true" or "false" as a settings file holds them; anything else is no choice of the user's.
bool readFlag(const QSettings& settings, const QString& key, bool fallback)
{
    const QString text = settings.value(key).toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return fallback;
}
} // namespace

namespace GeneratorSettings {

void use(QSettings* settings) { g_settings = settings; }

Options load() { return g_settings ? read(*g_settings) : Options {}; }

void save(const Options& options)
{
    if (g_settings)
        write(*g_settings, options);
}

Options read(const QSettings& settings)
{
    Options options;
    bool ok = false;
    const qlonglong length = settings.value(kLength).toLongLong(&ok);
    if (ok)
        options.length = int(std::clamp<qlonglong>(length, Options::MinLength, Options::MaxLength));
    const Options defaults;
    options.classes = 0;
    for (const ClassKey& row : kClassKeys)
        if (readFlag(settings, QLatin1String(row.key), defaults.classes & row.characterClass))
            options.classes |= row.characterClass;
    options.avoidLookAlikes = readFlag(settings, kAvoidLookAlikes, defaults.avoidLookAlikes);
    return options;
}

void write(QSettings& settings, const Options& options)
{
    settings.setValue(kLength, PasswordGenerator::clampedLength(options.length));
    for (const ClassKey& row : kClassKeys)
        settings.setValue(QLatin1String(row.key), (options.classes & row.characterClass) != 0);
    settings.setValue(kAvoidLookAlikes, options.avoidLookAlikes);
}

} // namespace GeneratorSettings

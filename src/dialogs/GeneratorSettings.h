#pragma once

#include "accounts/PasswordGenerator.h"

class QSettings;

// The generator's options as the user last chose them, kept in the program's settings under
// "Generator/": the generator dialog opens with them and "Generate Password" in a field's context
// menu makes its password with them. A value that is missing or does not read gives the default.
namespace GeneratorSettings {

// The settings the options live in (the program's own, set at start). Without any, the options
// are the defaults and are not kept.
void use(QSettings* settings);
PasswordGenerator::Options load();
void save(const PasswordGenerator::Options& options);

PasswordGenerator::Options read(const QSettings& settings);
void write(QSettings& settings, const PasswordGenerator::Options& options);

} // namespace GeneratorSettings

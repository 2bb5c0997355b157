#pragma once

#include "cli/CliCommands.h"

// search FILE TEXT: one line per account whose title or a listed value (secrets aside) holds the
// text, ignoring case and accents: id, type name and title, tab-separated. Exit 4 when none does.
int searchWallet(const QString& path, const QString& text, CliIo& io);

// show FILE ID [--field NAME] [--show-secrets]: the account's rows as "Label: value" lines in the
// listing order, secrets masked unless asked for; or with a field name just that field's raw value.
// Exit 4 for an unknown id or field.
int showAccount(
    const QString& path, const QString& id, const std::optional<QString>& field, bool showSecrets, CliIo& io);

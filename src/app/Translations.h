#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The window's language: the first of the user's languages that Quorril is translated into, with a
// regional one falling back to its language ("de-AT" to "de"). English, the texts' own language,
// needs no file, and a user who prefers it before any other gets it.
namespace Translations {
// The names of the translations to try for the user's languages, best first ("de_AT", "de", ...),
// ending at the first English one.
QStringList candidates(const QStringList& uiLanguages);

// Installs Quorril's translation for the first candidate that has one, and Qt's own (qtbase_<lang>
// from Qt's translations folder) for the same language, so that Qt's buttons and dialogs follow.
// The translators belong to `app`. Returns the name of the translation installed, empty for English.
QString install(QCoreApplication& app, const QStringList& uiLanguages);

// The same for the languages of the system locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
QString installForSystem(QCoreApplication& app);
} // namespace Translations

#include "app/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
bool isEnglish(const QString& name) { return name == u"en" || name.startsWith(u"en_"); }

// Loads `file` into a new translator of `app` and installs it; false when there is no such file.
bool installFile(QCoreApplication& app, const QString& file)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(file)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}
} // namespace

QStringList Translations::candidates(const QStringList& uiLanguages)
{
    QStringList names;
    for (QString name : uiLanguages) {
        // "de-AT", "de_AT.UTF-8" and "de_AT@euro" all name de_AT.
        name.replace(u'-', u'_');
        name = name.section(u'.', 0, 0).section(u'@', 0, 0);
        if (isEnglish(name))
            break;
        if (name.isEmpty() || name == u"C" || name == u"POSIX")
            continue;
        const QString language = name.section(u'_', 0, 0).toLower();
        for (const QString& candidate : { name, language })
            if (!names.contains(candidate))
                names.append(candidate);
    }
    return names;
}

QString Translations::install(QCoreApplication& app, const QStringList& uiLanguages)
{
    for (const QString& name : candidates(uiLanguages)) {
        if (!QFile::exists(QStringLiteral(":/i18n/quorril_%1.qm").arg(name)))
            continue;
        // Qt's own texts first, so that ours win where both translate the same text.
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        installFile(app, QStringLiteral("%1/qtbase_%2.qm").arg(qtFolder, name));
        installFile(app, QStringLiteral(":/i18n/quorril_%1.qm").arg(name));
        return name;
    }
    return {};
}

QString Translations::installForSystem(QCoreApplication& app) { return install(app, QLocale::system().uiLanguages()); }

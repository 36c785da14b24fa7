#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// "en", "en-US", "en_GB" are all English.
bool IsLanguage(QStringView uiLanguage, QStringView code) {
    return uiLanguage.startsWith(code) &&
           (uiLanguage.size() == code.size() || uiLanguage[code.size()] == u'-' ||
            uiLanguage[code.size()] == u'_');
}

void Install(QCoreApplication& app, const QString& fileName, const QString& directory) {
    auto* translator = new QTranslator(&app);
    if (translator->load(fileName, directory))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void InstallTranslations(QCoreApplication& app) {
    for (const QString& language : QLocale::system().uiLanguages()) {
        if (IsLanguage(language, u"en")) {
            Install(app, QStringLiteral("kelpra_en"), QStringLiteral(":/i18n"));
            return;
        }
        if (IsLanguage(language, u"ru"))
            break;
    }
    // The windows' own texts are Russian already; Qt's dialogs and boxes follow them.
    Install(app, QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

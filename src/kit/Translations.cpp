#include "Translations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace orvanta {

namespace {

const QString English = QStringLiteral("en");

// What install() put in place.
struct Installed {
    QString language = English;
    QTranslator kit;
    QTranslator qt;
};

Installed &installed()
{
    static Installed now;
    return now;
}

} // namespace

const QStringList Translations::Languages{QStringLiteral("de"), QStringLiteral("ru")};

QString Translations::pick(const QString &choice, const QLocale &system)
{
    if (choice == English || Languages.contains(choice))
        return choice;
    for (const QString &name : system.uiLanguages()) {
        // "de-DE", "ru", "en-US": the language is what stands before the region.
        const QString language = name.section(QLatin1Char('-'), 0, 0).toLower();
        if (language == English || Languages.contains(language))
            return language;
    }
    return English;
}

void Translations::install(const QString &language)
{
    Installed &now = installed();
    QCoreApplication::removeTranslator(&now.kit);
    QCoreApplication::removeTranslator(&now.qt);
    now.language = English;
    if (!Languages.contains(language))
        return;
    if (now.kit.load(QStringLiteral(":/translations/orvanta-kit_") + language))
        QCoreApplication::installTranslator(&now.kit);
    // Beside the program: the kit folder, as the build and the packages make it.
    if (now.qt.load(QStringLiteral("qtbase_") + language,
                    QCoreApplication::applicationDirPath() + QStringLiteral("/translations")))
        QCoreApplication::installTranslator(&now.qt);
    now.language = language;
}

QLocale Translations::numbers()
{
    const QString &language = installed().language;
    return language == English ? QLocale(QLocale::English) : QLocale(language);
}

QString Translations::guideName(const QString &language)
{
    return language == English ? QStringLiteral("readme.txt") : QStringLiteral("readme_%1.txt").arg(language);
}

QString Translations::installedLanguage()
{
    return installed().language;
}

} // namespace orvanta

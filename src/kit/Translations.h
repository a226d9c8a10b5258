#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace orvanta {

// The programs' texts in the translator's language. The kit's own
// translations are built into the programs (":/translations/orvanta-kit_LL.qm");
// Qt's own, for its standard dialogs and buttons, are read from
// "translations/qtbase_LL.qm" beside the program. English is the texts as
// the sources write them: no translation is installed for it.
class Translations {
public:
    // The languages the kit speaks besides English ("de", "ru").
    static const QStringList Languages;

    // The language the window speaks: `choice` when it is "en" or one of
    // Languages, else the first of the system's languages the kit speaks,
    // else "en".
    static QString pick(const QString &choice, const QLocale &system);

    // Installs the translations of `language` ("en" or one of Languages)
    // into the running application in place of those installed before, and
    // makes it the language counts are written in. Texts made before keep
    // their language: call it before the window is made.
    static void install(const QString &language);

    // The locale counts are written in: the installed language's, English's
    // ("1,234") when none is installed.
    static QLocale numbers();

    // The name of the translator's guide in `language` within the kit
    // folder: "readme.txt" for English, "readme_de.txt" for German.
    static QString guideName(const QString &language);
    // The installed language: "en" when none is.
    static QString installedLanguage();
};

} // namespace orvanta

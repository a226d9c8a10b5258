#include "kit/Translations.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <set>

using orvanta::Translations;

namespace {

// One message of a .ts file: its translation (each plural form), and
// whether it is finished.
struct Entry {
    QStringList forms;
    bool numerus = false;
    bool finished = false;
};

// The messages of a .ts file by context and source text.
QHash<QString, Entry> readTs(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QHash<QString, Entry> entries;
    QXmlStreamReader xml(&file);
    QString context, source;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("message"))
                entry = Entry{{}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"), false};
            else if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation")) {
                const auto type = xml.attributes().value(QLatin1String("type"));
                entry.finished = type.isEmpty();
                if (!entry.numerus)
                    entry.forms.append(xml.readElementText());
            } else if (xml.name() == QLatin1String("numerusform"))
                entry.forms.append(xml.readElementText());
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            entries.insert(context + QLatin1String(" | ") + source, entry);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

// The places a text takes arguments: "%1", "%2" ...
std::set<QString> placeholders(const QString &text)
{
    static const QRegularExpression Place(QStringLiteral("%L?[1-9n]"));
    std::set<QString> found;
    for (const auto &match : Place.globalMatch(text))
        found.insert(match.captured().remove(QLatin1Char('L')));
    return found;
}

} // namespace

// Every text the sources mark for translation (tr(), QT_TRANSLATE_NOOP ...)
// is in each language's .ts file with a finished translation that takes the
// same arguments: lupdate reads the sources afresh into a file of its own,
// and each of its messages is looked up in the committed files.
TEST(Translations, EveryTextOfTheSourcesIsTranslatedInEveryLanguage)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "lupdate is a program of the build machine";
#endif
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(ORVANTA_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral(ORVANTA_SOURCE_DIR "/src"), QStringLiteral("-ts"), fresh});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    const QHash<QString, Entry> sources = readTs(fresh);
    ASSERT_GT(sources.size(), 150) << "the window's texts are marked for translation";
    ASSERT_TRUE(sources.contains(QStringLiteral("Messages | Attantion")));

    // Plural forms: German has two (one, other), Russian three (one, few, many).
    const std::pair<const char *, qsizetype> languages[] = {{"de", 2}, {"ru", 3}};
    for (const auto &[language, pluralForms] : languages) {
        const QString path = QStringLiteral(ORVANTA_SOURCE_DIR "/translations/orvanta-kit_%1.ts").arg(language);
        const QHash<QString, Entry> committed = readTs(path);
        for (auto it = sources.begin(); it != sources.end(); ++it) {
            const std::string what = std::string(language) + ": " + it.key().toStdString();
            const auto found = committed.find(it.key());
            if (found == committed.end()) {
                ADD_FAILURE() << "not in the .ts file (run the update_translations target and translate it) " << what;
                continue;
            }
            EXPECT_TRUE(found->finished) << "unfinished " << what;
            EXPECT_EQ(found->forms.size(), it->numerus ? pluralForms : 1) << what;
            const QString source = it.key().section(QStringLiteral(" | "), 1);
            for (const QString &form : found->forms) {
                EXPECT_FALSE(form.trimmed().isEmpty()) << "empty " << what;
                // A plural form may leave out the count ("1 Warnung" reads
                // "eine"), never take another argument.
                std::set<QString> expected = placeholders(source), taken = placeholders(form);
                if (it->numerus)
                    expected.erase(QStringLiteral("%1")), taken.erase(QStringLiteral("%1"));
                EXPECT_EQ(taken, expected) << "arguments of " << what << " -> " << form.toStdString();
            }
        }
    }
}

// The window speaks the language chosen in it, else the first of the
// system's languages the kit speaks, else English.
TEST(Translations, TheChoiceComesBeforeTheSystemsLanguages)
{
    EXPECT_EQ(Translations::pick(QString(), QLocale(QStringLiteral("de_DE"))), "de");
    EXPECT_EQ(Translations::pick(QString(), QLocale(QStringLiteral("ru_RU"))), "ru");
    EXPECT_EQ(Translations::pick(QString(), QLocale(QStringLiteral("de_AT"))), "de");
    EXPECT_EQ(Translations::pick(QString(), QLocale(QStringLiteral("fr_FR"))), "en");
    EXPECT_EQ(Translations::pick(QString(), QLocale::c()), "en");
    EXPECT_EQ(Translations::pick(QStringLiteral("en"), QLocale(QStringLiteral("ru_RU"))), "en");
    EXPECT_EQ(Translations::pick(QStringLiteral("ru"), QLocale(QStringLiteral("de_DE"))), "ru");
    EXPECT_EQ(Translations::pick(QStringLiteral("fr"), QLocale(QStringLiteral("de_DE"))), "de")
        << "a language the kit does not speak counts as no choice";
}

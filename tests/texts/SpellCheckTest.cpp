#include "TempKit.h"
#include "texts/KitDictionary.h"
#include "texts/SpellingCheck.h"
#include "texts/TextChecker.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

std::shared_ptr<SpellingDictionary> dictionary(const QString &language)
{
    auto opened = SpellingDictionary::open(language);
    EXPECT_TRUE(opened) << (opened ? "" : opened.error().text());
    return opened ? *opened : nullptr;
}

// The misspelt words of `text` beside `source`, as they stand in it.
QStringList misspelt(const SpellingDictionary &checker, const QString &text, const QString &source = QString())
{
    QStringList words;
    for (const SpellingDictionary::Misspelling &m : checker.misspellings(text, source))
        words.append(text.sliced(m.start, m.length));
    return words;
}

QStringList spellingMessages(const TextChecker &checker, int index, const QByteArray &source,
                             const QByteArray &translation)
{
    QList<TextFinding> findings;
    checker.check(index, source, translation, findings);
    QStringList messages;
    for (const TextFinding &finding : findings) {
        if (finding.check == SpellingCheck::Id)
            messages.append(finding.message);
    }
    return messages;
}

} // namespace

TEST(SpellingDictionary, FlagsOnlyRealMisspellings)
{
    const auto english = dictionary(QStringLiteral("en_US"));
    ASSERT_TRUE(english);
    const struct {
        const char *what;
        QString text;
        QString source;
        QStringList expected;
    } cases[] = {
        {"plain words", "The sword is sharp", "", {}},
        {"a misspelt word, where it stands", "The swrod is sharpp", "", {"swrod", "sharpp"}},
        {"placeholders and numbers", "%d gold, %-5s and %.2f%% for 2nd x3 in 1999", "", {}},
        {"placeholder letters run into a word", "%sxyzzy", "", {"xyzzy"}},
        {"apostrophes inside a word", "don't, it\u2019s the players' turn", "", {}},
        {"hyphens part words", "well-known qwzx-based", "", {"qwzx"}},
        {"a word of the source is kept, whatever its case", "Kvorgan opens the Vault of Zhaar",
         "KVORGAN's door opens zhaar", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(misspelt(*english, c.text, c.source), c.expected) << c.what;
    EXPECT_EQ(misspelt(*english, "Kvorgan opens the Vault of Zhaar", "the gate"), QStringList({"Kvorgan", "Zhaar"}));

    EXPECT_TRUE(english->suggestions("swrod").contains("sword"));
    english->addWord("Kvorgan");
    EXPECT_EQ(misspelt(*english, "Kvorgan and KVORGAN", ""), QStringList());

    const auto russian = dictionary(QStringLiteral("ru_RU"));
    ASSERT_TRUE(russian);
    EXPECT_EQ(misspelt(*russian, QStringLiteral("Меч очень острый, а щит крепкй")), QStringList({"крепкй"}));
}

TEST(SpellingDictionary, InstalledDictionariesAndTheCodePagesLanguage)
{
    const QStringList installed = SpellingDictionary::installed();
    EXPECT_TRUE(installed.contains("en_US"));
    EXPECT_TRUE(installed.contains("ru_RU"));
    EXPECT_EQ(SpellingDictionary::suggestedFor(1251, installed), "ru_RU");
    EXPECT_EQ(SpellingDictionary::suggestedFor(1252, installed), "en_US");
    EXPECT_EQ(SpellingDictionary::suggestedFor(1253, installed), "");
    EXPECT_EQ(SpellingDictionary::suggestedFor(1252, {"de_AT", "fr_FR"}), "de_AT");
}

TEST(SpellingDictionary, DictionariesThatCannotBeUsedAreRefused)
{
    TempKit folder;
    auto missing = SpellingDictionary::open("xx_XX", folder.dir());
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().text(), QDir::toNativeSeparators(folder.path("xx_XX.aff")).toStdString()
                                          + ": no such file: the dictionary for \"xx_XX\" is not installed");

    folder.write("bad.aff", "SET UTF-8\n");
    folder.write("bad.dic", "\x7F" "ELF binary\n");
    auto notADictionary = SpellingDictionary::open("bad", folder.dir());
    ASSERT_FALSE(notADictionary);
    EXPECT_NE(notADictionary.error().text().find("bad.dic: line 1: is not a Hunspell dictionary"), std::string::npos)
        << notADictionary.error().text();

    folder.write("odd.aff", "SET NO-SUCH-CHARSET\n");
    folder.write("odd.dic", "1\nword\n");
    auto oddEncoding = SpellingDictionary::open("odd", folder.dir());
    ASSERT_FALSE(oddEncoding);
    EXPECT_NE(oddEncoding.error().text().find("NO-SUCH-CHARSET is not one the kit can convert"), std::string::npos);

    // A dictionary in an 8-bit encoding is asked in its own bytes.
    folder.write("latin.aff", "SET ISO8859-1\n");
    folder.write("latin.dic", "2\ncaf\xE9\nna\xEFve\n");
    auto latin = SpellingDictionary::open("latin", folder.dir());
    ASSERT_TRUE(latin) << latin.error().text();
    EXPECT_EQ(misspelt(**latin, QStringLiteral("café naïve cafe")), QStringList({"cafe"}));
    EXPECT_EQ(misspelt(**latin, QStringLiteral("café Ω")), QStringList({"Ω"})); // no byte for it: not a word of the dictionary
}

TEST(SpellingDictionary, OpensADictionaryInAFolderNamedOutsideTheSystemsCodePage)
{
    // Hunspell opens its files by narrow name, which on Windows holds only
    // the system's code page.
    TempKit kit;
    const QString folder = kit.path(QStringLiteral("Словари Jörg"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString &suffix : {QStringLiteral(".aff"), QStringLiteral(".dic")})
        ASSERT_TRUE(QFile::copy(SpellingDictionary::defaultFolder() + "/en_US" + suffix, folder + "/en_US" + suffix));
    auto english = SpellingDictionary::open(QStringLiteral("en_US"), folder);
    ASSERT_TRUE(english) << english.error().text();
    EXPECT_EQ(misspelt(**english, QStringLiteral("The swrod is sharp")), QStringList({"swrod"}));
}

TEST(SpellingCheck, FindsMisspeltWordsOfTranslationsInTheirCodePage)
{
    const auto russian = dictionary(QStringLiteral("ru_RU"));
    ASSERT_TRUE(russian);
    TextChecker checker(TextCodePages(1251));
    checker.addCheck(SpellingCheck::make(russian, TextCodePages(1251)));
    // "Орвант: крепкй щит, крепкй меч" beside the source naming Orvant.
    const QByteArray source = "Orvant: strong shield";
    const QByteArray translation = "Orvant: \xEA\xF0\xE5\xEF\xEA\xE9 \xF9\xE8\xF2, \xEA\xF0\xE5\xEF\xEA\xE9 \xEC\xE5\xF7";
    EXPECT_EQ(spellingMessages(checker, 0, source, translation),
              QStringList({QStringLiteral("\"крепкй\" is not in the ru_RU dictionary")}));
    EXPECT_EQ(spellingMessages(checker, 0, "Qwzx", "Qwzx"), QStringList()) << "an untranslated text";
    EXPECT_EQ(spellingMessages(checker, 1415, "Start", "Qwzx"), QStringList()) << "a fixed record";
}

TEST(KitDictionary, WordsAddedSafelyAndABadFileKept)
{
    TempKit kit;
    auto none = KitDictionary::read(kit.dir());
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->isEmpty());

    ASSERT_TRUE(KitDictionary::add(kit.dir(), QStringLiteral("Kvorgan")));
    auto words = KitDictionary::add(kit.dir(), QStringLiteral("Жаар"));
    ASSERT_TRUE(words);
    EXPECT_EQ(*words, QStringList({"Kvorgan", QStringLiteral("Жаар")}));
    EXPECT_EQ(kit.read(KitDictionary::FileName), QStringLiteral("Kvorgan\nЖаар\n").toUtf8());
    ASSERT_TRUE(KitDictionary::add(kit.dir(), QStringLiteral("Kvorgan")));
    EXPECT_EQ(kit.read(KitDictionary::FileName), QStringLiteral("Kvorgan\nЖаар\n").toUtf8()) << "no word twice";

    // Edited outside the kit: a byte order mark, Windows line ends, blank lines.
    kit.write(KitDictionary::FileName, "\xEF\xBB\xBFZhaar\r\n\r\nOrvant\r\n");
    words = KitDictionary::read(kit.dir());
    ASSERT_TRUE(words);
    EXPECT_EQ(*words, QStringList({"Zhaar", "Orvant"}));

    const QByteArray latin1 = "Zhaar\nCaf\xE9\n";
    kit.write(KitDictionary::FileName, latin1);
    auto bad = KitDictionary::read(kit.dir());
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error().text(),
              QDir::toNativeSeparators(kit.path(KitDictionary::FileName)).toStdString() + ": line 2: is not UTF-8 text");
    EXPECT_FALSE(KitDictionary::add(kit.dir(), QStringLiteral("Kvorgan")));
    EXPECT_EQ(kit.read(KitDictionary::FileName), latin1) << "the translator's file is not overwritten";

    // The check opens without the words it cannot read, and says why.
    const SpellingCheck::Opened opened = SpellingCheck::open(QStringLiteral("en_US"), kit.dir());
    ASSERT_TRUE(opened.checker);
    ASSERT_EQ(opened.problems.size(), 1u);
    EXPECT_EQ(opened.problems[0].text(), bad.error().text());
    EXPECT_FALSE(opened.checker->isCorrect("Zhaar"));

    kit.write(KitDictionary::FileName, "Zhaar\n");
    const SpellingCheck::Opened withWords = SpellingCheck::open(QStringLiteral("en_US"), kit.dir());
    EXPECT_TRUE(withWords.problems.empty());
    EXPECT_TRUE(withWords.checker->isCorrect("Zhaar"));
    EXPECT_TRUE(SpellingCheck::open(QStringLiteral("xx_XX"), kit.dir()).problems.size() == 1);
}

// Dictionaries made to break Hunspell: a table count it would reserve room
// for at once (it aborted on std::bad_alloc), a flag line past its 16-bit
// flag count (it crashed in its destructor), a word count in the billions.
// Each is refused, naming the file and line, and nothing crashes.
TEST(SpellingDictionary, HostileDictionariesAreRefusedBeforeHunspellSeesThem)
{
    TempKit folder;
    const auto refusal = [&](const QString &language) {
        auto opened = SpellingDictionary::open(language, folder.dir());
        return opened ? std::string("opened") : opened.error().text();
    };
    const auto named = [&](const QString &file) { return QDir::toNativeSeparators(folder.path(file)).toStdString(); };

    folder.write("rep.aff", "SET UTF-8\nREP 2000000000\nREP a b\n");
    folder.write("rep.dic", "1\nword\n");
    EXPECT_EQ(refusal("rep"), named("rep.aff") + ": line 2: counts 2000000000 entries, more than the 3 lines the file "
                                                  "holds; the dictionary is not used");

    folder.write("long.aff", "SET UTF-8\nFLAG long\nAF 1\nAF " + QByteArray(200000, 'A') + "\n");
    folder.write("long.dic", "1\nword/1\n");
    EXPECT_EQ(refusal("long"), named("long.aff") + ": line 4: is 200003 bytes long, longer than any dictionary's lines "
                                                    "(8192 at most); the dictionary is not used");

    folder.write("many.aff", "SET UTF-8\n");
    folder.write("many.dic", "2000000000\nword\n");
    EXPECT_EQ(refusal("many"), named("many.dic") + ": line 1: counts 2000000000 entries, more than the 2 lines the file "
                                                    "holds; the dictionary is not used");

    // A sound dictionary of the same shape opens.
    folder.write("fine.aff", "SET UTF-8\nFLAG long\nAF 1\nAF AaBb\nREP 1\nREP a b\n");
    folder.write("fine.dic", "1\nword/1\n");
    EXPECT_EQ(refusal("fine"), "opened");
}

// Whatever stands in place of the kit's word list is refused before it is
// read: a file larger than any list a kit makes (here a sparse one of a
// byte more than the cap), and the check opens without it.
TEST(KitDictionary, AWordListLargerThanAnyKitMakesIsRefusedWithItsSize)
{
    TempKit kit;
    QFile file(kit.path(KitDictionary::FileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize((64LL << 20) + 1));
    file.close();
    const SpellingCheck::Opened opened = SpellingCheck::open(QStringLiteral("en_US"), kit.dir());
    ASSERT_TRUE(opened.checker);
    ASSERT_EQ(opened.problems.size(), 1u);
    EXPECT_EQ(opened.problems[0].text(), QDir::toNativeSeparators(kit.path(KitDictionary::FileName)).toStdString()
                                             + ": is 67108865 bytes, more than any such file of a kit (67108864 bytes "
                                               "at most); it is not read");
}

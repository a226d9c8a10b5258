#include "SpellingDictionary.h"

#include "io/FileReader.h"
#include "io/PlatformFiles.h"

#include <hunspell.hxx>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <optional>
#include <tuple>

namespace orvanta {

namespace {

bool isApostrophe(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

// The length of the printf placeholder at `i` ('%' there), or 0.
qsizetype placeholderAt(const QString &text, qsizetype i)
{
    auto skip = [&](qsizetype j, QStringView set) {
        while (j < text.size() && set.contains(text[j]))
            ++j;
        return j;
    };
    const QStringView digits = u"0123456789";
    qsizetype j = skip(i + 1, u"-+ #0");
    j = (j < text.size() && text[j] == QLatin1Char('*')) ? j + 1 : skip(j, digits);
    if (j < text.size() && text[j] == QLatin1Char('.')) {
        ++j;
        j = (j < text.size() && text[j] == QLatin1Char('*')) ? j + 1 : skip(j, digits);
    }
    if (j < text.size() && (text[j] == QLatin1Char('h') || text[j] == QLatin1Char('l')))
        j += (j + 1 < text.size() && text[j] == QLatin1Char('l') && text[j + 1] == QLatin1Char('l')) ? 2 : 1;
    if (j < text.size() && QStringView(u"diusxXcf%").contains(text[j]))
        return j + 1 - i;
    return 0;
}

// Calls `word(start, length)` for every word of `text` that could be
// misspelt: placeholders are passed over, words with digits left out.
template <typename Word>
void forEachWord(const QString &text, const Word &word)
{
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] == QLatin1Char('%')) {
            i += std::max<qsizetype>(1, placeholderAt(text, i));
            continue;
        }
        if (!isWordChar(text[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        bool digit = false;
        while (i < text.size()) {
            if (isWordChar(text[i])) {
                digit = digit || text[i].isDigit();
                ++i;
            } else if (isApostrophe(text[i]) && i + 1 < text.size() && isWordChar(text[i + 1])) {
                ++i;
            } else {
                break;
            }
        }
        if (!digit)
            word(start, i - start);
    }
}

// Which Windows code page is written in which languages, most likely first.
const QHash<int, QStringList> &codePageLanguages()
{
    static const QHash<int, QStringList> languages = {
        {874, {QStringLiteral("th")}},
        {1250, {QStringLiteral("pl"), QStringLiteral("cs"), QStringLiteral("hu"), QStringLiteral("sk"),
                QStringLiteral("sl"), QStringLiteral("hr"), QStringLiteral("ro")}},
        {1251, {QStringLiteral("ru"), QStringLiteral("uk"), QStringLiteral("bg"), QStringLiteral("be"),
                QStringLiteral("sr"), QStringLiteral("mk")}},
        {1252, {QStringLiteral("en_US"), QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"),
                QStringLiteral("es"), QStringLiteral("it"), QStringLiteral("pt"), QStringLiteral("nl"),
                QStringLiteral("sv"), QStringLiteral("da"), QStringLiteral("nb")}},
        {1253, {QStringLiteral("el")}},
        {1254, {QStringLiteral("tr")}},
        {1255, {QStringLiteral("he")}},
        {1256, {QStringLiteral("ar")}},
        {1257, {QStringLiteral("lt"), QStringLiteral("lv"), QStringLiteral("et")}},
        {1258, {QStringLiteral("vi")}},
    };
    return languages;
}

// The SET line of an .aff file: Hunspell's default when there is none.
QString affEncoding(QByteArrayView aff)
{
    for (const QByteArray &line : aff.toByteArray().split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith("SET ") || trimmed.startsWith("SET\t"))
            return QString::fromLatin1(trimmed.mid(4).trimmed());
    }
    return QStringLiteral("ISO8859-1");
}

// Hunspell trusts its files: it reserves room for a table's count at once
// (REP 2000000000 asks for gigabytes and aborts the program) and keeps a
// line's flags in a 16-bit length (an AF line of 100,000 flags overruns
// it). What it is handed is checked first, so a hostile dictionary is
// refused rather than crashed on: no line longer than any dictionary has
// (the longest in Debian's are a few hundred bytes), and no count of
// entries beyond the lines the file holds (the .dic's first line, an
// .aff's tables).
constexpr qsizetype LongestLine = 8192;

std::optional<FormatError> beyondHunspell(QByteArrayView file, const QString &path, bool aff)
{
    static const QSet<QByteArray> countedTables = {"REP",   "AF",    "AM",    "MAP",          "PHONE",
                                                   "BREAK", "ICONV", "OCONV", "COMPOUNDRULE", "CHECKCOMPOUNDPATTERN"};
    const std::string name = QDir::toNativeSeparators(path).toStdString();
    const qsizetype lines = file.count('\n') + (file.endsWith('\n') ? 0 : 1);
    qsizetype lineNumber = 0;
    for (const QByteArray &line : file.toByteArray().split('\n')) {
        ++lineNumber;
        if (line.size() > LongestLine)
            return FormatError::onLine(name, std::uint64_t(lineNumber),
                                       "is " + std::to_string(line.size()) + " bytes long, longer than any dictionary's "
                                           "lines (" + std::to_string(LongestLine) + " at most)");
        if (!aff && lineNumber > 1)
            continue;
        const QList<QByteArray> fields = line.simplified().split(' ');
        qsizetype countField = -1;
        if (!aff)
            countField = 0;
        else if (fields.size() >= 2 && countedTables.contains(fields[0]))
            countField = 1;
        else if (fields.size() == 4 && (fields[0] == "PFX" || fields[0] == "SFX"))
            countField = 3;
        bool number = false;
        const qulonglong count = countField < 0 ? 0 : fields[countField].toULongLong(&number);
        if (number && count > qulonglong(lines))
            return FormatError::onLine(name, std::uint64_t(lineNumber),
                                       "counts " + std::to_string(count) + " entries, more than the "
                                           + std::to_string(lines) + " lines the file holds");
    }
    return std::nullopt;
}

} // namespace

QString SpellingDictionary::defaultFolder()
{
    return PlatformFiles::dictionaryFolder();
}

QStringList SpellingDictionary::installed(const QString &folder)
{
    QStringList languages;
    const QDir dir(folder);
    for (const QString &aff : dir.entryList({QStringLiteral("*.aff")}, QDir::Files | QDir::Readable, QDir::Name)) {
        const QString language = aff.chopped(4);
        if (QFileInfo(dir.filePath(language + QStringLiteral(".dic"))).isReadable())
            languages.append(language);
    }
    return languages;
}

QString SpellingDictionary::suggestedFor(int codePage, const QStringList &installed)
{
    for (const QString &wanted : codePageLanguages().value(codePage)) {
        for (const QString &language : installed) {
            if (language == wanted || language.startsWith(wanted + QLatin1Char('_')))
                return language;
        }
    }
    return QString();
}

Result<std::shared_ptr<SpellingDictionary>> SpellingDictionary::open(const QString &language, const QString &folder)
{
    const QDir dir(folder);
    const QString affPath = dir.filePath(language + QStringLiteral(".aff"));
    const QString dicPath = dir.filePath(language + QStringLiteral(".dic"));
    // Hunspell itself says nothing of a file it cannot read: it then knows
    // no word at all, and every word would be flagged.
    for (const QString &path : {affPath, dicPath}) {
        if (!QFile::exists(path))
            return FormatError::general(QDir::toNativeSeparators(path).toStdString(),
                                        "no such file: the dictionary for \"" + language.toStdString()
                                            + "\" is not installed");
    }
    const auto aff = FileReader::read(affPath, FileReader::DictionaryCap);
    if (!aff)
        return aff.error();
    const auto dic = FileReader::read(dicPath, FileReader::DictionaryCap);
    if (!dic)
        return dic.error();
    if (dic->left(dic->indexOf('\n')).trimmed().toUInt() == 0 && !dic->isEmpty())
        return FormatError::onLine(QDir::toNativeSeparators(dicPath).toStdString(), 1,
                                   "is not a Hunspell dictionary (no word count on its first line)");
    for (const auto &[bytes, path, isAff] : {std::tuple(&*aff, affPath, true), std::tuple(&*dic, dicPath, false)}) {
        if (auto problem = beyondHunspell(*bytes, path, isAff)) {
            problem->what += "; the dictionary is not used";
            return *problem;
        }
    }
    const QString encoding = affEncoding(*aff);
    const bool utf8 = encoding.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0;
    if (!utf8 && !QStringEncoder(encoding.toLatin1().constData()).isValid())
        return FormatError::general(QDir::toNativeSeparators(affPath).toStdString(),
                                    "its encoding " + encoding.toStdString() + " is not one the kit can convert");
    std::unique_ptr<Hunspell> hunspell;
    try {
        hunspell = std::make_unique<Hunspell>(PlatformFiles::narrowPath(affPath).constData(),
                                              PlatformFiles::narrowPath(dicPath).constData());
    } catch (const std::exception &failure) {
        return FormatError::general(QDir::toNativeSeparators(affPath).toStdString(),
                                    std::string("cannot be loaded (") + failure.what() + "); the dictionary is not used");
    }
    std::shared_ptr<SpellingDictionary> checker(new SpellingDictionary(language, std::move(hunspell)));
    checker->m_utf8 = utf8;
    checker->m_encoding = encoding;
    return checker;
}

SpellingDictionary::SpellingDictionary(QString language, std::unique_ptr<Hunspell> hunspell)
    : m_language(std::move(language))
    , m_hunspell(std::move(hunspell))
{
}

SpellingDictionary::~SpellingDictionary() = default;

std::string SpellingDictionary::encoded(const QString &word) const
{
    QString plain = word;
    plain.replace(QChar(0x2019), QLatin1Char('\'')); // the dictionaries spell "don't" so
    if (m_utf8)
        return plain.toStdString();
    QStringEncoder encoder(m_encoding.toLatin1().constData());
    const QByteArray bytes = encoder.encode(plain);
    return encoder.hasError() ? std::string() : bytes.toStdString();
}

QString SpellingDictionary::decoded(const std::string &word) const
{
    if (m_utf8)
        return QString::fromStdString(word);
    QStringDecoder decoder(m_encoding.toLatin1().constData());
    return decoder.decode(QByteArrayView(word.data(), qsizetype(word.size())));
}

bool SpellingDictionary::isCorrect(const QString &word) const
{
    const auto known = m_known.constFind(word);
    if (known != m_known.constEnd())
        return *known;
    const std::string bytes = encoded(word);
    // A word the dictionary's encoding cannot hold is no word of its language.
    const bool correct = !bytes.empty() && m_hunspell->spell(bytes);
    m_known.insert(word, correct);
    return correct;
}

QList<SpellingDictionary::Misspelling> SpellingDictionary::misspellings(const QString &text, const QString &source) const
{
    QList<Misspelling> found;
    QSet<QString> sourceWords; // made when first needed: most texts have no misspelt word
    bool sourceRead = false;
    forEachWord(text, [&](qsizetype start, qsizetype length) {
        const QString word = text.sliced(start, length);
        if (isCorrect(word))
            return;
        if (!sourceRead) {
            // "Kvorgan's" in the source keeps "Kvorgan" in the translation too.
            forEachWord(source, [&](qsizetype at, qsizetype n) {
                const QString sourceWord = source.sliced(at, n).toCaseFolded();
                sourceWords.insert(sourceWord);
                static const QRegularExpression Apostrophe(QStringLiteral("['\u2019]"));
                if (sourceWord.contains(Apostrophe)) {
                    for (const QString &part : sourceWord.split(Apostrophe))
                        sourceWords.insert(part);
                }
            });
            sourceRead = true;
        }
        if (!sourceWords.contains(word.toCaseFolded()))
            found.append({start, length});
    });
    return found;
}

QStringList SpellingDictionary::suggestions(const QString &word) const
{
    QStringList list;
    const std::string bytes = encoded(word);
    if (bytes.empty())
        return list;
    for (const std::string &suggestion : m_hunspell->suggest(bytes))
        list.append(decoded(suggestion));
    return list;
}

void SpellingDictionary::addWord(const QString &word)
{
    const std::string bytes = encoded(word);
    if (!bytes.empty())
        m_hunspell->add(bytes);
    m_known.clear(); // forms of the word (capitalised, with an apostrophe) were asked about before
}

} // namespace orvanta

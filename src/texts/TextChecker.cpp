#include "TextChecker.h"

#include "PrintfCodes.h"
#include "TextFile.h"
#include "TextTable.h"

#include <QStringList>


namespace orvanta {

namespace {

// The most cut characters a message quotes.
constexpr qsizetype ExcerptLength = 40;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView leadingBlanks(QByteArrayView text)
{
    qsizetype n = 0;
    while (n < text.size() && isBlank(text[n]))
        ++n;
    return text.first(n);
}

// The blanks at the end of what follows the leading ones: a text of blanks
// only has leading blanks, so it is not told twice.
QByteArrayView trailingBlanks(QByteArrayView text)
{
    text = text.sliced(leadingBlanks(text).size());
    qsizetype n = 0;
    while (n < text.size() && isBlank(text[text.size() - 1 - n]))
        ++n;
    return text.last(n);
}

// "no space", "1 space", "2 spaces, 1 tab": each group in its order.
QString describeBlanks(QByteArrayView run)
{
    if (run.isEmpty())
        return TextChecker::tr("no space");
    QStringList groups;
    for (qsizetype i = 0; i < run.size();) {
        qsizetype j = i;
        while (j < run.size() && run[j] == run[i])
            ++j;
        const qsizetype n = j - i;
        const int count = int(n);
        if (run[i] == ' ')
            groups.append(n == 1 ? TextChecker::tr("1 space") : TextChecker::tr("%1 spaces", nullptr, count).arg(n));
        else
            groups.append(n == 1 ? TextChecker::tr("1 tab") : TextChecker::tr("%1 tabs", nullptr, count).arg(n));
        i = j;
    }
    return groups.join(QStringLiteral(", "));
}

// `text` as a message quotes it: control characters become their visible
// symbols (U+2400 + code), so a finding stays on one line.
QString shown(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() < 0x20)
            c = QChar(char16_t(0x2400 + c.unicode()));
        else if (c.unicode() == 0x7F)
            c = QChar(char16_t(0x2421));
    }
    return text;
}

QString tooLongMessage(const CodePage &codePage, QByteArrayView saved)
{
    const QString cut = codePage.decode(saved.sliced(TextFile::RecordSize).toByteArray());
    const QString which = cut.size() == 1
        ? TextChecker::tr("the last character")
        : TextChecker::tr("the last %1 characters", nullptr, int(cut.size())).arg(cut.size());
    const QString excerpt = cut.size() > ExcerptLength ? cut.left(ExcerptLength) + QChar(0x2026) : cut;
    return TextChecker::tr("%1 bytes: the save keeps the first %2 and cuts %3, \"%4\"")
        .arg(QString::number(saved.size()), QString::number(TextFile::RecordSize), which, shown(excerpt));
}

QString spacesMessage(QByteArrayView source, QByteArrayView saved)
{
    QStringList parts;
    const QByteArrayView sourceLead = leadingBlanks(source), savedLead = leadingBlanks(saved);
    if (sourceLead != savedLead)
        parts.append(TextChecker::tr("the original starts with %1, the translation with %2")
                         .arg(describeBlanks(sourceLead), describeBlanks(savedLead)));
    const QByteArrayView sourceTrail = trailingBlanks(source), savedTrail = trailingBlanks(saved);
    if (sourceTrail != savedTrail)
        parts.append(TextChecker::tr("the original ends with %1, the translation with %2")
                         .arg(describeBlanks(sourceTrail), describeBlanks(savedTrail)));
    return parts.join(QStringLiteral("; "));
}

QString describeCodes(const QList<QByteArrayView> &codes)
{
    if (codes.isEmpty())
        return TextChecker::tr("none");
    QStringList texts;
    for (QByteArrayView code : codes)
        texts.append(QString::fromLatin1(code));
    return QLatin1Char('"') + texts.join(QLatin1Char(' ')) + QLatin1Char('"');
}

// The text between the leading and the trailing blanks.
QByteArrayView inner(QByteArrayView text)
{
    text = text.sliced(leadingBlanks(text).size());
    return text.first(text.size() - trailingBlanks(text).size());
}

// The first word written twice in a row, compared without case, or "".
QString doubledWord(const QString &text)
{
    QString previous;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && !text[i].isLetter())
            ++i;
        const qsizetype start = i;
        while (i < text.size() && text[i].isLetter())
            ++i;
        if (start == i)
            break;
        const QString word = text.sliced(start, i - start);
        const bool onlySpaceBetween = start > 0 && text[start - 1] == QLatin1Char(' ');
        if (onlySpaceBetween && word.compare(previous, Qt::CaseInsensitive) == 0)
            return word;
        previous = word;
    }
    return QString();
}

// The end punctuation of a decoded text: "", ".", "!", "?", ":" or "…".
QString endPunctuation(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.endsWith(QLatin1String("...")) || trimmed.endsWith(QChar(0x2026)))
        return QString(QChar(0x2026));
    if (!trimmed.isEmpty() && QStringLiteral(".!?:").contains(trimmed.back()))
        return QString(trimmed.back());
    return QString();
}

QString describePunctuation(const QString &end)
{
    return end.isEmpty() ? TextChecker::tr("no end punctuation") : QLatin1Char('"') + end + QLatin1Char('"');
}

bool isControl(char c)
{
    return (unsigned char)c < 0x20 || c == 0x7F;
}

// The control characters of `text` that `source` does not hold, as shown.
QString strayControls(QByteArrayView text, QByteArrayView source)
{
    QStringList names;
    for (const char c : inner(text)) {
        if (!isControl(c) || c == '\0' || source.contains(c))
            continue;
        const QString name = c == '\n' ? TextChecker::tr("a line break")
            : c == '\r'                ? TextChecker::tr("a carriage return")
            : c == '\t'                ? TextChecker::tr("a tab")
                                       : TextChecker::tr("control character %1").arg(int(c), 2, 16, QLatin1Char('0'));
        if (!names.contains(name))
            names.append(name);
    }
    return names.join(QStringLiteral(", "));
}

} // namespace

TextChecker::TextChecker(const TextCodePages &codePages)
    : m_codePages(codePages)
{
}

void TextChecker::addCheck(Check check)
{
    m_checks.push_back(std::move(check));
}

template <typename Add>
void TextChecker::checkStyle(QByteArrayView source, QByteArrayView saved, const Add &add) const
{
    const QString translation = m_codePages.decode(TextTable::Translation, saved);
    const QString original = m_codePages.decode(TextTable::Source, source);
    const QString doubled = doubledWord(translation);
    if (!doubled.isEmpty() && doubledWord(original).isEmpty())
        add(DoubleWord, tr("\"%1\" is written twice in a row").arg(doubled));
    const QString sourceEnd = endPunctuation(original), savedEnd = endPunctuation(translation);
    if (sourceEnd != savedEnd)
        add(Punctuation, tr("the original ends with %1, the translation with %2")
                             .arg(describePunctuation(sourceEnd), describePunctuation(savedEnd)));
    if (inner(saved).contains("  ") && !inner(source).contains("  "))
        add(DoubleSpace, tr("two spaces in a row inside the translation"));
    const QString controls = strayControls(saved, source);
    if (!controls.isEmpty())
        add(Control, tr("the translation holds %1, which the original does not").arg(controls));
}

void TextChecker::check(int index, QByteArrayView source, QByteArrayView translation,
                        QList<TextFinding> &findings) const
{
    const bool fixed = TextTable::isFixed(index);
    const QByteArrayView saved = TextTable::savedText(index, source, translation);
    const auto add = [&](const QString &check, const QString &message) { findings.append({index, check, message}); };

    if (saved.size() > TextFile::RecordSize)
        add(TooLong, tooLongMessage(m_codePages.translation(), saved));
    if (saved.isEmpty()) {
        if (!source.isEmpty())
            add(Empty, tr("the translation is empty where the original is not"));
    } else if (saved != source) {
        const QString spaces = spacesMessage(source, saved);
        if (!spaces.isEmpty())
            add(Spaces, spaces);
        const QList<QByteArrayView> sourceCodes = PrintfCodes::of(source), savedCodes = PrintfCodes::of(saved);
        if (sourceCodes != savedCodes)
            add(Placeholders, tr("placeholders in the original: %1; in the translation: %2")
                                  .arg(describeCodes(sourceCodes), describeCodes(savedCodes)));
        checkStyle(source, saved, add);
    }
    if (fixed && translation != source)
        add(Fixed, tr("the translation differs from the original; it is reset to the original text at every "
                      "save"));

    if (m_checks.empty())
        return;
    const CheckedText text{index, fixed, source, translation, saved};
    for (const Check &extra : m_checks)
        extra(text, findings);
}

} // namespace orvanta

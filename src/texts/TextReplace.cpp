#include "TextReplace.h"

#include "CodePage.h"
#include "TextTable.h"

namespace orvanta {

TextReplace::TextReplace(const QString &find, const QString &replacement, int options)
    : m_replacement(replacement)
{
    // A whole word has no letter, digit or underscore just before or after
    // it; that says nothing about an end of the searched text that is a
    // space or a sign, which stands as it is.
    const auto isWordCharacter = [](QChar c) { return c.isLetterOrNumber() || c.isMark() || c == u'_'; };
    QString pattern = QRegularExpression::escape(find);
    if ((options & WholeWord) && !find.isEmpty()) {
        if (isWordCharacter(find.front()))
            pattern.prepend(QStringLiteral("(?<!\\w)"));
        if (isWordCharacter(find.back()))
            pattern.append(QStringLiteral("(?!\\w)"));
    }
    QRegularExpression::PatternOptions flags = QRegularExpression::UseUnicodePropertiesOption;
    if (!(options & MatchCase))
        flags |= QRegularExpression::CaseInsensitiveOption;
    if (!find.isEmpty())
        m_pattern = QRegularExpression(pattern, flags);
    else
        m_pattern = QRegularExpression(QStringLiteral("(?!)")); // matches nothing
}

std::pair<qsizetype, qsizetype> TextReplace::find(const QString &text, qsizetype from) const
{
    const QRegularExpressionMatch match = m_pattern.match(text, from);
    if (!match.hasMatch())
        return {-1, 0};
    return {match.capturedStart(), match.capturedLength()};
}

QString TextReplace::replaceAll(const QString &text, int *count) const
{
    // The replacement is literal: QString::replace would read "\1" in it.
    QString result;
    qsizetype done = 0;
    int places = 0;
    for (auto matches = m_pattern.globalMatch(text); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        result += QStringView(text).sliced(done, match.capturedStart() - done);
        result += m_replacement;
        done = match.capturedEnd();
        ++places;
    }
    result += QStringView(text).sliced(done);
    if (count)
        *count = places;
    return result;
}

TextReplace::Outcome TextReplace::inTranslations(const TextTable &texts, const CodePage &codePage,
                                                 const QList<int> &rows) const
{
    Outcome outcome;
    for (int row : rows) {
        if (row < 0 || row >= texts.rowCount() || TextTable::isFixed(row))
            continue;
        int places = 0;
        const QString replaced = replaceAll(codePage.decode(texts.row(row).translation), &places);
        if (places == 0)
            continue;
        qsizetype bad = 0;
        const auto bytes = codePage.encode(replaced, &bad);
        if (!bytes) {
            outcome.refusedRow = row;
            outcome.refused = replaced.at(bad);
            return outcome;
        }
        outcome.changes.append({row, *bytes});
        outcome.places += places;
    }
    return outcome;
}

} // namespace orvanta

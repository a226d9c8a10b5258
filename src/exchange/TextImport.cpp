#include "TextImport.h"

#include "SourceContexts.h"
#include "texts/TextCodePages.h"
#include "texts/TextFile.h"
#include "texts/TextTable.h"

#include <optional>
#include <vector>

namespace orvanta {

namespace {

// The row the entry names, as the report shows it.
QString namedRow(const ExchangeEntry &entry)
{
    if (!entry.row.isEmpty())
        return entry.row;
    return entry.line ? QStringLiteral("(none, line %1)").arg(entry.line) : QStringLiteral("(none)");
}

// "'Ж' U+0416": the character of `text` at `at`, whole even outside the
// Basic Multilingual Plane, shown only when it is printable.
QString characterAt(const QString &text, qsizetype at)
{
    char32_t code = text[at].unicode();
    if (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
        code = QChar::surrogateToUcs4(text[at], text[at + 1]);
    const QString name = QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
    if (!QChar::isPrint(code))
        return name;
    return QStringLiteral("'%1' %2").arg(QString::fromUcs4(&code, 1), name);
}

// Whether `text` is what `bytes` show in `codePage`: one character a byte,
// compared without decoding the bytes into a string first.
bool shows(const QString &text, QByteArrayView bytes, const CodePage &codePage)
{
    if (text.size() != bytes.size())
        return false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (text[i] != codePage.character(static_cast<unsigned char>(bytes[i])))
            return false;
    }
    return true;
}

} // namespace

int TextImport::rowOf(QStringView rowNumber, int rowCount)
{
    if (rowNumber.isEmpty() || rowNumber.size() > 9 || rowNumber[0] == u'0')
        return -1;
    int number = 0;
    for (QChar c : rowNumber) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        number = number * 10 + (c.unicode() - '0');
    }
    return number <= rowCount ? number - 1 : -1;
}

TextImport::Outcome TextImport::compute(const QList<ExchangeEntry> &entries, const TextTable &texts,
                                        const TextCodePages &codePages, const ReviewMarks &marks)
{
    using Reason = ImportReport::Reason;
    Outcome outcome;
    ImportReport &report = outcome.report;
    std::vector<bool> seen(std::size_t(texts.rowCount()), false);
    // Made when the first entry needs them.
    std::optional<SourceContexts> sources;
    const auto sourcesOf = [&]() -> const SourceContexts & {
        if (!sources)
            sources.emplace(texts, codePages.source());
        return *sources;
    };
    for (const ExchangeEntry &entry : entries) {
        if (entry.obsolete) {
            report.add(Reason::Obsolete, namedRow(entry));
            continue;
        }
        // The entry goes where its source stands: the one row that holds
        // it, else the one with its context, else the row it names.
        const int named = rowOf(entry.row, texts.rowCount());
        int row = SourceContexts::NoRow;
        const bool namedShows = named >= 0 && shows(entry.source, texts.row(named).source, codePages.source());
        std::optional<QByteArray> encoded;
        if (!namedShows)
            encoded = codePages.source().encode(entry.source);
        if (namedShows || encoded) {
            const QByteArrayView source = namedShows ? texts.row(named).source : QByteArrayView(*encoded);
            row = sourcesOf().rowOf(source);
            if (row == SourceContexts::SeveralRows) {
                row = sourcesOf().rowOf(source, entry.context);
                if (row == SourceContexts::NoRow && namedShows)
                    row = named;
                if (row == SourceContexts::NoRow) {
                    report.add(Reason::SeveralRows, namedRow(entry));
                    continue;
                }
            }
        }
        if (row == SourceContexts::NoRow) {
            if (named < 0)
                report.add(Reason::UnknownRow, namedRow(entry));
            else
                report.add(Reason::SourceChanged, entry.row);
            continue;
        }
        const bool moved = row != named;
        const QString rowNumber = QString::number(row + 1);
        if (seen[std::size_t(row)]) {
            report.add(Reason::RepeatedRow, rowNumber);
            continue;
        }
        seen[std::size_t(row)] = true;
        const TextTable::Row &text = texts.row(row);
        std::optional<ReviewMarks::Mark> mark;
        if (entry.hasReview)
            mark = ReviewMarks::Mark{entry.needsReview, entry.done || marks.isDone(row), entry.note};
        const bool newMark = mark && *mark != marks.mark(row);
        const auto reportNotes = [&] {
            if (moved)
                report.add(Reason::Moved, QStringLiteral("%1 (from %2)").arg(rowNumber, namedRow(entry)));
            if (mark && mark->needsReview)
                report.add(Reason::NeedsReview, rowNumber);
        };
        // An untranslated row's mark and note come in without a translation.
        if (entry.translation.isEmpty()) {
            if (!newMark) {
                report.add(Reason::NoTranslation, rowNumber);
                continue;
            }
            reportNotes();
            report.addChanged();
            outcome.marks.append({row, *mark});
            continue;
        }
        // A translation that is its source leaves the game's text as it is:
        // the source's own bytes, whichever code page the translations use.
        const bool asSource = entry.translation == entry.source;
        const bool newTranslation = asSource ? text.translation != text.source
                                             : !shows(entry.translation, text.translation, codePages.translation());
        if (!newTranslation && !newMark) {
            report.addUnchanged();
            continue;
        }
        qsizetype bad = 0;
        const auto bytes = asSource ? std::optional(text.source.toByteArray())
                                    : codePages.translation().encode(entry.translation, &bad);
        // A zero byte would end the text in its record.
        if (!bytes || bytes->contains('\0')) {
            if (bytes)
                bad = entry.translation.indexOf(QChar(0));
            report.add(Reason::NotInCodePage, rowNumber + QStringLiteral(" (") + characterAt(entry.translation, bad) + QLatin1Char(')'));
            continue;
        }
        if (bytes->size() > TextFile::RecordSize) {
            report.add(Reason::TooLong, QStringLiteral("%1 (%2 bytes)").arg(rowNumber).arg(bytes->size()));
            continue;
        }
        reportNotes();
        if (TextTable::isFixed(row) && *bytes != text.source)
            report.add(Reason::ResetAtSave, rowNumber);
        report.addChanged();
        if (newTranslation)
            outcome.changes.append({row, *bytes});
        if (newMark)
            outcome.marks.append({row, *mark});
    }
    return outcome;
}

void TextImport::apply(const Outcome &outcome, TextTable &texts, ReviewMarks &marks)
{
    for (const TextChange &change : outcome.changes)
        texts.setTranslation(change.row, change.text);
    for (const ReviewMarks::Change &change : outcome.marks)
        marks.setMark(change.row, change.mark);
}

} // namespace orvanta

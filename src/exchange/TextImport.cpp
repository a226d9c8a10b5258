#include "TextImport.h"

#include "texts/CodePage.h"
#include "texts/TextFile.h"
#include "texts/TextTable.h"

#include <vector>

namespace orvanta {

namespace {

// The index of the row an entry names in decimal, or -1 when it names none
// of the table's rows.
int indexOf(const QString &row, int rowCount)
{
    if (row.isEmpty() || row.size() > 9)
        return -1;
    int number = 0;
    for (QChar c : row) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        number = number * 10 + (c.unicode() - '0');
    }
    return number >= 1 && number <= rowCount ? number - 1 : -1;
}

QString unknownRow(const ExchangeEntry &entry)
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

TextImport::Outcome TextImport::compute(const QList<ExchangeEntry> &entries, const TextTable &texts,
                                        const CodePage &codePage)
{
    using Reason = ImportReport::Reason;
    Outcome outcome;
    ImportReport &report = outcome.report;
    std::vector<bool> seen(std::size_t(texts.rowCount()), false);
    for (const ExchangeEntry &entry : entries) {
        const int index = indexOf(entry.row, texts.rowCount());
        if (index < 0) {
            report.add(Reason::UnknownRow, unknownRow(entry));
            continue;
        }
        const auto row = [index] { return QString::number(index + 1); };
        if (seen[std::size_t(index)]) {
            report.add(Reason::RepeatedRow, row());
            continue;
        }
        seen[std::size_t(index)] = true;
        const TextTable::Row &text = texts.row(index);
        if (!shows(entry.source, text.source, codePage)) {
            report.add(Reason::SourceChanged, row());
            continue;
        }
        if (entry.fuzzy) {
            report.add(Reason::Fuzzy, row());
            continue;
        }
        if (entry.translation.isEmpty()) {
            report.add(Reason::NoTranslation, row());
            continue;
        }
        if (shows(entry.translation, text.translation, codePage)) {
            report.addUnchanged();
            continue;
        }
        qsizetype bad = 0;
        const auto bytes = codePage.encode(entry.translation, &bad);
        // A zero byte would end the text in its record.
        if (!bytes || bytes->contains('\0')) {
            if (bytes)
                bad = entry.translation.indexOf(QChar(0));
            report.add(Reason::NotInCodePage, row() + QStringLiteral(" (") + characterAt(entry.translation, bad) + QLatin1Char(')'));
            continue;
        }
        if (bytes->size() > TextFile::RecordSize) {
            report.add(Reason::TooLong, QStringLiteral("%1 (%2 bytes)").arg(row()).arg(bytes->size()));
            continue;
        }
        if (TextTable::isFixed(index) && *bytes != text.source)
            report.add(Reason::ResetAtSave, row());
        report.addChanged();
        outcome.changes.append({index, *bytes});
    }
    return outcome;
}

void TextImport::apply(const QList<Change> &changes, TextTable &texts)
{
    for (const Change &change : changes)
        texts.setTranslation(change.index, change.translation);
}

} // namespace orvanta

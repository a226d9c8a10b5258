#include "ReviewMarks.h"

#include "TabSeparated.h"
#include "io/FileReader.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringList>

namespace orvanta {

namespace {

const QByteArray FirstLine = QByteArrayLiteral("orvanta-kit review 1");
const QString NeedsReviewFlag = QStringLiteral("review");
const QString DoneFlag = QStringLiteral("done");

} // namespace

const QString ReviewMarks::FileName = QStringLiteral("orvanta-kit.review");
const QString ReviewMarks::BackupName = QStringLiteral("orvanta-kit.review.bak");

const ReviewMarks::Mark &ReviewMarks::Mark::none()
{
    static const Mark empty;
    return empty;
}

const ReviewMarks::Mark &ReviewMarks::mark(int row) const
{
    const auto it = m_marks.find(row);
    return it == m_marks.end() ? Mark::none() : it->second;
}

void ReviewMarks::setMark(int row, const Mark &mark)
{
    m_reviewCount += int(mark.needsReview) - int(needsReview(row));
    if (mark.isEmpty())
        m_marks.erase(row);
    else
        m_marks[row] = mark;
}

QList<int> ReviewMarks::rows() const
{
    QList<int> rows;
    rows.reserve(qsizetype(m_marks.size()));
    for (const auto &[row, mark] : m_marks)
        rows.append(row);
    return rows;
}

QByteArray ReviewMarks::toFile() const
{
    QString text = QString::fromLatin1(FirstLine) + QLatin1Char('\n');
    for (const auto &[row, mark] : m_marks) {
        QStringList flags;
        if (mark.needsReview)
            flags.append(NeedsReviewFlag);
        if (mark.done)
            flags.append(DoneFlag);
        text += QString::number(row + 1) + QLatin1Char('\t')
            + (flags.isEmpty() ? QStringLiteral("-") : flags.join(QLatin1Char(','))) + QLatin1Char('\t')
            + TabSeparated::escaped(mark.note) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

Result<ReviewMarks> ReviewMarks::fromFile(const QByteArray &bytes, const QString &fileName)
{
    const std::string file = QDir::toNativeSeparators(fileName).toStdString();
    const QList<QByteArray> lines = bytes.split('\n');
    ReviewMarks marks;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::uint64_t lineNumber = std::uint64_t(i + 1);
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        if (i == 0) {
            if (line != FirstLine)
                return FormatError::onLine(file, 1, "not a review file of the kit: the first line must be \""
                                                        + FirstLine.toStdString() + "\"");
            continue;
        }
        if (line.isEmpty() && i == lines.size() - 1)
            break;
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString text = decoder.decode(line);
        if (decoder.hasError())
            return FormatError::onLine(file, lineNumber, "not UTF-8 text");
        const QList<QStringView> fields = QStringView(text).split(QLatin1Char('\t'));
        if (fields.size() != 3)
            return FormatError::onLine(file, lineNumber,
                                       std::to_string(fields.size())
                                           + " fields where a line has 3: row number, flags, note");
        bool isNumber = false;
        const int rowNumber = fields[0].toInt(&isNumber);
        if (!isNumber || rowNumber < 1)
            return FormatError::onLine(file, lineNumber,
                                       "\"" + fields[0].toString().toStdString() + "\" is no row number");
        if (marks.m_marks.count(rowNumber - 1))
            return FormatError::onLine(file, lineNumber, "row " + std::to_string(rowNumber) + " is given twice");
        Mark mark;
        if (fields[1] != QLatin1String("-")) {
            for (const QStringView flag : fields[1].split(QLatin1Char(','))) {
                if (flag == NeedsReviewFlag)
                    mark.needsReview = true;
                else if (flag == DoneFlag)
                    mark.done = true;
                else
                    return FormatError::onLine(file, lineNumber,
                                               "unknown mark \"" + flag.toString().toStdString()
                                                   + "\" (the marks are review and done)");
            }
        }
        const std::optional<QString> note = TabSeparated::unescaped(fields[2]);
        if (!note)
            return FormatError::onLine(file, lineNumber,
                                       "a backslash in the note must be followed by \\, n, r or t");
        mark.note = *note;
        marks.setMark(rowNumber - 1, mark);
    }
    return marks;
}

Result<ReviewMarks> ReviewMarks::read(const QString &path)
{
    if (!QFile::exists(path))
        return ReviewMarks();
    const auto bytes = FileReader::read(path, FileReader::KitFileCap);
    if (!bytes)
        return bytes.error();
    return fromFile(*bytes, path);
}

Result<QString> ReviewMarks::keepAside(const QString &path)
{
    QString aside = path + QStringLiteral(".damaged");
    for (int n = 2; QFile::exists(aside); ++n)
        aside = path + QStringLiteral(".damaged-") + QString::number(n);
    if (!QFile::rename(path, aside))
        return FormatError::general(QDir::toNativeSeparators(path).toStdString(),
                                    "cannot be renamed to " + QDir::toNativeSeparators(aside).toStdString());
    return aside;
}

} // namespace orvanta

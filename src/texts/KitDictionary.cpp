#include "KitDictionary.h"

#include "io/FileReader.h"
#include "io/FileSaver.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringDecoder>

namespace orvanta {

const QString KitDictionary::FileName = QStringLiteral("orvanta-kit.words");

QString KitDictionary::path(const QString &kitDirectory)
{
    return QDir(kitDirectory).filePath(FileName);
}

Result<QStringList> KitDictionary::read(const QString &kitDirectory)
{
    const QString file = path(kitDirectory);
    const std::string name = QDir::toNativeSeparators(file).toStdString();
    if (!QFile::exists(file))
        return QStringList();
    auto read = FileReader::read(file, FileReader::KitFileCap);
    if (!read)
        return read.error();
    QByteArrayView bytes = *read;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringList words;
    QSet<QString> seen;
    qsizetype lineNumber = 0;
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = bytes.sliced(start, end - start);
        start = end + 1;
        ++lineNumber;
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString word = QString(decoder.decode(line)).trimmed();
        if (decoder.hasError())
            return FormatError::onLine(name, lineNumber, "is not UTF-8 text");
        if (!word.isEmpty() && !seen.contains(word)) {
            seen.insert(word);
            words.append(word);
        }
    }
    return words;
}

Result<QStringList> KitDictionary::add(const QString &kitDirectory, const QStringList &newWords)
{
    auto words = read(kitDirectory);
    if (!words)
        return words;
    const qsizetype before = words->size();
    for (const QString &word : newWords) {
        if (!words->contains(word))
            words->append(word);
    }
    if (words->size() == before)
        return words;
    const Status saved = FileSaver::saveKitFile(path(kitDirectory), (words->join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    if (!saved)
        return saved.error();
    return words;
}

} // namespace orvanta

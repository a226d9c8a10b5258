#include "KitDictionary.h"

#include "io/FileSaver.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace orvanta {

const QString KitDictionary::FileName = QStringLiteral("orvanta-kit.words");

QString KitDictionary::path(const QString &kitDirectory)
{
    return QDir(kitDirectory).filePath(FileName);
}

Result<QStringList> KitDictionary::read(const QString &kitDirectory)
{
    QFile file(path(kitDirectory));
    const std::string name = QDir::toNativeSeparators(file.fileName()).toStdString();
    if (!file.exists())
        return QStringList();
    if (!file.open(QIODevice::ReadOnly))
        return FormatError::general(name, "cannot be read: " + file.errorString().toStdString());
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringList words;
    qsizetype lineNumber = 0;
    for (const QByteArray &line : bytes.split('\n')) {
        ++lineNumber;
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString word = QString(decoder.decode(line)).trimmed();
        if (decoder.hasError())
            return FormatError::onLine(name, lineNumber, "is not UTF-8 text");
        if (!word.isEmpty() && !words.contains(word))
            words.append(word);
    }
    return words;
}

Result<QStringList> KitDictionary::add(const QString &kitDirectory, const QString &word)
{
    auto words = read(kitDirectory);
    if (!words)
        return words;
    if (words->contains(word))
        return words;
    words->append(word);
    const Status saved = FileSaver::saveKitFile(path(kitDirectory), (words->join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    if (!saved)
        return saved.error();
    return words;
}

} // namespace orvanta

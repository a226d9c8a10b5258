#include "FileReader.h"

#include "PlatformFiles.h"
#include "core/FileKind.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orvanta {

Status FileReader::check(const QString &path, qint64 cap)
{
    const std::string name = QDir::toNativeSeparators(path).toStdString();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return Done{}; // opening it says so
    if (const auto why = FileKind::notAFile(PlatformFiles::nativePath(path)))
        return FormatError::general(name, *why);
    const qint64 size = info.size();
    if (size > cap)
        return FormatError::general(name, "is " + std::to_string(size) + " bytes, more than any such file of a kit ("
                                              + std::to_string(cap) + " bytes at most); it is not read");
    return Done{};
}

Status FileReader::open(QFile &file, qint64 cap)
{
    if (const Status checked = check(file.fileName(), cap); !checked)
        return checked;
    if (!file.open(QIODevice::ReadOnly))
        return FormatError::general(QDir::toNativeSeparators(file.fileName()).toStdString(),
                                    "cannot be opened: " + file.errorString().toStdString());
    return Done{};
}

Result<QByteArray> FileReader::read(const QString &path, qint64 cap)
{
    QFile file(path);
    if (const Status opened = open(file, cap); !opened)
        return opened.error();
    const std::string name = QDir::toNativeSeparators(path).toStdString();
    // At most one byte past the size checked: a file that grows meanwhile
    // is refused, never read without end.
    const qint64 size = file.size();
    QByteArray bytes = file.read(size + 1);
    if (file.error() != QFileDevice::NoError)
        return FormatError::general(name, "cannot be read: " + file.errorString().toStdString());
    if (bytes.size() > size || size > cap)
        return FormatError::general(name, "grew while it was read; it is not read");
    return bytes;
}

} // namespace orvanta

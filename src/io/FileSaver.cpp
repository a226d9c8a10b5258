#include "FileSaver.h"

#include <QFile>
#include <QSaveFile>

namespace orvanta {

Status FileSaver::save(const QString &path, QByteArrayView bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit())
        return FormatError::general(path.toStdString(), "cannot be written: " + file.errorString().toStdString());
    return Done{};
}

Status FileSaver::writePiece(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes.data(), bytes.size()) != bytes.size()
        || !file.flush()) {
        const std::string why = file.errorString().toStdString();
        file.close();
        QFile::remove(path);
        return FormatError::general(path.toStdString(), "cannot be written: " + why);
    }
    return Done{};
}

} // namespace orvanta

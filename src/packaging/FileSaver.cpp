#include "packaging/FileSaver.h"

#include <QSaveFile>

namespace orvanta {

Status FileSaver::save(const QString &path, QByteArrayView bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit())
        return FormatError::general(path.toStdString(), "cannot be written: " + file.errorString().toStdString());
    return Done{};
}

} // namespace orvanta

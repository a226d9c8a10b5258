#include "FileStamp.h"

#include "PlatformFiles.h"

#include <QList>

namespace orvanta {

FileStamp FileStamp::of(const QString &path)
{
    FileStamp stamp;
    if (const auto status = PlatformFiles::status(path)) {
        stamp.m_exists = true;
        stamp.m_size = status->size;
        stamp.m_modified = status->modified;
        stamp.m_device = status->device;
        stamp.m_file = status->file;
    }
    return stamp;
}

namespace {
const QByteArray None = QByteArrayLiteral("none");
} // namespace

QByteArray FileStamp::toText() const
{
    if (!m_exists)
        return None;
    return QByteArray::number(m_size) + ':' + QByteArray::number(m_modified) + ':' + QByteArray::number(m_device)
        + ':' + QByteArray::number(m_file);
}

std::optional<FileStamp> FileStamp::fromText(QByteArrayView text)
{
    if (text == None)
        return FileStamp();
    const QList<QByteArray> fields = text.toByteArray().split(':');
    if (fields.size() != 4)
        return std::nullopt;
    FileStamp stamp;
    bool read[4] = {};
    stamp.m_exists = true;
    stamp.m_size = fields[0].toLongLong(&read[0]);
    stamp.m_modified = fields[1].toLongLong(&read[1]);
    stamp.m_device = fields[2].toULongLong(&read[2]);
    stamp.m_file = fields[3].toULongLong(&read[3]);
    if (!(read[0] && read[1] && read[2] && read[3]))
        return std::nullopt;
    return stamp;
}

} // namespace orvanta

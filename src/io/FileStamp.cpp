#include "FileStamp.h"

#include "PlatformFiles.h"

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

} // namespace orvanta

#include "FileStamp.h"

#include <QFile>
#include <QDateTime>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace orvanta {

FileStamp FileStamp::of(const QString &path)
{
    FileStamp stamp;
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return stamp;
    stamp.m_exists = true;
    stamp.m_size = qint64(status.st_size);
    stamp.m_modified = qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
    stamp.m_device = quint64(status.st_dev);
    stamp.m_file = quint64(status.st_ino);
#else
    const QFileInfo info(path);
    if (!info.exists())
        return stamp;
    stamp.m_exists = true;
    stamp.m_size = info.size();
    stamp.m_modified = info.lastModified().toMSecsSinceEpoch() * 1'000'000;
#endif
    return stamp;
}

} // namespace orvanta

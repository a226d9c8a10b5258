#include "FileStamp.h"

#include <QFile>
#include <QDateTime>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#elif defined(Q_OS_WIN)
#include <QDir>
#include <windows.h>
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
#elif defined(Q_OS_WIN)
    // Opened for its attributes alone, sharing everything, so a file the
    // game or an editor holds open is still seen; a folder needs the backup
    // flag to be opened at all.
    const HANDLE handle = CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return stamp;
    BY_HANDLE_FILE_INFORMATION status {};
    const bool known = GetFileInformationByHandle(handle, &status);
    CloseHandle(handle);
    if (!known)
        return stamp;
    // FILETIME counts 100-nanosecond steps from 1601.
    constexpr qint64 FromFileTimeToEpoch = 116'444'736'000'000'000;
    const qint64 ticks = qint64((quint64(status.ftLastWriteTime.dwHighDateTime) << 32) | status.ftLastWriteTime.dwLowDateTime);
    stamp.m_exists = true;
    stamp.m_size = qint64((quint64(status.nFileSizeHigh) << 32) | status.nFileSizeLow);
    stamp.m_modified = (ticks - FromFileTimeToEpoch) * 100;
    stamp.m_device = quint64(status.dwVolumeSerialNumber);
    stamp.m_file = (quint64(status.nFileIndexHigh) << 32) | status.nFileIndexLow;
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

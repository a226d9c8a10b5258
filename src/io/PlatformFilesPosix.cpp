#include "PlatformFiles.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanta {

namespace {

QString systemMessage(int error)
{
    return QString::fromStdString(std::generic_category().message(error));
}

// Makes a rename in the folder of `path` durable; a failure here changes
// nothing about the file, which is in place already.
void syncFolderOf(const QString &path)
{
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

} // namespace

std::filesystem::path PlatformFiles::nativePath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QByteArray PlatformFiles::narrowPath(const QString &path)
{
    return QFile::encodeName(path);
}

QString PlatformFiles::dictionaryFolder()
{
    return QStringLiteral("/usr/share/hunspell");
}

void PlatformFiles::binaryStandardOutput()
{
}

void PlatformFiles::writeText(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

PlatformFiles::Failure PlatformFiles::sync(QFile &file)
{
    if (::fsync(file.handle()) != 0)
        return systemMessage(errno);
    return std::nullopt;
}

PlatformFiles::Failure PlatformFiles::replace(const QString &from, const QString &to)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return systemMessage(errno);
    syncFolderOf(to);
    return std::nullopt;
}

PlatformFiles::Failure PlatformFiles::heldOpen(const QString &)
{
    return std::nullopt;
}

PlatformFiles::Failure PlatformFiles::hardLink(const QString &path, const QString &link)
{
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()) != 0)
        return systemMessage(errno);
    return std::nullopt;
}

std::optional<PlatformFiles::Status> PlatformFiles::status(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return Status{qint64(status.st_size), qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec,
                  quint64(status.st_dev), quint64(status.st_ino)};
}

qint64 PlatformFiles::kernelCopy(QFile &source, qint64 offset, QFile &target, qint64 size)
{
#ifdef Q_OS_LINUX
    loff_t from = offset;
    const ssize_t copied = ::copy_file_range(source.handle(), &from, target.handle(), nullptr, std::size_t(size), 0);
    return copied > 0 ? qint64(copied) : 0;
#else
    Q_UNUSED(source);
    Q_UNUSED(offset);
    Q_UNUSED(target);
    Q_UNUSED(size);
    return 0;
#endif
}

} // namespace orvanta

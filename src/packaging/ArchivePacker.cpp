#include "ArchivePacker.h"

#include "core/ArchiveWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <vector>

#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

namespace orvanta {

namespace {

constexpr qint64 ChunkSize = 1 << 20;

FormatError fileError(const QString &path, const QString &what)
{
    return FormatError::general(path.toStdString(), what.toStdString());
}

// Lets the kernel copy file to file where it can (as cp does); returns how
// many bytes it copied before it could not go on.
qint64 copyInKernel(QFile &in, QSaveFile &out, qint64 size)
{
#ifdef Q_OS_LINUX
    if (!out.flush())
        return 0;
    qint64 done = 0;
    while (done < size) {
        const ssize_t got = ::copy_file_range(in.handle(), nullptr, out.handle(), nullptr, std::size_t(size - done), 0);
        if (got <= 0)
            break;
        done += got;
    }
    // The save file's own position is not used again: everything after this
    // goes through the same descriptor.
    return done;
#else
    Q_UNUSED(in);
    Q_UNUSED(out);
    Q_UNUSED(size);
    return 0;
#endif
}

Status copyInto(QSaveFile &out, const QString &path, qint64 size, QByteArray &buffer)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return fileError(path, "cannot be opened for reading: " + in.errorString());
    qint64 left = size - copyInKernel(in, out, size);
    if (left < size && !in.seek(size - left))
        return fileError(path, "cannot be read: " + in.errorString());
    while (left > 0) {
        const qint64 got = in.read(buffer.data(), qMin(left, ChunkSize));
        if (got <= 0)
            return fileError(path, "ended after " + QString::number(size - left) + " of " + QString::number(size)
                                       + " bytes while it was packed");
        if (out.write(buffer.constData(), got) != got)
            return fileError(out.fileName(), "cannot be written: " + out.errorString());
        left -= got;
    }
    return Done{};
}

} // namespace

QList<ArchivePacker::Source> ArchivePacker::sourcesFor(const QStringList &paths)
{
    QList<Source> sources;
    for (const QString &path : paths)
        sources.append({path, QFileInfo(path).fileName()});
    return sources;
}

Status ArchivePacker::pack(const QString &archivePath, const QList<Source> &files)
{
    std::vector<ArchiveWriter::Item> items;
    for (const Source &file : files) {
        const QFileInfo info(file.path);
        if (!info.isFile())
            return fileError(file.path, "is not a readable file");
        items.push_back({file.name.toStdString(), static_cast<std::uint64_t>(info.size())});
    }
    auto entries = ArchiveWriter::layout(items);
    if (!entries)
        return entries.error();

    QSaveFile out(archivePath);
    if (!out.open(QIODevice::WriteOnly))
        return fileError(archivePath, "cannot be written: " + out.errorString());
    const std::string directory = ArchiveWriter::directoryBytes(*entries);
    if (out.write(directory.data(), qint64(directory.size())) != qint64(directory.size()))
        return fileError(archivePath, "cannot be written: " + out.errorString());

    QByteArray buffer(ChunkSize, Qt::Uninitialized);
    for (std::size_t i = 0; i < items.size(); ++i) {
        Status copied = copyInto(out, files[qsizetype(i)].path, qint64(items[i].size), buffer);
        if (!copied)
            return copied;
    }
    if (!out.commit())
        return fileError(archivePath, "cannot be written: " + out.errorString());
    return Done{};
}

} // namespace orvanta

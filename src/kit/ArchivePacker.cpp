#include "ArchivePacker.h"

#include "core/ArchiveWriter.h"
#include "io/FileWriter.h"

#include <QFileInfo>

#include <vector>

namespace orvanta {

QList<ArchivePacker::Source> ArchivePacker::sourcesFor(const QStringList &paths)
{
    QList<Source> sources;
    for (const QString &path : paths)
        sources.append({path, QFileInfo(path).fileName()});
    return sources;
}

Status ArchivePacker::pack(const QString &archivePath, const QList<Source> &files)
{
    FileWriter out(archivePath, FileWriter::Mode::Replace);
    Status done = write(out, files);
    if (done)
        done = out.swapIn();
    return done;
}

Status ArchivePacker::write(FileWriter &out, const QList<Source> &files)
{
    std::vector<ArchiveWriter::Item> items;
    for (const Source &file : files) {
        const QFileInfo info(file.path);
        if (!info.isFile())
            return FormatError::general(file.path.toStdString(), "is not a readable file");
        items.push_back({file.name.toStdString(), static_cast<std::uint64_t>(info.size())});
    }
    auto entries = ArchiveWriter::layout(items);
    if (!entries)
        return entries.error();

    const std::string directory = ArchiveWriter::directoryBytes(*entries);
    Status done = out.open();
    if (done)
        done = out.write(directory);
    for (std::size_t i = 0; done && i < items.size(); ++i)
        done = out.copyFrom(files[qsizetype(i)].path, qint64(items[i].size));
    // The layout's total: the directory, then every entry's data.
    const qint64 total = entries->empty() ? qint64(directory.size())
                                          : qint64(entries->back().offset) + qint64(entries->back().size);
    if (done)
        done = out.stage(total);
    return done;
}

} // namespace orvanta

#include "OutputDirectory.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace orvanta {

namespace {

void scanFolder(const QString &path, int depth, QStringList &files)
{
    QFileInfoList entries = QDir(path).entryInfoList(
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot | QDir::NoSymLinks,
        QDir::Unsorted);
    std::sort(entries.begin(), entries.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.fileName().toUtf8() < b.fileName().toUtf8();
    });
    for (const QFileInfo &entry : entries) {
        if (entry.isDir()) {
            if (depth < OutputDirectory::MaxDepth)
                scanFolder(entry.filePath(), depth + 1, files);
        } else {
            files.append(entry.filePath());
        }
    }
}

// A symbolic link, or on Windows a junction (which Qt does not count among
// links): emptying it would empty the folder it points to.
bool isLink(const QFileInfo &info)
{
    return info.isSymLink() || info.isJunction();
}

} // namespace

OutputDirectory::OutputDirectory(const QString &applicationDirectory)
    : m_path(QDir(applicationDirectory).filePath(QStringLiteral("output")))
{
}

Status OutputDirectory::prepare() const
{
    const QFileInfo info(m_path);
    if (isLink(info))
        return FormatError::general(m_path.toStdString(),
                                    "a link of this name is in the way of the output folder; the kit does not "
                                    "empty what it points to");
    if (info.exists() && !info.isDir())
        return FormatError::general(m_path.toStdString(), "a file of this name is in the way of the output folder");
    if (info.exists() && !QDir(m_path).removeRecursively())
        return FormatError::general(m_path.toStdString(), "the old output folder cannot be removed");
    if (!QDir().mkdir(m_path))
        return FormatError::general(m_path.toStdString(), "the output folder cannot be created");
    return Done{};
}

bool OutputDirectory::remove() const
{
    return !isLink(QFileInfo(m_path)) && QDir(m_path).removeRecursively();
}

QStringList OutputDirectory::scan() const
{
    QStringList files;
    scanFolder(m_path, 0, files);
    return files;
}

} // namespace orvanta

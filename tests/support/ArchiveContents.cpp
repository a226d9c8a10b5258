#include "ArchiveContents.h"

#include "core/ArchiveFile.h"
#include "texts/TextFile.h"

#include <gtest/gtest.h>

ArchiveContents archiveContents(const QString &path)
{
    ArchiveContents out;
    auto file = orvanta::ArchiveFile::open(path.toStdString());
    if (!file.ok())
        return out;
    EXPECT_FALSE((*file)->directory().damaged()) << path.toStdString();
    for (const orvanta::ArchiveEntry &entry : (*file)->directory().entries())
        out.emplace_back(entry.name, *(*file)->readEntry(entry));
    return out;
}

std::vector<std::string> entryNames(const QString &path)
{
    std::vector<std::string> names;
    for (const auto &entry : archiveContents(path))
        names.push_back(entry.first);
    return names;
}

QList<QByteArray> savedTexts(const QString &path)
{
    for (const auto &[name, bytes] : archiveContents(path)) {
        if (name == "TEXTS.DAT")
            return orvanta::TextFile::read(QByteArray::fromStdString(bytes));
    }
    return {};
}

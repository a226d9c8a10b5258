#include "TempKit.h"

#include "core/ArchiveWriter.h"

#include <QFile>

#include <gtest/gtest.h>

TempKit::TempKit()
{
    EXPECT_TRUE(m_dir.isValid());
}

void TempKit::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray TempKit::read(const QString &name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TempKit::writeArchive(const QString &name, const std::vector<std::pair<std::string, QByteArray>> &entries) const
{
    std::vector<orvanta::ArchiveWriter::NamedData> files;
    for (const auto &[entryName, bytes] : entries)
        files.push_back({entryName, bytes.toStdString()});
    auto archive = orvanta::ArchiveWriter::write(files);
    ASSERT_TRUE(archive.ok()) << archive.error().text();
    write(name, QByteArray::fromStdString(*archive));
}

void TempKit::installSampleData() const
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANTA_KIT_DIR "/kvmain.dat"), path(QStringLiteral("kvmain.dat"))));
}

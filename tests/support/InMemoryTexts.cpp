#include "InMemoryTexts.h"

#include "core/ArchiveSet.h"
#include "core/EntryStream.h"
#include "texts/TextFile.h"

#include <gtest/gtest.h>

#include <sstream>

void loadTexts(orvanta::TextTable &table, const std::vector<orvanta::ArchiveWriter::NamedData> &lang,
               const std::vector<orvanta::ArchiveWriter::NamedData> &kvmain)
{
    orvanta::ArchiveSet set;
    int slot = 0;
    for (const auto *files : {&lang, &kvmain}) {
        auto bytes = orvanta::ArchiveWriter::write(*files);
        ASSERT_TRUE(bytes.ok()) << bytes.error().text();
        set.openSlot(slot++, std::make_unique<std::istringstream>(*bytes), bytes->size(), "mem");
    }
    orvanta::EntryStream stream(set);
    table.LoadTexts(stream);
}

orvanta::TextTable textTable(const QList<QByteArray> &sources, const QList<QByteArray> &translations)
{
    orvanta::TextTable table;
    loadTexts(table, {{"TEXTS.DAT", textFile(translations)}}, {{"KVTEXTS.DAT", textFile(sources)}});
    return table;
}

std::string textFile(const QList<QByteArray> &texts, int trailing)
{
    return (orvanta::TextFile::write(texts) + QByteArray(trailing, 'x')).toStdString();
}

QList<QByteArray> translationsOf(const orvanta::TextTable &table)
{
    QList<QByteArray> texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts.append(table.row(row).translation.toByteArray());
    return texts;
}

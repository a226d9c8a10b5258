#include "SampleSave.h"

#include "core/ArchiveSet.h"
#include "core/EntryStream.h"
#include "font/FontChoice.h"
#include "KitSaving.h"
#include "pictures/PictureSlots.h"
#include "texts/CodePage.h"
#include "texts/TextTable.h"

#include <gtest/gtest.h>

using namespace orvanta;

QStringList saveSampleKit(const TempKit &kit)
{
    kit.installSampleData();
    TextTable texts;
    ArchiveSet archives;
    EXPECT_TRUE(archives.Open(kit.dir().toStdString()).empty());
    EntryStream stream(archives);
    texts.LoadTexts(stream);
    archives.Close();
    EXPECT_GT(texts.rowCount(), 0);

    PictureSlots pictures;
    *pictures.TranslatedPicture(0) = *pictures.StandardPicture(0);
    const CodePage codePage(1252);
    const auto saved = saveThroughKit(kit.dir(), {texts, FontChoice::defaultFont(), codePage, pictures});
    EXPECT_TRUE(saved.ok()) << (saved.ok() ? "" : saved.error().text());
    return saved.ok() ? *saved : QStringList();
}

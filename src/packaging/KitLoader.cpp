#include "KitLoader.h"

#include "core/ArchiveSet.h"
#include "core/EntryStream.h"
#include "pictures/PictureSlots.h"
#include "texts/TextTable.h"

namespace orvanta {

std::vector<FormatError> KitLoader::load(const QString &directory, TextTable &texts, PictureSlots &pictures)
{
    ArchiveSet archives;
    std::vector<FormatError> problems = archives.Open(directory.toStdString());
    pictures.ReadPictureFiles(archives);
    EntryStream stream(archives);
    texts.LoadTexts(stream);
    archives.Close();
    return problems;
}

} // namespace orvanta

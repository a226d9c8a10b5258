#include "KitLoader.h"

#include "core/ArchiveSet.h"
#include "core/EntryStream.h"
#include "io/PlatformFiles.h"
#include "pictures/PictureSlots.h"
#include "texts/TextTable.h"

#include <QDir>
#include <QFileInfo>

namespace orvanta {

std::vector<FormatError> KitLoader::load(const QString &directory, TextTable &texts, PictureSlots &pictures)
{
    ArchiveSet archives;
    std::vector<FormatError> problems = archives.Open(PlatformFiles::nativePath(directory));
    pictures.readPictureFiles(archives);
    EntryStream stream(archives);
    texts.LoadTexts(stream);
    archives.Close();
    if (texts.rowCount() == 0) {
        const QString kitData = QDir(directory).filePath(QLatin1String(ArchiveSet::SlotFileNames[1]));
        problems.push_back(FormatError::general(kitData.toStdString(),
            std::string(QFileInfo::exists(kitData) ? "holds no source texts (no whole record in \"KVTEXTS.DAT\")"
                                                   : "is missing, and with it the source texts")
                + ": the kit shows no texts, and saving is refused so that the translations in lang.dat are kept")
            .withKind(FormatError::Kind::NoSourceTexts));
    }
    return problems;
}

} // namespace orvanta

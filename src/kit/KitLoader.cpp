#include "KitLoader.h"

#include "RememberedSources.h"
#include "core/ArchiveSet.h"
#include "core/ArchiveWriter.h"
#include "core/EntryStream.h"
#include "io/PlatformFiles.h"
#include "pictures/PictureSlots.h"
#include "texts/TextFile.h"
#include "texts/TextTable.h"

#include <QDir>
#include <QFileInfo>

#include <sstream>

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

TextTable KitLoader::savedTexts(const QString &directory, const RememberedSources &remembered)
{
    // "lang.dat" as it is, with the remembered sources in the place of
    // "kvmain.dat": the one loading rule pairs them.
    QByteArray sources = TextFile::header();
    sources.reserve(TextFile::HeaderSize + qsizetype(remembered.rowCount()) * TextFile::RecordSize);
    for (int row = 0; row < remembered.rowCount(); ++row)
        TextFile::appendRecord(sources, remembered.source(row));
    TextTable texts;
    const auto archive = ArchiveWriter::write({{"KVTEXTS.DAT", sources.toStdString()}});
    if (!archive)
        return texts;
    ArchiveSet archives;
    archives.Open(PlatformFiles::nativePath(directory));
    archives.openSlot(1, std::make_unique<std::istringstream>(*archive), archive->size(), "remembered sources");
    EntryStream stream(archives);
    texts.LoadTexts(stream);
    return texts;
}

} // namespace orvanta

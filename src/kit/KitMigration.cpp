#include "KitMigration.h"

#include "KitLoader.h"
#include "KitSettings.h"
#include "RememberedSources.h"
#include "io/FileReader.h"
#include "texts/KitDictionary.h"
#include "texts/ReviewMarks.h"
#include "texts/TextTable.h"

#include <QDir>

namespace orvanta {

Result<KitMigration::Older> KitMigration::fromOlderKit(const QString &olderKitDirectory, const TextTable &texts,
                                                       const ReviewMarks &marks, const TextCodePages &codePages)
{
    const QDir folder(olderKitDirectory);
    if (!folder.exists())
        return FormatError::general(QDir::toNativeSeparators(olderKitDirectory).toStdString(), "no such folder");
    Older older;
    TextTable olderTexts;
    const auto problems = KitLoader::load(folder.absolutePath(), olderTexts, older.pictures);
    if (!problems.empty())
        return problems.front();
    // A source this kit's code page cannot hold stays as it was: it matches none.
    const KitSettings settings(folder.absolutePath());
    const CodePage olderSources = settings.codePages(codePages.translation().number()).source();
    if (olderSources.number() != codePages.source().number()) {
        for (int row = 0; row < olderTexts.rowCount(); ++row) {
            if (const auto bytes = codePages.source().encode(olderSources.decode(olderTexts.row(row).source)))
                olderTexts.setSource(row, *bytes);
        }
    }
    const auto olderMarks = ReviewMarks::read(folder.filePath(ReviewMarks::FileName));
    if (!olderMarks)
        return olderMarks.error();
    auto words = KitDictionary::read(folder.absolutePath());
    if (!words)
        return words.error();
    older.words = *words;
    // Remembered sources that cannot be read only leave the pictures unjudged.
    const QString sourcesPath = folder.filePath(RememberedSources::FileName);
    if (QFile::exists(sourcesPath)) {
        auto bytes = FileReader::read(sourcesPath, FileReader::KitFileCap);
        const auto remembered = bytes ? RememberedSources::fromFile(std::move(*bytes), sourcesPath)
                                      : Result<RememberedSources>(bytes.error());
        if (remembered) {
            std::array<quint64, RememberedSources::PictureCount> prints{};
            for (int row = 0; row < RememberedSources::PictureCount; ++row)
                prints[std::size_t(row)] = remembered->picture(row);
            older.standardPictures = prints;
        }
    }
    older.glyphFont = settings.glyphFont();
    older.codePage = settings.codePage();
    older.spellLanguage = settings.spellLanguage();
    older.memories = settings.memories();
    older.carried = TextMigration::carry(olderTexts, *olderMarks, texts, marks, false);
    return older;
}

} // namespace orvanta

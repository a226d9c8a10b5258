#include "KitMigration.h"

#include "KitLoader.h"
#include "KitSettings.h"
#include "exchange/TextMigration.h"
#include "pictures/PictureSlots.h"
#include "texts/TextTable.h"

#include <QDir>

namespace orvanta {

Result<TextImport::Outcome> KitMigration::fromOlderKit(const QString &olderKitDirectory, const TextTable &texts,
                                                       const TextCodePages &codePages)
{
    const QDir folder(olderKitDirectory);
    if (!folder.exists())
        return FormatError::general(QDir::toNativeSeparators(olderKitDirectory).toStdString(), "no such folder");
    TextTable older;
    PictureSlots pictures;
    const auto problems = KitLoader::load(folder.absolutePath(), older, pictures);
    if (!problems.empty())
        return problems.front();
    // A source this kit's code page cannot hold stays as it was: it matches none.
    const CodePage olderSources = KitSettings(folder.absolutePath()).codePages(codePages.translation().number()).source();
    if (olderSources.number() != codePages.source().number()) {
        for (int row = 0; row < older.rowCount(); ++row) {
            if (const auto bytes = codePages.source().encode(olderSources.decode(older.row(row).source)))
                older.setSource(row, *bytes);
        }
    }
    return TextMigration::compute(older, texts);
}

} // namespace orvanta

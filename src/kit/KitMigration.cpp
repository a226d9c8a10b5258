#include "KitMigration.h"

#include "KitLoader.h"
#include "exchange/TextMigration.h"
#include "pictures/PictureSlots.h"
#include "texts/TextTable.h"

#include <QDir>

namespace orvanta {

Result<TextImport::Outcome> KitMigration::fromOlderKit(const QString &olderKitDirectory, const TextTable &texts)
{
    const QDir folder(olderKitDirectory);
    if (!folder.exists())
        return FormatError::general(QDir::toNativeSeparators(olderKitDirectory).toStdString(), "no such folder");
    TextTable older;
    PictureSlots pictures;
    const auto problems = KitLoader::load(folder.absolutePath(), older, pictures);
    if (!problems.empty())
        return problems.front();
    return TextMigration::compute(older, texts);
}

} // namespace orvanta

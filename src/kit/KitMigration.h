#pragma once

#include "core/Result.h"
#include "exchange/TextImport.h"

#include <QString>

namespace orvanta {

class TextTable;

// Taking the translations of an older kit folder (a former game version's
// kvmain.dat and lang.dat) for this kit's texts, the same for the window and
// kvtool: the older kit is loaded as the kit loads itself, then
// TextMigration decides. Nothing is applied here.
class KitMigration {
public:
    // An older kit that is missing, has no source texts (no kvmain.dat) or a
    // damaged archive is an error naming the file: nothing is carried.
    static Result<TextImport::Outcome> fromOlderKit(const QString &olderKitDirectory, const TextTable &texts);
};

} // namespace orvanta

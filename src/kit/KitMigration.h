#pragma once

#include "core/Result.h"
#include "exchange/TextImport.h"

#include <QString>

namespace orvanta {

class TextCodePages;
class TextTable;

// Taking the translations of an older kit folder (a former game version's
// kvmain.dat and lang.dat) for this kit's texts, the same for the window and
// kvtool: the older kit is loaded as the kit loads itself, then
// TextMigration decides. Nothing is applied here. The two kits' sources are
// compared in this kit's code page for sources: an older kit that names
// another (KitSettings) has its sources read in that one.
class KitMigration {
public:
    // An older kit that is missing, has no source texts (no kvmain.dat) or a
    // damaged archive is an error naming the file: nothing is carried.
    static Result<TextImport::Outcome> fromOlderKit(const QString &olderKitDirectory, const TextTable &texts,
                                                    const TextCodePages &codePages);
};

} // namespace orvanta

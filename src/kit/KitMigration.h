#pragma once

#include "core/Result.h"
#include "RememberedSources.h"
#include "exchange/TextMigration.h"
#include "pictures/PictureSlots.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace orvanta {

class ReviewMarks;
class TextCodePages;
class TextTable;

// Taking the work of an older kit folder (a former game version's
// kvmain.dat, lang.dat and the kit's own files beside them) for this kit,
// the same for the window and kvtool: the older kit is loaded as the kit
// loads itself, then TextMigration decides where each translation, mark and
// note goes. Nothing is applied here. The two kits' sources are compared
// in this kit's code page for sources: an older kit that names another
// (KitSettings) has its sources read in that one.
class KitMigration {
public:
    // What the older kit holds besides its texts.
    struct Older {
        TextMigration::Carried carried;
        PictureSlots pictures;
        // The fingerprints of the standard pictures its redrawn pictures
        // were drawn over, when it remembers them (RememberedSources).
        std::optional<std::array<quint64, RememberedSources::PictureCount>> standardPictures;
        QStringList words; // its dictionary
        std::optional<QFont> glyphFont;
        std::optional<int> codePage;
        std::optional<QString> spellLanguage;
        QStringList memories;
    };

    // An older kit that is missing, has no source texts (no kvmain.dat) or a
    // damaged archive or review file is an error naming the file: nothing
    // is carried. Its translations are carried to `texts`, whose marks are
    // `marks`.
    static Result<Older> fromOlderKit(const QString &olderKitDirectory, const TextTable &texts,
                                      const ReviewMarks &marks, const TextCodePages &codePages);
};

} // namespace orvanta

#pragma once

#include "core/Result.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace orvanta {

class CodePage;
class PictureSlots;
class TextTable;

// "Save data to lang.dat": the translator's work as the kit holds it, made
// into the game's new language file beside the kit.
class KitSave {
public:
    struct Work {
        TextTable &texts;
        QFont glyphFont;
        const CodePage &codePage;
        const PictureSlots &pictures;
    };

    // Puts the fixed records back to their source text, writes every piece
    // into a fresh output folder, packs them into "lang.dat" and removes the
    // folder. Returns the packed files in archive order. On failure the old
    // "lang.dat" is untouched and the error names the file.
    static Result<QStringList> save(const QString &applicationDirectory, const Work &work);

    // The pieces, in this order: "texts.dat", "fontsize.dat" and "font.spr",
    // then one picture file per accepted picture.
    static Status SavePieces(const Work &work, const QString &outputDirectory);

    static const QString SuccessText;
};

} // namespace orvanta

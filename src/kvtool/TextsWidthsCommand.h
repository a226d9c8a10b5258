#pragma once

#include <QStringList>

namespace orvanta {

// kvtool texts widths: how wide the game draws each text of a kit, the
// source in the standard glyphs and the translation in the glyphs the next
// save would write.
class TextsWidthsCommand {
public:
    static int run(const QStringList &args);
};

} // namespace orvanta

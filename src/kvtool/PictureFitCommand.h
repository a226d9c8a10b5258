#pragma once

#include <QStringList>

namespace orvanta {

// kvtool picture fit ROW IN OUT.bmp [--nearest]: a redrawn picture in any
// form an image editor saves (PNG, BMP of any depth or palette order) put
// back onto the game palette, written as "Save original picture" writes the
// standard pictures, so that the kit accepts it.
class PictureFitCommand {
public:
    static int run(const QStringList &args);
};

} // namespace orvanta

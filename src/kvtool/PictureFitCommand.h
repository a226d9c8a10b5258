#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace orvanta {

// kvtool picture fit ROW IN OUT.bmp [--nearest]: a redrawn picture in any
// form an image editor saves (PNG, BMP of any depth or palette order) put
// back onto the game palette, written as "Save original picture" writes the
// standard pictures, so that the kit accepts it.
class PictureFitCommand {
    // Its help in the system's language: one context for all of kvtool's help.
    Q_DECLARE_TR_FUNCTIONS(orvanta::KvTool)

public:
    static int run(const QStringList &args);
};

} // namespace orvanta

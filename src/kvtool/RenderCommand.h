#pragma once

#include <QStringList>

namespace orvanta {

// kvtool render: a text drawn from a pair of glyph files as the game draws
// it, to a PNG.
class RenderCommand {
public:
    static int run(const QStringList &args);
};

} // namespace orvanta

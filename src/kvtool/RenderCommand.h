#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace orvanta {

// kvtool render: a text drawn from a pair of glyph files as the game draws
// it, to a PNG.
class RenderCommand {
    // Its help in the system's language: one context for all of kvtool's help.
    Q_DECLARE_TR_FUNCTIONS(orvanta::KvTool)

public:
    static int run(const QStringList &args);
};

} // namespace orvanta

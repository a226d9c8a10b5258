#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace orvanta {

// kvtool texts widths: how wide the game draws each text of a kit, the
// source in the standard glyphs and the translation in the glyphs the next
// save would write.
class TextsWidthsCommand {
    // Its help in the system's language: one context for all of kvtool's help.
    Q_DECLARE_TR_FUNCTIONS(orvanta::KvTool)

public:
    static int run(const QStringList &args);
};

} // namespace orvanta

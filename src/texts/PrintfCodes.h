#pragma once

#include <QByteArrayView>
#include <QList>

namespace orvanta {

// The printf codes of the game's texts, the one grammar both the
// placeholder check and the PO writer's c-format flag read:
//
//   %%, or % [flags -+#0] [width: digits or *] [.precision: digits or *]
//          [h, l or ll] and one of d i u s x X c f
//
// A '%' that starts no code is a percent sign ("50% off"). A space is no
// flag: "100% complete" is a percent and a word, not the code "% c".
// Texts are bytes in an ASCII-based code page (or UTF-8): bytes past ASCII
// are never part of a code.
class PrintfCodes {
public:
    // The codes of `text` in their order, e.g. {"%-5d", "%%"}.
    static QList<QByteArrayView> of(QByteArrayView text);
    // Whether `text` is a C format string to gettext: every '%' starts a
    // code, at least one of them not %%. gettext reads more codes than the
    // kit ("% o"), and would refuse translations that lack one; a text
    // with a '%' that is no code is left unmarked.
    static bool isCFormat(QByteArrayView text);
};

} // namespace orvanta

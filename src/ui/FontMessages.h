#pragma once

#include "core/FormatError.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class QWidget;

namespace orvanta {

class CodePage;

// What the Font page tells the translator: a font too large for the glyph
// files, the glyph sheet's tooltips, the face that draws the glyphs, and
// the question before a code page that reads the translations otherwise.
// In the window's language; boxes are modal.
class FontMessages {
    Q_DECLARE_TR_FUNCTIONS(FontMessages)

public:
    // Before a change to code page `number` that reads translations as other
    // letters: row `rowNumber`'s `now` would read `then`. True to change.
    static bool askReadOtherwise(QWidget *parent, int number, int rowNumber, const QString &now, const QString &then);

    // A glyph font past the glyph files' limits: `refusal` is the capture's
    // refusal. The Font page shows fontTooLargeText beside the font; the
    // box says it once, when the translator chooses the font.
    static QString fontTooLargeText(const FormatError &refusal);
    static void fontTooLarge(QWidget *parent, const FormatError &refusal);
    // The tooltip of a glyph sheet cell: the code, its character in
    // `codePage`, the cell's width in pixels, and whether the font lacks
    // the glyph.
    static QString glyphCellTip(int code, const CodePage &codePage, int width, bool missing);

    // The line on the face that draws the glyph font `family`: `served`
    // when the system draws that name with another family, or its fallback
    // face `fallback` when it knows no font of that name; empty when the
    // face itself is installed.
    static QString drawingFace(const QString &family, const std::optional<QString> &served, const QString &fallback);
};

} // namespace orvanta

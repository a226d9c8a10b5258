#pragma once

#include <QColor>
#include <QPoint>
#include <QString>

#include <optional>

class QPainter;

namespace orvanta {

// The font's bounding box in whole pixels, relative to a character's origin
// (pen position on the baseline): left and bottom are usually negative or
// 0, top and right positive. The capture uses only their absolute values.
struct FontBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const FontBox &, const FontBox &) = default;
};

// What the glyph capture needs of a font machinery: the font's box or, for
// a raster font, its text metrics; text widths; and drawing text in one
// colour over whatever a surface already holds. Everything is in pixels.
class GlyphRasterizer {
public:
    struct TextMetrics {
        int height = 0;       // ascent + descent
        int maxCharWidth = 0; // widest character
    };

    virtual ~GlyphRasterizer() = default;

    // The bounding box from the font's outline metrics, or nothing for a
    // font that has none (a raster font).
    virtual std::optional<FontBox> outlineFontBox() const = 0;
    virtual TextMetrics textMetrics() const = 0;

    // Whether a capture keeps to the box this machinery reports, cutting
    // whatever is drawn past it, as captures with GDI always have, rather
    // than growing the box to the drawn ink: a box scaled from font units,
    // as Qt's is, does not hold what hinting draws.
    virtual bool keepsToItsBox() const { return false; }

    // Whether the font has a glyph of its own for `character`; for one it
    // lacks, drawing shows the font's missing-glyph picture (often a box).
    virtual bool hasGlyph(QChar character) const = 0;

    // The advance width of `text`; 0 for the empty string.
    virtual int textWidth(const QString &text) const = 0;

    // Draws `text` in `colour` with the top-left corner of its character
    // cell at `cellTopLeft`. Only the glyphs' own pixels (and underline or
    // strike-out lines when the font has them) change.
    virtual void drawText(QPainter &painter, QPoint cellTopLeft, const QString &text, const QColor &colour) const = 0;
};

} // namespace orvanta

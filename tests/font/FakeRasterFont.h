#pragma once

#include "font/GlyphRasterizer.h"

#include <QHash>
#include <QPainter>
#include <QRect>
#include <QSet>
#include <QStringList>

// A hand-made font for the glyph capture: every character is a block of ink
// at a place of its own in the character cell, with an advance of its own.
// Without a box it behaves as a raster font (no outline metrics). It
// records every text it is asked to draw. Characters in `missing` have no
// glyph of their own (they still draw `otherGlyph`, as a missing-glyph box).
class FakeRasterFont : public orvanta::GlyphRasterizer {
public:
    struct Glyph {
        QRect ink;       // relative to the character cell's top-left; empty: no ink
        int advance = 0;
    };

    std::optional<orvanta::FontBox> box;
    TextMetrics metrics{8, 6};
    Glyph otherGlyph{QRect(0, 1, 4, 6), 5}; // every character not in `glyphs`
    QHash<QChar, Glyph> glyphs;
    QSet<QChar> missing;
    mutable QStringList drawn;

    std::optional<orvanta::FontBox> outlineFontBox() const override { return box; }
    TextMetrics textMetrics() const override { return metrics; }
    bool hasGlyph(QChar character) const override { return !missing.contains(character); }

    int textWidth(const QString &text) const override
    {
        int width = 0;
        for (QChar c : text)
            width += glyph(c).advance;
        return width;
    }

    void drawText(QPainter &painter, QPoint cellTopLeft, const QString &text, const QColor &colour) const override
    {
        drawn.append(text);
        for (QChar c : text) {
            if (!glyph(c).ink.isEmpty())
                painter.fillRect(glyph(c).ink.translated(cellTopLeft), colour);
            cellTopLeft.rx() += glyph(c).advance;
        }
    }

private:
    const Glyph &glyph(QChar c) const
    {
        const auto it = glyphs.constFind(c);
        return it == glyphs.constEnd() ? otherGlyph : *it;
    }
};

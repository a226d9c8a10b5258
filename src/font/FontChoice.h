#pragma once

#include <QFont>
#include <QString>

#include <optional>

namespace orvanta {

// The GlyphFont: the font the translator chooses on the Font page and from
// which every save draws the game's 256 glyphs. These helpers describe it
// and turn it into the font the capture actually draws with.
class FontChoice {
public:
    // The font the kit starts with: 8 points, no style, face "Arial".
    static QFont defaultFont();

    // "FACE,SIZE," followed by "bold,", "italic,", "underline,",
    // "strikeout," for each style that is set, in that order.
    static QString DescribeGlyphFont(const QFont &font);
    // "Arial 8", "Arial 9 bold italic": the same in the translator's words,
    // for messages.
    static QString fontName(const QFont &font);

    // The font's height in pixels at 96 pixels per inch (points x 96 / 72,
    // to the nearest pixel), whatever the screen's own resolution, so a font
    // gives the same glyphs on every machine.
    static int pixelHeight(const QFont &font);

    // `font` as the capture draws it: pixel-sized (see pixelHeight), never
    // anti-aliased and always fully hinted, so that neither the screen nor a
    // desktop smoothing or hinting setting changes a single pixel.
    static QFont captureFont(const QFont &font);

    // The font dialog lists installed families only, and a name the font
    // configuration maps onto another face ("Arial" onto a metric-compatible
    // one) is not among them. These two keep the dialog on the face that
    // really draws the GlyphFont: the dialog opens on fontForDialog, and
    // chosenFont gives the dialog's answer back its old family name when the
    // user kept that face, so OK without a change changes nothing.
    static QFont fontForDialog(const QFont &glyphFont);
    static QFont chosenFont(const QFont &glyphFont, const QFont &selected);

    // The installed family that draws `font`, or nothing when the system has
    // no font of that name and would draw it with its general fallback face.
    // A name the font configuration maps onto a specific family (Arial onto
    // a metric-compatible face, say) counts as found.
    static std::optional<QString> servingFamily(const QFont &font);
};

} // namespace orvanta

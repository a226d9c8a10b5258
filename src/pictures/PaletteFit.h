#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>

#include <optional>

namespace orvanta {

// Puts a redrawn picture back onto the game's palette, whatever form an
// image editor saved it in: any image Qt reads (BMP of any depth or palette
// order, PNG, ...). The result is what the Pictures page accepts: the row's
// standard size, Format_Indexed8 with exactly the standard colour table (255
// entries), each pixel the index of its colour.
//
// In this order: the size must be the standard picture's (read from the
// file's header where the format gives it, before any pixel is decoded);
// no pixel may be transparent; then every pixel's colour (red, green, blue)
// must be one of the palette's. With Colours::Nearest a colour the palette
// lacks becomes the palette colour nearest to it in RGB space (the lower
// index on a tie), and the fitting says how many pixels changed and by how
// much at most.
//
// A BMP file must be whole and one the import knows, and gets the import's
// messages otherwise ("Bitmap image is not valid", "Stream read error"). A
// palette file with a pixel whose index lies past its colour table is
// damaged too: such a pixel has no colour, and the file is not read.
class PaletteFit {
public:
    static constexpr const char *Transparent =
        "Translated picture has transparent pixels! Give them a colour of the game palette and save it again.";
    static constexpr const char *Unreadable = "The picture cannot be read: %1.";
    static constexpr const char *IndexPastTable =
        "The picture cannot be read: the pixel at x %1, y %2 has colour number %3, past the end of its colour table.";
    // What the window offers for a file that fits without loss.
    // English; the window shows it translated (context "orvanta::PaletteFit").
    static constexpr const char *UseConvertedQuestion = QT_TRANSLATE_NOOP(
        "orvanta::PaletteFit",
        "All colours of this picture are in the game palette. Use it converted to the game palette?");

    // How many of the pixels outside the palette a fitting names.
    static constexpr int FirstForeignShown = 5;

    enum class Colours {
        Exact,   // every colour must be in the palette
        Nearest, // a colour the palette lacks becomes its nearest palette colour
    };

    enum class Outcome {
        Fitted,
        ColoursMissing, // Colours::Exact and some colours are not in the palette
        Refused,        // wrong size or transparent pixels
        LoadFailed,     // not a picture Qt can read
    };

    struct ForeignPixel {
        QPoint position; // x from the left, y from the top
        QRgb colour;     // opaque
    };

    struct Fitting {
        Outcome outcome = Outcome::LoadFailed;
        // Refused, LoadFailed: why. ColoursMissing: the "colors definition"
        // refusal, with foreignReport() as the detail. Empty when fitted.
        QString message;
        QImage picture;           // when fitted: Format_Indexed8, the standard colour table
        int coloursUsed = 0;      // when fitted: how many palette colours the picture uses
        qint64 foreignPixels = 0; // pixels whose colour the palette lacks (with Nearest: those changed)
        QList<ForeignPixel> firstForeign; // the first of them, row by row from the top
        double largestDistance = 0;       // with Nearest: RGB distance of the largest change

        // "N pixels have colours that are not in the game palette:" and a
        // line "x X, y Y: #RRGGBB" for each of firstForeign.
        QString foreignReport() const;
    };

    // `standard` is the row's standard picture (Format_Indexed8 with the
    // game's palette).
    static Fitting fitImage(const QImage &image, const QImage &standard, Colours colours = Colours::Exact);
    // The same for a file's bytes, in any format Qt reads; the format is
    // told by the content, not the name.
    static Fitting fitBytes(QByteArrayView file, const QImage &standard, Colours colours = Colours::Exact);
    // The file at `path`; "Cannot open file PATH" when it cannot be read.
    static Fitting fitFile(const QString &path, const QImage &standard, Colours colours = Colours::Exact);

};

} // namespace orvanta

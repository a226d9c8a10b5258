#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace orvanta {

// Loads a redrawn BMP for one catalogue row and tests it against the row's
// standard picture, in this order: size (width, then height), pixel format
// (the class the file's own header gives), palette. The first failing test
// refuses the picture with its message.
//
// The palette test: every entry of the standard colour table (255 entries)
// must stand at the same index of the candidate's table with the same red,
// green and blue; the flags byte does not count. A shorter table fails.
// Entries past the end of the standard table are not compared, because
// image editors commonly write 256 entries when they re-save a 255-entry
// picture; but a pixel that uses such an index lies outside the game's
// palette and fails the palette test too.
class TranslatedPictureCheck {
public:
    // The refusals, in English; the window shows them translated (context
    // "orvanta::TranslatedPictureCheck").
    static constexpr const char *SizesMismatch =
        QT_TRANSLATE_NOOP("orvanta::TranslatedPictureCheck", "Translated picture sizes mismatch!");
    static constexpr const char *ColorsMismatch =
        QT_TRANSLATE_NOOP("orvanta::TranslatedPictureCheck", "Translated picture colors definition mismatch!");
    static constexpr const char *PaletteDiffers =
        QT_TRANSLATE_NOOP("orvanta::TranslatedPictureCheck", "Translated picture palette differs from original!");

    enum class Outcome {
        Accepted,
        Refused,    // a test failed: the row's translated picture is cleared
        LoadFailed, // the file could not be loaded: the row stays as it was
    };

    // Which test refused a picture.
    enum class Refusal { None, Size, PixelFormat, Palette };

    struct Verdict {
        Outcome outcome = Outcome::LoadFailed;
        QString message; // the refusal or load error; empty when accepted
        QImage picture;  // when accepted: Format_Indexed8 with the standard colour table
        Refusal refusal = Refusal::None; // when refused
    };

    // Reads the file at `path`. Load errors: "Cannot open file PATH",
    // "Bitmap image is not valid", "Stream read error".
    static Verdict checkFile(const QString &path, const QImage &standard);

    // The same for a file's bytes. An empty file is an empty picture, and
    // so refused for its size.
    static Verdict check(QByteArrayView file, const QImage &standard, const QString &fileName = QString());
};

} // namespace orvanta

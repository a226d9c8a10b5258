#pragma once

#include "font/GlyphCache.h"
#include "packaging/KitSave.h"
#include "pictures/PictureSlots.h"
#include "texts/TextTable.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFont>
#include <QString>

#include <optional>

namespace orvanta {

// Options that several kvtool commands share: the code page, and the font
// of a glyph capture as the font dialog would choose it.
class CommonOptions {
public:
    static QCommandLineOption codePage(const QString &fallback);

    // The code page given, or 0 after reporting one the kit does not offer.
    static int chosenCodePage(const QCommandLineParser &parser, const QCommandLineOption &option);

    // The code page option of a command that works on a kit folder: without
    // it, the code page the kit remembers (KitSettings), else the locale's.
    static QCommandLineOption kitCodePage();

    struct Font;

    // The work of a kit folder, as a command on it starts from.
    struct Kit {
        QString dir;
        int codePage = 0;
        QFont glyphFont; // only when the command asked for a font
        TextTable texts;
        PictureSlots pictures;
    };

    // Opens the kit folder that the first positional argument names: the
    // font (when `font` is given) and the code page it remembers, unless
    // options say otherwise (remembered values are only read), then its
    // texts and pictures as the kit loads them at start-up. Returns 0, or
    // the exit code after reporting a wrong option, a missing folder or a
    // damaged archive, which a command must not build on (its next save
    // would lose what could not be read).
    static int openKit(const QCommandLineParser &parser, const QCommandLineOption &codePage, const Font *font,
                       Kit &kit);

    // Saves `work` into the kit folder `kitDir` as the save button does and
    // says so, or reports why it could not; returns the exit code. Where the
    // window would ask first (KitSave::check), a command refuses a save that
    // writes fewer text records than lang.dat holds unless
    // `allowFewerTexts`, and warns when the save replaces glyphs of another
    // font or code page.
    static int saveKit(const QString &kitDir, const KitSave::Work &work, bool allowFewerTexts);
    // The game's standard glyphs and those the kit's next save writes (its
    // glyph font in its code page), for the commands that measure texts.
    struct Glyphs {
        GlyphCache::Entry standard;
        GlyphCache::Entry saved;
    };

    // For a command that measures the texts of a kit folder in glyphs
    // (KITDIR, the font options and --codepage, described by
    // `description`): parses `args`, opens the kit as openKit does and
    // captures both glyph sets. Returns 0 with `kit` and `glyphs` set, or
    // the exit code after reporting wrong use, a kit that cannot be built on
    // or a font past the glyph files' limits.
    static int openKitWithGlyphs(const QStringList &args, const QString &description, Kit &kit,
                                 std::optional<Glyphs> &glyphs);

    // --allow-fewer-texts, for the commands that save.
    static QCommandLineOption allowFewerTexts();

    struct Font {
        QCommandLineOption family;
        QCommandLineOption size;
        QCommandLineOption bold;
        QCommandLineOption italic;
        QCommandLineOption underline;
        QCommandLineOption strikeout;

        // `defaultFamily` and `defaultSize` are shown in the help; empty
        // means the option is required.
        Font(const QString &defaultFamily, const QString &defaultSize);
        void addTo(QCommandLineParser &parser) const;

        // The font the options describe, or nothing after reporting a
        // missing or wrong option (`exitCode` becomes ToolOutput::Misused)
        // or a family that is not installed (ToolOutput::Failed).
        std::optional<QFont> read(const QCommandLineParser &parser, int &exitCode) const;

        // For a command on a kit folder (options made with empty defaults):
        // the font the kit remembers (else Arial 8), with the family and size
        // given replacing its own, and the style options, when any is given,
        // replacing its styles.
        std::optional<QFont> readForKit(const QCommandLineParser &parser, int &exitCode, const QString &kitDir) const;

    private:
        std::optional<QFont> withFamilyAndSize(const QCommandLineParser &parser, QFont font, int &exitCode) const;
    };

private:
    // As chosenCodePage, with the kit's fallbacks when the option is not
    // given.
    static int chosenKitCodePage(const QCommandLineParser &parser, const QCommandLineOption &option,
                                 const QString &kitDir);
};

} // namespace orvanta

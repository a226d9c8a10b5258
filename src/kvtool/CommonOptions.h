#pragma once

#include "ToolOutput.h"
#include "font/GlyphCache.h"
#include "kit/OpenKit.h"

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

    // A kit folder as a command works on it.
    struct KitFolder {
        OpenKit kit{QString()};
        // An archive was damaged: the command was warned and works on
        // what it still holds.
        bool damaged = false;
        // The exit code of a command that is done: Damaged instead of 0
        // after a damaged archive.
        int finish(int exitCode) const { return exitCode == 0 && damaged ? ToolOutput::Damaged : exitCode; }
    };

    // The options of the commands that save the kit.
    struct SaveOptions {
        // Save even when lang.dat holds more text records than the kit has
        // source texts.
        QCommandLineOption allowFewerTexts;
        // Save even while the kit is open in a window.
        QCommandLineOption whileOpen;
        // Replace lang.dat even when it is read-only.
        QCommandLineOption force;

        SaveOptions();
        void addTo(QCommandLineParser &parser) const;
    };

    // Opens the kit folder that the first positional argument names: the
    // font (when `font` is given) and the code page it remembers, unless
    // options say otherwise (remembered values are only read), then its
    // texts and pictures as the kit loads them at start-up, with a warning
    // for each damaged archive. A command that saves (`saving` given) first
    // refuses while the kit is open in a window (unless --while-open) and
    // takes the kit's save lock, so that what it reads is what its save
    // replaces. Returns 0, or the exit code after reporting a wrong option,
    // a missing folder, a kit without source texts, a window or a save
    // lock in the way.
    static int openKit(const QCommandLineParser &parser, const QCommandLineOption &codePage, const Font *font,
                       KitFolder &folder, const SaveOptions *saving = nullptr);

    // Saves the kit opened with `saving` as the save button does and says
    // so, or reports why it could not; returns the exit code. Where the
    // window would ask, a command refuses a save that writes fewer text
    // records than lang.dat holds unless --allow-fewer-texts, and warns
    // when the save replaces glyphs of another font or code page; a
    // read-only lang.dat is replaced only with --force.
    static int saveKit(KitFolder &folder, const QCommandLineParser &parser, const SaveOptions &saving);
    // The game's standard glyphs and those the kit's next save writes (its
    // glyph font in its code page), for the commands that measure texts.
    struct Glyphs {
        GlyphCache::Entry standard;
        GlyphCache::Entry saved;
    };

    // For a command that measures the texts of a kit folder in glyphs
    // (KITDIR, the font options and --codepage, described by
    // `description`, besides any options of its own already in `parser`):
    // parses `args`, opens the kit as openKit does and captures both glyph
    // sets. Returns 0 with `kit` and `glyphs` set, or the exit code after
    // reporting wrong use, a kit that cannot be built on or a font past the
    // glyph files' limits.
    static int openKitWithGlyphs(QCommandLineParser &parser, const QStringList &args, const QString &description,
                                 KitFolder &folder, std::optional<Glyphs> &glyphs);

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

#pragma once

#include <QCoreApplication>
#include "CommonOptions.h"
#include "ToolOutput.h"
#include "font/GlyphCache.h"
#include "kit/OpenKit.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

namespace orvanta {

// A kit folder as a kvtool command works on it: the OpenKit, opened and
// saved with the command's options as the answers and what it finds said on
// standard error. The kit decides; this only answers and tells.
class KitFolder {
    // Its help in the system's language: one context for all of kvtool's help.
    Q_DECLARE_TR_FUNCTIONS(orvanta::KvTool)

public:
    OpenKit kit{QString()};

    // The exit code of a command that is done: Damaged instead of 0 after a
    // damaged archive (the command was warned and works on what it still
    // holds).
    int finish(int exitCode) const { return exitCode == 0 && m_damaged ? ToolOutput::Damaged : exitCode; }

    // Opens the kit folder that the first positional argument names
    // (OpenKit::open): with the font (when `font` is given) and the code
    // page it remembers, unless options say otherwise (remembered values
    // are only read), with a warning for each damaged archive and each
    // setting ignored. A command that saves (`saving` given) first refuses
    // while the kit is open in a window (unless --while-open) and takes the
    // kit's save lock, so that what it reads is what its save replaces.
    // Returns 0, or the exit code after reporting a wrong option, a missing
    // folder, a kit without source texts, a window or a save lock in the way.
    // A kit whose "kvmain.dat" holds other sources than its translations
    // were saved against is said, and a command that saves is refused
    // (naming texts migrate) unless --as-it-is, or unless it is the one
    // that carries them over (`carryOver`).
    int open(const QCommandLineParser &parser, const QCommandLineOption &codePage, const CommonOptions::Font *font,
             const CommonOptions::SaveOptions *saving = nullptr, bool carryOver = false);

    // Saves the kit opened with `saving` as the save button does and says
    // so, or reports why it could not; returns the exit code. Where the
    // window would ask, a command refuses a save that writes fewer text
    // records than lang.dat holds unless --allow-fewer-texts, and warns
    // when the save replaces glyphs of another font or code page; a
    // read-only lang.dat is replaced only with --force.
    int save(const QCommandLineParser &parser, const CommonOptions::SaveOptions &saving);

    // The game's standard glyphs and those the kit's next save writes (its
    // glyph font in its code page), for the commands that measure texts.
    struct Glyphs {
        GlyphCache::Entry standard;
        GlyphCache::Entry saved;
    };

    // For a command that measures the texts of a kit folder in glyphs
    // (KITDIR, the font options and --codepage, described by
    // `description`, besides any options of its own already in `parser`):
    // parses `args`, opens the kit as open() does and captures both glyph
    // sets. Returns 0 with `glyphs` set, or the exit code after reporting
    // wrong use, a kit that cannot be built on or a font past the glyph
    // files' limits.
    int openWithGlyphs(QCommandLineParser &parser, const QStringList &args, const QString &description,
                       std::optional<Glyphs> &glyphs);

private:
    bool m_damaged = false;
};

} // namespace orvanta

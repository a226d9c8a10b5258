#pragma once

#include "KitCompiler.h"
#include "core/Result.h"
#include "font/GlyphCache.h"

#include <QCoreApplication>
#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace orvanta {

class CodePage;
class PictureSlots;
class TextTable;

// "Save data to lang.dat": the translator's work as the kit holds it, made
// into the game's new language file beside the kit. The window and kvtool
// both save through here, by way of OpenKit::save.
//
// A save holds the kit's save lock (SaveLock, taken by OpenKit) from start
// to end, so two saves of one kit (two windows, a window and kvtool) never
// share the output folder; OpenKit also makes sure it builds on the
// "lang.dat" it replaces. Under the lock it first finishes a save that was
// killed after its journal stood (KitCompiler::finishInterrupted), then
// removes what a save killed earlier left behind (the "NAME.XXXXXXXX.new"
// files it was writing). It refuses, with nothing written:
// - without source texts (kvmain.dat missing, damaged or empty), which
//   would save a TEXTS.DAT without records over every translation
//   (noSourceTextsText);
// - when it would write fewer text records than the current "lang.dat"
//   holds, unless allowFewerTexts (fewerTextsText).
// The "lang.dat" it replaces stays as "lang.dat.bak" (KitCompiler).
//
// Before a save, check() tells what a translator should be asked about:
// losing text records, and glyphs of another font or code page in
// "lang.dat" that the save would replace. A window asks, then saves with
// allowFewerTexts set if the translator agreed; kvtool refuses fewer texts
// unless told otherwise, and warns about the glyphs (OpenKit asks them).
//
// The work is only read: the fixed records are written as their source text
// (TextTable::translationFile), whatever their translation cells hold.
class KitSave {
    // The texts the translator reads, in the language of the installed
    // translations: the window's; kvtool installs none for them.
    Q_DECLARE_TR_FUNCTIONS(KitSave)

public:
    struct Work {
        const TextTable &texts;
        QFont glyphFont;
        const CodePage &codePage;
        const PictureSlots &pictures;
        // glyphFont captured in codePage, when the caller holds the capture
        // already; without it the check and the save capture it themselves.
        GlyphCache::Entry glyphs = nullptr;
    };

    // What a save of some work would replace, against the "lang.dat" in the
    // kit folder as it is now.
    struct Check {
        qint64 textsNow = 0;     // whole text records in its TEXTS.DAT; 0 without lang.dat or TEXTS.DAT
        qint64 textsWritten = 0; // records the save writes: one per source text
        // "lang.dat" holds FONT.SPR or FONTSIZE.DAT, and they are not byte
        // for byte what the save writes.
        bool glyphsReplaced = false;
        std::optional<int> cellHeightNow; // of the glyphs in lang.dat, when FONT.SPR tells it
        int cellHeightWritten = 0;        // of the glyphs the save writes
        QString glyphsWritten;            // "Arial 8, code page 1252"

        // The save needs the translator's yes (write()'s allowFewerTexts).
        bool fewerTexts() const { return textsWritten < textsNow; }
    };

    // Captures the work's font (as the save will) and compares with
    // "lang.dat"; reads, never writes. Fails only when the font cannot be
    // captured, which the save would refuse too. Nothing is locked: a save
    // judges "lang.dat" again, under its lock.
    static Result<Check> check(const QString &applicationDirectory, const Work &work);
    // Whole text records in the TEXTS.DAT of the kit folder's "lang.dat"
    // (0 without one).
    static qint64 textRecordsNow(const QString &applicationDirectory);

    // For a caller that holds the save lock: removes the leftovers of killed
    // saves, writes every piece into a fresh output folder, packs them into
    // "lang.dat" and removes the folder. Returns the packed files in archive
    // order. On failure or refusal the old "lang.dat" is untouched and the
    // error says why (for a file, naming it and the system's reason).
    // The `companions` (the review file) change in the same step as
    // "lang.dat" (KitCompiler).
    static Result<QStringList> write(const QString &applicationDirectory, const Work &work, bool allowFewerTexts,
                                     const std::vector<KitCompiler::Companion> &companions = {});

    // Finishes a save killed after its journal, then removes the files
    // killed saves left in the kit folder ("lang.dat.XXXXXXXX.new",
    // "lang.dat.bak.XXXXXXXX.new", the same of "orvanta-kit.review", its
    // backup and the journal); only while the save lock is held, when no
    // save can be writing them. Fails when the killed save cannot be
    // finished: nothing may be saved over it then.
    static Status removeLeftovers(const QString &applicationDirectory);

    // The pieces, in this order: "texts.dat", "fontsize.dat" and "font.spr",
    // then one picture file per accepted picture.
    static Status SavePieces(const Work &work, const QString &outputDirectory);

    // These two are English, for kvtool; the window shows them translated
    // (Messages::translated, context "KitSave").
    static const QString SuccessText;
    // "lang.dat is read-only: ...", before a save that would replace it.
    static const QString ReadOnlyText;
    // "kvmain.dat holds no texts: saving would remove the N translations in lang.dat."
    static QString noSourceTextsText(qint64 translations);
    // "lang.dat holds N text records, but this save writes only M: ..."
    static QString fewerTextsText(qint64 now, qint64 written);
    // One line naming the glyphs "lang.dat" holds and what replaces them,
    // for a check whose glyphsReplaced is set.
    static QString glyphsReplacedText(const Check &check);
};

} // namespace orvanta

#pragma once

#include "KitSave.h"
#include "KitSettings.h"
#include "SaveLock.h"
#include "core/FormatError.h"
#include "core/Result.h"
#include "exchange/TextExchange.h"
#include "exchange/TextImport.h"
#include "font/GlyphCache.h"
#include "font/WiderAllowance.h"
#include "io/FileStamp.h"
#include "pictures/PaletteFit.h"
#include "pictures/PictureSlots.h"
#include "pictures/TranslatedPictureCheck.h"
#include "texts/CodePage.h"
#include "texts/TextCodePages.h"
#include "texts/ReviewMarks.h"
#include "texts/TextChecker.h"
#include "texts/TextTable.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace orvanta {

// What a save needs a person answered, asked by whichever front end saves:
// the window with message boxes, kvtool from its options. Every question
// comes while the save holds the kit's save lock.
class SaveQuestions {
public:
    enum class ChangedOnDisk {
        Reload,    // read the kit's work from disk again; the unsaved work is lost, nothing is written
        Overwrite, // save over what is on disk now
        Cancel,    // write nothing, keep the work
    };

    virtual ~SaveQuestions() = default;

    // Another save of the kit holds its lock (`holder` says who); this one
    // waits a few seconds for it. Only told, never asked.
    virtual void waiting(const QString &holder) { Q_UNUSED(holder); }
    // A stale save lock was taken over (`notice` names it and whom it
    // named). Only told, never asked.
    virtual void tookOverLock(const QString &notice) { Q_UNUSED(notice); }
    // "lang.dat" is not the one the kit read or last saved: someone else
    // saved it meanwhile (kvtool, another window, a copy).
    virtual ChangedOnDisk changedOnDisk() = 0;
    // The save replaces glyphs of another font or code page (check.glyphsReplaced).
    virtual bool replaceGlyphs(const KitSave::Check &check) = 0;
    // The save writes fewer text records than "lang.dat" holds (check.fewerTexts()).
    virtual bool saveFewerTexts(const KitSave::Check &check) = 0;
    // "lang.dat" is read-only: someone locked it, and the save would replace
    // it anyway (the new one read-only too). A front end that cannot ask
    // keeps it.
    virtual bool replaceReadOnly() { return false; }
};

// What taking a redrawn picture needs a person told or asked: the window
// shows message boxes, kvtool prints and answers from its options.
class PictureQuestions {
public:
    virtual ~PictureQuestions() = default;
    // The picture is refused (the "Attantion" message), with `detail` below
    // it when there is more to say; `clearsAccepted`: the row had a
    // translated picture, which the refusal clears.
    virtual void refused(const QString &refusal, const QString &detail, bool clearsAccepted) = 0;
    // The file could not be loaded; the row stays as it was.
    virtual void loadFailed(const QString &message) = 0;
    // Every colour of the picture is in the game palette: take it converted
    // to the palette?
    virtual bool useConverted() = 0;
    // Some colours are not in the game palette (`fitting` names them): take
    // the picture with each of them changed to its nearest palette colour
    // (`fitting.picture`)?
    virtual bool useNearest(const PaletteFit::Fitting &fitting) = 0;
};

class ImportQuestions;
class RememberedSources;
class SpellingDictionary;

// A kit folder open for work, the same for the window and kvtool: its texts,
// translated pictures, glyph font and code page, read as the kit reads them
// at start-up, the translator's review marks (ReviewMarks, kept in the
// folder beside "lang.dat", never in it), and every workflow on them:
// opening (what damage the work goes on with), import and migration,
// export, the checks, a picture's decision and the save. It decides; the
// front ends only answer its questions (SaveQuestions, ImportQuestions,
// PictureQuestions) and show the outcome. KitDocument wraps it with the
// undo history; kvtool uses it as it is.
//
// A save never builds on a "lang.dat" it has not seen: under the save lock
// it compares "lang.dat" with the one it read or last wrote (FileStamp) and,
// when another save came between, asks (SaveQuestions::changedOnDisk). A
// command that reads and saves at once (kvtool) takes the lock before it
// reads (holdSaveLock), so nothing can come between.
class OpenKit {
public:
    // How a front end opens the kit (open()).
    struct Opening {
        // The work is saved at once (kvtool): the kit is refused while a
        // window holds it (KitOpenLock) unless `whileOpen`, the save lock is
        // held from before the kit is read (holdSaveLock, telling `waiting`
        // who holds it meanwhile and `tookOver` which stale lock it took),
        // and damage a save would spread refuses it.
        bool toSave = false;
        bool whileOpen = false;
        std::function<void(const QString &holder)> waiting;
        std::function<void(const QString &notice)> tookOver;
        // Save by row though "kvmain.dat"'s sources are not those the
        // translations were saved against (Opened::shifted); without it a
        // kit opened to save is refused then (Kind::SourcesShifted).
        bool asItIs = false;
    };
    // How "kvmain.dat"'s sources differ from those the translations in
    // "lang.dat" were saved against (RememberedSources), counted in rows.
    struct Shift {
        int moved = 0;   // their source stands in another row now
        int changed = 0; // reworded a little
        int came = 0;    // new sources
        int went = 0;    // sources that are gone
    };
    // "kvmain.dat's source texts are not those ...: N rows moved, ..."
    static QString shiftText(const Shift &shift);

    // What an open found, and what the kit decided about it.
    struct Opened {
        // The damage the work goes on with: the archives' (an entry cut
        // short is read as far as it goes), then the review file's (kept
        // aside: the kit goes on without marks). Empty after a refusal that
        // comes before the kit is read or judged.
        std::vector<FormatError> problems;
        // Why no work can be done on the kit: it is open in a window
        // (OpenInWindow) or another save holds its lock (Held), both before
        // anything is read; for a save, an archive that lost entries (whose
        // data a save would drop); or it has no source texts
        // (NoSourceTexts), told after the problems.
        std::optional<FormatError> refusal;
        // "kvmain.dat" holds other sources than the translations were saved
        // against: carryOver() carries them to where their sources stand.
        std::optional<Shift> shifted;
        // What is told but is no damage: remembered sources kept aside, a
        // "lang.dat" whose text count differs from "kvmain.dat"'s.
        std::vector<FormatError> notices;
        bool damaged() const { return !problems.empty(); }
    };

    struct Saved {
        enum class Outcome {
            Saved,    // "lang.dat" written: `files` were packed
            Declined, // a question was answered no: nothing written
            Reloaded, // the work was read from disk again: nothing written
        };
        Outcome outcome = Outcome::Saved;
        QStringList files;
        std::vector<FormatError> problems; // after Reloaded: what load() found
    };

    // `directory` is the kit folder. The kit starts empty, with the default
    // glyph font, the locale's code page for the translations and the
    // game's default for the sources.
    explicit OpenKit(const QString &directory);

    const QString &directory() const { return m_directory; }

    // Reads the texts and the translated pictures from "lang.dat" and
    // "kvmain.dat" (KitLoader), remembers which "lang.dat" it read, and
    // reads the review marks. A save killed after its journal stood is
    // finished first, under the save lock, so that "lang.dat" and the review
    // file are read as one pair (KitCompiler). When it cannot be finished
    // (another save holds the lock), the pair is still read as one: the
    // review file from where that save left it when its "lang.dat" is in
    // place, and the problem says so. Returns what KitLoader found
    // damaged, and a killed save that could not be finished (the archives'
    // problems only: see marksProblem()).
    std::vector<FormatError> load();
    // The kit opened as a front end works on it: load(), with the rules of
    // `opening` and the damage judged (Opened). The glyph font and code
    // page are those set before (useRemembered and the front end's own).
    Opened open(const Opening &opening);
    Opened open() { return open(Opening()); }
    // Takes the glyph font, the code pages and the width allowance the kit
    // folder remembers (KitSettings), each where it is stored and usable.
    void useRemembered(const KitSettings &settings);
    // The review file could not be read at the last load: it was kept aside
    // (ReviewMarks::keepAside), never written over, and the problem says
    // where it went; the kit goes on without marks. Nothing when it was read.
    const std::optional<FormatError> &marksProblem() const { return m_marksProblem; }

    const TextTable &texts() const { return m_texts; }
    TextTable &texts() { return m_texts; }
    const ReviewMarks &marks() const { return m_marks; }
    ReviewMarks &marks() { return m_marks; }
    const PictureSlots &pictures() const { return m_pictures; }
    PictureSlots &pictures() { return m_pictures; }
    const QFont &glyphFont() const { return m_glyphFont; }
    void setGlyphFont(const QFont &font) { m_glyphFont = font; }
    // The translations' code page, the translator's choice.
    const CodePage &codePage() const { return m_codePages.translation(); }
    void setCodePage(int number) { m_codePages = m_codePages.withTranslation(number); }
    // The code pages of sources and translations (TextCodePages).
    const TextCodePages &codePages() const { return m_codePages; }
    // How much wider than its original the `wider` check lets a
    // translation be drawn.
    const WiderAllowance &widerAllowance() const { return m_widerAllowance; }
    void setWiderAllowance(const WiderAllowance &allowance) { m_widerAllowance = allowance; }

    // The glyphs the next save writes (the glyph font in the code page) and
    // the game's standard glyphs (in the sources' code page), each captured
    // on first use and kept. A
    // font past the glyph files' limits gives its refusal. Capturing draws
    // text: ask on the GUI thread.
    Result<GlyphCache::Entry> savedGlyphs() { return m_glyphCache.glyphs(m_glyphFont, codePage().number()); }
    Result<GlyphCache::Entry> standardGlyphs() { return m_glyphCache.standard(m_codePages.source().number()); }

    // An import into the translations, computed against the kit's texts
    // (TextImport), not applied: of the entries of a translators' file (CSV,
    // PO or XLIFF, TextExchange::read), or of an older kit's translations
    // (KitMigration).
    struct Import {
        TextImport::Outcome outcome;
        QStringList report; // ImportReport::lines, for the translator
        int codePage = 0;   // the file's texts were read in it; applying the import makes it the kit's
        // Nothing was refused, or the translator chose to take the rest.
        bool taken = true;
        // A migration's, besides the texts and marks:
        // the redrawn pictures by catalogue row (a null image clears the row),
        std::vector<std::pair<int, QImage>> pictures;
        // those drawn over a standard picture that changed since, to keep
        // aside as these BMP files in the kit folder,
        std::vector<std::pair<QString, QImage>> picturesAside;
        // the words of the older kit's dictionary that this kit's lacks,
        QStringList words;
        // and the older kit's settings that this kit has none of yet
        // (the code page goes in `codePage`).
        std::optional<QFont> glyphFont;
        std::optional<int> codePageSetting; // `codePage`, when this kit remembers none
        std::optional<QString> spellLanguage;
        QStringList memories;

        bool changesNothing() const
        {
            return outcome.changes.isEmpty() && outcome.marks.isEmpty() && pictures.empty() && words.isEmpty()
                && !glyphFont && !codePageSetting && !spellLanguage && memories.isEmpty();
        }
    };
    // Reads the translators' file at `path` and computes its import. When
    // the file's header names another code page than the kit's, `questions`
    // says which one the texts are read in; when translations are refused,
    // whether the rest is taken. Nothing when the import was called off, or
    // the error of a file that cannot be read.
    Result<std::optional<Import>> importFile(const QString &path, ImportQuestions &questions) const;
    // The translations of the older kit in `folder` carried over to this
    // kit's texts (KitMigration) with their marks, notes and redrawn
    // pictures, the older kit's dictionary and the settings this kit lacks,
    // asked about as importFile asks.
    Result<Import> importOlderKit(const QString &folder, ImportQuestions &questions) const;
    // When the last load found "kvmain.dat" holding other sources than the
    // translations were saved against (Opened::shifted): every translation,
    // mark and note carried from the row it was saved in to the rows where
    // its source stands now, as importOlderKit carries an older kit's, and
    // a redrawn picture whose standard picture changed kept aside.
    const std::optional<Import> &carryOver() const { return m_carryOver; }
    // kvtool applies an import at once (translations, marks, code page,
    // pictures, font, and keepMigrated()); the window as one undo step.
    Status apply(const Import &import);
    // What a migration brings that lies outside the work, written at once:
    // the pictures kept aside, the dictionary words, and the settings into
    // `settings` (the kit folder's).
    Status keepMigrated(const Import &import, KitSettings &settings) const;

    // A translators' file of the kit's texts in `format` (TextExchange),
    // for the translation's `language` (may be empty), named `fileName`
    // (TextFormat::Writer); XLIFF carries each source's width in the
    // game's glyphs.
    Result<QByteArray> exportTexts(TextFormat::Id format, const QString &language, const QString &fileName);

    // The checks of the translations as the Texts page and kvtool texts
    // check run them, in the kit's code pages: the width check (with the
    // kit's width allowance) when both glyph sets are given, the spelling
    // when `spelling` is.
    TextChecker checker(GlyphCache::Entry standard, GlyphCache::Entry saved,
                        std::shared_ptr<const SpellingDictionary> spelling) const;

    // What the file at `path` makes of catalogue row `row`, as "Choose
    // translated picture" decides it: the size, format and palette tests
    // (TranslatedPictureCheck); a picture they pass is taken. Any other of
    // the standard size, whatever Qt reads it as (a 24-bit BMP, a BMP with
    // another palette, a PNG), is first offered converted to the game
    // palette (useConverted), or, when some of its colours are not in the
    // palette, with each changed to its nearest palette colour
    // (useNearest); declined, the row stays as it was. Only a picture that
    // cannot be converted (another size, transparent pixels) is refused,
    // with the test's message, and clears the row. Returns the picture to
    // take (empty when refused), or nothing when the row stays as it was
    // (the file could not be loaded, or the offer was declined). Does not
    // change the kit.
    std::optional<QImage> decidePicture(int row, const QString &path, PictureQuestions &questions) const;
    // The tests decidePicture begins with, alone: the file at `path` against
    // the standard picture of catalogue row `row` (kvtool picture check).
    TranslatedPictureCheck::Verdict checkPicture(int row, const QString &path) const;

    // Takes the save lock until the kit is closed, for a command that reads
    // the kit and saves it at once; call it before load(). `waiting` and
    // `tookOver` as in SaveLock::lock.
    Status holdSaveLock(std::chrono::milliseconds wait = DefaultLockWait,
                        const std::function<void(const QString &)> &waiting = {},
                        const std::function<void(const QString &)> &tookOver = {});

    // What a save now would replace in "lang.dat" (KitSave::check).
    Result<KitSave::Check> checkSave();

    // Saves the work into "lang.dat" (KitSave) as the save button does,
    // under the save lock, asking `questions` what the save needs answered.
    // The review marks go into their own file in the same step as
    // "lang.dat" (KitCompiler's journal): a save that fails or is killed
    // leaves both as they were, or both new. The replaced review file is
    // kept as "orvanta-kit.review.bak" beside "lang.dat.bak", so an
    // Overwrite of another save keeps that save's marks too. The work itself
    // is not changed (the fixed records are reset only in what is written),
    // unless the answer is to reload it.
    Result<Saved> save(SaveQuestions &questions, std::chrono::milliseconds lockWait = DefaultLockWait);

    static constexpr std::chrono::milliseconds DefaultLockWait = std::chrono::seconds(5);

private:
    // An import computed in `codePage`, with its report, taken unless
    // something was refused and `questions` says no.
    static Import decided(TextImport::Outcome outcome, int codePage, ImportQuestions &questions);
    KitSave::Work work();
    // The review file as the save writes it with "lang.dat", or none.
    std::vector<KitCompiler::Companion> marksFile() const;
    Status finishInterruptedSave();
    // After loading: compares the sources with those remembered beside
    // "lang.dat" (m_carryOver, m_shift), or without that file the text
    // counts (m_sourcesProblem). `langDat`: the stamp of the lang.dat read,
    // none when it changed while it was read.
    void compareSources(const FileStamp &langDat);
    // m_carryOver and m_shift from `saved`, the texts as saved against the
    // `remembered` sources.
    void carryFromSaved(const TextTable &saved, const RememberedSources &remembered);
    // Puts catalogue row `row`'s redrawn `picture` aside in `import`, with
    // its line of the report.
    void keepPictureAside(Import &import, int row, const QImage &picture) const;

    QString m_directory;
    TextTable m_texts;
    ReviewMarks m_marks;
    PictureSlots m_pictures;
    QFont m_glyphFont;
    TextCodePages m_codePages;
    WiderAllowance m_widerAllowance;
    GlyphCache m_glyphCache;
    FileStamp m_langDat; // the "lang.dat" read or last written
    FileStamp m_kvmain;  // the "kvmain.dat" the texts were loaded from; none when it changed while read
    std::optional<FormatError> m_marksProblem;
    bool m_marksUnwritable = false; // the review file is damaged and could not be kept aside
    std::unique_ptr<SaveLock> m_heldLock;
    std::optional<Shift> m_shift;
    std::optional<Import> m_carryOver;
    std::vector<FormatError> m_sourceNotices; // Opened::notices
};

// What an import needs a person answered, asked by whichever front end
// imports: the window with message boxes, kvtool from its options.
class ImportQuestions {
public:
    enum class FileCodePage {
        File,   // read the texts in the code page the file names, which the kit then takes
        Kit,    // read them in the kit's
        Cancel, // import nothing
    };

    virtual ~ImportQuestions() = default;
    // The header of the file at `path` names code page `named`, one the
    // kit offers, not the kit's `kit`.
    virtual FileCodePage fileCodePage(const QString &path, int named, int kit) = 0;
    // It names code page `named`, which the kit does not offer: read the
    // texts in the kit's (true), or import nothing (false)?
    virtual bool unofferedCodePage(const QString &path, int named) = 0;
    // Some translations are refused (import.report says which): take the
    // others?
    virtual bool takeTheRest(const OpenKit::Import &import) = 0;
};

} // namespace orvanta

#pragma once

#include "core/FormatError.h"
#include "core/Result.h"
#include "font/GlyphCache.h"
#include "kit/OpenKit.h"
#include "pictures/PictureSlots.h"
#include "texts/CodePage.h"
#include "texts/TextChange.h"
#include "texts/TextTable.h"

#include <QFont>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>

#include <optional>
#include <vector>

namespace orvanta {

class KitSettings;

// The kit folder open for the translator's work (an OpenKit: the text
// table, the review marks, the nine picture slots, the glyph font and the
// code page), with the
// history of every change. Views read it and change it only through its change methods, each
// of which pushes one undo step; the signals tell the views (and whoever
// remembers settings) what changed, whether by a change, an undo or a redo.
//
// "Unsaved work" is the history's clean state: undoing back to the last save
// leaves nothing unsaved. Texts are bytes in the code page; the code page
// only says how they are shown.
class KitDocument : public QObject {
    Q_OBJECT

public:
    // `kitDirectory` is the kit folder. The document starts empty, with the
    // default glyph font and the locale's code page.
    explicit KitDocument(const QString &kitDirectory, QObject *parent = nullptr);
    ~KitDocument() override;

    const QString &directory() const { return m_kit.directory(); }
    // The kit the document holds, for what reads it (an import's or a
    // picture's decision); it changes only through the document.
    const OpenKit &kit() const { return m_kit; }

    // Reads the texts and the translated pictures from "lang.dat" and
    // "kvmain.dat" and forgets the history; call it before views attach.
    // Returns what was found damaged (the archives, the review file); a
    // missing archive is no problem.
    std::vector<FormatError> load();
    // What the last load told that is no damage (OpenKit::Opened::notices),
    // and how kvmain.dat's sources differ from those the translations were
    // saved against, when they do (the kit's carryOver() then carries them).
    const std::vector<FormatError> &notices() const { return m_opened.notices; }
    const std::optional<OpenKit::Shift> &shifted() const { return m_opened.shifted; }
    // Takes the glyph font and the code page the translator chose last time,
    // where `settings` remembers them; not a change of its own.
    void restore(const KitSettings &settings);

    const TextTable &texts() const { return m_kit.texts(); }
    // Record `row`'s text in `column`: TextTable::Source or Translation.
    QByteArray text(int row, TextTable::Column column) const;
    // The translator's review marks and notes (kept in their own file of the
    // kit folder, saved with the texts).
    const ReviewMarks &marks() const { return m_kit.marks(); }
    const PictureSlots &pictures() const { return m_kit.pictures(); }
    const QFont &glyphFont() const { return m_kit.glyphFont(); }
    // The translations' code page, the translator's choice, and the code
    // pages of both texts (TextCodePages).
    const CodePage &codePage() const { return m_kit.codePage(); }
    const TextCodePages &codePages() const { return m_kit.codePages(); }
    // How much wider than its original the `wider` check lets a
    // translation be drawn: the translator's setting, no step of the
    // history.
    const WiderAllowance &widerAllowance() const { return m_kit.widerAllowance(); }
    void setWiderAllowance(const WiderAllowance &allowance);

    // The glyphs the next save writes (the glyph font in the code page) and
    // the game's standard glyphs (Arial 8 in the sources' code page), each captured on
    // first use and kept, so drawing or measuring a text costs no capture. A
    // font past the glyph files' limits gives its refusal. Capturing draws
    // text: ask on the GUI thread.
    Result<GlyphCache::Entry> savedGlyphs() { return m_kit.savedGlyphs(); }
    Result<GlyphCache::Entry> standardGlyphs() { return m_kit.standardGlyphs(); }

    // The kit's texts for the translators' tools (OpenKit::exportTexts).
    Result<QByteArray> exportTexts(TextFormat::Id format, const QString &language, const QString &fileName)
    {
        return m_kit.exportTexts(format, language, fileName);
    }

    QUndoStack *undoStack() { return &m_undoStack; }
    bool hasUnsavedWork() const { return !m_undoStack.isClean(); }

    // The changes. Each is one undo step, and none when nothing changes.
    //
    // A text of one record. Edits that carry the same non-zero `editing`
    // number (the keystrokes of one editing of one cell) make one step
    // together, and typing back the text the editing began with leaves none.
    void editText(int row, TextTable::Column column, const QByteArray &text, int editing = 0);
    // Many translations at once (an import), with the review marks it
    // brings, described for the history.
    void applyTranslations(const QList<TextChange> &changes, const QString &description,
                           const QList<ReviewMarks::Change> &marks = {});
    // An import (OpenKit::Import) as one undo step: its translations and
    // marks, the code page its texts were read in when that is not the
    // kit's, and a migration's font and redrawn pictures.
    void applyImport(const OpenKit::Import &import, const QString &description);
    // Review marks or notes of rows (needs review, done as it is, a note).
    void setMarks(const QList<ReviewMarks::Change> &changes, const QString &description);
    // A picture accepted for `row`, or an empty image when the translator
    // removes it.
    void setTranslatedPicture(int row, const QImage &picture);
    // The picture file `file` was refused for `row`: the row's translated
    // picture is cleared, in a step named for the refusal.
    void refusePicture(int row, const QString &file);
    // A font change that the FontDescription does not show is no change.
    void setGlyphFont(const QFont &font);
    void setCodePage(int number);

    // The first record whose translation (one that differs from its source)
    // code page `number` reads as other characters than the current code
    // page does (bytes past ASCII typed in another script); nothing when
    // every translation reads the same.
    std::optional<int> rowReadOtherwise(int number) const;

    // Whether the translator chose the glyph font or the code page since the
    // kit started: they differ from those it started with.
    bool glyphsChosen() const;
    // Saves the work into "lang.dat" of the kit folder (OpenKit::save),
    // asking `questions`; a save that went through marks the history clean.
    // The fixed records' translations then show what the save wrote for
    // them, their source: the save did that, not the translator, so it is
    // no step of the history (an undo of an edit there still gives back the
    // text before it).
    // When the answer is to reload the kit, its texts and pictures are read
    // from disk again, the history is forgotten and the views are told.
    Result<OpenKit::Saved> save(SaveQuestions &questions,
                                std::chrono::milliseconds lockWait = OpenKit::DefaultLockWait);

signals:
    // Rows firstRow..lastRow (record indices) may show other texts.
    void textsChanged(int firstRow, int lastRow);
    // Rows firstRow..lastRow may have other review marks or notes.
    void marksChanged(int firstRow, int lastRow);
    void translatedPictureChanged(int row);
    void glyphFontChanged(const QFont &font);
    void codePageChanged(int number);
    void widerAllowanceChanged();

private:
    friend class TextEditCommand;

    // The ids under which commands of one kind merge (QUndoCommand::id).
    enum MergeId { MergeTyping = 1, MergeCodePageSteps };

    // The command that changes the review marks as `changes` say (a child
    // of `parent` when given); none when no row's mark would change.
    QUndoCommand *marksCommand(const QList<ReviewMarks::Change> &changes, const QString &description,
                               QUndoCommand *parent);

    // What the commands do and undo: the state changes and its signal.
    void storeTexts(const QList<TextChange> &changes, TextTable::Column column);
    void storeMarks(const QList<ReviewMarks::Change> &changes);
    void storePicture(int row, const QImage &picture);
    // The step that gives `row` `picture` (named for `refusedFile` when
    // that is given); none when nothing changes.
    void changePicture(int row, const QImage &picture, const QString &refusedFile);
    void storeGlyphFont(const QFont &font);
    void storeCodePage(int number);

    OpenKit m_kit;
    OpenKit::Opened m_opened; // the last load's
    QUndoStack m_undoStack;
    // What the kit started with (glyphsChosen).
    QString m_startFont;
    int m_startCodePage = 0;
};

} // namespace orvanta

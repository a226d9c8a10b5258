#pragma once

#include "core/FormatError.h"
#include "core/Result.h"
#include "font/GlyphCache.h"
#include "packaging/KitSave.h"
#include "pictures/PictureSlots.h"
#include "texts/CodePage.h"
#include "texts/TextTable.h"

#include <QFont>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>

#include <vector>

namespace orvanta {

class KitSettings;

// The kit folder open for the translator's work: the text table, the nine
// picture slots, the glyph font and the code page, with the history of every
// change. Views read it and change it only through its change methods, each
// of which pushes one undo step; the signals tell the views (and whoever
// remembers settings) what changed, whether by a change, an undo or a redo.
//
// "Unsaved work" is the history's clean state: undoing back to the last save
// leaves nothing unsaved. Texts are bytes in the code page; the code page
// only says how they are shown.
class KitDocument : public QObject {
    Q_OBJECT

public:
    enum Side { Source, Translation };

    // One record's new text.
    struct TextChange {
        int row; // record index, from 0
        QByteArray text;
    };

    // `kitDirectory` is the kit folder. The document starts empty, with the
    // default glyph font and the locale's code page.
    explicit KitDocument(const QString &kitDirectory, QObject *parent = nullptr);
    ~KitDocument() override;

    const QString &directory() const { return m_directory; }

    // Reads the texts and the translated pictures from "lang.dat" and
    // "kvmain.dat" and forgets the history; call it before views attach.
    // Returns what was found damaged; a missing archive is no problem.
    std::vector<FormatError> load();
    // Takes the glyph font and the code page the translator chose last time,
    // where `settings` remembers them; not a change of its own.
    void restore(const KitSettings &settings);

    const TextTable &texts() const { return m_texts; }
    QByteArray text(int row, Side side) const;
    const PictureSlots &pictures() const { return m_pictures; }
    const QFont &glyphFont() const { return m_glyphFont; }
    const CodePage &codePage() const { return m_codePage; }

    // The glyphs the next save writes (the glyph font in the code page) and
    // the game's standard glyphs (Arial 8, code page 1252), each captured on
    // first use and kept, so drawing or measuring a text costs no capture. A
    // font past the glyph files' limits gives its refusal. Capturing draws
    // text: ask on the GUI thread.
    Result<GlyphCache::Entry> savedGlyphs() { return m_glyphCache.glyphs(m_glyphFont, m_codePage.number()); }
    Result<GlyphCache::Entry> standardGlyphs() { return m_glyphCache.standard(); }

    QUndoStack *undoStack() { return &m_undoStack; }
    bool hasUnsavedWork() const { return !m_undoStack.isClean(); }

    // The changes. Each is one undo step, and none when nothing changes.
    //
    // A text of one record. Edits that carry the same non-zero `editing`
    // number (the keystrokes of one editing of one cell) make one step
    // together, and typing back the text the editing began with leaves none.
    void editText(int row, Side side, const QByteArray &text, int editing = 0);
    // Many translations at once (an import), described for the history.
    void applyTranslations(const QList<TextChange> &changes, const QString &description);
    // A picture accepted for `row`, or an empty image when a refusal clears it.
    void setTranslatedPicture(int row, const QImage &picture);
    // A font change that the FontDescription does not show is no change.
    void setGlyphFont(const QFont &font);
    void setCodePage(int number);

    // Whether the translator chose the glyph font or the code page since the
    // kit started: they differ from those it started with.
    bool glyphsChosen() const;
    // What a save now would replace in "lang.dat" (KitSave::check): text
    // records lost, glyphs of another font or code page.
    Result<KitSave::Check> checkSave();

    // Saves the work into "lang.dat" of the kit folder (KitSave): the fixed
    // records show their source text again, and a save that went through
    // marks the history clean. Returns the packed files.
    Result<QStringList> save(const KitSave::Options &options = {});

signals:
    // Rows firstRow..lastRow (record indices) may show other texts.
    void textsChanged(int firstRow, int lastRow);
    void translatedPictureChanged(int row);
    void glyphFontChanged(const QFont &font);
    void codePageChanged(int number);

private:
    // The work a save takes, with the capture the document already holds.
    KitSave::Work work();

    friend class TextEditCommand;
    friend class TranslationsCommand;
    friend class PictureCommand;
    friend class GlyphFontCommand;
    friend class CodePageCommand;

    // The ids under which commands of one kind merge (QUndoCommand::id).
    enum MergeId { MergeTyping = 1, MergeCodePageSteps };

    // What the commands do and undo: the state changes and its signal.
    void storeTexts(const QList<TextChange> &changes, Side side);
    void storePicture(int row, const QImage &picture);
    void storeGlyphFont(const QFont &font);
    void storeCodePage(int number);

    QString m_directory;
    TextTable m_texts;
    PictureSlots m_pictures;
    QFont m_glyphFont;
    CodePage m_codePage;
    QUndoStack m_undoStack;
    GlyphCache m_glyphCache;
    // What the kit started with (glyphsChosen).
    QString m_startFont;
    int m_startCodePage = 0;
};

} // namespace orvanta

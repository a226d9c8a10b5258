#pragma once

#include "KitDocument.h"
#include "core/Result.h"
#include "font/GlyphCache.h"
#include "texts/SpellingDictionary.h"
#include "texts/TextReview.h"

#include <QObject>

#include <memory>

namespace orvanta {

// The review of the document's texts (row states, check findings, progress),
// kept current as the document changes, for the Texts page and whoever
// shows it: an edited record, or one whose review mark changed, is
// re-checked alone, so a keystroke costs one row's checks; a change of the glyph font, the code page or the width
// allowance reviews every record again, with the `wider` check measuring in the glyphs the next save
// writes against the game's standard glyphs. While the glyph font is past
// the glyph files' limits there is nothing to measure with, and the review
// runs without that check.
//
// The glyphs it measured with are handed out too, so a preview draws with
// the very same captures.
//
// Capturing the glyphs takes longer than the rest of the start-up, so the
// review starts without the width check (and without glyphs: a null
// entry); measureWidths() captures them and adds it. The window does that
// once it is first painted.
//
// With a dictionary (setDictionary) the `spelling` check joins the others;
// words the translator adds to the kit's dictionary or ignores count from
// then on in every record.
class DocumentReview : public QObject {
    Q_OBJECT

public:
    // `document` must be loaded and outlive the review.
    explicit DocumentReview(KitDocument &document, QObject *parent = nullptr);

    const TextReview &review() const { return m_review; }
    // The marks the review's states come from (the document's).
    const ReviewMarks &marks() const { return m_document.marks(); }
    // The game's standard glyphs, and the glyphs the next save writes (or
    // the refusal of the glyph font).
    const Result<GlyphCache::Entry> &standardGlyphs() const { return m_standard; }
    const Result<GlyphCache::Entry> &savedGlyphs() const { return m_saved; }

    // Captures the glyphs and reviews every record again with the width
    // check; from then on a change of font or code page measures again.
    void measureWidths();
    // How much wider the glyphs the next save writes draw the game's own
    // texts than its standard glyphs (WiderTextCheck::widening), in percent;
    // 0 before the widths are measured.
    int fontWidening() const { return m_widening; }

    // The spell check's dictionary, or null for none; a new one reviews
    // every record again.
    const std::shared_ptr<SpellingDictionary> &spellChecker() const { return m_spellChecker; }
    void setDictionary(std::shared_ptr<SpellingDictionary> checker);
    // Adds `word` to the kit's dictionary file (KitDictionary) and to the
    // spell check; a file that cannot be read or written is left as it is,
    // the word is not added, and the error says why.
    Status addToKitDictionary(const QString &word);
    // Accepts `word` until the kit is closed.
    void ignoreWord(const QString &word);

signals:
    // Records firstRow..lastRow (indices) were reviewed again; the progress
    // may have changed.
    void reviewed(int firstRow, int lastRow);
    // The glyphs changed (and with them every record's review).
    void glyphsChanged();

private:
    void reviewAll();
    void reviewRows(int firstRow, int lastRow);

    KitDocument &m_document;
    TextReview m_review;
    bool m_measuring = false;
    int m_widening = 0;
    std::shared_ptr<SpellingDictionary> m_spellChecker;
    Result<GlyphCache::Entry> m_standard = GlyphCache::Entry();
    Result<GlyphCache::Entry> m_saved = GlyphCache::Entry();
};

} // namespace orvanta

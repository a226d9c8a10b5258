#include "DocumentReview.h"

#include "font/WiderTextCheck.h"
#include "texts/KitDictionary.h"

namespace orvanta {

DocumentReview::DocumentReview(KitDocument &document, QObject *parent)
    : QObject(parent)
    , m_document(document)
{
    reviewAll();
    connect(&document, &KitDocument::textsChanged, this, &DocumentReview::reviewRows);
    connect(&document, &KitDocument::marksChanged, this, &DocumentReview::reviewRows);
    connect(&document, &KitDocument::glyphFontChanged, this, &DocumentReview::reviewAll);
    connect(&document, &KitDocument::codePageChanged, this, &DocumentReview::reviewAll);
    connect(&document, &KitDocument::widerAllowanceChanged, this, &DocumentReview::reviewAll);
}

// The checks quote texts through the code page and measure in the glyphs of
// the font and code page: both are taken afresh.
void DocumentReview::measureWidths()
{
    if (m_measuring)
        return;
    m_measuring = true;
    reviewAll();
}

void DocumentReview::setDictionary(std::shared_ptr<SpellingDictionary> checker)
{
    m_spellChecker = std::move(checker);
    reviewAll();
}

Status DocumentReview::addToKitDictionary(const QString &word)
{
    const auto added = KitDictionary::add(m_document.directory(), word);
    if (!added)
        return added.error();
    ignoreWord(word);
    return Done{};
}

void DocumentReview::ignoreWord(const QString &word)
{
    if (!m_spellChecker)
        return;
    m_spellChecker->addWord(word);
    reviewAll();
}

void DocumentReview::reviewAll()
{
    if (m_measuring) {
        m_standard = m_document.standardGlyphs();
        m_saved = m_document.savedGlyphs();
    }
    const bool measured = m_measuring && m_standard && m_saved;
    m_widening = measured ? WiderTextCheck::widening(*m_standard, *m_saved, m_document.texts()) : 0;
    m_review = TextReview(m_document.kit().checker(measured ? *m_standard : nullptr, measured ? *m_saved : nullptr,
                                                   m_spellChecker));
    m_review.setMarks(&m_document.marks());
    m_review.reviewAll(m_document.texts());
    emit glyphsChanged();
    emit reviewed(0, m_review.rowCount() - 1);
}

void DocumentReview::reviewRows(int firstRow, int lastRow)
{
    m_review.reviewRows(m_document.texts(), firstRow, lastRow);
    emit reviewed(firstRow, lastRow);
}

} // namespace orvanta

#pragma once

// What the CSV, PO and XLIFF harnesses share: the texts the seed writer exports and
// the harnesses import into, and the check that the import rules account
// for every entry and hand back only changes a save can store.
#include "FuzzTexts.h"
#include "exchange/TextImport.h"
#include "texts/TextCodePages.h"
#include "texts/TextFile.h"

#include <cstddef>
#include <vector>

inline const orvanta::TextTable &exchangeTexts()
{
    static const orvanta::TextTable table = *loadedTexts(
        orvanta::TextFile::write({"New game", " Load game ", "Say \"hi\", twice", "\xC0\xE9\xFF", "",
                                  QByteArray(200, 'W'), "two\r\nlines"})
            .toStdString(),
        orvanta::TextFile::write({"Neues Spiel", " Load game ", "Sag \"hallo\", zweimal", "\xE0\xC9"}).toStdString());
    return table;
}

// The translations' code page follows from `seed`, so each one gets its
// share; the sources are in the game's.
inline void checkImport(const QList<orvanta::ExchangeEntry> &entries, std::size_t seed)
{
    using namespace orvanta;
    static const std::vector<TextCodePages> codePages = [] {
        std::vector<TextCodePages> pages;
        for (int number : CodePage::supported())
            pages.emplace_back(number);
        return pages;
    }();
    const TextTable &texts = exchangeTexts();
    const TextImport::Outcome outcome = TextImport::compute(entries, texts, codePages[seed % codePages.size()]);
    const ImportReport &report = outcome.report;
    qsizetype accounted = report.changed() + report.unchanged();
    for (int r = 0; r < ImportReport::ReasonCount; ++r) {
        if (!ImportReport::isNote(ImportReport::Reason(r)))
            accounted += report.count(ImportReport::Reason(r));
    }
    if (accounted != entries.size())
        __builtin_trap();
    // Each changed row has a new translation, a new mark or both.
    std::vector<bool> changed(std::size_t(texts.rowCount()), false), marked = changed;
    qsizetype rows = 0;
    for (const TextChange &change : outcome.changes) {
        if (change.row < 0 || change.row >= texts.rowCount() || changed[std::size_t(change.row)]
            || change.text.isEmpty() || change.text.size() > TextFile::RecordSize
            || change.text.contains('\0') || change.text == texts.row(change.row).translation)
            __builtin_trap();
        changed[std::size_t(change.row)] = true;
        ++rows;
    }
    for (const ReviewMarks::Change &change : outcome.marks) {
        if (change.row < 0 || change.row >= texts.rowCount() || marked[std::size_t(change.row)])
            __builtin_trap();
        // Done as it is: the source is the row's translation.
        if (change.mark.done) {
            QByteArrayView translation = texts.row(change.row).translation;
            for (const TextChange &text : outcome.changes)
                translation = text.row == change.row ? QByteArrayView(text.text) : translation;
            if (translation != texts.row(change.row).source)
                __builtin_trap();
        }
        marked[std::size_t(change.row)] = true;
        rows += !changed[std::size_t(change.row)];
    }
    if (rows != report.changed())
        __builtin_trap();
}

// Read entries as the kit would write them: those with a source (PO and
// XLIFF leave out the others), translated where the file gave a
// translation.
inline QList<orvanta::ExchangeEntry> toWrite(const QList<orvanta::ExchangeEntry> &read)
{
    QList<orvanta::ExchangeEntry> entries;
    for (orvanta::ExchangeEntry entry : read) {
        if (entry.source.isEmpty())
            continue;
        entry.translated = !entry.translation.isEmpty();
        entries.append(entry);
    }
    return entries;
}

// Entries as a writer gets them back: an untranslated one reads back with
// an empty translation from PO and XLIFF, and its review mark is not
// compared.
inline bool sameEntries(const QList<orvanta::ExchangeEntry> &written, const QList<orvanta::ExchangeEntry> &read,
                        bool untranslatedEmpty)
{
    if (written.size() != read.size())
        return false;
    for (qsizetype i = 0; i < written.size(); ++i) {
        const orvanta::ExchangeEntry &a = written[i], &b = read[i];
        const QString translation = untranslatedEmpty && !a.translated ? QString() : a.translation;
        const bool marked = !untranslatedEmpty || !translation.isEmpty();
        if (a.row != b.row || a.source != b.source || translation != b.translation
            || (marked && a.needsReview != b.needsReview) || a.note != b.note)
            return false;
    }
    return true;
}

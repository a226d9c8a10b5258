#pragma once

// What the CSV and PO harnesses share: the texts the seed writer exports and
// the harnesses import into, and the check that the import rules account
// for every entry and hand back only changes a save can store.
#include "FuzzTexts.h"
#include "exchange/TextImport.h"
#include "texts/CodePage.h"
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

// The code page follows from `seed`, so each one gets its share.
inline void checkImport(const QList<orvanta::ExchangeEntry> &entries, std::size_t seed)
{
    using namespace orvanta;
    static const std::vector<CodePage> codePages = [] {
        std::vector<CodePage> pages;
        for (int number : CodePage::supported())
            pages.emplace_back(number);
        return pages;
    }();
    const TextTable &texts = exchangeTexts();
    const TextImport::Outcome outcome = TextImport::compute(entries, texts, codePages[seed % codePages.size()]);
    const ImportReport &report = outcome.report;
    qsizetype accounted = report.changed() + report.unchanged();
    for (int r = 0; r < ImportReport::ReasonCount; ++r) {
        if (ImportReport::Reason(r) != ImportReport::Reason::ResetAtSave)
            accounted += report.count(ImportReport::Reason(r));
    }
    if (accounted != entries.size() || outcome.changes.size() != report.changed())
        __builtin_trap();
    std::vector<bool> changed(std::size_t(texts.rowCount()), false);
    for (const TextChange &change : outcome.changes) {
        if (change.row < 0 || change.row >= texts.rowCount() || changed[std::size_t(change.row)]
            || change.text.isEmpty() || change.text.size() > TextFile::RecordSize
            || change.text.contains('\0') || change.text == texts.row(change.row).translation)
            __builtin_trap();
        changed[std::size_t(change.row)] = true;
    }
}

#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace orvanta {

// What an import of a translators' file did with its entries: how many
// translations it changes and leaves as they were, and for every reason an
// entry was skipped, refused or noted, how many and the first rows. The
// words shown to the translator live here, for kvtool and the window alike.
class ImportReport {
public:
    enum class Reason {
        // Skipped: the kit keeps its translation.
        SourceChanged, // the entry's source is not the row's (the game's texts changed)
        Fuzzy,         // marked fuzzy: a guess waiting for review
        NoTranslation, // the translation is empty
        UnknownRow,    // the row is not a number of a row the kit has
        RepeatedRow,   // a row that came earlier in the file
        // Refused: the file must be mended (or the refusals skipped).
        NotInCodePage, // a character the code page cannot hold
        TooLong,       // more bytes than a text record holds
        // Imported, but worth a word.
        ResetAtSave,   // a fixed row: the save puts the source text back
    };
    static constexpr int ReasonCount = int(Reason::ResetAtSave) + 1;
    // Rows kept for each reason; the count goes on.
    static constexpr int RowsKept = 8;

    // Counts one entry under `reason`; `where` names it ("12", "12 ('Ж')").
    void add(Reason reason, const QString &where);
    void addChanged() { ++m_changed; }
    void addUnchanged() { ++m_unchanged; }

    int count(Reason reason) const { return m_reasons[std::size_t(reason)].count; }
    QStringList firstRows(Reason reason) const { return m_reasons[std::size_t(reason)].rows; }
    int changed() const { return m_changed; }
    int unchanged() const { return m_unchanged; }
    // Any entry refused: nothing may be saved unless the refusals are skipped.
    bool anyRefused() const { return count(Reason::NotInCodePage) + count(Reason::TooLong) > 0; }

    // For the translator: a summary line, then one line per reason met,
    // e.g. "skipped, marked fuzzy: 2 (rows 5, 9)". `codePage` names the code
    // page in the refusals.
    QStringList lines(int codePage) const;

private:
    struct Tally {
        int count = 0;
        QStringList rows;
    };
    std::array<Tally, ReasonCount> m_reasons{};
    int m_changed = 0;
    int m_unchanged = 0;
};

} // namespace orvanta

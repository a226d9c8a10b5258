#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>

namespace orvanta {

// What an import of a translators' file did with its entries: how many
// translations it changes and leaves as they were, and for every reason an
// entry was skipped, refused or noted, how many and the first rows. The
// words shown to the translator live here, for kvtool and the window alike.
class ImportReport {
    // Its lines in the language of the installed translations: the
    // window's; kvtool installs none for them.
    Q_DECLARE_TR_FUNCTIONS(ImportReport)

public:
    enum class Reason {
        // Skipped: the kit keeps its translation.
        SourceChanged, // the entry's source is not the row's (the game's texts changed)
        NoTranslation, // the translation is empty
        Obsolete,      // a PO entry gettext keeps for texts that are gone (#~)
        UnknownRow,    // the row is not a number of a row the kit has
        RepeatedRow,   // a row that came earlier in the file
        SeveralRows,   // its source stands in several rows, and neither context nor row says which
        // Refused: the file must be mended (or the refusals skipped).
        NotInCodePage, // a character the code page cannot hold
        TooLong,       // more bytes than a text record holds
        // Imported, but worth a word.
        Moved,         // the source stands in another row now: imported there
        NeedsReview,   // marked for review (fuzzy): imported, marked needs review
        ResetAtSave,   // a fixed row: the save puts the source text back
        // Taking translations from an older kit (TextMigration).
        CarriedForReview, // the source changed a little: carried, marked needs review
        NewRow,           // a source the older kit does not have: left untranslated
        SourceGone,       // a translated source of the older kit that no longer exists (its rows)
        KeptTranslated,   // translated in this kit already: left as it was
        NoteCarried,      // a note went with its text to the row where its source stands now
        MarkCarried,      // a needs review or done as it is mark went with its text
        Cleared,          // the row held the translation of another source, which was taken away
    };
    static constexpr int ReasonCount = int(Reason::Cleared) + 1;
    // Reasons that note an entry counted elsewhere too (as changed).
    static bool isNote(Reason reason)
    {
        return reason == Reason::Moved || reason == Reason::NeedsReview || reason == Reason::ResetAtSave
            || reason == Reason::CarriedForReview || reason == Reason::NoteCarried || reason == Reason::MarkCarried;
    }
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
    // e.g. "skipped, no translation: 2 (rows 5, 9)". `codePage` names the
    // code page in the refusals.
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

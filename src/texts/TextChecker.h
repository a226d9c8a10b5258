#pragma once

#include "TextCodePages.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>
#include <vector>

namespace orvanta {

// One warning about one text record. Warnings never block typing or saving:
// they tell the translator what the game will make of the text.
struct TextFinding {
    int index = -1; // record index, from 0; the row number shown is index + 1
    QString check;  // the check's id, e.g. "too-long"
    QString message;

    bool operator==(const TextFinding &) const = default;
};

// What a check sees of one record. The views point into the table and are
// valid only during the call.
struct CheckedText {
    int index = -1;
    bool fixed = false; // one of TextTable::FixedTextRows
    QByteArrayView source;
    QByteArrayView translation;
    // What the save writes for the record before it keeps the first 200
    // bytes: the translation, or the source of a fixed record.
    QByteArrayView saved;
};

// The checks of a translation against its source, all on the record's
// bytes, so each row costs a few comparisons and a scan for '%'. The code
// page only turns bytes into the characters quoted in messages.
//
// Standard checks, in the order their findings come:
//   too-long      the saved text passes 200 bytes (the save cuts the rest)
//   spaces        leading or trailing spaces/tabs differ from the source's
//   placeholders  the printf codes (PrintfCodes: %d %i %u %s %c %x %X %f %%,
//                 with flags, width, precision, h/l) differ in number or order
//   empty         the translation is empty where the source is not
//   fixed         a fixed record's translation differs from its source
//   double-word   a word is written twice in a row ("die die") where the
//                 source has no such pair
//   punctuation   the end punctuation (. ! ? : and the ellipsis, "..." the
//                 same as "…") differs from the source's
//   double-space  two spaces or more inside the text where the source has
//                 none
//   control       a line break, tab or other control character inside the
//                 text that the source does not have
// An empty translation gets only `empty`; a fixed record's saved text is its
// source, so it gets only `fixed` and `too-long`.
//
// One check looks across rows, so TextReview runs it (TranslationConsistency)
// and its finding comes after the others:
//   inconsistent  another record of the same source bytes holds another
//                 translation (rows not translated yet do not count)
//
// More checks join through addCheck(); one that needs the glyphs (a
// translation drawn wider than its source) captures its width functions and
// compares `saved` with `source`, the spell check (SpellingCheck) its
// dictionary.
class TextChecker {
    // Its findings in the language of the installed translations.
    Q_DECLARE_TR_FUNCTIONS(TextChecker)

public:
    static inline const QString TooLong = QStringLiteral("too-long");
    static inline const QString Spaces = QStringLiteral("spaces");
    static inline const QString Placeholders = QStringLiteral("placeholders");
    static inline const QString Empty = QStringLiteral("empty");
    static inline const QString Fixed = QStringLiteral("fixed");
    static inline const QString DoubleWord = QStringLiteral("double-word");
    static inline const QString Punctuation = QStringLiteral("punctuation");
    static inline const QString DoubleSpace = QStringLiteral("double-space");
    static inline const QString Control = QStringLiteral("control");
    static inline const QString Inconsistent = QStringLiteral("inconsistent");
    // The width check's id (WiderTextCheck): the one check that is no fault
    // of the text, only a reason to look at it in the game; the Texts page
    // and its counts keep it apart from the others.
    static inline const QString Wider = QStringLiteral("wider");
    static bool isFault(const QString &check) { return check != Wider; }

    // A check: appends its findings (with the text's index) to `findings`.
    using Check = std::function<void(const CheckedText &text, QList<TextFinding> &findings)>;

    // Sources are read in their code page, translations in theirs.
    explicit TextChecker(const TextCodePages &codePages = TextCodePages(TextCodePages::GameDefault));

    // Runs `check` after the standard checks, on every record.
    void addCheck(Check check);

    // Appends the findings of every check for record `index`.
    void check(int index, QByteArrayView source, QByteArrayView translation, QList<TextFinding> &findings) const;

private:
    // double-word, punctuation, double-space and control, on a translation
    // that differs from its source.
    template <typename Add>
    void checkStyle(QByteArrayView source, QByteArrayView saved, const Add &add) const;

    TextCodePages m_codePages;
    std::vector<Check> m_checks;
};

} // namespace orvanta

#pragma once

#include "TextChange.h"

#include <QList>
#include <QRegularExpression>
#include <QString>

namespace orvanta {

class CodePage;
class TextTable;

// Find and Replace over translations: the text searched for, matched
// literally (no pattern characters), optionally as a whole word only and
// optionally with its case; and the text that replaces it, taken as it is.
class TextReplace {
public:
    enum Option { WholeWord = 1, MatchCase = 2 };

    TextReplace(const QString &find, const QString &replacement, int options);

    // Where the searched text stands in `text`, first at or after `from`:
    // its start and length; a start of -1 when it is not there (an empty
    // search text is nowhere).
    std::pair<qsizetype, qsizetype> find(const QString &text, qsizetype from = 0) const;
    // `text` with every place replaced; `count` gets how many there were.
    QString replaceAll(const QString &text, int *count = nullptr) const;

    // What replacing in the translations of `rows` (record indices) does:
    // their new texts in the code page, or the first row whose new text the
    // code page cannot hold, with the character it refuses. Fixed rows are
    // left out: a save writes their source.
    struct Outcome {
        QList<TextChange> changes;
        int places = 0;        // how many places were replaced
        int refusedRow = -1;   // record index, -1 when the code page holds every text
        QChar refused;
    };
    Outcome inTranslations(const TextTable &texts, const CodePage &codePage, const QList<int> &rows) const;

private:
    QRegularExpression m_pattern;
    QString m_replacement;
};

} // namespace orvanta

#pragma once

#include "core/Result.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class Hunspell;

namespace orvanta {

// One Hunspell dictionary ("en_US.aff" and "en_US.dic" in a folder such as
// Debian's /usr/share/hunspell), asked about the words of a translation.
// Words are passed in the dictionary's own encoding (its .aff file's SET
// line); the answers are kept, so a word the texts repeat costs one lookup.
//
// What counts as a word: a run of letters, marks, digits and apostrophes
// inside it ("don't", "l'eau"), cut at hyphens, slashes and the rest.
// Never flagged: a word with a digit in it (numbers, "2nd", "x2"), the
// letters of a printf placeholder ("%s", "%-5d"), and a word that stands in
// the source text too (compared without case: names and terms the
// translation keeps).
//
// Not thread-safe: one thread asks at a time (the window's, or kvtool's).
class SpellingDictionary {
public:
    // Where the system keeps dictionaries (PlatformFiles::dictionaryFolder).
    static QString defaultFolder();

    // A misspelt word: its place in the text, in UTF-16 units.
    struct Misspelling {
        qsizetype start = 0;
        qsizetype length = 0;
        bool operator==(const Misspelling &) const = default;
    };

    // The languages with a dictionary in `folder` ("en_US", "ru_RU"), sorted.
    static QStringList installed(const QString &folder = defaultFolder());
    // The installed language that Windows' code page `codePage` is most
    // likely written in (1251 gives "ru_RU", 1252 "en_US"), or "".
    static QString suggestedFor(int codePage, const QStringList &installed);

    // The dictionary of `language` in `folder`; an error names the file
    // that is missing or cannot be read, or an encoding Qt cannot convert.
    static Result<std::shared_ptr<SpellingDictionary>> open(const QString &language, const QString &folder = defaultFolder());

    ~SpellingDictionary();

    const QString &language() const { return m_language; }

    bool isCorrect(const QString &word) const;
    // The misspelt words of `text` (see above for what is never flagged).
    QList<Misspelling> misspellings(const QString &text, const QString &source = QString()) const;
    // Hunspell's suggestions for `word`, best first.
    QStringList suggestions(const QString &word) const;
    // Accepts `word` (and its capitalised forms) from now on.
    void addWord(const QString &word);

private:
    SpellingDictionary(QString language, std::unique_ptr<Hunspell> hunspell);
    std::string encoded(const QString &word) const;
    QString decoded(const std::string &word) const;

    QString m_language;
    std::unique_ptr<Hunspell> m_hunspell;
    bool m_utf8 = true;
    QString m_encoding; // the SET line's name when not UTF-8
    mutable QHash<QString, bool> m_known;
};

} // namespace orvanta

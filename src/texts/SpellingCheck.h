#pragma once

#include "SpellingDictionary.h"
#include "TextChecker.h"

#include <memory>
#include <vector>

namespace orvanta {

// The check `spelling`: each misspelt word of a translation (SpellingDictionary
// says which words never count), once per record, in the order they stand.
// Fixed records and translations equal to their source are left out: the
// translator has not written them.
class SpellingCheck {
public:
    static inline const QString Id = QStringLiteral("spelling");

    // The check over `checker`, which it shares (words added to it count
    // from the next check on); `codePages` turn the record's bytes into
    // words.
    static TextChecker::Check make(std::shared_ptr<const SpellingDictionary> checker, const TextCodePages &codePages);

    // The dictionary of `language` with the words of the kit's dictionary in
    // `kitDirectory` added, as the window and kvtool use it. `problems`
    // says what could not be read: without a dictionary there is no
    // checker; a kit dictionary that cannot be read leaves its words out.
    struct Opened {
        std::shared_ptr<SpellingDictionary> checker;
        std::vector<FormatError> problems;
    };
    static Opened open(const QString &language, const QString &kitDirectory,
                       const QString &dictionaryFolder = SpellingDictionary::defaultFolder());
};

} // namespace orvanta

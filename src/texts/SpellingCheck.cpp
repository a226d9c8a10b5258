#include "SpellingCheck.h"

#include "KitDictionary.h"

#include <QCoreApplication>
#include <QSet>

namespace orvanta {

TextChecker::Check SpellingCheck::make(std::shared_ptr<const SpellingDictionary> checker, const TextCodePages &codePages)
{
    return [checker = std::move(checker), codePages](const CheckedText &text, QList<TextFinding> &findings) {
        if (text.fixed || text.translation == text.source)
            return;
        const QString translation = codePages.decode(TextTable::Translation, text.translation);
        QSet<QString> told;
        for (const SpellingDictionary::Misspelling &misspelt :
             checker->misspellings(translation, codePages.decode(TextTable::Source, text.source))) {
            const QString word = translation.sliced(misspelt.start, misspelt.length);
            if (told.contains(word))
                continue;
            told.insert(word);
            findings.append({text.index, Id,
                             QCoreApplication::translate("orvanta::SpellingCheck", "\"%1\" is not in the %2 dictionary")
                                 .arg(word, checker->language())});
        }
    };
}

SpellingCheck::Opened SpellingCheck::open(const QString &language, const QString &kitDirectory,
                                          const QString &dictionaryFolder)
{
    Opened opened;
    auto checker = SpellingDictionary::open(language, dictionaryFolder);
    if (!checker) {
        opened.problems.push_back(checker.error());
        return opened;
    }
    opened.checker = *checker;
    const auto words = KitDictionary::read(kitDirectory);
    if (!words) {
        opened.problems.push_back(words.error());
        return opened;
    }
    for (const QString &word : *words)
        opened.checker->addWord(word);
    return opened;
}

} // namespace orvanta

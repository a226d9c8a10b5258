#include "WiderTextCheck.h"

#include "texts/TextFile.h"

namespace orvanta {

TextChecker::Check WiderTextCheck::make(GlyphCache::Entry standard, GlyphCache::Entry saved)
{
    return [standard = std::move(standard), saved = std::move(saved)](const CheckedText &text,
                                                                       QList<TextFinding> &findings) {
        if (text.fixed)
            return;
        const int original = standard->text.width(text.source);
        // The game gets no more than a record holds.
        const int translation = saved->text.width(TextFile::recordPart(text.saved));
        if (translation > original)
            findings.append({text.index, Id,
                             QStringLiteral("the translation is drawn %1 pixels wide, the original %2 pixels")
                                 .arg(translation)
                                 .arg(original)});
    };
}

} // namespace orvanta

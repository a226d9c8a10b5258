#include "WiderTextCheck.h"

#include "texts/TextFile.h"
#include "texts/TextTable.h"

#include <QCoreApplication>

namespace orvanta {

TextChecker::Check WiderTextCheck::make(GlyphCache::Entry standard, GlyphCache::Entry saved,
                                        WiderAllowance allowance)
{
    return [standard = std::move(standard), saved = std::move(saved), allowance](const CheckedText &text,
                                                                                  QList<TextFinding> &findings) {
        if (text.fixed)
            return;
        const int original = standard->text.width(text.source);
        // The game gets no more than a record holds.
        const int translation = saved->text.width(TextFile::recordPart(text.saved));
        if (translation <= allowance.allowedWidth(original))
            return;
        const int inThisFont = saved->text.width(text.source);
        if (translation <= allowance.allowedWidth(inThisFont))
            return;
        QString message = QCoreApplication::translate("orvanta::WiderTextCheck",
                                                      "the translation is drawn %1 pixels wide, the original %2 pixels")
                              .arg(translation)
                              .arg(original);
        if (inThisFont > original)
            message += QCoreApplication::translate("orvanta::WiderTextCheck", " (%1 in this font)").arg(inThisFont);
        findings.append({text.index, Id, message});
    };
}

int WiderTextCheck::widening(const GlyphCache::Entry &standard, const GlyphCache::Entry &saved, const TextTable &texts)
{
    qint64 original = 0;
    qint64 inThisFont = 0;
    for (int row = 0; row < texts.rowCount(); ++row) {
        if (TextTable::isFixed(row))
            continue;
        original += standard->text.width(texts.row(row).source);
        inThisFont += saved->text.width(texts.row(row).source);
    }
    return original == 0 || inThisFont <= original ? 0 : int((inThisFont - original) * 100 / original);
}

} // namespace orvanta

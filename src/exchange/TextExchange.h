#pragma once

#include "ExchangeEntry.h"
#include "TextFormat.h"
#include "core/Result.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace orvanta {

class TextCodePages;
class GameTextRenderer;
class ReviewMarks;
class TextTable;

// The kit's texts in the translators' own files (TextFormat): the entries
// of the texts shown through a code page, and a whole file written or read
// in any format.
class TextExchange {
public:
    // One entry per text, in row order, each text decoded in its code page, with
    // the row's review mark, "done" and note from `marks`, its context
    // (SourceContexts), and each source's width
    // in `standardGlyphs` when given (the game's own glyphs).
    static QList<ExchangeEntry> entries(const TextTable &texts, const ReviewMarks &marks, const TextCodePages &codePages,
                                        const GameTextRenderer *standardGlyphs = nullptr);

    // The file of the kit's texts: write() of their entries(). CSV is
    // written an entry at a time, without holding every entry at once.
    static Result<QByteArray> exportTexts(TextFormat::Id format, const TextTable &texts, const ReviewMarks &marks,
                                          const TextCodePages &codePages, const GameTextRenderer *standardGlyphs,
                                          const TextFormat::Header &header, const QString &fileName);

    // The language the translation is in when nothing names it: the one
    // language that uses `codePage` (874 Thai, 1253 Greek, 1258
    // Vietnamese), else empty.
    static QString languageOf(int codePage);
    // The language of the sources, the game's own, in `codePage`:
    // languageOf() it, else English.
    static QString sourceLanguageOf(int codePage);

    // The file for the entries (TextFormat::Writer, `fileName` as there). A
    // header without language takes languageOf() its code page.
    static Result<QByteArray> write(TextFormat::Id format, const QList<ExchangeEntry> &entries,
                                    const TextFormat::Header &header, const QString &fileName);

    // Reads the file at `path` in the format its name means
    // (TextFormat::ofFile); an error names
    // the path (and the line, where the format tells it).
    static Result<ExchangeFile> read(const QString &path);
};

} // namespace orvanta

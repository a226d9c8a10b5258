#pragma once

#include "ExchangeEntry.h"
#include "core/Result.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <string>

namespace orvanta {

// The kit's translations as a TMX 1.4 translation memory, written with
// Qt's XML stream writer, for CAT tools: OmegaT inserts the translations of
// a TMX in its project's tm/auto folder into the segments of the same
// source, memoQ and Trados import it as a memory. One `tu` per translated
// row (ExchangeEntry::translated: "done as it is" rows too, with their
// source as their translation), `tuid` the row number, a `tuv` of the
// source in the sources' language and one of the translation in the
// translation's; rows without a translation or without a source are left
// out. Texts are whole (`segtype="block"`), spaces kept; a CR is written
// as a character reference. The kit writes TMX, it does not read it.
//
// What OmegaT (3.6 tried) makes of the XLIFF for it (XliffFile::Targets::
// Sources) shapes two things. Its segment is a unit's text without the
// white space at either end, which stays around the translation: where a
// translation has the same white space at its ends as its source, the tu
// holds both without it. And it gives every segment of one source the same
// translation, unless the translation names the segment's file and
// neighbours (OmegaT's "alternative translation"): the rows of a source
// translated differently each carry `prop`s `file` (Header::segmentsFile),
// `prev` and `next` (the texts of the nearest segments; a unit without
// text, of white space alone or fixed is none), and that source gets no
// tu without them.
class TmxFile {
public:
    struct Header {
        QString language;                         // the translation's; a TMX needs it
        QString sourceLanguage = QStringLiteral("en");
        QDateTime created;
        // The XLIFF for OmegaT as the project names it, its path in the
        // source folder: "texts.xlf".
        QString segmentsFile;
    };

    // An error names `fileName`: without the translation's language, or
    // with the row of a text holding a character XML cannot carry (a
    // translated row's, or the source of a neighbour a tu names).
    static Result<QByteArray> write(const QList<ExchangeEntry> &entries, const Header &header,
                                    const std::string &fileName);
};

} // namespace orvanta

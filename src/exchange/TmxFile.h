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
class TmxFile {
public:
    struct Header {
        QString language;                         // the translation's; a TMX needs it
        QString sourceLanguage = QStringLiteral("en");
        QDateTime created;
    };

    // An error names `fileName`: without the translation's language, or
    // with the row of a text holding a character XML cannot carry.
    static Result<QByteArray> write(const QList<ExchangeEntry> &entries, const Header &header,
                                    const std::string &fileName);
};

} // namespace orvanta

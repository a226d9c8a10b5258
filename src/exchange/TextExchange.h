#pragma once

#include "ExchangeEntry.h"
#include "core/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace orvanta {

class CodePage;
class TextTable;

// The kit's texts in the translators' own files: which format a file name
// means, the entries of the texts shown through a code page, and a whole
// file written or read in either format.
class TextExchange {
public:
    enum class Format { Csv, Po };

    // ".csv" is CSV, ".po" and ".pot" are PO (any case); nothing else.
    static std::optional<Format> formatOf(const QString &fileName);

    // One entry per text, in row order, decoded through `codePage`.
    static QList<ExchangeEntry> entries(const TextTable &texts, const CodePage &codePage);

    // The file for the texts; `fileName` only names it in an error.
    static Result<QByteArray> write(Format format, const TextTable &texts, const CodePage &codePage,
                                    const QString &fileName);

    // Reads the file at `path` in the format its name means; an error names
    // the path (and the line, where the format tells it).
    static Result<QList<ExchangeEntry>> read(const QString &path);
};

} // namespace orvanta

#pragma once

#include "ExchangeEntry.h"
#include "core/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>

#include <string>

namespace orvanta {

// The texts as a gettext PO file for translation editors, read and written
// by GNU gettext's own library (libgettextpo). One entry per text: msgctxt
// the row, msgid the source, msgstr the translation, all UTF-8. The
// library keeps global state, so calls are serialised inside.
class PoFile {
public:
    // A header (UTF-8, the code page as X-Orvanta-Codepage and, when the
    // code page is used for one language only, Language; `revised` as
    // PO-Revision-Date), then the entries in order. An untranslated entry
    // (translation equal to source) gets an empty msgstr, a fixed one an
    // extracted comment saying it is reset at every save. An error (the
    // library or the scratch file failing) names `fileName`.
    static Result<QByteArray> write(const QList<ExchangeEntry> &entries, int codePage, const QDateTime &revised,
                                    const std::string &fileName);

    // Every entry but the header and obsolete ones, in file order, with
    // msgctxt as the row and the fuzzy mark; text in the charset the header
    // names (UTF-8 when it names none). A byte order mark is skipped. The
    // first syntax error the library finds is an error naming `fileName`
    // and its line, as is text that is not in the charset.
    static Result<QList<ExchangeEntry>> read(QByteArrayView file, const std::string &fileName);

    // "Reset to the original text at every save.": the comment of a fixed row.
    static const char *const FixedComment;
};

} // namespace orvanta

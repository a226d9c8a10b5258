#pragma once

#include "ExchangeEntry.h"
#include "core/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>

#include <string>

class QIODevice;

namespace orvanta {

// The texts as a gettext PO file (or POT template) for translation editors,
// gettext's tools and Weblate. One entry per text, found by its source as
// gettext's tools expect: the row as the reference `#: kvtexts.dat:ROW`,
// msgctxt only for a source that stands in more than one row (its
// SourceContexts context), msgid the source, msgstr the translation of a
// translated row (a row done as it is gives its source), empty for the
// others, all UTF-8. A row with an empty source is left out: an empty msgid
// is the header to every tool. The row's review mark
// as `#, fuzzy`, its note as translator comments (`# `; a line of it that
// ends in a backslash gets one space more, which reading takes off, since
// gettext joins such a line to the next), the byte limit and,
// for a fixed row, that the save resets it as extracted comments (`#. `),
// and `#, c-format` where the source holds printf codes, so that
// `msgfmt --check` compares them with the translation's. There are no
// plural forms, so the header has no Plural-Forms.
//
// The kit writes the file itself (gettext's writer takes seconds for a big
// kit; the output is what `msgcat --no-wrap` makes of it, and the tests read
// every written file back with gettext's library). Reading is gettext's own
// library (libgettextpo), which keeps global state: calls are serialised.
class PoFile {
public:
    struct Header {
        int codePage = 1252;
        QString language;      // "ru", "pt_BR"; empty when not known
        QDateTime created;     // POT-Creation-Date, and PO-Revision-Date of a PO
        bool isTemplate = false; // a POT: every msgstr empty, header fuzzy
    };

    static QByteArray write(const QList<ExchangeEntry> &entries, const Header &header);

    // Every entry but the header in file order, obsolete (`#~`) ones
    // flagged, with the row its kvtexts.dat reference names (else its
    // msgctxt, as older kits wrote it), msgctxt as the context, the fuzzy
    // mark, the translator comments as the note and a msgstr equal to its
    // msgid as done (a fuzzy one as untranslated: a tool's copy); text in the charset the header names
    // (UTF-8 when it names none). A byte order mark is skipped. An error
    // names `fileName` and, where it can, the line and the row: the first
    // syntax error gettext finds, text not in the charset, a plural entry
    // (the game's texts have none) and a NUL byte in a text (the game's text
    // would end there). The file is read from its start (it must be
    // seekable) and copied a line at a time for the library, which reads
    // only named files; each entry's texts are freed in the library once
    // decoded.
    static Result<ExchangeFile> read(QIODevice &file, const std::string &fileName);
    // The same for a file's bytes in memory.
    static Result<ExchangeFile> read(QByteArrayView file, const std::string &fileName);

    // "Reset to the original text at every save.": the comment of a fixed row.
    static const char *const FixedComment;
};

} // namespace orvanta

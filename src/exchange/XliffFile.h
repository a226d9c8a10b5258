#pragma once

#include "ExchangeEntry.h"
#include "core/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <string>

namespace orvanta {

// The texts as XLIFF 1.2 for CAT tools (OmegaT, memoQ, Trados, Weblate),
// written and read with Qt's XML stream classes. One `trans-unit` per row:
// `id` and `resname` the row number, `source`, `target` with its `state`
// (`new` while untranslated, `needs-review-translation` for a row marked
// for review, else `translated`, with `approved` to match, as
// translate-toolkit reads it), the note as `<note>`, `maxbytes` and
// `maxwidth` 200 with `size-unit="byte"` (the record's limit, as tools
// read either), the source's width in the game's pixels as a
// `<count-group name="width">`, fixed rows `translate="no"`. Spaces are
// kept (`xml:space="preserve"`); a CR is written as a character reference.
// The code page stands in the `file` element as `orvanta:codepage`.
class XliffFile {
public:
    struct Header {
        int codePage = 1252;
        QString language; // target-language; left out when empty
        QString sourceLanguage = QStringLiteral("en");
    };

    // An error names `fileName` and the row of a text with a character XML
    // cannot carry (a control character other than tab and line breaks).
    static Result<QByteArray> write(const QList<ExchangeEntry> &entries, const Header &header,
                                    const std::string &fileName);

    // The units of every `file`, in order. The row is the unit's `resname`,
    // else the source file translate-toolkit keeps in a `po-reference`
    // context when it renumbers units, else its `id`. A unit needs review
    // when its target's state says so (needs-review-*, needs-translation,
    // needs-adaptation, needs-l10n) or it is not approved. Refused, as an
    // error naming the line: XML that is not well-formed, a document type
    // declaration (entities are never expanded, nothing is fetched), a root
    // that is not XLIFF, a unit without `id`, an `id` used twice in a file,
    // a target whose xml:lang is not the file's target-language.
    static Result<ExchangeFile> read(QByteArrayView file, const std::string &fileName);
};

} // namespace orvanta

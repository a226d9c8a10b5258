#pragma once

#include "ExchangeEntry.h"
#include "core/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <string>

class QIODevice;

namespace orvanta {

// The texts as XLIFF 1.2 for CAT tools (OmegaT, memoQ, Trados, Weblate),
// written and read with Qt's XML stream classes, valid under the XLIFF 1.2
// strict schema. One `trans-unit` per row with a source (an empty one is
// left out): `id` and `resname` the row number, `source`, `target` with its
// `state`: a translated row (ExchangeEntry::translated) its translation in
// state `translated`, with `approved` to match, as translate-toolkit reads
// it; an untranslated row its source in state `new`, the text CAT tools
// that translate a target's text (OmegaT) translate; either in
// `needs-review-translation` when the row is marked for review. The note is a `<note
// from="translator">`; `maxbytes` and `maxwidth` 200 with
// `size-unit="byte"` (the record's limit, as tools read either); the
// context of a source that stands in several rows (SourceContexts) a
// `<context context-type="x-gettext-msgctxt">`, as lconvert and
// translate-toolkit carry gettext's msgctxt; the
// source's width in the game's pixels a `<count-group name="width-ROW">`
// (names are unique in a file); fixed rows `translate="no"`. Spaces are
// kept (`xml:space="preserve"`); a CR is written as a character reference.
// The code page stands in the file's header as a count of type
// `x-codepage`.
//
// OmegaT (3.6 tried) translates what a target holds, so a translated row's
// translation would stand there as a text to translate. For it every
// unit's target is its source (Targets::Sources): in state `new`, or
// `needs-review-translation` for a row marked for review, never approved;
// the translations go to OmegaT in a TMX (TmxFile). Read back unchanged,
// such a file brings no translation and no other mark.
class XliffFile {
public:
    // What a unit's target holds.
    enum class Targets { Translations, Sources };

    struct Header {
        int codePage = 1252;
        QString language; // target-language; left out when empty
        QString sourceLanguage = QStringLiteral("en");
        Targets targets = Targets::Translations;
    };

    // An error names `fileName` and the row of a text with a character XML
    // cannot carry (a control character other than tab and line breaks).
    static Result<QByteArray> write(const QList<ExchangeEntry> &entries, const Header &header,
                                    const std::string &fileName);

    // The units of every `file`, in order. A target equal to its source is
    // a translation done as it is in state translated, final or signed-off
    // (or approved without a state, as lconvert writes it), else
    // untranslated (a copy to translate, needing review only in a
    // needs-review state); the code page is the header's
    // x-codepage count, or an older kit's `orvanta:codepage` attribute.
    // The row is the unit's `resname`,
    // else the source file translate-toolkit keeps in a `po-reference`
    // context when it renumbers units, else its `id`. A unit needs review
    // when its target's state says so (needs-review-*, needs-translation,
    // needs-adaptation, needs-l10n) or it is not approved. Refused, as an
    // error naming the line: XML that is not well-formed, a document type
    // declaration (entities are never expanded, nothing is fetched), a root
    // that is not XLIFF, a unit without `id`, an `id` used twice in a file,
    // a target whose xml:lang is not the file's target-language. The file
    // is read from its start (it must be seekable) a block at a time.
    static Result<ExchangeFile> read(QIODevice &file, const std::string &fileName);
    // The same for a file's bytes in memory.
    static Result<ExchangeFile> read(QByteArrayView file, const std::string &fileName);
};

} // namespace orvanta

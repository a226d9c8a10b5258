#pragma once

#include "ExchangeEntry.h"
#include "core/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class QIODevice;

namespace orvanta {

// The formats of the files in which translators take the kit's texts to
// their own tools, one descriptor each: PO, a PO template, XLIFF, XLIFF
// for OmegaT, CSV and TMX, in the order the window offers them (its
// default first). TMX, a
// translation memory of the kit's translations for CAT tools, is written
// only: it has no reader, and is neither imported nor a memory. Whatever names or
// tells the formats apart is derived from here: the window's file filters,
// kvtool's help and --format, the format a file's name means and the files
// a translation memory can be.
class TextFormat {
public:
    // Pot is a PO template: the sources only, for msgmerge and Weblate.
    // XliffForOmegaT is XLIFF whose every target is its source, the text
    // OmegaT translates (XliffFile::Targets::Sources), with the
    // translations in a TMX: a template of XLIFF, written with its suffix.
    enum class Id { Csv, Po, Pot, Xliff, XliffForOmegaT, Tmx };

    // What a written file says besides its entries.
    struct Header {
        int codePage = 1252; // the translations'
        QString language; // the translation's language ("ru"); empty when not known
        QDateTime created;
        int sourceCodePage = 1252; // the sources', the game's: it tells their language
    };

    // The file for `entries`; `fileName` names it in an error, and names
    // a TMX's XLIFF for OmegaT (TmxFile::Header::segmentsFile).
    using Writer = Result<QByteArray> (*)(const QList<ExchangeEntry> &entries, const Header &header,
                                          const QString &fileName);
    // The entries of `file`, read from its start a block at a time (it must
    // be seekable); `fileName` names it in an error.
    using Reader = Result<ExchangeFile> (*)(QIODevice &file, const std::string &fileName);

    Id id;
    QString name;        // as kvtool's --format takes it: "po"
    QString title;       // as a sentence names it: "PO"
    const char *description; // a file filter's, in English: "PO files"
    QStringList suffixes; // without the dot; a written file takes the first
    // A template holds the sources only, for tools that translate them: it
    // is read as the format it is the template of, and is no memory.
    std::optional<Id> templateOf;
    Reader read; // none for a format the kit only writes
    Writer write;

    // Whether the kit reads files of this format as translations: an
    // import's own filter, a translation memory (no template, a reader).
    bool readsTranslations() const { return read && !templateOf; }

    // Every format, in the window's order.
    static const QList<TextFormat> &all();
    static const TextFormat &of(Id id);
    // The format whose suffix `fileName` ends in (any case), the first of
    // those that share it (no template); none for others.
    static const TextFormat *ofFile(const QString &fileName);
    // The format called `name`, or the first with one of its suffixes (any
    // case): "po", "xliff", "xlf".
    static const TextFormat *named(const QString &name);

    // The suffixes of the formats an import reads, of those that can be
    // translation memories (readsTranslations()) or of every format an
    // export writes, in the formats' order, each once; messages that name
    // every format list them alphabetically.
    enum class Use { Texts, Memories, Exports };
    enum class Order { Formats, Alphabetical };
    static QStringList allSuffixes(Use use, Order order = Order::Formats);
    // Every format's name, alphabetically: "csv", "po", "pot", "tmx",
    // "xliff", "xliff-omegat".
    static QStringList names();
    // `items` as a sentence lists them, each after `prefix`: "a, b or c",
    // or with the prefix "." ".a, .b or .c".
    static QString listed(const QStringList &items, const QString &prefix = {});
    // `suffixes` as a file filter's patterns: "*.po *.pot".
    static QString patterns(const QStringList &suffixes);

    // The description in the window's language.
    QString shownDescription() const;
    // The filter a save dialog offers for this format, in the window's
    // language: "XLIFF files (*.xlf)".
    QString saveFilter() const;
    // The filter an open dialog offers for a format that is no template,
    // with its templates' suffixes: "PO files (*.po *.pot)".
    QString openFilter() const;
    // The format a save dialog's `filter` (saveFilter()) offers; none for
    // another filter.
    static const TextFormat *ofSaveFilter(const QString &filter);
};

} // namespace orvanta

#include "TextsWidthsCommand.h"

#include "KitFolder.h"
#include "ToolOutput.h"
#include "pictures/PictureSlots.h"
#include "texts/TextTable.h"

namespace orvanta {

int TextsWidthsCommand::run(const QStringList &args)
{
    const QString description = tr(
        "Loads the texts of the kit in KITDIR as the kit does at start-up and writes to standard output, as CSV "
        "with the header row,source_px,translation_px, how many pixels wide the game draws each one: the source "
        "in the game's standard glyphs (Arial 8, in the sources' code page), the translation in the glyphs the next save "
        "would write (the kit's font and code page, or those given).");
    KitFolder folder;
    std::optional<KitFolder::Glyphs> glyphs;
    QCommandLineParser parser;
    if (const int failed = folder.openWithGlyphs(parser, args, description, glyphs))
        return failed;
    const GameTextRenderer &source = glyphs->standard->text;
    const GameTextRenderer &translation = glyphs->saved->text;
    QByteArray csv = "row,source_px,translation_px\r\n";
    const TextTable &texts = folder.kit.texts();
    for (int i = 0; i < texts.rowCount(); ++i) {
        const TextTable::Row &row = texts.row(i);
        csv += QByteArray::number(i + 1) + ',' + QByteArray::number(source.width(row.source)) + ','
            + QByteArray::number(translation.width(row.translation)) + "\r\n";
    }
    ToolOutput::write(csv);
    return folder.finish(0);
}

} // namespace orvanta

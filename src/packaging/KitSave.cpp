#include "KitSave.h"

#include "KitCompiler.h"
#include "font/GlyphFileWriter.h"
#include "pictures/PictureSlots.h"
#include "texts/TextTable.h"

namespace orvanta {

const QString KitSave::SuccessText = QStringLiteral("\"lang.dat\" compilation completed successfully!");

Result<QStringList> KitSave::save(const QString &applicationDirectory, const Work &work)
{
    work.texts.ResetFixedTexts();
    return KitCompiler::compile(applicationDirectory,
                                {[&work](const QString &output) { return SavePieces(work, output); }});
}

Status KitSave::SavePieces(const Work &work, const QString &outputDirectory)
{
    if (Status texts = work.texts.SaveTexts(outputDirectory); !texts)
        return texts;
    if (Status glyphs = GlyphFileWriter::WriteGlyphFiles(outputDirectory, work.glyphFont, work.codePage); !glyphs)
        return glyphs;
    return work.pictures.WritePictureFiles(outputDirectory);
}

} // namespace orvanta

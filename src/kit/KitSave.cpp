#include "KitSave.h"

#include "KitCompiler.h"
#include "core/ArchiveFile.h"
#include "font/FontChoice.h"
#include "font/GlyphFileDecoder.h"
#include "font/GlyphFileWriter.h"
#include "io/PlatformFiles.h"
#include "pictures/PictureSlots.h"
#include "texts/CodePage.h"
#include "texts/TextFile.h"
#include "texts/TextTable.h"

#include <QDir>
#include <QRegularExpression>

namespace orvanta {

const QString KitSave::SuccessText =
    QString::fromUtf8(QT_TRANSLATE_NOOP("KitSave", "\"lang.dat\" compilation completed successfully!"));
const QString KitSave::ReadOnlyText = QString::fromUtf8(
    QT_TRANSLATE_NOOP("KitSave", "lang.dat is read-only: someone locked it against changes. "
                                 "Saving replaces it (the new lang.dat is read-only too)."));

namespace {

// The "lang.dat" of a kit folder as a save finds it: nothing when there is
// none or it cannot be read (loading has told the translator why).
std::shared_ptr<ArchiveFile> currentArchive(const QString &applicationDirectory)
{
    auto file = ArchiveFile::open(PlatformFiles::nativePath(QDir(applicationDirectory).filePath(KitCompiler::ArchiveName)));
    return file ? *file : nullptr;
}

std::optional<QByteArray> entryBytes(ArchiveFile &archive, const char *name)
{
    const ArchiveEntry *entry = archive.directory().find(name);
    if (!entry)
        return std::nullopt;
    auto bytes = archive.readEntry(*entry);
    return bytes ? std::optional(QByteArray::fromStdString(*bytes)) : std::nullopt;
}

// Whole text records in the TEXTS.DAT of `archive` (a damaged archive
// counts the records it still holds).
qint64 textRecords(ArchiveFile *archive)
{
    const ArchiveEntry *entry = archive ? archive->directory().find("TEXTS.DAT") : nullptr;
    return entry ? TextFile::recordCount(entry->size) : 0;
}

// The glyphs the work's font gives in its code page: the capture it brings,
// else one made now.
Result<GlyphCache::Entry> glyphsOf(const KitSave::Work &work)
{
    if (work.glyphs)
        return work.glyphs;
    return GlyphCache().glyphs(work.glyphFont, work.codePage.number());
}

FormatError refusal(const QString &text)
{
    return FormatError::general({}, text.toStdString());
}

} // namespace

QString KitSave::noSourceTextsText(qint64 translations)
{
    if (translations == 0)
        return tr("kvmain.dat holds no texts: saving would give the game a lang.dat without any.");
    return tr("kvmain.dat holds no texts: saving would remove the %1 translations in lang.dat.", nullptr,
              int(translations))
        .arg(translations);
}

QString KitSave::fewerTextsText(qint64 now, qint64 written)
{
    return tr("lang.dat holds %1 text records, but this save writes only %2: the last %3 translations would be "
              "lost.")
        .arg(now)
        .arg(written)
        .arg(now - written);
}

QString KitSave::glyphsReplacedText(const Check &check)
{
    const QString now = check.cellHeightNow ? QStringLiteral("cells %1 pixels high").arg(*check.cellHeightNow)
                                            : QStringLiteral("cells of unknown height");
    return QStringLiteral("lang.dat holds glyphs of another font or code page (%1); this save replaces them with "
                          "%2 (cells %3 pixels high)")
        .arg(now, check.glyphsWritten)
        .arg(check.cellHeightWritten);
}

Result<KitSave::Check> KitSave::check(const QString &applicationDirectory, const Work &work)
{
    const Result<GlyphCache::Entry> captured = glyphsOf(work);
    if (!captured)
        return captured.error();
    const GlyphFiles &glyphs = (*captured)->files;
    Check check;
    check.textsWritten = work.texts.rowCount();
    check.cellHeightWritten = (*captured)->table.cellHeight;
    check.glyphsWritten =
        tr("%1, code page %2").arg(FontChoice::fontName(work.glyphFont)).arg(work.codePage.number());

    const std::shared_ptr<ArchiveFile> archive = currentArchive(applicationDirectory);
    check.textsNow = textRecords(archive.get());
    if (!archive)
        return check;
    const std::optional<QByteArray> fontNow = entryBytes(*archive, "FONT.SPR");
    const std::optional<QByteArray> sizesNow = entryBytes(*archive, "FONTSIZE.DAT");
    check.glyphsReplaced = (fontNow || sizesNow) && (fontNow != glyphs.fontSpr || sizesNow != glyphs.fontSizeDat);
    if (fontNow)
        check.cellHeightNow = GlyphFileDecoder::decode(*fontNow, "FONT.SPR").cellHeight;
    return check;
}

qint64 KitSave::textRecordsNow(const QString &applicationDirectory)
{
    return textRecords(currentArchive(applicationDirectory).get());
}

Status KitSave::removeLeftovers(const QString &applicationDirectory)
{
    if (Status finished = KitCompiler::finishInterrupted(applicationDirectory); !finished)
        return finished;
    // FileWriter's new files beside each file a save replaces.
    static const QRegularExpression leftover(QStringLiteral(
        "^(lang\\.dat|lang\\.dat\\.bak|orvanta-kit\\.review|orvanta-kit\\.review\\.bak|orvanta-kit\\.sources|"
        "orvanta-kit\\.sources\\.bak|orvanta-kit\\.save\\.journal)"
        "\\.[0-9a-f]{8}\\.new$"));
    QDir kit(applicationDirectory);
    for (const QString &name : kit.entryList({QStringLiteral("*.new")}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (leftover.match(name).hasMatch())
            kit.remove(name);
    }
    return Done{};
}

Result<QStringList> KitSave::write(const QString &applicationDirectory, const Work &work, bool allowFewerTexts,
                                  const std::vector<KitCompiler::Companion> &companions)
{
    if (Status tidied = removeLeftovers(applicationDirectory); !tidied)
        return tidied.error();
    // Judged under the lock: "lang.dat" is the one this save replaces.
    const qint64 textsNow = textRecordsNow(applicationDirectory);
    if (work.texts.rowCount() == 0)
        return refusal(noSourceTextsText(textsNow));
    if (work.texts.rowCount() < textsNow && !allowFewerTexts)
        return refusal(fewerTextsText(textsNow, work.texts.rowCount()));

    return KitCompiler::compile(applicationDirectory,
                                {[&work](const QString &output) { return SavePieces(work, output); }}, companions);
}

Status KitSave::SavePieces(const Work &work, const QString &outputDirectory)
{
    if (Status texts = work.texts.SaveTexts(outputDirectory); !texts)
        return texts;
    const Result<GlyphCache::Entry> glyphs = glyphsOf(work);
    if (!glyphs)
        return glyphs.error();
    if (Status written = GlyphFileWriter::WriteGlyphFiles(outputDirectory, (*glyphs)->files); !written)
        return written;
    return work.pictures.WritePictureFiles(outputDirectory);
}

} // namespace orvanta

#include "ArchiveVerifier.h"

#include "core/ArchiveDirectory.h"
#include "core/ArchiveDirectoryCheck.h"
#include "core/RawArchiveDirectory.h"
#include "core/StreamRead.h"
#include "font/GlyphFileDecoder.h"
#include "pictures/PictureCatalogue.h"
#include "pictures/PictureFile.h"
#include "pictures/PictureSlots.h"
#include "texts/TextFile.h"

#include <optional>
#include <set>

namespace orvanta {

namespace {

const std::string TextsName = "TEXTS.DAT";
const std::string SourceTextsName = "KVTEXTS.DAT";
const std::string FontName = "FONT.SPR";
const std::string SizesName = "FONTSIZE.DAT";
const std::string PictureExtension = ".PAD";

bool endsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

qsizetype gamePaletteSize()
{
    static const qsizetype size = PictureSlots().standardPalette().size();
    return size;
}

std::string pictureNames()
{
    std::string names;
    for (const PictureCatalogueRow &row : PictureCatalogue::rows())
        names += (names.empty() ? "" : ", ") + ArchiveEntry::upperName(row.fileName);
    return names;
}

const PictureCatalogueRow *pictureNamed(const std::string &entryName)
{
    for (const PictureCatalogueRow &row : PictureCatalogue::rows()) {
        if (ArchiveEntry::upperName(row.fileName) == entryName)
            return &row;
    }
    return nullptr;
}

class Verification {
public:
    Verification(std::istream &in, std::uint64_t length, const std::string &fileName)
        : m_in(in), m_fileName(fileName)
    {
        const RawArchiveDirectory raw = RawArchiveDirectory::read(in, length, fileName);
        m_findings = ArchiveDirectoryCheck::check(raw);
        m_directory = ArchiveDirectory::fromRecords(raw);
    }

    std::vector<FormatError> run()
    {
        std::set<std::string> seen;
        for (const ArchiveEntry &entry : m_directory.entries()) {
            // Only the first entry of a name is ever read.
            if (seen.insert(entry.name).second)
                checkEntry(entry);
        }
        checkGlyphFiles();
        return std::move(m_findings);
    }

private:
    std::string entryFile(const std::string &entryName) const
    {
        return m_fileName + ": " + ArchiveDirectoryCheck::printable(entryName);
    }

    void add(const std::vector<FormatError> &found) { m_findings.insert(m_findings.end(), found.begin(), found.end()); }

    std::optional<QByteArray> read(const ArchiveEntry &entry)
    {
        if (entry.size > ArchiveVerifier::MaxCheckedEntrySize) {
            m_findings.push_back(FormatError::general(entryFile(entry.name),
                "the entry is " + std::to_string(entry.size) + " bytes long, larger than any file the kit writes; "
                "its content is not checked"));
            return std::nullopt;
        }
        QByteArray bytes(qsizetype(entry.size), Qt::Uninitialized);
        if (StreamRead::at(m_in, entry.offset, bytes.data(), entry.size) != entry.size) {
            m_findings.push_back(FormatError::at(m_fileName, entry.offset,
                "the data of entry \"" + ArchiveDirectoryCheck::printable(entry.name) + "\" cannot be read"));
            return std::nullopt;
        }
        return bytes;
    }

    void checkEntry(const ArchiveEntry &entry)
    {
        // A name with lower-case letters is never looked up, so its content
        // does not matter; the directory check has reported it.
        if (entry.name != ArchiveEntry::upperName(entry.name))
            return;
        const bool texts = entry.name == TextsName || entry.name == SourceTextsName;
        const bool glyphs = entry.name == FontName || entry.name == SizesName;
        const bool picture = endsWith(entry.name, PictureExtension);
        if (!texts && !glyphs && !picture)
            return;
        const std::string file = entryFile(entry.name);
        const PictureCatalogueRow *row = picture ? pictureNamed(entry.name) : nullptr;
        if (picture && !row) {
            m_findings.push_back(FormatError::general(file,
                "no picture of the kit has this name; the game's picture files are " + pictureNames()));
            return;
        }
        const std::optional<QByteArray> bytes = read(entry);
        if (!bytes)
            return;
        if (texts)
            add(TextFile::check(*bytes, file));
        else if (row)
            add(PictureFile::check(*bytes, row->size(), gamePaletteSize(), file));
        else if (entry.name == FontName)
            add((m_font = GlyphFileDecoder::decode(*bytes, file))->problems);
        else
            m_sizes = *bytes;
    }

    // The widths against the records, when both files could be read.
    void checkGlyphFiles()
    {
        const bool hasFont = m_directory.find(FontName) != nullptr;
        const bool hasSizes = m_directory.find(SizesName) != nullptr;
        if (hasFont != hasSizes)
            m_findings.push_back(FormatError::general(m_fileName,
                (hasFont ? FontName + " has no " + SizesName : SizesName + " has no " + FontName)
                    + " beside it; the game's glyph files go together"));
        if (m_font && m_sizes)
            add(GlyphFileDecoder::checkSizes(*m_font, *m_sizes, entryFile(SizesName)));
    }

    std::istream &m_in;
    std::string m_fileName;
    std::vector<FormatError> m_findings;
    ArchiveDirectory m_directory;
    std::optional<GlyphFileDecoder::Decoded> m_font;
    std::optional<QByteArray> m_sizes;
};

} // namespace

std::vector<FormatError> ArchiveVerifier::verify(std::istream &in, std::uint64_t length, const std::string &fileName)
{
    return Verification(in, length, fileName).run();
}

} // namespace orvanta

#include "KitDocument.h"

#include "CodePageCommand.h"
#include "GlyphFontCommand.h"
#include "PictureCommand.h"
#include "TextEditCommand.h"
#include "TranslationsCommand.h"
#include "font/FontChoice.h"
#include "packaging/KitLoader.h"
#include "packaging/KitSettings.h"

#include <algorithm>
#include <memory>

namespace orvanta {

KitDocument::KitDocument(const QString &kitDirectory, QObject *parent)
    : QObject(parent)
    , m_directory(kitDirectory)
    , m_glyphFont(FontChoice::defaultFont())
    , m_codePage(CodePage::localeDefault())
    , m_startFont(FontChoice::DescribeGlyphFont(m_glyphFont))
    , m_startCodePage(m_codePage.number())
{
}

KitDocument::~KitDocument() = default;

std::vector<FormatError> KitDocument::load()
{
    std::vector<FormatError> problems = KitLoader::load(m_directory, m_texts, m_pictures);
    m_undoStack.clear();
    return problems;
}

void KitDocument::restore(const KitSettings &settings)
{
    m_glyphFont = settings.glyphFont().value_or(m_glyphFont);
    if (const auto number = settings.codePage(); number && *number != m_codePage.number())
        m_codePage = CodePage(*number);
    m_startFont = FontChoice::DescribeGlyphFont(m_glyphFont);
    m_startCodePage = m_codePage.number();
}

bool KitDocument::glyphsChosen() const
{
    return FontChoice::DescribeGlyphFont(m_glyphFont) != m_startFont || m_codePage.number() != m_startCodePage;
}

KitSave::Work KitDocument::work()
{
    const auto glyphs = savedGlyphs();
    return {m_texts, m_glyphFont, m_codePage, m_pictures, glyphs ? *glyphs : nullptr};
}

Result<KitSave::Check> KitDocument::checkSave()
{
    return KitSave::check(m_directory, work());
}

QByteArray KitDocument::text(int row, Side side) const
{
    if (row < 0 || row >= m_texts.rowCount())
        return {};
    const TextTable::Row &record = m_texts.row(row);
    return (side == Source ? record.source : record.translation).toByteArray();
}

void KitDocument::editText(int row, Side side, const QByteArray &text, int editing)
{
    if (row >= 0 && row < m_texts.rowCount() && text != this->text(row, side))
        m_undoStack.push(new TextEditCommand(*this, row, side, text, editing));
}

void KitDocument::applyTranslations(const QList<TextChange> &changes, const QString &description)
{
    auto command = std::make_unique<TranslationsCommand>(*this, changes, description);
    if (!command->isEmpty())
        m_undoStack.push(command.release());
}

void KitDocument::setTranslatedPicture(int row, const QImage &picture)
{
    const QImage *slot = m_pictures.TranslatedPicture(row);
    if (!slot || (slot->isNull() && picture.isNull()) || *slot == picture)
        return;
    m_undoStack.push(new PictureCommand(*this, row, picture));
}

void KitDocument::setGlyphFont(const QFont &font)
{
    if (FontChoice::DescribeGlyphFont(font) != FontChoice::DescribeGlyphFont(m_glyphFont))
        m_undoStack.push(new GlyphFontCommand(*this, font));
}

void KitDocument::setCodePage(int number)
{
    if (number != m_codePage.number() && CodePage::isSupported(number))
        m_undoStack.push(new CodePageCommand(*this, number));
}

Result<QStringList> KitDocument::save(const KitSave::Options &options)
{
    auto saved = KitSave::save(m_directory, work(), options);
    if (m_texts.rowCount() > 0)
        emit textsChanged(0, m_texts.rowCount() - 1); // the fixed records show their source again
    if (saved)
        m_undoStack.setClean();
    return saved;
}

void KitDocument::storeTexts(const QList<TextChange> &changes, Side side)
{
    if (changes.isEmpty())
        return;
    int first = changes.front().row;
    int last = first;
    for (const TextChange &change : changes) {
        if (side == Source)
            m_texts.setSource(change.row, change.text);
        else
            m_texts.setTranslation(change.row, change.text);
        first = std::min(first, change.row);
        last = std::max(last, change.row);
    }
    emit textsChanged(first, last);
}

void KitDocument::storePicture(int row, const QImage &picture)
{
    *m_pictures.TranslatedPicture(row) = picture;
    emit translatedPictureChanged(row);
}

void KitDocument::storeGlyphFont(const QFont &font)
{
    m_glyphFont = font;
    emit glyphFontChanged(m_glyphFont);
}

void KitDocument::storeCodePage(int number)
{
    m_codePage = CodePage(number);
    emit codePageChanged(number);
}

} // namespace orvanta

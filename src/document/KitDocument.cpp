#include "KitDocument.h"

#include "ChangeValue.h"
#include "TextEditCommand.h"
#include "font/FontChoice.h"
#include "pictures/PictureCatalogue.h"
#include "kit/KitSettings.h"

#include <algorithm>
#include <array>
#include <memory>

namespace orvanta {

KitDocument::KitDocument(const QString &kitDirectory, QObject *parent)
    : QObject(parent)
    , m_kit(kitDirectory)
    , m_startFont(FontChoice::DescribeGlyphFont(m_kit.glyphFont()))
    , m_startCodePage(m_kit.codePage().number())
{
}

KitDocument::~KitDocument() = default;

std::vector<FormatError> KitDocument::load()
{
    OpenKit::Opened opened = m_kit.open();
    m_opened.notices = opened.notices;
    m_opened.shifted = opened.shifted;
    // The window shows a kit without source texts too: its refusal stands
    // among the archives' problems, before the review file's.
    if (opened.refusal)
        opened.problems.insert(opened.problems.end() - (m_kit.marksProblem() ? 1 : 0), *opened.refusal);
    m_undoStack.clear();
    return opened.problems;
}

void KitDocument::restore(const KitSettings &settings)
{
    m_kit.useRemembered(settings);
    m_startFont = FontChoice::DescribeGlyphFont(m_kit.glyphFont());
    m_startCodePage = m_kit.codePage().number();
}

void KitDocument::setWiderAllowance(const WiderAllowance &allowance)
{
    if (allowance == m_kit.widerAllowance())
        return;
    m_kit.setWiderAllowance(allowance);
    emit widerAllowanceChanged();
}

std::optional<int> KitDocument::rowReadOtherwise(int number) const
{
    const CodePage other(number);
    for (int row = 0; row < texts().rowCount(); ++row) {
        // An untranslated row holds the game's own text, not the translator's typing.
        const QByteArrayView translation = texts().row(row).translation;
        if (translation == texts().row(row).source)
            continue;
        // Every code page reads ASCII alike: only the other bytes are decoded.
        const bool ascii = std::all_of(translation.begin(), translation.end(), [](char c) { return uchar(c) < 0x80; });
        if (!ascii && codePage().decode(translation) != other.decode(translation))
            return row;
    }
    return std::nullopt;
}

bool KitDocument::glyphsChosen() const
{
    return FontChoice::DescribeGlyphFont(m_kit.glyphFont()) != m_startFont
        || m_kit.codePage().number() != m_startCodePage;
}

QByteArray KitDocument::text(int row, TextTable::Column column) const
{
    if (row < 0 || row >= texts().rowCount())
        return {};
    const TextTable::Row &record = texts().row(row);
    return (column == TextTable::Source ? record.source : record.translation).toByteArray();
}

void KitDocument::editText(int row, TextTable::Column column, const QByteArray &text, int editing)
{
    if (row >= 0 && row < texts().rowCount() && text != this->text(row, column))
        m_undoStack.push(new TextEditCommand(*this, row, column, text, editing));
}

void KitDocument::applyTranslations(const QList<TextChange> &changes, const QString &description,
                                    const QList<ReviewMarks::Change> &marks)
{
    // Rows outside the table, and texts a row already has, are left out; a
    // row named twice ends with its last translation.
    QList<TextChange> before;
    QList<TextChange> after;
    for (const TextChange &change : changes) {
        if (change.row < 0 || change.row >= texts().rowCount())
            continue;
        const QByteArray was = text(change.row, TextTable::Translation);
        if (was == change.text)
            continue;
        before.append({change.row, was});
        after.append(change);
    }
    const bool textsChange = !after.isEmpty();
    auto command = std::make_unique<ChangeValue<QList<TextChange>>>(
        description, std::move(before), std::move(after),
        [this](const QList<TextChange> &texts) { storeTexts(texts, TextTable::Translation); });
    const bool marksChange = marksCommand(marks, description, command.get()) != nullptr;
    if (textsChange || marksChange)
        m_undoStack.push(command.release());
}

void KitDocument::applyImport(const OpenKit::Import &import, const QString &description)
{
    const bool more = import.codePage != m_kit.codePage().number() || import.glyphFont || !import.pictures.empty();
    if (!more) {
        applyTranslations(import.outcome.changes, description, import.outcome.marks);
        return;
    }
    m_undoStack.beginMacro(description);
    setCodePage(import.codePage);
    if (import.glyphFont)
        setGlyphFont(*import.glyphFont);
    applyTranslations(import.outcome.changes, description, import.outcome.marks);
    for (const auto &[row, picture] : import.pictures)
        setTranslatedPicture(row, picture);
    m_undoStack.endMacro();
}

void KitDocument::setMarks(const QList<ReviewMarks::Change> &changes, const QString &description)
{
    if (QUndoCommand *command = marksCommand(changes, description, nullptr))
        m_undoStack.push(command);
}

QUndoCommand *KitDocument::marksCommand(const QList<ReviewMarks::Change> &changes, const QString &description,
                                        QUndoCommand *parent)
{
    // Rows outside the table, and marks a row already has, are left out.
    QList<ReviewMarks::Change> before;
    QList<ReviewMarks::Change> after;
    for (const ReviewMarks::Change &change : changes) {
        if (change.row < 0 || change.row >= texts().rowCount())
            continue;
        const ReviewMarks::Mark &was = marks().mark(change.row);
        if (was == change.mark)
            continue;
        before.prepend({change.row, was}); // undone last change first
        after.append(change);
    }
    if (after.isEmpty())
        return nullptr;
    return new ChangeValue<QList<ReviewMarks::Change>>(
        description, std::move(before), std::move(after),
        [this](const QList<ReviewMarks::Change> &marks) { storeMarks(marks); }, -1, parent);
}

void KitDocument::setTranslatedPicture(int row, const QImage &picture)
{
    changePicture(row, picture, QString());
}

void KitDocument::refusePicture(int row, const QString &file)
{
    changePicture(row, QImage(), file);
}

void KitDocument::changePicture(int row, const QImage &picture, const QString &refusedFile)
{
    const QImage *slot = pictures().TranslatedPicture(row);
    if (!slot || (slot->isNull() && picture.isNull()) || *slot == picture)
        return;
    const QString file = QString::fromLatin1(PictureCatalogue::row(row)->fileName);
    const QString text = !refusedFile.isEmpty() ? tr("Refuse picture %1 for %2").arg(refusedFile, file)
        : picture.isNull()                      ? tr("Remove picture %1").arg(file)
                                                : tr("Accept picture %1").arg(file);
    m_undoStack.push(new ChangeValue<QImage>(text, *slot, picture,
                                             [this, row](const QImage &image) { storePicture(row, image); }));
}

void KitDocument::setGlyphFont(const QFont &font)
{
    if (FontChoice::DescribeGlyphFont(font) != FontChoice::DescribeGlyphFont(m_kit.glyphFont()))
        m_undoStack.push(new ChangeValue<QFont>(
            tr("Choose font %1").arg(FontChoice::DescribeGlyphFont(font)), m_kit.glyphFont(), font,
            [this](const QFont &chosen) { storeGlyphFont(chosen); }));
}

void KitDocument::setCodePage(int number)
{
    if (number != m_kit.codePage().number() && CodePage::isSupported(number))
        m_undoStack.push(new ChangeValue<int>(tr("Choose code page %1").arg(CodePage::describe(number)),
                                              m_kit.codePage().number(), number,
                                              [this](int chosen) { storeCodePage(chosen); }, MergeCodePageSteps));
}

Result<OpenKit::Saved> KitDocument::save(SaveQuestions &questions, std::chrono::milliseconds lockWait)
{
    std::array<QImage, PictureCatalogue::RowCount> picturesBefore;
    for (int row = 0; row < PictureCatalogue::RowCount; ++row)
        picturesBefore[std::size_t(row)] = *pictures().TranslatedPicture(row);
    auto saved = m_kit.save(questions, lockWait);
    if (!saved)
        return saved;
    if (saved->outcome == OpenKit::Saved::Outcome::Saved) {
        QList<TextChange> written;
        for (const int row : TextTable::FixedTextRows) {
            if (row >= texts().rowCount())
                break;
            const QByteArray source = text(row, TextTable::Source);
            const QByteArray translation = text(row, TextTable::Translation);
            if (const QByteArrayView given = TextTable::savedText(row, source, translation); given != translation)
                written.append({row, given.toByteArray()});
        }
        storeTexts(written, TextTable::Translation);
        m_undoStack.setClean();
    }
    if (saved->outcome == OpenKit::Saved::Outcome::Reloaded) {
        m_undoStack.clear();
        if (texts().rowCount() > 0) {
            emit textsChanged(0, texts().rowCount() - 1);
            emit marksChanged(0, texts().rowCount() - 1);
        }
        for (int row = 0; row < PictureCatalogue::RowCount; ++row) {
            if (*pictures().TranslatedPicture(row) != picturesBefore[std::size_t(row)])
                emit translatedPictureChanged(row);
        }
    }
    return saved;
}

void KitDocument::storeTexts(const QList<TextChange> &changes, TextTable::Column column)
{
    if (changes.isEmpty())
        return;
    int first = changes.front().row;
    int last = first;
    for (const TextChange &change : changes) {
        if (column == TextTable::Source)
            m_kit.texts().setSource(change.row, change.text);
        else
            m_kit.texts().setTranslation(change.row, change.text);
        first = std::min(first, change.row);
        last = std::max(last, change.row);
    }
    emit textsChanged(first, last);
}

void KitDocument::storeMarks(const QList<ReviewMarks::Change> &changes)
{
    if (changes.isEmpty())
        return;
    int first = changes.front().row;
    int last = first;
    for (const ReviewMarks::Change &change : changes) {
        m_kit.marks().setMark(change.row, change.mark);
        first = std::min(first, change.row);
        last = std::max(last, change.row);
    }
    emit marksChanged(first, last);
}

void KitDocument::storePicture(int row, const QImage &picture)
{
    *m_kit.pictures().TranslatedPicture(row) = picture;
    emit translatedPictureChanged(row);
}

void KitDocument::storeGlyphFont(const QFont &font)
{
    m_kit.setGlyphFont(font);
    emit glyphFontChanged(font);
}

void KitDocument::storeCodePage(int number)
{
    m_kit.setCodePage(number);
    emit codePageChanged(number);
}

} // namespace orvanta

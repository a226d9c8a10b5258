#include "TextCellDelegate.h"

#include "MisspeltWave.h"
#include "SpellingMenu.h"
#include "TextsMessages.h"
#include "document/DocumentReview.h"
#include "document/TextTableModel.h"
#include "texts/TextTable.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTextCharFormat>
#include <QToolTip>
#include <QValidator>

#include <algorithm>
#include <memory>

namespace orvanta {

namespace {

// Accepts exactly the texts the code page of the cell's text (source or
// translation) can hold; remembers the first character it refused so the
// editor can say which one it was.
class CodePageValidator : public QValidator {
public:
    CodePageValidator(const KitDocument &document, TextTable::Column text, int row, QObject *parent)
        : QValidator(parent)
        , m_document(document)
        , m_text(text)
        , m_row(row)
    {
    }

    State validate(QString &input, int &) const override
    {
        qsizetype bad = 0;
        if (codePage().encode(input, &bad))
            return Acceptable;
        m_refused = input.at(bad);
        return Invalid;
    }

    QChar refused() const { return m_refused; }
    const CodePage &codePage() const { return m_document.codePages().of(m_text, m_row); }

private:
    const KitDocument &m_document;
    TextTable::Column m_text;
    int m_row;
    mutable QChar m_refused;
};

// The text table behind a grid index, and the index there: the grid shows
// the table through its search and filter.
std::pair<TextTableModel *, QModelIndex> tableCell(const QModelIndex &index)
{
    QModelIndex cell = index;
    while (auto *proxy = qobject_cast<const QAbstractProxyModel *>(cell.model()))
        cell = proxy->mapToSource(cell);
    return {qobject_cast<TextTableModel *>(const_cast<QAbstractItemModel *>(cell.model())), cell};
}

// A translation the spell check sees: the translator's own, not a fixed
// record's, whose save writes its source.
bool isSpellChecked(const QModelIndex &index)
{
    const QModelIndex cell = tableCell(index).second;
    return cell.column() == TextTable::Translation && !TextTable::isFixed(cell.row());
}

// What an editor remembers of its editing, kept as its properties.
const char *const EditingProperty = "orvantaEditing";
const char *const StartTextProperty = "orvantaStartText";
const char *const SourceTextProperty = "orvantaSourceText"; // the edited translation's

// The note sign: the top right corner of a number cell, folded over in
// amber, as spreadsheets mark a cell that has a comment. The number and the
// warning sign stand at the left, clear of it.
void drawNoteSign(QPainter &painter, const QRect &cell)
{
    const int size = std::min(cell.height() / 2, 8);
    const QPoint corner = cell.topRight();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE0, 0x90, 0x00));
    painter.drawPolygon(QPolygon({corner - QPoint(size, 0), corner + QPoint(1, 0), corner + QPoint(1, size + 1)}));
    painter.restore();
}

} // namespace

void TextCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (index.column() == TextTable::Number && !index.data(TextTableModel::NoteRole).toString().isEmpty())
        drawNoteSign(*painter, option.rect);
    const SpellingDictionary *checker = m_review ? m_review->spellChecker().get() : nullptr;
    if (!checker || !isSpellChecked(index))
        return;
    const QString text = index.data(Qt::EditRole).toString();
    const QString source = index.siblingAtColumn(TextTable::Source).data(Qt::EditRole).toString();
    if (text == source)
        return; // untranslated: nothing the translator wrote
    const QList<SpellingDictionary::Misspelling> misspelt = checker->misspellings(text, source);
    if (misspelt.isEmpty())
        return;
    // Where the style drew the text: its rectangle, less the margin.
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    area.adjust(margin, 0, -margin, 0);
    const QFontMetricsF metrics(item.font);
    const qreal y = area.top() + (area.height() - metrics.height()) / 2 + metrics.ascent() + metrics.descent() / 2;
    painter->save();
    painter->setClipRect(area);
    for (const SpellingDictionary::Misspelling &word : misspelt) {
        const qreal x1 = area.left() + metrics.horizontalAdvance(text.left(word.start));
        MisspeltWave::draw(*painter, x1, x1 + metrics.horizontalAdvance(text.sliced(word.start, word.length)), y);
    }
    painter->restore();
}

void TextCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (line && line->text() == index.data(Qt::EditRole).toString())
        return;
    QStyledItemDelegate::setEditorData(editor, index);
}

void TextCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const auto [texts, cell] = tableCell(index);
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (texts && line)
        texts->type(cell, line->text(), editor->property(EditingProperty).toInt());
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}

QWidget *TextCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    const auto [model, cell] = tableCell(index);
    auto *editor = qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
    if (!model || !editor)
        return editor;
    editor->setProperty(EditingProperty, model->beginEditing());
    editor->setProperty(StartTextProperty, index.data(Qt::EditRole));
    auto *validator = new CodePageValidator(model->document(), TextTable::Column(cell.column()), cell.row(), editor);
    editor->setValidator(validator);
    connect(editor, &QLineEdit::inputRejected, editor, [editor, validator] {
        QToolTip::showText(editor->mapToGlobal(QPoint(0, editor->height())),
                           TextsMessages::codePageRefusal(validator->refused(), validator->codePage().number()),
                           editor);
    });
    // Every change the translator makes, typed or undone inside the editor.
    connect(editor, &QLineEdit::textEdited, this, [this, editor] {
        emit const_cast<TextCellDelegate *>(this)->commitData(editor);
    });
    if (m_review && isSpellChecked(index)) {
        editor->setProperty(SourceTextProperty, index.siblingAtColumn(TextTable::Source).data(Qt::EditRole));
        connect(editor, &QLineEdit::textChanged, this, [this, editor] { underlineMisspellings(editor); });
        // Words added or ignored, or another dictionary: underlined anew.
        connect(m_review, &DocumentReview::reviewed, editor, [this, editor] { underlineMisspellings(editor); });
        editor->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(editor, &QWidget::customContextMenuRequested, this,
                [this, editor](const QPoint &position) { showEditorMenu(editor, position); });
        underlineMisspellings(editor);
    }
    return editor;
}

void TextCellDelegate::underlineMisspellings(QLineEdit *editor) const
{
    // A line edit shows formats only as those of an input method's text,
    // placed relative to the cursor; an event with no text changes nothing else.
    QList<QInputMethodEvent::Attribute> formats;
    if (const SpellingDictionary *checker = m_review->spellChecker().get()) {
        const QTextCharFormat wave = MisspeltWave::format();
        for (const SpellingDictionary::Misspelling &word :
             checker->misspellings(editor->text(), editor->property(SourceTextProperty).toString()))
            formats.append({QInputMethodEvent::TextFormat, int(word.start) - editor->cursorPosition(),
                            int(word.length), QVariant::fromValue(QTextFormat(wave))});
    }
    QInputMethodEvent event(QString(), formats);
    QCoreApplication::sendEvent(editor, &event);
}

void TextCellDelegate::showEditorMenu(QLineEdit *editor, const QPoint &position) const
{
    std::unique_ptr<QMenu> menu(editor->createStandardContextMenu());
    // The editor's menu is its child, but the editor closes when an entry's
    // message box takes the focus: the window keeps the menu until it ends.
    menu->setParent(editor->window(), menu->windowFlags());
    menu->setObjectName(QStringLiteral("CellEditorMenu"));
    SpellingMenu::offerCorrections(
        *menu, *m_review, editor->text(), editor->property(SourceTextProperty).toString(),
        editor->cursorPositionAt(position),
        [this, editor](qsizetype start, qsizetype length, const QString &word) {
            editor->setSelection(int(start), int(length));
            editor->insert(word);
            emit const_cast<TextCellDelegate *>(this)->commitData(editor);
        },
        editor);
    menu->exec(editor->mapToGlobal(position));
}

bool TextCellDelegate::eventFilter(QObject *watched, QEvent *event)
{
    auto *editor = qobject_cast<QLineEdit *>(watched);
    if (editor && event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape
        && editor->property(StartTextProperty).isValid()) {
        // The text the cell had when the editing began; the editing's undo
        // step goes with it.
        editor->setText(editor->property(StartTextProperty).toString());
        emit commitData(editor);
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

} // namespace orvanta

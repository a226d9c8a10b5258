#include "TranslationEditor.h"

#include "MisspeltWave.h"
#include "SpellingMenu.h"
#include "TextsMessages.h"
#include "document/DocumentReview.h"
#include "document/TextTableModel.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QToolTip>

#include <memory>

namespace orvanta {

TranslationEditor::TranslationEditor(TextTableModel &model, DocumentReview &review, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_model(model)
    , m_review(review)
{
    setObjectName(QStringLiteral("TranslationEditor"));
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setToolTip(tr("The current row's translation, on as many lines as it needs"));
    connect(this, &QPlainTextEdit::textChanged, this, &TranslationEditor::typed);
    // Words added or ignored, or another dictionary: underlined anew.
    connect(&review, &DocumentReview::reviewed, this, &TranslationEditor::underlineMisspellings);
}

void TranslationEditor::showRecord(int record)
{
    const QString text = m_model.text(record, TextTable::Translation);
    if (record == m_record && text == toPlainText())
        return;
    if (record != m_record)
        m_editing = 0; // another row: another editing
    m_record = record;
    m_shown = text;
    {
        const QScopedValueRollback showing(m_showing, true);
        setPlainText(text);
        setReadOnly(record < 0);
    }
    underlineMisspellings();
}

void TranslationEditor::focusInEvent(QFocusEvent *event)
{
    m_editing = 0;
    QPlainTextEdit::focusInEvent(event);
}

void TranslationEditor::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return; // a record is one line
    QPlainTextEdit::keyPressEvent(event);
}

void TranslationEditor::insertFromMimeData(const QMimeData *source)
{
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    insertPlainText(text);
}

// Every change the translator makes goes to the model; one the code page
// cannot hold is taken back, and the translator told which character it was.
void TranslationEditor::typed()
{
    if (m_showing || m_record < 0)
        return;
    const QString text = toPlainText();
    qsizetype bad = 0;
    if (!m_model.document().codePage().encode(text, &bad)) {
        const QChar refused = text.at(bad);
        const int cursor = std::max(0, int(textCursor().position() - (text.size() - m_shown.size())));
        {
            const QScopedValueRollback showing(m_showing, true);
            setPlainText(m_shown);
        }
        QTextCursor back = textCursor();
        back.setPosition(std::min(cursor, int(m_shown.size())));
        setTextCursor(back);
        QToolTip::showText(mapToGlobal(cursorRect().bottomLeft()),
                           TextsMessages::codePageRefusal(refused, m_model.document().codePage().number()), this);
        underlineMisspellings();
        return;
    }
    if (m_editing == 0)
        m_editing = m_model.beginEditing();
    m_shown = text;
    m_model.type(m_model.index(m_record, TextTable::Translation), text, m_editing);
    underlineMisspellings();
}

void TranslationEditor::underlineMisspellings()
{
    QList<QTextEdit::ExtraSelection> waves;
    const SpellingDictionary *checker = m_review.spellChecker().get();
    if (checker && m_record >= 0 && !TextTable::isFixed(m_record)) {
        const QString text = toPlainText();
        const QString source = m_model.text(m_record, TextTable::Source);
        for (const SpellingDictionary::Misspelling &word : checker->misspellings(text, source)) {
            QTextEdit::ExtraSelection wave;
            wave.format = MisspeltWave::format();
            wave.cursor = QTextCursor(document());
            wave.cursor.setPosition(int(word.start));
            wave.cursor.setPosition(int(word.start + word.length), QTextCursor::KeepAnchor);
            waves.append(wave);
        }
    }
    setExtraSelections(waves);
}

void TranslationEditor::contextMenuEvent(QContextMenuEvent *event)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    menu->setObjectName(QStringLiteral("TranslationEditorMenu"));
    if (m_record >= 0 && !TextTable::isFixed(m_record)) {
        SpellingMenu::offerCorrections(
            *menu, m_review, toPlainText(), m_model.text(m_record, TextTable::Source),
            cursorForPosition(event->pos()).position(),
            [this](qsizetype start, qsizetype length, const QString &word) {
                QTextCursor cursor(document());
                cursor.setPosition(int(start));
                cursor.setPosition(int(start + length), QTextCursor::KeepAnchor);
                cursor.insertText(word);
            },
            this);
    }
    menu->exec(event->globalPos());
}

} // namespace orvanta

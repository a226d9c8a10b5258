#pragma once

#include <QPlainTextEdit>

namespace orvanta {

class DocumentReview;
class TextTableModel;

// The editing pane under the grid ("TranslationEditor"): the current row's
// translation on as many lines as it needs, for long texts, edited as the
// grid's cell is. Every keystroke goes to the model as part of one editing
// (from the pane taking the keyboard until it leaves it or the row changes),
// so the grid, the labels and the byte counter follow the typing and the
// editing is one undo step. It refuses what the code page cannot hold,
// saying why; a record is one line, so a line break is no character of it:
// Enter types none, and pasted lines are joined by spaces. Misspelt words
// are underlined with a red wave, and the menu offers their corrections.
class TranslationEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    // The model and the review must outlive the pane.
    TranslationEditor(TextTableModel &model, DocumentReview &review, QWidget *parent = nullptr);

    // Shows record `record`'s translation; the text being typed stays as it
    // is when it is the record's already.
    void showRecord(int record);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void typed();
    void underlineMisspellings();

    TextTableModel &m_model;
    DocumentReview &m_review;
    int m_record = -1;
    int m_editing = 0;  // the model's editing the keystrokes belong to; 0 before the first
    QString m_shown;    // the record's text as the pane last showed or stored it
    bool m_showing = false;
};

} // namespace orvanta

#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace orvanta {

class KitDocument;
class TextGridModel;
class TextReplace;
class TextsNavigation;

// "Find and replace" ("FindReplaceWindow", Ctrl+H on the Texts page): a
// text searched for in the translations of the rows the grid shows (its
// search and filter apply), as a whole word or anywhere, with its case or
// without. "Find next" goes to the next row that holds it, after the
// current one; "Replace all" replaces it in every one of those rows as one
// step of the history, or in none when the code page cannot hold a result,
// saying which row and character. The line at the bottom tells what was
// done.
class FindReplaceWindow : public QDialog {
    Q_OBJECT

public:
    // The document, the grid's rows and the navigation must outlive the
    // window, which `page` parents.
    FindReplaceWindow(KitDocument &document, TextGridModel &shown, TextsNavigation &navigation, QWidget *page);

    // Shows the window with the find field ready to type in.
    void open() override;

public slots:
    void findNext();
    void replaceAll();

private:
    TextReplace replacement() const;
    // The records of the grid's rows, in the grid's order.
    QList<int> shownRecords() const;

    KitDocument &m_document;
    TextGridModel &m_shown;
    TextsNavigation &m_navigation;
    QLineEdit *m_find = nullptr;
    QLineEdit *m_replace = nullptr;
    QCheckBox *m_wholeWord = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QLabel *m_outcome = nullptr;
};

} // namespace orvanta

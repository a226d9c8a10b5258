#pragma once

#include <QMenu>

#include <functional>

namespace orvanta {

class DocumentReview;
class KitDocument;
class KitSettings;

// The grid's menu "Spell check" ("SpellingMenu"): none, or one of the
// dictionaries installed when the menu opens, the one chosen checked and
// the code page's language marked as suggested. The choice is remembered in
// the settings; the review underlines the misspelt words with it.
//
// offerCorrections() gives the editors of a translation (the grid's cell
// editor, the editing pane) the same menu entries for a misspelt word.
class SpellingMenu : public QMenu {
    Q_OBJECT

public:
    // The document, the settings and the review must outlive the menu;
    // `page` parents it and the boxes it shows.
    SpellingMenu(KitDocument &document, KitSettings &settings, DocumentReview &review, QWidget *page);

    // Spell checks with the dictionary of `language` ("" for none), telling
    // once what cannot be used; chooseSpelling() also remembers the choice.
    void useSpelling(const QString &language);
    void chooseSpelling(const QString &language);

    // Inserts into `menu`, before its first action, for the misspelt word of
    // `text` (a translation of `source`) at position `at`: Hunspell's
    // suggestions, "Add to the kit's dictionary" and "Ignore"; nothing when
    // no misspelt word stands there. A suggestion chosen is handed to
    // `replace` with the word's place; `owner`'s window parents any message.
    using Replace = std::function<void(qsizetype start, qsizetype length, const QString &word)>;
    static void offerCorrections(QMenu &menu, DocumentReview &review, const QString &text, const QString &source,
                                 int at, const Replace &replace, QWidget *owner);

signals:
    // Another dictionary, or none: the misspelt words shown change.
    void spellingChanged();

private:
    void offerDictionaries();

    KitDocument &m_document;
    KitSettings &m_settings;
    DocumentReview &m_review;
};

} // namespace orvanta

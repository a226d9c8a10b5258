#pragma once

#include "kit/KitSuggestions.h"

#include <QList>
#include <QObject>

class QFileDialog;
class QWidget;

namespace orvanta {

class DocumentSuggestions;
class KitDocument;
class KitSettings;
class SuggestionsList;

// The Texts page's suggestions for the current row: translations of
// identical and similar originals from the kit's other rows and from the
// translation memories the settings name, shown in every list the page
// made (newList()) and taken with Alt+1 to Alt+9 or from a list. The
// memories: "Add translation memory..." (a PO, XLIFF or CSV file, or
// another kit's kvmain.dat, from "MemoryDialog") and "Forget translation
// memories", both remembered in the settings.
//
// Nothing is suggested until start(): the page starts without the memories.
class SuggestionsPanel : public QObject {
    Q_OBJECT

public:
    // All must outlive the panel; `page` parents its dialog and boxes.
    SuggestionsPanel(KitDocument &document, KitSettings &settings, QWidget *page);

    // A list showing the suggestions, a child of `parent` that lives as long
    // as the page.
    SuggestionsList *newList(QWidget *parent);

    // Reads the memories and suggests from now on, telling which memories
    // could not be read.
    void start();
    // Shows `record`'s suggestions unless they are shown already; the page
    // calls it whenever it shows a row's texts.
    void showFor(int record);
    // The suggestions shown may be out of date: other rows' translations
    // changed.
    void outdate() { m_suggestedRecord = -1; }

public slots:
    // The current row's suggestion `index` (from 0) as its translation.
    void takeSuggestion(int index);
    void addMemory();
    void forgetMemories();

private:
    void showSuggestions(int record);

    KitDocument &m_document;
    KitSettings &m_settings;
    QWidget *m_page;
    DocumentSuggestions *m_suggestions = nullptr;
    QList<SuggestionsList *> m_lists; // the page's, and the preview window's once made
    QList<KitSuggestions::Suggestion> m_shown;
    int m_shownRecord = 0;      // whose texts the page shows
    int m_suggestedRecord = -1; // whose suggestions are shown
    bool m_suggesting = false;  // from start() on
    QFileDialog *m_memoryDialog = nullptr;
};

} // namespace orvanta

#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

class QDialog;
class QPushButton;
class QWidget;

namespace orvanta {

class DocumentReview;
class KitSettings;
class SuggestionsList;
class SuggestionsPanel;
class TextChecksList;
class TextPreview;

// What the Texts page shows of the current row's review: the row drawn in
// the game's glyphs, its suggestions and the list of warnings. The page
// places them between the grid and the labels when it is tall enough; they
// also open in windows of their own: the preview with the suggestions
// ("PreviewWindow", as wide as the main window, from the "Preview" button,
// there in every size of the window) and the warnings ("ChecksWindow", from
// showWarnings() when the page shows no list). The previews share one
// zoom, remembered in the settings.
class ReviewPanels : public QObject {
    Q_OBJECT

public:
    // The review, the suggestions and the settings must outlive the panels.
    // The page's panels are made as children of `page`; the preview button
    // is made without a parent.
    ReviewPanels(const DocumentReview &review, SuggestionsPanel &suggestions, KitSettings &settings, QWidget *page);

    TextPreview *pagePreview() const { return m_pagePreview; }
    SuggestionsList *pageSuggestions() const { return m_pageSuggestions; }
    TextChecksList *pageChecks() const { return m_pageChecks; }
    QPushButton *previewButton() const { return m_previewButton; }

    // Every preview draws `source` and `saved`, the current row's texts.
    void showTexts(const QByteArray &source, const QByteArray &saved);
    // Gives the list of warnings the keyboard, opening its window when the
    // page has no room for it, showing the faults (showWarnings) or the
    // rows drawn wider (showWider).
    void showWarnings();
    void showWider();

signals:
    // The translator chose a warning of `record` in a list of warnings.
    void recordActivated(int record);

private:
    TextPreview *newPreview(QWidget *parent);
    TextChecksList *newChecksList(QWidget *parent);
    QDialog *reviewWindow(QDialog *&window, const char *name, const QString &title);
    // The list of warnings on the page, or in its window when the page has
    // no room for it (opened).
    TextChecksList *shownChecks();

    const DocumentReview &m_review;
    SuggestionsPanel &m_suggestions;
    KitSettings &m_settings;
    QWidget *m_page;
    TextPreview *m_pagePreview = nullptr; // between the grid and the labels
    SuggestionsList *m_pageSuggestions = nullptr;
    TextChecksList *m_pageChecks = nullptr;
    QPushButton *m_previewButton = nullptr;
    QList<TextPreview *> m_previews; // the page's, and the window's once made
    QDialog *m_previewWindow = nullptr;
    QDialog *m_checksWindow = nullptr;
    QByteArray m_source; // what the previews show
    QByteArray m_saved;
};

} // namespace orvanta

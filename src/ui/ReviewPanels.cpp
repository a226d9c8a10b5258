#include "ReviewPanels.h"

#include "Controls.h"
#include "SuggestionsList.h"
#include "SuggestionsPanel.h"
#include "TextChecksList.h"
#include "TextPreview.h"
#include "kit/KitSettings.h"
#include "texts/TextChecker.h"

#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orvanta {

ReviewPanels::ReviewPanels(const DocumentReview &review, SuggestionsPanel &suggestions, KitSettings &settings,
                           QWidget *page)
    : QObject(page)
    , m_review(review)
    , m_suggestions(suggestions)
    , m_settings(settings)
    , m_page(page)
{
    m_pagePreview = newPreview(page);
    m_pageSuggestions = suggestions.newList(page);
    m_pageChecks = newChecksList(page);

    m_previewButton = Controls::button("PreviewButton", tr("Preview"));
    m_previewButton->setCheckable(true);
    m_previewButton->setToolTip(tr("The current row as the game will draw it"));
    connect(m_previewButton, &QPushButton::toggled, this, [this](bool on) {
        QDialog *window = reviewWindow(m_previewWindow, "PreviewWindow", tr("Preview"));
        window->setVisible(on);
    });
}

void ReviewPanels::showTexts(const QByteArray &source, const QByteArray &saved)
{
    m_source = source;
    m_saved = saved;
    for (TextPreview *preview : std::as_const(m_previews))
        preview->showTexts(source, saved);
}

void ReviewPanels::showWarnings()
{
    shownChecks()->showFaults();
}

void ReviewPanels::showWider()
{
    shownChecks()->showOnly(TextChecker::Wider);
}

TextChecksList *ReviewPanels::shownChecks()
{
    if (m_pageChecks->isVisible()) {
        m_pageChecks->setFocus(Qt::OtherFocusReason);
        return m_pageChecks;
    }
    QDialog *window = reviewWindow(m_checksWindow, "ChecksWindow", tr("Warnings"));
    window->show();
    window->raise();
    window->activateWindow();
    return window->findChild<TextChecksList *>();
}

TextPreview *ReviewPanels::newPreview(QWidget *parent)
{
    auto *preview = new TextPreview(m_review, parent);
    m_previews.append(preview); // the page's child, or its window's: it lives as long as the page
    preview->setZoom(m_settings.previewZoom().value_or(1));
    preview->showTexts(m_source, m_saved);
    connect(preview, &TextPreview::zoomChosen, this, [this](int zoom) {
        m_settings.setPreviewZoom(zoom);
        for (TextPreview *each : std::as_const(m_previews))
            each->setZoom(zoom);
    });
    return preview;
}

TextChecksList *ReviewPanels::newChecksList(QWidget *parent)
{
    auto *list = new TextChecksList(m_review, parent);
    connect(list, &TextChecksList::recordActivated, this, &ReviewPanels::recordActivated);
    return list;
}

// A small window of the page's own, made when first asked for.
QDialog *ReviewPanels::reviewWindow(QDialog *&window, const char *name, const QString &title)
{
    if (window)
        return window;
    window = Controls::named(new QDialog(m_page, Qt::Tool), name);
    window->setWindowTitle(title);
    window->setFont(Controls::font()); // a window of its own takes no font from the page
    auto *layout = new QVBoxLayout(window);
    if (&window == &m_previewWindow) {
        layout->addWidget(newPreview(window));
        layout->addWidget(m_suggestions.newList(window));
        // The whole width the main window has, for long texts.
        window->resize(std::max(460, m_page->window()->width()), 200);
        connect(window, &QDialog::finished, m_previewButton, [this] { m_previewButton->setChecked(false); });
    } else {
        layout->addWidget(newChecksList(window));
        window->resize(480, 240);
    }
    return window;
}

} // namespace orvanta

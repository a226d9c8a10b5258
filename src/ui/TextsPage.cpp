#include "TextsPage.h"

#include "Controls.h"
#include "ExchangeActions.h"
#include "FindReplaceWindow.h"
#include "ProgressLine.h"
#include "ReviewActions.h"
#include "ReviewPanels.h"
#include "SpellingMenu.h"
#include "SuggestionsList.h"
#include "SuggestionsPanel.h"
#include "TextCellDelegate.h"
#include "TextChecksList.h"
#include "TextGrid.h"
#include "TextGridModel.h"
#include "TextPreview.h"
#include "TextsMessages.h"
#include "TextsNavigation.h"
#include "TranslationEditor.h"
#include "TranslationLabel.h"
#include "WiderAllowanceDialog.h"
#include "document/DocumentReview.h"
#include "document/TextTableModel.h"
#include "kit/KitSettings.h"
#include "texts/TextFile.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>

namespace orvanta {

namespace {

// How much of the height the page gains goes to the grid; the rest opens
// room between the grid and the labels for the editing pane, the preview,
// the suggestions and the warnings, until they have PanelRoom: then the grid
// takes all the rest. They show once they have WorkAreaHeight.
constexpr double GridShare = 0.45;
constexpr int PanelRoom = 330;
constexpr int WorkAreaHeight = 110;

const QColor WarningColour(0xC0, 0x10, 0x10);

} // namespace

TextsPage::TextsPage(KitDocument &document, KitSettings &settings, AnchorLayout::Growth growth, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
    , m_settings(settings)
    // The review before the model: an edit is checked before the grid and
    // the labels show it.
    , m_review(new DocumentReview(document, this))
    , m_model(new TextTableModel(document, this))
    , m_shown(new TextGridModel(*m_review, this))
    , m_suggestions(new SuggestionsPanel(document, settings, this))
    , m_exchange(new ExchangeActions(document, settings, this))
{
    setObjectName(QStringLiteral("TabSheet2"));
    m_shown->setSourceModel(m_model);
    using L = AnchorLayout;
    auto *layout = new AnchorLayout(this, growth);
    layout->add(Controls::heading("Label7", tr("ANNOTATION")), {8, 8, 0, 0});
    layout->add(Controls::wrapped("Label5", tr(
                    "You can translate any texts of the game that you want. Original texts is in the left side and "
                    "translated texts is in the right side of the grid.")),
                {8, 24, 473, 33}, L::TopWide);
    layout->add(Controls::heading("Label8", tr("WARNING:")), {8, 56, 0, 0});
    layout->add(Controls::wrapped("Label6", tr(
                    "Do not forget spaces in the beginning and ending of each line if you do not add it like in the "
                    "original texts, the texts may drawing incorrectly!")),
                {8, 72, 473, 33}, L::TopWide);

    // The workbench's controls come before the grid, so that Tab goes from
    // the grid on to the window's buttons. Under the translation's line:
    // its length, the progress, export and import.
    m_byteCount = layout->add(Controls::label("ByteCountLabel", QString()), {8, 324, 78, 16}, L::BottomLeft);
    m_progress = layout->add(new ProgressLine(*m_review), {88, 324, 253, 16}, L::BottomWide);
    auto *exportButton = layout->add(Controls::button("ExportTextsButton", tr("Export texts...")),
                                     {345, 320, 78, 23}, L::BottomRight);
    auto *importButton = layout->add(Controls::button("ImportTextsButton", tr("Import texts...")),
                                     {427, 320, 78, 23}, L::BottomRight);
    // Between the grid and the labels, with room only once the page grows:
    // the editing pane, the preview at the page's whole width, and the
    // suggestions beside the warnings, their heights shared by splitters.
    m_panels = new ReviewPanels(*m_review, *m_suggestions, settings, this);
    m_editor = new TranslationEditor(*m_model, *m_review);
    auto *lists = Controls::named(new QSplitter(Qt::Horizontal), "ListsSplitter");
    lists->addWidget(m_panels->pageSuggestions());
    lists->addWidget(m_panels->pageChecks());
    lists->setStretchFactor(1, 1);
    m_workArea = Controls::named(new QSplitter(Qt::Vertical), "WorkAreaSplitter");
    for (QWidget *part : std::initializer_list<QWidget *>{m_editor, m_panels->pagePreview(), lists})
        m_workArea->addWidget(part);
    m_workArea->setStretchFactor(2, 1);
    m_workArea->setChildrenCollapsible(false);
    layout->add(m_workArea, {8, 252, 497, 0}, {0, GridShare, 1, 1, PanelRoom});

    m_textGrid = layout->add(Controls::named(new TextGrid(m_shown), "StringGrid"), {8, 104, 497, 145},
                             {0, 0, 1, GridShare, PanelRoom});
    layout->add(Controls::label("Label9", tr("Original text:")), {8, 256, 0, 0}, L::BottomLeft);
    m_sourceText = layout->add(Controls::underlined("Label11", true), {88, 256, 417, 49}, L::BottomWide);
    layout->add(Controls::label("Label10", tr("Translated text:")), {8, 304, 0, 0}, L::BottomLeft);
    m_translationText = layout->add(
        static_cast<TranslationLabel *>(Controls::underlined("Label12", false, new TranslationLabel)),
        {88, 304, 417, 41}, L::BottomWide);
    // They stand in the lower part of Label12's rectangle, which its one
    // line of text never reaches: above it, so the mouse reaches them.
    for (QWidget *control : std::initializer_list<QWidget *>{m_progress, exportButton, importButton})
        control->raise();
    m_navigation = new TextsNavigation(*m_review, *m_shown, *m_textGrid, this);
    m_reviewActions = new ReviewActions(document, *m_review, *m_navigation, this);
    addWindowRow();
    addActions();
    qobject_cast<TextCellDelegate *>(m_textGrid->itemDelegate())->setReview(m_review);

    setCurrentRowNumber(settings.rowNumber().value_or(1));
    // Read now, so that a choice that makes no sense is told with the
    // other settings at start-up; used once the window is painted.
    m_rememberedSpelling = settings.spellLanguage().value_or(QString());
    connectParts();
    connect(exportButton, &QPushButton::clicked, m_exchange, &ExchangeActions::exportTexts);
    connect(importButton, &QPushButton::clicked, m_exchange, &ExchangeActions::importTexts);
}

// The search field, the filter and the preview's button: the window puts
// them into its bottom row, between the save button and "?".
void TextsPage::addWindowRow()
{
    m_windowRow = Controls::named(new QWidget(this), "TextsPageBar");
    using L = AnchorLayout;
    auto *layout = new AnchorLayout(m_windowRow, QSize(350, 25));
    layout->add(m_navigation->searchField(), {2, 1, 178, 23}, L::TopWide);
    layout->add(m_navigation->filter(), {184, 1, 104, 23}, L::TopRight);
    layout->add(m_panels->previewButton(), {292, 1, 58, 23}, L::TopRight);
}

void TextsPage::addActions()
{
    auto add = [this](const QString &text, const QKeySequence &keys, auto *receiver, auto slot) {
        auto *action = new QAction(text, m_textGrid);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, receiver, slot);
        m_textGrid->addAction(action); // a shortcut while the page is shown, and the grid's menu
    };
    auto separate = [this] {
        auto *separator = new QAction(m_textGrid);
        separator->setSeparator(true);
        m_textGrid->addAction(separator);
    };
    add(tr("Export texts..."), {}, m_exchange, &ExchangeActions::exportTexts);
    add(tr("Import texts..."), {}, m_exchange, &ExchangeActions::importTexts);
    add(tr("Take translations from an older kit..."), {}, m_exchange, &ExchangeActions::takeFromOlderKit);
    separate();
    add(tr("Search"), QKeySequence(Qt::CTRL | Qt::Key_F), m_navigation, &TextsNavigation::focusSearch);
    add(tr("Next untranslated row"), QKeySequence(Qt::CTRL | Qt::Key_J), m_navigation,
        &TextsNavigation::goToNextUntranslated);
    add(tr("Find and replace..."), QKeySequence(Qt::CTRL | Qt::Key_H), this, &TextsPage::findAndReplace);
    add(tr("Go to row..."), QKeySequence(Qt::CTRL | Qt::Key_G), m_navigation,
        &TextsNavigation::askRowNumber);
    add(tr("Warnings"), {}, m_panels, &ReviewPanels::showWarnings);
    add(tr("Allowed width..."), {}, this, &TextsPage::chooseWiderAllowance);
    separate();
    // The keys translators know from PO editors.
    add(tr("Needs review"), QKeySequence(Qt::CTRL | Qt::Key_U), m_reviewActions,
        &ReviewActions::toggleNeedsReview);
    add(tr("Done as it is"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U), m_reviewActions,
        &ReviewActions::toggleDone);
    add(tr("Edit note..."), QKeySequence(Qt::CTRL | Qt::Key_M), m_reviewActions, &ReviewActions::editNote);
    m_spellingMenu = new SpellingMenu(m_document, m_settings, *m_review, this);
    m_textGrid->addAction(m_spellingMenu->menuAction());
    add(tr("Use this translation for every identical source"), {}, m_reviewActions,
        &ReviewActions::useTranslationForIdenticalSources);
    add(tr("Add translation memory..."), {}, m_suggestions, &SuggestionsPanel::addMemory);
    add(tr("Forget translation memories"), {}, m_suggestions, &SuggestionsPanel::forgetMemories);
    // Not in the menu: the page's own keys.
    for (int n = 0; n < 9; ++n) {
        auto *take = new QAction(tr("Take suggestion %1").arg(n + 1), this);
        take->setShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + n)));
        connect(take, &QAction::triggered, m_suggestions, [this, n] { m_suggestions->takeSuggestion(n); });
        addAction(take);
    }
    m_textGrid->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TextsPage::connectParts()
{
    connect(m_textGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid()) // not a row the search has just hidden
                    StringGridSelectCell(current.column(), m_shown->recordOf(current) + 1);
            });
    connect(m_textGrid, &TextGrid::entered, this, &TextsPage::StringGridEnter);
    connect(m_model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &topLeft) {
        StringGridSetEditText(topLeft.column(), topLeft.row() + 1, topLeft.data().toString());
    });
    // A text or mark that changes in another row than the current one was
    // undone or redone there: the grid goes to it, so the translator sees
    // what changed.
    const auto goToChangedRow = [this](int firstRow, int lastRow) {
        if (firstRow == lastRow && firstRow + 1 != currentRowNumber())
            setCurrentRowNumber(firstRow + 1);
    };
    connect(&m_document, &KitDocument::textsChanged, this, goToChangedRow);
    connect(&m_document, &KitDocument::marksChanged, this, goToChangedRow);
    connect(m_review, &DocumentReview::reviewed, this, [this](int firstRow, int lastRow) {
        const int current = m_navigation->currentRecord();
        if (firstRow != lastRow || firstRow != current)
            m_suggestions->outdate(); // other rows' translations may be suggested
        showRowMeasures(current);
        if (lastRow > firstRow) // words added or ignored, or another dictionary
            showTranslationText(current);
        m_textGrid->viewport()->update(); // the number cells' states
        // Many rows changed at once (an import, a save, another code page):
        // the search and filter choose their rows again. A row being typed
        // in stays, even when it no longer matches.
        if (lastRow > firstRow && (!m_shown->searchText().isEmpty() || m_shown->rowFilter() != TextReview::Filter::All))
            m_shown->invalidate();
    });
    connect(m_progress, &ProgressLine::warningsAsked, m_panels, &ReviewPanels::showWarnings);
    connect(m_progress, &ProgressLine::widerAsked, m_panels, &ReviewPanels::showWider);
    connect(m_panels, &ReviewPanels::recordActivated, m_navigation,
            [this](int record) { m_navigation->goToRecord(record, TextTable::Translation); });
    connect(m_spellingMenu, &SpellingMenu::spellingChanged, this, [this] {
        m_textGrid->viewport()->update();
        showTranslationText(m_navigation->currentRecord());
    });
}

void TextsPage::chooseWiderAllowance()
{
    if (const auto allowance = WiderAllowanceDialog::ask(this, m_document.widerAllowance())) {
        m_document.setWiderAllowance(*allowance);
        m_settings.setWiderAllowance(*allowance);
    }
}

int TextsPage::currentRowNumber() const
{
    return m_navigation->currentRowNumber();
}

void TextsPage::setCurrentRowNumber(int rowNumber)
{
    m_navigation->setCurrentRowNumber(rowNumber);
    ShowRowTexts(currentRowNumber());
}

void TextsPage::offerCarryOver()
{
    m_exchange->offerCarryOver();
}

void TextsPage::focusGrid()
{
    m_navigation->focusGrid();
}

void TextsPage::measureWidths()
{
    // The dictionary is read after the first paint as well: the kit's
    // start-up does not wait on it.
    if (!m_rememberedSpelling.isEmpty())
        m_spellingMenu->useSpelling(m_rememberedSpelling);
    m_review->measureWidths();
    m_suggestions->start();
}

void TextsPage::findAndReplace()
{
    if (!m_findReplace) // made when first used
        m_findReplace = new FindReplaceWindow(m_document, *m_shown, *m_navigation, this);
    m_findReplace->open();
}

void TextsPage::ShowRowTexts(int rowNumber)
{
    m_sourceText->setText(m_model->text(rowNumber - 1, TextTable::Source));
    m_editor->showRecord(rowNumber - 1);
    showTranslationText(rowNumber - 1);
    showRowMeasures(rowNumber - 1);
}

// `Label12`: the translation of `record`, its misspelt words underlined
// with a red wave.
void TextsPage::showTranslationText(int record)
{
    const QString text = m_model->text(record, TextTable::Translation);
    const QString source = m_model->text(record, TextTable::Source);
    const SpellingDictionary *checker = TextTable::isFixed(record) ? nullptr : m_review->spellChecker().get();
    m_translationText->showText(text, checker ? checker->misspellings(text, source)
                                              : QList<SpellingDictionary::Misspelling>());
}

void TextsPage::StringGridSelectCell(int, int ARow)
{
    m_navigation->setCurrentRecord(ARow - 1);
    ShowRowTexts(ARow);
    m_settings.setRowNumber(ARow);
}

void TextsPage::StringGridEnter()
{
    ShowRowTexts(currentRowNumber());
}

void TextsPage::StringGridSetEditText(int, int, const QString &)
{
    ShowRowTexts(currentRowNumber());
}

// The byte counter, the previews and the suggestions of record `record`.
void TextsPage::showRowMeasures(int record)
{
    const QByteArray source = m_document.text(record, TextTable::Source);
    const QByteArray translation = m_document.text(record, TextTable::Translation);
    m_byteCount->setText(TextsMessages::byteCount(translation.size()));
    QString cut;
    if (record >= 0 && record < m_review->review().rowCount()) {
        for (const TextFinding &finding : m_review->review().findings(record))
            if (finding.check == TextChecker::TooLong)
                cut = finding.message;
    }
    QPalette palette = m_sourceText->palette();
    if (translation.size() > TextFile::RecordSize)
        palette.setColor(QPalette::WindowText, WarningColour);
    m_byteCount->setPalette(palette);
    m_byteCount->setToolTip(cut);

    // What the game gets: a fixed record's source, and no more than a record holds.
    const QByteArray saved = TextFile::recordPart(TextTable::savedText(record, source, translation)).toByteArray();
    m_panels->showTexts(source, saved);
    m_suggestions->showFor(record);
}

void TextsPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_workArea->setVisible(m_workArea->height() >= WorkAreaHeight);
}

} // namespace orvanta

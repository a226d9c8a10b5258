#include "TextsPage.h"

#include "Controls.h"
#include "Messages.h"
#include "SuggestionsList.h"
#include "TextCellDelegate.h"
#include "TextChecksList.h"
#include "TextGrid.h"
#include "TextGridModel.h"
#include "TextPreview.h"
#include "TranslationLabel.h"
#include "document/DocumentReview.h"
#include "document/DocumentSuggestions.h"
#include "document/TextTableModel.h"
#include "exchange/TextExchange.h"
#include "io/FileSaver.h"
#include "kit/KitMigration.h"
#include "kit/KitSettings.h"
#include "texts/SpellingCheck.h"
#include "texts/TextFile.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orvanta {

namespace {

using Filter = TextReview::Filter;

// How much of the height the page gains goes to the grid; the rest opens
// room between the grid and the labels for the preview, the suggestions and
// the warnings, until they have PanelRoom: then the grid takes all the rest.
constexpr double GridShare = 0.45;
constexpr int PanelRoom = 160;
// The least height at which the preview and the warnings stand on the page;
// below it they open in windows of their own.
constexpr int PanelHeight = 48;

// The filter choices, in the order the selector lists them.
const std::pair<const char *, Filter> Filters[] = {
    {"All", Filter::All},
    {"Untranslated", Filter::Untranslated},
    {"Translated", Filter::Translated},
    {"Needs review", Filter::NeedsReview},
    {"With warnings", Filter::WithWarnings},
    {"Fixed", Filter::Fixed},
};

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
    , m_suggestions(new DocumentSuggestions(document, this))
{
    setObjectName(QStringLiteral("TabSheet2"));
    m_shown->setSourceModel(m_model);
    using L = AnchorLayout;
    auto *layout = new AnchorLayout(this, growth);
    layout->add(Controls::heading("Label7", QStringLiteral("ANNOTATION")), {8, 8, 0, 0});
    layout->add(Controls::wrapped("Label5", QStringLiteral(
                    "You can translate any texts of the game that you want. Original texts is in the left side and "
                    "translated texts is in the right side of the grid.")),
                {8, 24, 473, 33}, L::TopWide);
    layout->add(Controls::heading("Label8", QStringLiteral("WARNING:")), {8, 56, 0, 0});
    layout->add(Controls::wrapped("Label6", QStringLiteral(
                    "Do not forget spaces in the beginning and ending of each line if you do not add it like in the "
                    "original texts, the texts may drawing incorrectly!")),
                {8, 72, 473, 33}, L::TopWide);

    // The workbench's controls come before the grid, so that Tab goes from
    // the grid on to the window's buttons. Under the translation's line:
    // its length, the progress, export and import.
    m_byteCount = layout->add(Controls::label("ByteCountLabel", QString()), {8, 324, 78, 16}, L::BottomLeft);
    m_progress = layout->add(Controls::label("ProgressLabel", QString()), {88, 324, 253, 16}, L::BottomWide);
    m_progress->setTextFormat(Qt::RichText);
    auto *exportButton = layout->add(Controls::button("ExportTextsButton", QStringLiteral("Export texts...")),
                                     {345, 320, 78, 23}, L::BottomRight);
    auto *importButton = layout->add(Controls::button("ImportTextsButton", QStringLiteral("Import texts...")),
                                     {427, 320, 78, 23}, L::BottomRight);
    // Between the grid and the labels, with room only once the page grows.
    m_panelPreview = layout->add(newPreview(this), {8, 252, 121, 0}, {0, GridShare, 0.25, 1, PanelRoom});
    m_panelSuggestions = layout->add(newSuggestionsList(this), {133, 252, 121, 0}, {0.25, GridShare, 0.5, 1, PanelRoom});
    m_panelChecks = layout->add(newChecksList(this), {258, 252, 247, 0}, {0.5, GridShare, 1, 1, PanelRoom});
    m_panelPreview->hide();
    m_panelSuggestions->hide();
    m_panelChecks->hide();

    m_textGrid = layout->add(Controls::named(new TextGrid(m_shown), "StringGrid"), {8, 104, 497, 145},
                             {0, 0, 1, GridShare, PanelRoom});
    layout->add(Controls::label("Label9", QStringLiteral("Original text:")), {8, 256, 0, 0}, L::BottomLeft);
    m_sourceText = layout->add(Controls::underlined("Label11", true), {88, 256, 417, 49}, L::BottomWide);
    layout->add(Controls::label("Label10", QStringLiteral("Translated text:")), {8, 304, 0, 0}, L::BottomLeft);
    m_translationText = layout->add(
        static_cast<TranslationLabel *>(Controls::underlined("Label12", false, new TranslationLabel)),
        {88, 304, 417, 41}, L::BottomWide);
    // They stand in the lower part of Label12's rectangle, which its one
    // line of text never reaches: above it, so the mouse reaches them.
    for (QWidget *control : std::initializer_list<QWidget *>{m_progress, exportButton, importButton})
        control->raise();
    addWindowRow();
    addActions();
    qobject_cast<TextCellDelegate *>(m_textGrid->itemDelegate())->setReview(m_review);

    showProgress();
    setCurrentRowNumber(settings.rowNumber().value_or(1));
    // Read now, so that a choice that makes no sense is told with the
    // other settings at start-up; used once the window is painted.
    m_rememberedSpelling = settings.spellLanguage().value_or(QString());
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
    connect(&document, &KitDocument::textsChanged, this, goToChangedRow);
    connect(&document, &KitDocument::marksChanged, this, goToChangedRow);
    connect(m_review, &DocumentReview::reviewed, this, [this](int firstRow, int lastRow) {
        showProgress();
        if (firstRow != lastRow || firstRow != m_currentRecord)
            m_suggestedRecord = -1; // other rows' translations may be suggested
        showRowMeasures(m_currentRecord);
        if (lastRow > firstRow) // words added or ignored, or another dictionary
            showTranslationText(m_currentRecord);
        m_textGrid->viewport()->update(); // the number cells' states
        // Many rows changed at once (an import, a save, another code page):
        // the search and filter choose their rows again. A row being typed
        // in stays, even when it no longer matches.
        if (lastRow > firstRow && (!m_shown->searchText().isEmpty() || m_shown->rowFilter() != Filter::All))
            m_shown->invalidate();
    });
    connect(m_suggestions, &DocumentSuggestions::memoriesChanged, this, [this] {
        m_suggestedRecord = -1;
        showSuggestions(m_currentRecord);
    });
    connect(m_progress, &QLabel::linkActivated, this, &TextsPage::showWarnings);
    connect(exportButton, &QPushButton::clicked, this, &TextsPage::exportTexts);
    connect(importButton, &QPushButton::clicked, this, &TextsPage::importTexts);
}

// The search field, the filter and the preview's button: the window puts
// them into its bottom row, between the save button and "?".
void TextsPage::addWindowRow()
{
    m_windowRow = Controls::named(new QWidget(this), "TextsPageBar");
    using L = AnchorLayout;
    auto *layout = new AnchorLayout(m_windowRow, QSize(350, 25));
    m_search = layout->add(Controls::named(new QLineEdit, "SearchField"), {2, 1, 178, 23}, L::TopWide);
    m_search->setPlaceholderText(QStringLiteral("Search texts (Ctrl+F)"));
    m_search->setToolTip(QStringLiteral("Shows the rows whose original or translation holds this text. Enter: "
                                        "translate the first row shown. Escape: show every row again."));
    m_search->installEventFilter(this);
    m_filter = layout->add(Controls::named(new QComboBox, "FilterComboBox"), {184, 1, 104, 23}, L::TopRight);
    for (const auto &[caption, filter] : Filters)
        m_filter->addItem(QString::fromLatin1(caption), int(filter));
    m_filter->setToolTip(QStringLiteral("Which rows the grid shows"));
    m_previewButton = layout->add(Controls::button("PreviewButton", QStringLiteral("Preview")), {292, 1, 58, 23},
                                  L::TopRight);
    m_previewButton->setCheckable(true);
    m_previewButton->setToolTip(QStringLiteral("The current row as the game will draw it"));

    connect(m_search, &QLineEdit::textChanged, m_shown, &TextFilterModel::setSearchText);
    connect(m_filter, &QComboBox::currentIndexChanged, this,
            [this] { m_shown->setRowFilter(Filter(m_filter->currentData().toInt())); });
    connect(m_previewButton, &QPushButton::toggled, this, [this](bool on) {
        QDialog *window = reviewWindow(m_previewWindow, "PreviewWindow", QStringLiteral("Preview"));
        window->setVisible(on);
    });
}

void TextsPage::addActions()
{
    auto add = [this](const QString &text, const QKeySequence &keys, void (TextsPage::*slot)()) {
        auto *action = new QAction(text, m_textGrid);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        m_textGrid->addAction(action); // a shortcut while the page is shown, and the grid's menu
    };
    add(QStringLiteral("Export texts..."), {}, &TextsPage::exportTexts);
    add(QStringLiteral("Import texts..."), {}, &TextsPage::importTexts);
    add(QStringLiteral("Take translations from an older kit..."), {}, &TextsPage::takeFromOlderKit);
    auto *separator = new QAction(m_textGrid);
    separator->setSeparator(true);
    m_textGrid->addAction(separator);
    add(QStringLiteral("Search"), QKeySequence(Qt::CTRL | Qt::Key_F), &TextsPage::focusSearch);
    add(QStringLiteral("Next untranslated row"), QKeySequence(Qt::CTRL | Qt::Key_J), &TextsPage::goToNextUntranslated);
    add(QStringLiteral("Go to row..."), QKeySequence(Qt::CTRL | Qt::Key_G), &TextsPage::askRowNumber);
    add(QStringLiteral("Warnings"), {}, &TextsPage::showWarnings);
    separator = new QAction(m_textGrid);
    separator->setSeparator(true);
    m_textGrid->addAction(separator);
    // The keys translators know from PO editors.
    add(QStringLiteral("Needs review"), QKeySequence(Qt::CTRL | Qt::Key_U), &TextsPage::toggleNeedsReview);
    add(QStringLiteral("Done as it is"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U), &TextsPage::toggleDone);
    add(QStringLiteral("Edit note..."), QKeySequence(Qt::CTRL | Qt::Key_M), &TextsPage::editNote);
    addSpellingMenu();
    add(QStringLiteral("Use this translation for every identical source"), {},
        &TextsPage::useTranslationForIdenticalSources);
    add(QStringLiteral("Add translation memory..."), {}, &TextsPage::addMemory);
    add(QStringLiteral("Forget translation memories"), {}, &TextsPage::forgetMemories);
    // Not in the menu: the page's own keys.
    for (int n = 0; n < 9; ++n) {
        auto *take = new QAction(QStringLiteral("Take suggestion %1").arg(n + 1), this);
        take->setShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + n)));
        connect(take, &QAction::triggered, this, [this, n] { takeSuggestion(n); });
        addAction(take);
    }
    m_textGrid->setContextMenuPolicy(Qt::ActionsContextMenu);
}

// "Spell check": none, or one of the dictionaries installed when the menu
// opens, the one chosen checked.
void TextsPage::addSpellingMenu()
{
    m_spellingMenu = Controls::named(new QMenu(QStringLiteral("Spell check"), this), "SpellingMenu");
    m_textGrid->addAction(m_spellingMenu->menuAction());
    connect(m_spellingMenu, &QMenu::aboutToShow, this, [this] {
        m_spellingMenu->clear();
        const auto chosen = m_review->spellChecker();
        const QStringList installed = SpellChecker::installed();
        const QString suggested = SpellChecker::suggestedFor(m_document.codePage().number(), installed);
        auto *group = new QActionGroup(m_spellingMenu);
        auto add = [&](const QString &caption, const QString &language) {
            QAction *action = m_spellingMenu->addAction(caption, this, [this, language] { chooseSpelling(language); });
            action->setObjectName(QStringLiteral("Spelling:") + language);
            action->setCheckable(true);
            action->setChecked(chosen ? chosen->language() == language : language.isEmpty());
            group->addAction(action);
        };
        add(QStringLiteral("None"), QString());
        for (const QString &language : installed)
            add(Messages::spellLanguage(language, language == suggested ? m_document.codePage().number() : 0), language);
    });
}

void TextsPage::chooseSpelling(const QString &language)
{
    m_settings.setSpellLanguage(language);
    useSpelling(language);
}

void TextsPage::useSpelling(const QString &language)
{
    if (language.isEmpty()) {
        m_review->setSpellChecker(nullptr);
    } else {
        SpellingCheck::Opened opened = SpellingCheck::open(language, m_document.directory());
        m_review->setSpellChecker(opened.checker);
        Messages::spellingProblems(this, opened.problems, opened.checker != nullptr);
    }
    m_textGrid->viewport()->update();
    showTranslationText(m_currentRecord);
}

int TextsPage::currentRowNumber() const
{
    if (m_model->rowCount() == 0)
        return 0;
    const int record = m_shown->recordOf(m_textGrid->currentIndex());
    return (record >= 0 ? record : m_currentRecord) + 1;
}

void TextsPage::setCurrentRowNumber(int rowNumber)
{
    const int record = std::clamp(rowNumber, 1, std::max(1, m_model->rowCount())) - 1;
    const QModelIndex current = m_textGrid->currentIndex();
    selectRecord(record, current.isValid() ? std::max(current.column(), int(TextTableModel::Source))
                                           : int(TextTableModel::Translation));
    ShowRowTexts(currentRowNumber());
}

void TextsPage::selectRecord(int record, int column)
{
    if (record >= m_model->rowCount())
        return;
    if (!m_shown->indexOf(record, column).isValid()) {
        m_search->clear();
        m_filter->setCurrentIndex(0);
    }
    m_currentRecord = record;
    m_textGrid->setCurrentIndex(m_shown->indexOf(record, column));
    m_textGrid->scrollTo(m_textGrid->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void TextsPage::goToRecord(int record, int column)
{
    selectRecord(record, column);
    m_textGrid->setFocus(Qt::ShortcutFocusReason);
}

void TextsPage::focusGrid()
{
    // A row the search hides stays hidden: the search is the translator's.
    if (const QModelIndex translation = m_shown->indexOf(m_currentRecord, TextTableModel::Translation);
        translation.isValid())
        m_textGrid->setCurrentIndex(translation);
    m_textGrid->setFocus(Qt::OtherFocusReason);
}

void TextsPage::ShowRowTexts(int rowNumber)
{
    m_sourceText->setText(m_model->text(rowNumber - 1, TextTableModel::Source));
    showTranslationText(rowNumber - 1);
    showRowMeasures(rowNumber - 1);
}

// `Label12`: the translation of `record`, its misspelt words underlined
// with a red wave.
void TextsPage::showTranslationText(int record)
{
    const QString text = m_model->text(record, TextTableModel::Translation);
    const QString source = m_model->text(record, TextTableModel::Source);
    const SpellChecker *checker = TextTable::isFixed(record) ? nullptr : m_review->spellChecker().get();
    m_translationText->showText(text, checker ? checker->misspellings(text, source)
                                              : QList<SpellChecker::Misspelling>());
}

void TextsPage::StringGridSelectCell(int, int ARow)
{
    m_currentRecord = ARow - 1;
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

// The byte counter and the preview of record `record`.
void TextsPage::showRowMeasures(int record)
{
    const QByteArray source = m_document.text(record, KitDocument::Source);
    const QByteArray translation = m_document.text(record, KitDocument::Translation);
    m_byteCount->setText(Messages::byteCount(translation.size()));
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
    for (TextPreview *preview : std::as_const(m_previews))
        preview->showTexts(source, saved);
    if (record != m_suggestedRecord)
        showSuggestions(record);
}

void TextsPage::showSuggestions(int record)
{
    if (!m_suggesting)
        return;
    m_suggestedRecord = record;
    m_shownSuggestions = m_suggestions->suggestions(record);
    for (SuggestionsList *list : std::as_const(m_suggestionLists))
        list->showSuggestions(m_shownSuggestions);
}

void TextsPage::takeSuggestion(int index)
{
    if (index < 0 || index >= m_shownSuggestions.size()) {
        QApplication::beep();
        return;
    }
    QChar refused;
    if (!m_suggestions->take(m_suggestedRecord, m_shownSuggestions[index], &refused))
        Messages::attention(this, Messages::codePageRefusal(refused, m_document.codePage().number()));
}

void TextsPage::addMemory()
{
    if (!m_memoryDialog) {
        m_memoryDialog = Controls::named(new QFileDialog(this), "MemoryDialog");
        m_memoryDialog->setOption(QFileDialog::DontUseNativeDialog);
        m_memoryDialog->setFileMode(QFileDialog::ExistingFile);
        m_memoryDialog->setWindowTitle(QStringLiteral("A translation memory: a PO, XLIFF or CSV file, or another kit's kvmain.dat"));
        m_memoryDialog->setNameFilters({QStringLiteral("Translation memories (*.po *.xlf *.xliff *.csv kvmain.dat)"),
                                        QStringLiteral("All (*)")});
        Controls::openIn(m_memoryDialog, {m_settings.textsFolder(), m_document.directory()});
    }
    if (m_memoryDialog->exec() != QDialog::Accepted)
        return;
    const QString path = m_memoryDialog->selectedFiles().value(0);
    QStringList memories = m_settings.memories();
    if (memories.contains(path))
        return;
    const QString problem = m_suggestions->addMemory(path);
    if (!problem.isEmpty()) {
        Messages::showError(this, problem);
        return;
    }
    memories.append(path);
    m_settings.setMemories(memories);
}

void TextsPage::forgetMemories()
{
    m_settings.setMemories({});
    m_suggestions->readMemories({});
}

void TextsPage::showProgress()
{
    const TextReview::Progress progress = m_review->review().progress();
    const QString separator = QStringLiteral(" \u00B7 ");
    const QString text = Messages::textsTranslated(progress) + separator
        + (progress.toReview == 0 ? QString() : Messages::toReview(progress.toReview) + separator)
        + (progress.warnings == 0 ? Messages::warningCount(0)
                                  : QStringLiteral("<a href=\"warnings\">%1</a>").arg(Messages::warningCount(progress.warnings)));
    // Said once for the font: the rows' `wider` compares within it.
    const int widening = m_review->fontWidening();
    const QString shown = widening == 0 ? text : text + separator + Messages::fontWider(widening);
    if (shown != m_progress->text())
        m_progress->setText(shown);
}

void TextsPage::showWarnings()
{
    if (m_panelChecks->isVisible()) {
        m_panelChecks->setFocus(Qt::OtherFocusReason);
        return;
    }
    QDialog *window = reviewWindow(m_checksWindow, "ChecksWindow", QStringLiteral("Warnings"));
    window->show();
    window->raise();
    window->activateWindow();
}

void TextsPage::focusSearch()
{
    m_search->setFocus(Qt::ShortcutFocusReason);
    m_search->selectAll();
}

void TextsPage::goToFirstShownRow()
{
    if (m_shown->rowCount() == 0) {
        QApplication::beep();
        return;
    }
    goToRecord(m_shown->recordOf(m_shown->index(0, TextTableModel::Number)), TextTableModel::Translation);
}

void TextsPage::clearSearch()
{
    const int record = m_currentRecord;
    m_search->clear();
    goToRecord(record, TextTableModel::Translation);
}

// The next row the grid shows whose translation is its source, after the
// current one and round from the top.
void TextsPage::goToNextUntranslated()
{
    const TextReview &review = m_review->review();
    const int shown = m_shown->rowCount();
    const QModelIndex current = m_shown->indexOf(m_currentRecord, TextTableModel::Number);
    const int start = current.isValid() ? current.row() : -1;
    for (int step = 1; step <= shown; ++step) {
        const int record = m_shown->recordOf(m_shown->index((start + step) % shown, TextTableModel::Number));
        if (review.state(record) == TextReview::State::Untranslated) {
            goToRecord(record, TextTableModel::Translation);
            return;
        }
    }
    QApplication::beep();
}

// The records of the grid's selected rows, in order; the current one when
// none is selected.
QList<int> TextsPage::selectedRecords() const
{
    QList<int> records;
    for (const QModelIndex &index : m_textGrid->selectionModel()->selectedIndexes())
        records.append(m_shown->recordOf(index));
    std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    if (records.isEmpty() && m_currentRecord < m_model->rowCount())
        records.append(m_currentRecord);
    return records;
}

// Sets or takes away the marks' `flag` on the selected rows, as one step
// named by `describe`: it sets it when the current row lacks it.
void TextsPage::changeMarks(bool ReviewMarks::Mark::*flag, QString (*describe)(bool, qsizetype))
{
    const QList<int> records = selectedRecords();
    if (records.isEmpty())
        return;
    const bool on = !(m_document.marks().mark(m_currentRecord).*flag);
    QList<ReviewMarks::Change> changes;
    for (const int record : records) {
        ReviewMarks::Mark mark = m_document.marks().mark(record);
        mark.*flag = on;
        changes.append({record, mark});
    }
    m_document.setMarks(changes, describe(on, records.size()));
}

void TextsPage::toggleNeedsReview()
{
    changeMarks(&ReviewMarks::Mark::needsReview, &Messages::markDescription);
}

void TextsPage::toggleDone()
{
    changeMarks(&ReviewMarks::Mark::done, &Messages::doneDescription);
}

void TextsPage::editNote()
{
    if (m_currentRecord >= m_model->rowCount())
        return;
    ReviewMarks::Mark mark = m_document.marks().mark(m_currentRecord);
    const auto note = Messages::askNote(this, m_currentRecord + 1, mark.note);
    if (!note)
        return;
    mark.note = *note;
    m_document.setMarks({{m_currentRecord, mark}}, Messages::noteDescription(m_currentRecord + 1));
}

void TextsPage::askRowNumber()
{
    if (const int rowNumber = Messages::askRowNumber(this, currentRowNumber(), m_model->rowCount()); rowNumber > 0)
        goToRecord(rowNumber - 1, TextTableModel::Translation);
}

bool TextsPage::eventFilter(QObject *watched, QEvent *event)
{
    // Making the clear button's icon takes longer than the rest of the page;
    // it is made when the field is first used.
    if (watched == m_search && event->type() == QEvent::FocusIn)
        m_search->setClearButtonEnabled(true);
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down:
            goToFirstShownRow();
            return true;
        case Qt::Key_Escape:
            clearSearch();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TextsPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeReviewPanels();
}

// The preview and the warnings stand between the grid and the labels once
// the page has room for them there; then the preview's window is not needed.
void TextsPage::placeReviewPanels()
{
    const bool room = m_panelChecks->height() >= PanelHeight;
    m_panelPreview->setVisible(room);
    m_panelSuggestions->setVisible(room);
    m_panelChecks->setVisible(room);
    m_previewButton->setVisible(!room);
    if (room && m_previewButton->isChecked())
        m_previewButton->setChecked(false);
}

TextPreview *TextsPage::newPreview(QWidget *parent)
{
    auto *preview = new TextPreview(*m_review, parent);
    m_previews.append(preview); // the page's child, or its window's: it lives as long as the page
    return preview;
}

SuggestionsList *TextsPage::newSuggestionsList(QWidget *parent)
{
    auto *list = new SuggestionsList(parent);
    m_suggestionLists.append(list); // lives as long as the page, as the previews do
    list->showSuggestions(m_shownSuggestions);
    connect(list, &SuggestionsList::taken, this, &TextsPage::takeSuggestion);
    return list;
}

TextChecksList *TextsPage::newChecksList(QWidget *parent)
{
    auto *list = new TextChecksList(*m_review, parent);
    connect(list, &TextChecksList::recordActivated, this,
            [this](int record) { goToRecord(record, TextTableModel::Translation); });
    return list;
}

// A small window of the page's own, made when first asked for, holding a
// preview ("PreviewWindow") or the list of warnings.
QDialog *TextsPage::reviewWindow(QDialog *&window, const char *name, const QString &title)
{
    if (window)
        return window;
    window = Controls::named(new QDialog(this, Qt::Tool), name);
    window->setWindowTitle(title);
    window->setFont(Controls::font()); // a window of its own takes no font from the page
    auto *layout = new QVBoxLayout(window);
    if (&window == &m_previewWindow) {
        layout->addWidget(newPreview(window));
        layout->addWidget(newSuggestionsList(window));
        window->resize(460, 200);
        connect(window, &QDialog::finished, m_previewButton, [this] { m_previewButton->setChecked(false); });
        showRowMeasures(m_currentRecord);
    } else {
        layout->addWidget(newChecksList(window));
        window->resize(480, 240);
    }
    return window;
}

// The file the translator chose in the export or import dialog, made when
// first used and opened in the folder of the last texts file (at first the
// kit folder); empty when cancelled.
QString TextsPage::chooseTextsFile(QFileDialog *&dialog, const char *name, QFileDialog::AcceptMode mode)
{
    const bool save = mode == QFileDialog::AcceptSave;
    if (!dialog) {
        dialog = Controls::named(new QFileDialog(this), name);
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setAcceptMode(mode);
        dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (save) {
            dialog->setNameFilters({QStringLiteral("PO files (*.po)"), QStringLiteral("PO templates (*.pot)"),
                                    QStringLiteral("XLIFF files (*.xlf)"), QStringLiteral("CSV files (*.csv)")});
            dialog->setDefaultSuffix(QStringLiteral("po"));
            connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString &filter) {
                // "PO files (*.po)" gives "po".
                dialog->setDefaultSuffix(filter.section(QLatin1String("*."), 1).chopped(1));
            });
        } else {
            dialog->setNameFilters({QStringLiteral("Texts (*.po *.pot *.xlf *.xliff *.csv)"),
                                    QStringLiteral("PO files (*.po *.pot)"), QStringLiteral("XLIFF files (*.xlf *.xliff)"),
                                    QStringLiteral("CSV files (*.csv)"), QStringLiteral("All (*)")});
        }
    }
    Controls::openIn(dialog, {m_settings.textsFolder(), m_document.directory()});
    if (save)
        dialog->selectFile(QStringLiteral("texts.") + dialog->defaultSuffix());
    if (dialog->exec() != QDialog::Accepted)
        return {};
    const QString path = dialog->selectedFiles().value(0);
    m_settings.setTextsFolder(QFileInfo(path).absolutePath());
    return path;
}

void TextsPage::measureWidths()
{
    // The dictionary is read after the first paint as well: the kit's
    // start-up does not wait on it.
    if (!m_rememberedSpelling.isEmpty())
        useSpelling(m_rememberedSpelling);
    m_review->measureWidths();
    m_suggesting = true;
    const QStringList problems = m_suggestions->readMemories(m_settings.memories());
    if (!problems.isEmpty())
        Messages::memoriesLeftOut(this, problems);
}

void TextsPage::exportTexts()
{
    const QString path = chooseTextsFile(m_exportDialog, "ExportTextsDialog", QFileDialog::AcceptSave);
    if (path.isEmpty())
        return;
    // A name of another kind is written in the format of the chosen filter.
    const auto format = TextExchange::formatOf(path).value_or(
        TextExchange::formatNamed(m_exportDialog->defaultSuffix()).value_or(TextExchange::Format::Po));
    // XLIFF carries each source's width in the game's own glyphs.
    const auto standard = format == TextExchange::Format::Xliff ? m_document.standardGlyphs()
                                                                : Result<GlyphCache::Entry>(nullptr);
    const auto bytes = TextExchange::exportTexts(
        format, m_document.texts(), m_document.marks(), m_document.codePage(),
        standard && *standard ? &(*standard)->text : nullptr,
        {m_document.codePage().number(), m_settings.language(), QDateTime::currentDateTimeUtc()}, path);
    const Status written = bytes ? FileSaver::save(path, *bytes) : Status(bytes.error());
    if (!written)
        Messages::showError(this, QString::fromStdString(written.error().text()));
}

void TextsPage::importTexts()
{
    const QString path = chooseTextsFile(m_importDialog, "ImportTextsDialog", QFileDialog::AcceptOpen);
    if (path.isEmpty())
        return;
    const auto file = TextExchange::read(path);
    if (!file) {
        Messages::showError(this, QString::fromStdString(file.error().text()));
        return;
    }
    // A file exported in another code page holds letters the kit's may not: ask.
    int codePage = m_document.codePage().number();
    if (file->codePage && file->codePage != codePage && CodePage::isSupported(file->codePage)) {
        switch (Messages::askFileCodePage(this, path, file->codePage, codePage)) {
        case QMessageBox::Yes: codePage = file->codePage; break;
        case QMessageBox::No: break;
        default: return;
        }
    }
    applyImport(m_document.kit().importEntries(file->entries, CodePage(codePage)), Messages::importDescription(path),
                codePage);
}

void TextsPage::takeFromOlderKit()
{
    if (!m_olderKitDialog) {
        m_olderKitDialog = Controls::named(new QFileDialog(this), "OlderKitDialog");
        m_olderKitDialog->setOption(QFileDialog::DontUseNativeDialog);
        m_olderKitDialog->setFileMode(QFileDialog::Directory);
        m_olderKitDialog->setOption(QFileDialog::ShowDirsOnly);
        m_olderKitDialog->setWindowTitle(QStringLiteral("The older kit's folder (its kvmain.dat and lang.dat)"));
        Controls::openIn(m_olderKitDialog, {QFileInfo(m_document.directory()).absolutePath()});
    }
    if (m_olderKitDialog->exec() != QDialog::Accepted)
        return;
    const QString folder = m_olderKitDialog->selectedFiles().value(0);
    auto outcome = KitMigration::fromOlderKit(folder, m_document.texts());
    if (!outcome) {
        Messages::showError(this, QString::fromStdString(outcome.error().text()));
        return;
    }
    applyImport(m_document.kit().imported(std::move(*outcome)), Messages::olderKitDescription(folder),
                m_document.codePage().number());
}

void TextsPage::useTranslationForIdenticalSources()
{
    const int record = currentRowNumber() - 1;
    const auto changes = m_review->review().consistency().useTranslationForSameSource(m_document.texts(), record);
    if (changes.isEmpty())
        QApplication::beep();
    m_document.applyTranslations(changes, Messages::sameTranslationDescription(record + 1));
}

void TextsPage::applyImport(const OpenKit::Import &import, const QString &description, int codePage)
{
    const bool refused = import.outcome.report.anyRefused();
    if (refused && !Messages::askImportTheRest(this, description, import.report))
        return;
    m_document.applyImport(import.outcome, description, codePage);
    if (!refused)
        Messages::importReport(this, description, import.report);
}

} // namespace orvanta

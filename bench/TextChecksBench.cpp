// The Texts page's checks and search at 200,000 rows: the sample kit's texts
// repeated, a quarter untranslated, the rest translated (some with lost
// spaces or changed codes). The floor is a plain pass copying every row's
// two texts into one buffer; compare the others with it. The last ones
// measure what the window pays: a keystroke through the document, its
// review and the grid's models, a review of every row after a change of
// font, gathering the warnings for their list, and keystrokes in a shown
// Texts page (in a translation, also with the spell check, and in the
// search field), whose floor is a keystroke in a bare line edit.
#include "TextFloors.h"
#include "core/ArchiveSet.h"
#include "core/ArchiveWriter.h"
#include "core/EntryStream.h"
#include "document/DocumentReview.h"
#include "document/KitDocument.h"
#include "document/TextTableModel.h"
#include "texts/TextFile.h"
#include "ui/TextFilterModel.h"
#include "texts/TextReview.h"
#include "kit/KitSettings.h"
#include "ui/TextGrid.h"
#include "ui/TextsPage.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>

using namespace orvanta;

namespace {

constexpr int Rows = 200000;

// A translation of `source` by row: kept, changed, changed with its
// trailing space lost or its codes swapped, or made longer.
QByteArray translationOf(const QByteArray &source, int row)
{
    switch (row % 4) {
    case 0: return source;
    case 1: return "Tr " + source.toUpper();
    case 2: return row % 8 == 2 ? source.trimmed() + "!" : QByteArray(source).replace("%d", "%s");
    default: return "Die lange Uebersetzung von " + source + " mit mehr Woertern";
    }
}

// A 200,000-row kit, loaded as the kit loads one, with the grid's model.
struct BigKit {
    QTemporaryDir folder;
    std::unique_ptr<KitDocument> document;
    std::unique_ptr<TextTableModel> model;

    const TextTable &table() const { return document->texts(); }
};

std::unique_ptr<BigKit> bigKit()
{
    QFile kvmain(QStringLiteral(ORVANTA_KIT_DIR "/kvmain.dat"));
    kvmain.open(QIODevice::ReadOnly);
    ArchiveSet sample;
    const QByteArray sampleBytes = kvmain.readAll();
    sample.openSlot(1, std::make_unique<std::istringstream>(sampleBytes.toStdString()), sampleBytes.size(), "kvmain");
    EntryStream sampleStream(sample);
    TextTable sampleTexts;
    sampleTexts.LoadTexts(sampleStream);

    QList<QByteArray> sources, translations;
    for (int i = 0; i < Rows; ++i) {
        sources.append(sampleTexts.row(i % sampleTexts.rowCount()).source.toByteArray());
        translations.append(translationOf(sources.back(), i));
    }
    const auto archive = ArchiveWriter::write({{"KVTEXTS.DAT", TextFile::write(sources).toStdString()},
                                               {"TEXTS.DAT", TextFile::write(translations).toStdString()}});
    auto kit = std::make_unique<BigKit>();
    QFile big(kit->folder.filePath(QStringLiteral("kvmain.dat")));
    big.open(QIODevice::WriteOnly);
    big.write(archive->data(), qint64(archive->size()));
    big.close();
    kit->document = std::make_unique<KitDocument>(kit->folder.path() + QLatin1Char('/'));
    kit->document->load();
    kit->document->setCodePage(1252);
    kit->model = std::make_unique<TextTableModel>(*kit->document);
    return kit;
}

BigKit &kit()
{
    static const std::unique_ptr<BigKit> loaded = bigKit();
    return *loaded;
}

void CopyAllTextsFloor(benchmark::State &state)
{
    copyAllTexts(state, kit().table());
}
BENCHMARK(CopyAllTextsFloor)->Unit(benchmark::kMillisecond);

void ReviewAllRows(benchmark::State &state)
{
    TextReview review{TextChecker(TextCodePages(1252))};
    for (auto _ : state)
        review.reviewAll(kit().table());
    state.counters["warnings"] = review.progress().warnings;
}
BENCHMARK(ReviewAllRows)->Unit(benchmark::kMillisecond);

// One keystroke: the row's translation changes and that row is checked.
void ReviewOneRowPerKeystroke(benchmark::State &state)
{
    TextTable table = kit().table();
    TextReview review{TextChecker(TextCodePages(1252))};
    review.reviewAll(table);
    const QByteArray typed[] = {"%d Goldst\xFC" "ck", "%d Goldst\xFC" "cke "};
    int n = 0;
    for (auto _ : state) {
        table.setTranslation(123457, typed[++n % 2]);
        review.reviewRow(table, 123457);
    }
    benchmark::DoNotOptimize(review.progress());
}
BENCHMARK(ReviewOneRowPerKeystroke)->Unit(benchmark::kMicrosecond);

// Searching with the texts already decoded, as every search after the first.
void SearchAllRows(benchmark::State &state)
{
    TextFilterModel filtered;
    filtered.setSourceModel(kit().model.get());
    filtered.setSearchText(QStringLiteral("warm"));
    benchmark::DoNotOptimize(filtered.rowCount());
    const QString searches[] = {QStringLiteral("gold"), QStringLiteral("MILL")};
    int n = 0;
    for (auto _ : state) {
        filtered.setSearchText(searches[++n % 2]);
        benchmark::DoNotOptimize(filtered.rowCount()); // the proxy filters when first asked
    }
    state.counters["shown"] = filtered.rowCount();
}
BENCHMARK(SearchAllRows)->Unit(benchmark::kMillisecond);

// The first search of a session, which decodes and folds every row.
void FirstSearchAllRows(benchmark::State &state)
{
    for (auto _ : state) {
        TextFilterModel filtered;
        filtered.setSourceModel(kit().model.get());
        filtered.setSearchText(QStringLiteral("gold"));
        benchmark::DoNotOptimize(filtered.rowCount());
    }
}
BENCHMARK(FirstSearchAllRows)->Unit(benchmark::kMillisecond);

// The filter "With warnings" after a full review, with a search as well.
void FilterWithWarningsAllRows(benchmark::State &state)
{
    TextReview review{TextChecker(TextCodePages(1252))};
    review.reviewAll(kit().table());
    TextFilterModel filtered;
    filtered.setSourceModel(kit().model.get());
    filtered.setReview(&review);
    filtered.setSearchText(QStringLiteral("gold"));
    const TextReview::Filter filters[] = {TextReview::Filter::WithWarnings, TextReview::Filter::Untranslated};
    int n = 0;
    benchmark::DoNotOptimize(filtered.rowCount());
    for (auto _ : state) {
        filtered.setRowFilter(filters[++n % 2]);
        benchmark::DoNotOptimize(filtered.rowCount());
    }
}
BENCHMARK(FilterWithWarningsAllRows)->Unit(benchmark::kMillisecond);

// One keystroke as the Texts page sees it: the document stores the text as
// part of one editing, the review re-checks that row (with the width
// check), and the grid's models (a search is set) pass the change on.
void TypeOneKeystrokeThroughTheModels(benchmark::State &state)
{
    BigKit &big = kit();
    DocumentReview review(*big.document);
    review.measureWidths();
    TextFilterModel filtered;
    filtered.setSourceModel(big.model.get());
    filtered.setReview(&review.review());
    filtered.setSearchText(QStringLiteral("gold"));
    benchmark::DoNotOptimize(filtered.rowCount());
    const int editing = big.model->beginEditing();
    const QModelIndex cell = big.model->index(123457, TextTable::Translation);
    const QString typed[] = {QStringLiteral("%d Goldst\u00FCck"), QStringLiteral("%d Goldst\u00FCcke ")};
    int n = 0;
    for (auto _ : state)
        big.model->type(cell, typed[++n % 2], editing);
    state.counters["warnings"] = review.review().progress().warnings;
    big.document->undoStack()->clear();
}
BENCHMARK(TypeOneKeystrokeThroughTheModels)->Unit(benchmark::kMicrosecond);

// A change of glyph font or code page: every row reviewed again, with the
// width check measuring in the glyphs (captured once, before the loop).
void ReviewAllRowsWithWidths(benchmark::State &state)
{
    BigKit &big = kit();
    DocumentReview review(*big.document);
    review.measureWidths();
    int n = 0;
    for (auto _ : state)
        big.document->setCodePage(++n % 2 ? 1250 : 1252); // reviews every row
    state.counters["warnings"] = review.review().progress().warnings;
    big.document->setCodePage(1252);
    big.document->undoStack()->clear();
}
BENCHMARK(ReviewAllRowsWithWidths)->Unit(benchmark::kMillisecond);

// What the list of warnings gathers when it is shown or the typing pauses.
void GatherAllWarnings(benchmark::State &state)
{
    DocumentReview review(*kit().document);
    review.measureWidths();
    for (auto _ : state)
        benchmark::DoNotOptimize(review.review().allFindings());
    state.counters["warnings"] = review.review().progress().warnings;
}
BENCHMARK(GatherAllWarnings)->Unit(benchmark::kMillisecond);

// Types into `line` by turns a letter and a backspace, and lets the window
// repaint after each key, as it does between two keystrokes.
void typeByTurns(benchmark::State &state, QLineEdit *line, QChar letter)
{
    int n = 0;
    for (auto _ : state) {
        const bool add = ++n % 2;
        QKeyEvent key(QEvent::KeyPress, add ? letter.unicode() : Qt::Key_Backspace, Qt::NoModifier,
                      add ? QString(letter) : QString());
        QApplication::sendEvent(line, &key);
        QApplication::processEvents();
    }
}

// The floor for the keystrokes in the window.
void TypeInABareLineEdit(benchmark::State &state)
{
    QLineEdit line(QStringLiteral("%d Goldst\u00FCck"));
    line.show();
    QApplication::processEvents();
    typeByTurns(state, &line, QLatin1Char('e'));
}
BENCHMARK(TypeInABareLineEdit)->Unit(benchmark::kMicrosecond);

// The Texts page on the 200,000 rows, shown at its default size.
struct ShownTextsPage {
    QWidget holder;
    KitSettings settings{kit().folder.path() + QLatin1Char('/')};
    TextsPage *page = new TextsPage(*kit().document, settings, {&holder, {521, 377}}, &holder);

    // `spellLanguage`: the spell check's dictionary, "" for none.
    explicit ShownTextsPage(const QString &spellLanguage = QString())
    {
        settings.setSpellLanguage(spellLanguage);
        holder.resize(521, 377);
        page->resize(holder.size());
        page->measureWidths();
        holder.show();
        QApplication::processEvents();
    }
    ~ShownTextsPage() { kit().document->undoStack()->clear(); }
};

// A keystroke in a translation's editor: the document, the review of that
// row, the grid, the labels, the byte counter and the progress follow it.
void typeInTheTextsPage(benchmark::State &state, const QString &spellLanguage)
{
    ShownTextsPage shown(spellLanguage);
    shown.page->setCurrentRowNumber(123458);
    TextGrid *grid = shown.page->grid();
    const QModelIndex cell = grid->currentIndex().siblingAtColumn(TextTable::Translation);
    grid->setCurrentIndex(cell);
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QApplication::sendEvent(grid, &f2);
    auto *editor = qobject_cast<QLineEdit *>(grid->indexWidget(cell));
    if (!editor) {
        state.SkipWithError("no editor opened");
        return;
    }
    typeByTurns(state, editor, QLatin1Char('e'));
}
void TypeInTheTextsPage(benchmark::State &state)
{
    typeInTheTextsPage(state, QString());
}
BENCHMARK(TypeInTheTextsPage)->Unit(benchmark::kMicrosecond);

// The same with the spell check on (en_US): the edited row's words are
// checked, and the editor, the cells and the line below underline them.
void TypeInTheTextsPageWithSpelling(benchmark::State &state)
{
    typeInTheTextsPage(state, QStringLiteral("en_US"));
}
BENCHMARK(TypeInTheTextsPageWithSpelling)->Unit(benchmark::kMicrosecond);

// A keystroke in the search field: every row is searched again and the
// grid shows those found ("gold" and "gol" by turns).
void TypeInTheSearchField(benchmark::State &state)
{
    ShownTextsPage shown;
    auto *search = shown.page->windowRow()->findChild<QLineEdit *>(QStringLiteral("SearchField"));
    search->setText(QStringLiteral("gol"));
    QApplication::processEvents();
    typeByTurns(state, search, QLatin1Char('d'));
}
BENCHMARK(TypeInTheSearchField)->Unit(benchmark::kMillisecond);

} // namespace

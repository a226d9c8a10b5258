#include "exchange/TextFormat.h"

#include <gtest/gtest.h>

using namespace orvanta;

// What the window's dialogs and kvtool's help say of the formats, all
// derived from the one list, and which format a name means. TMX is
// written, never read: no open filter, import or memory names it. XLIFF
// for OmegaT, a template of XLIFF with its suffix, is read as XLIFF and
// named once wherever suffixes are listed.
TEST(TextFormat, FiltersListsAndNamesComeFromTheOneList)
{
    QStringList saveFilters;
    QStringList openFilters;
    for (const TextFormat &format : TextFormat::all()) {
        saveFilters.append(format.saveFilter());
        if (format.readsTranslations())
            openFilters.append(format.openFilter());
    }
    EXPECT_EQ(saveFilters, (QStringList{"PO files (*.po)", "PO templates (*.pot)", "XLIFF files (*.xlf)",
                                        "XLIFF files for OmegaT (*.xlf)", "CSV files (*.csv)",
                                        "TMX translation memories (*.tmx)"}));
    for (const QString &filter : saveFilters)
        EXPECT_EQ(TextFormat::ofSaveFilter(filter)->saveFilter(), filter);
    EXPECT_EQ(TextFormat::ofSaveFilter("All (*)"), nullptr);
    EXPECT_EQ(openFilters, (QStringList{"PO files (*.po *.pot)", "XLIFF files (*.xlf *.xliff)", "CSV files (*.csv)"}));
    EXPECT_EQ(TextFormat::patterns(TextFormat::allSuffixes(TextFormat::Use::Texts)), "*.po *.pot *.xlf *.xliff *.csv");
    EXPECT_EQ(TextFormat::listed(TextFormat::allSuffixes(TextFormat::Use::Memories), "."), ".po, .xlf, .xliff or .csv");
    EXPECT_EQ(TextFormat::listed(TextFormat::allSuffixes(TextFormat::Use::Texts, TextFormat::Order::Alphabetical), "."),
              ".csv, .po, .pot, .xlf or .xliff");
    EXPECT_EQ(TextFormat::listed(TextFormat::names()), "csv, po, pot, tmx, xliff or xliff-omegat");
    EXPECT_EQ(TextFormat::listed(TextFormat::allSuffixes(TextFormat::Use::Exports), "."),
              ".po, .pot, .xlf, .xliff, .csv or .tmx");
    EXPECT_EQ(TextFormat::listed({"one"}), "one");

    const std::pair<const char *, std::optional<TextFormat::Id>> files[] = {
        {"texts.csv", TextFormat::Id::Csv},     {"C:\\kit\\TEXTS.PO", TextFormat::Id::Po},
        {"new.pot", TextFormat::Id::Pot},       {"kit.xlf", TextFormat::Id::Xliff},
        {"kit.Xliff", TextFormat::Id::Xliff},   {"texts.txt", std::nullopt},
        {"texts.csv.bak", std::nullopt},        {"po", std::nullopt},
        {"kit.tmx", TextFormat::Id::Tmx},
    };
    for (const auto &[name, id] : files) {
        const TextFormat *format = TextFormat::ofFile(QString::fromUtf8(name));
        EXPECT_EQ(format ? std::optional(format->id) : std::nullopt, id) << name;
    }
    // kvtool's --format, and the suffix of the window's chosen filter.
    const std::pair<const char *, std::optional<TextFormat::Id>> names[] = {
        {"csv", TextFormat::Id::Csv}, {"PO", TextFormat::Id::Po},    {"pot", TextFormat::Id::Pot},
        {"xliff", TextFormat::Id::Xliff}, {"xlf", TextFormat::Id::Xliff}, {"x.po", std::nullopt},
        {"XLIFF-OmegaT", TextFormat::Id::XliffForOmegaT},
        {"json", std::nullopt},
    };
    for (const auto &[name, id] : names) {
        const TextFormat *format = TextFormat::named(QString::fromUtf8(name));
        EXPECT_EQ(format ? std::optional(format->id) : std::nullopt, id) << name;
    }
}

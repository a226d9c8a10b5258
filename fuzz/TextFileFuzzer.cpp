// libFuzzer harness: arbitrary bytes as a text file, read on its own and as
// both text entries of an archive loaded by the kit's start-up. What the
// kit writes from what it read must read back the same and pass the check,
// and every text must survive being shown and edited in a code page.
#include "FuzzTexts.h"
#include "texts/CodePage.h"
#include "texts/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<QByteArray> texts = TextFile::read(file);
    TextFile::check(file, "texts.dat");
    const QByteArray written = TextFile::write(texts);
    if (TextFile::read(written) != texts || !TextFile::check(written, "texts.dat").empty())
        __builtin_trap();

    // The code page follows from the input, so each one gets its share.
    static const std::vector<CodePage> codePages = [] {
        std::vector<CodePage> pages;
        for (int number : CodePage::supported())
            pages.emplace_back(number);
        return pages;
    }();
    const CodePage &codePage = codePages[size % codePages.size()];
    for (const QByteArray &text : texts) {
        if (codePage.encode(codePage.decode(text)) != text)
            __builtin_trap();
    }

    const auto loaded = loadedTexts(file.toStdString(), file.toStdString());
    if (!loaded)
        __builtin_trap();
    const TextTable &table = *loaded;
    if (table.rowCount() != texts.size())
        __builtin_trap();
    for (int row = 0; row < table.rowCount(); ++row) {
        if (table.row(row).source != texts[row] || table.row(row).translation != texts[row])
            __builtin_trap();
    }
    return 0;
}

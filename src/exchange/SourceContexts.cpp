#include "SourceContexts.h"

#include "texts/CodePage.h"
#include "texts/TextTable.h"

namespace orvanta {

namespace {

constexpr qsizetype LongestContext = 60;

QString contextAfter(const QString &text)
{
    QString line = text.section(QLatin1Char('\n'), 0, 0);
    if (line.size() > LongestContext)
        line.truncate(line[LongestContext - 1].isHighSurrogate() ? LongestContext - 1 : LongestContext);
    return QStringLiteral("after: ") + line;
}

} // namespace

SourceContexts::SourceContexts(const TextTable &texts, const CodePage &codePage)
{
    const int rows = texts.rowCount();
    m_rowOfSource.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        const QByteArrayView source = texts.row(row).source;
        const auto it = m_rowOfSource.find(source);
        if (it == m_rowOfSource.end())
            m_rowOfSource.insert(source, row);
        else
            *it = SeveralRows;
    }
    m_contexts.resize(rows);
    // The last row above with a source, and the last one above it whose
    // source differs from that row's: one of the two differs from any source.
    int last = -1;
    int lastOther = -1;
    for (int row = 0; row < rows; ++row) {
        const QByteArrayView source = texts.row(row).source;
        if (m_rowOfSource.value(source) == SeveralRows) {
            const int above = last >= 0 && texts.row(last).source != source ? last : lastOther;
            const QString base =
                above < 0 ? QStringLiteral("first") : contextAfter(codePage.decode(texts.row(above).source));
            QString context = base;
            for (int n = 2; m_rowOfContext.contains(std::pair(source, context)); ++n)
                context = base + QStringLiteral(" (%1)").arg(n);
            m_rowOfContext.insert(std::pair(source, context), row);
            m_contexts[row] = context;
        }
        if (source.isEmpty())
            continue;
        if (last >= 0 && texts.row(last).source != source)
            lastOther = last;
        last = row;
    }
}

} // namespace orvanta

#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <utility>

namespace orvanta {

class CodePage;
class TextTable;

// Which rows hold the same source text, and what tells them apart in the
// translators' files, where an entry is found by its source (gettext's
// msgid) and a context only where one source stands in several rows.
//
// A row whose source stands in no other row has no context. Each row of a
// shared source has "after: TEXT", TEXT the first line (at most 60
// characters) of the nearest row above it whose source is neither empty nor
// the same, or "first" when there is none; a context met twice for one
// source gets " (2)", " (3)" ... in row order. So the context follows its
// row when rows are inserted, removed or moved elsewhere, and a tool that
// merges by source and context (msgmerge) keeps it.
//
// The table's texts are viewed, not copied: the contexts are valid while
// `texts` is unchanged.
class SourceContexts {
public:
    // rowOf()'s answers besides a row.
    static constexpr int NoRow = -1;
    static constexpr int SeveralRows = -2;

    // `codePage` decodes the sources into the contexts' texts.
    SourceContexts(const TextTable &texts, const CodePage &codePage);

    // Row `row`'s context; empty when its source stands in that row only.
    const QString &context(int row) const { return m_contexts[row]; }
    // The one row whose source is `source`, NoRow or SeveralRows.
    int rowOf(QByteArrayView source) const { return m_rowOfSource.value(source, NoRow); }
    // The row of `source` whose context is `context`, or NoRow.
    int rowOf(QByteArrayView source, const QString &context) const
    {
        return m_rowOfContext.value(std::pair(source, context), NoRow);
    }

private:
    QList<QString> m_contexts;
    QHash<QByteArrayView, int> m_rowOfSource;
    QHash<std::pair<QByteArrayView, QString>, int> m_rowOfContext;
};

} // namespace orvanta

#include "DocumentSuggestions.h"

namespace orvanta {

DocumentSuggestions::DocumentSuggestions(KitDocument &document, QObject *parent)
    : QObject(parent)
    , m_document(document)
{
    connect(&document, &KitDocument::textsChanged, this, [this](int firstRow, int lastRow) {
        for (int row = firstRow; row <= lastRow; ++row)
            m_suggestions.rowChanged(m_document.texts(), m_document.codePages(), row);
    });
    connect(&document, &KitDocument::codePageChanged, this, [this] { m_suggestions.textsReplaced(); });
}

QStringList DocumentSuggestions::readMemories(const QStringList &paths)
{
    QStringList problems;
    m_suggestions.clearMemories();
    for (const QString &path : paths) {
        auto memory = KitSuggestions::readMemory(path, m_document.codePage());
        if (memory)
            m_suggestions.addMemory(std::move(*memory));
        else
            problems.append(QString::fromStdString(memory.error().text()));
    }
    emit memoriesChanged();
    return problems;
}

QString DocumentSuggestions::addMemory(const QString &path)
{
    auto memory = KitSuggestions::readMemory(path, m_document.codePage());
    if (!memory)
        return QString::fromStdString(memory.error().text());
    m_suggestions.addMemory(std::move(*memory));
    emit memoriesChanged();
    return {};
}

QList<KitSuggestions::Suggestion> DocumentSuggestions::suggestions(int row)
{
    return m_suggestions.suggestions(m_document.texts(), m_document.codePages(), row);
}

bool DocumentSuggestions::take(int row, const KitSuggestions::Suggestion &suggestion, QChar *refused)
{
    qsizetype bad = 0;
    const auto bytes = m_document.codePage().encode(suggestion.translation, &bad);
    if (!bytes) {
        *refused = suggestion.translation.at(bad);
        return false;
    }
    if (!suggestion.fuzzy) {
        m_document.editText(row, TextTable::Translation, *bytes);
        return true;
    }
    ReviewMarks::Mark mark = m_document.marks().mark(row);
    mark.needsReview = true;
    m_document.applyTranslations({{row, *bytes}},
                                 tr("Take fuzzy suggestion for translation %1").arg(row + 1),
                                 {{row, mark}});
    return true;
}

} // namespace orvanta

#pragma once

#include "KitDocument.h"
#include "kit/KitSuggestions.h"

#include <QObject>
#include <QStringList>

namespace orvanta {

// The suggestions for the document's rows (KitSuggestions), kept current as
// the document changes: an edited translation counts at once, a changed
// source or code page has the rows indexed again when next asked. The
// memories are read when the translator's list of them is given, so a
// memory that cannot be read is told once and left out for the session.
class DocumentSuggestions : public QObject {
    Q_OBJECT

public:
    // `document` must outlive the suggestions.
    explicit DocumentSuggestions(KitDocument &document, QObject *parent = nullptr);

    // Reads the memories at `paths`, in order, in place of those read
    // before; returns one line for each that could not be read, naming it.
    QStringList readMemories(const QStringList &paths);
    // Reads one more memory; returns the line naming it when it cannot be
    // read, and then it is not added.
    QString addMemory(const QString &path);

    // For record `row`, best first.
    QList<KitSuggestions::Suggestion> suggestions(int row);

    // Takes `suggestion`'s translation for record `row`: one edit, one
    // step of the history; a fuzzy one marks the row needs review in the
    // same step. Returns false, with the character in
    // `*refused`, when the code page cannot hold one of its characters.
    bool take(int row, const KitSuggestions::Suggestion &suggestion, QChar *refused);

signals:
    // The memories changed: suggestions shown are out of date.
    void memoriesChanged();

private:
    KitDocument &m_document;
    KitSuggestions m_suggestions;
};

} // namespace orvanta

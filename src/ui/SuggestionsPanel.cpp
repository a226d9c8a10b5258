#include "SuggestionsPanel.h"

#include "Controls.h"
#include "Messages.h"
#include "SuggestionsList.h"
#include "TextsMessages.h"
#include "document/DocumentSuggestions.h"
#include "exchange/TextFormat.h"
#include "kit/KitSettings.h"

#include <QApplication>
#include <QFileDialog>

namespace orvanta {

SuggestionsPanel::SuggestionsPanel(KitDocument &document, KitSettings &settings, QWidget *page)
    : QObject(page)
    , m_document(document)
    , m_settings(settings)
    , m_page(page)
    , m_suggestions(new DocumentSuggestions(document, this))
{
    connect(m_suggestions, &DocumentSuggestions::memoriesChanged, this, [this] {
        m_suggestedRecord = -1;
        showSuggestions(m_shownRecord);
    });
}

SuggestionsList *SuggestionsPanel::newList(QWidget *parent)
{
    auto *list = new SuggestionsList(parent);
    m_lists.append(list); // lives as long as the page, as the previews do
    list->showSuggestions(m_shown);
    connect(list, &SuggestionsList::taken, this, &SuggestionsPanel::takeSuggestion);
    return list;
}

void SuggestionsPanel::start()
{
    m_suggesting = true;
    const QStringList problems = m_suggestions->readMemories(m_settings.memories());
    if (!problems.isEmpty())
        TextsMessages::memoriesLeftOut(m_page, problems);
}

void SuggestionsPanel::showFor(int record)
{
    m_shownRecord = record;
    if (record != m_suggestedRecord)
        showSuggestions(record);
}

void SuggestionsPanel::showSuggestions(int record)
{
    if (!m_suggesting)
        return;
    m_suggestedRecord = record;
    m_shown = m_suggestions->suggestions(record);
    for (SuggestionsList *list : std::as_const(m_lists))
        list->showSuggestions(m_shown);
}

void SuggestionsPanel::takeSuggestion(int index)
{
    if (index < 0 || index >= m_shown.size()) {
        QApplication::beep();
        return;
    }
    QChar refused;
    if (!m_suggestions->take(m_suggestedRecord, m_shown[index], &refused))
        Messages::attention(m_page, TextsMessages::codePageRefusal(refused, m_document.codePage().number()));
}

void SuggestionsPanel::addMemory()
{
    if (!m_memoryDialog) {
        m_memoryDialog = Controls::named(new QFileDialog(m_page), "MemoryDialog");
        m_memoryDialog->setOption(QFileDialog::DontUseNativeDialog);
        m_memoryDialog->setFileMode(QFileDialog::ExistingFile);
        QStringList titles;
        for (const TextFormat &format : TextFormat::all()) {
            if (format.readsTranslations())
                titles.append(format.title);
        }
        m_memoryDialog->setWindowTitle(tr("A translation memory: a %1 file, or another kit's kvmain.dat")
                                           .arg(TextFormat::listed(titles)));
        m_memoryDialog->setNameFilters(
            {tr("Translation memories (%1 kvmain.dat)")
                 .arg(TextFormat::patterns(TextFormat::allSuffixes(TextFormat::Use::Memories))),
             tr("All (*)")});
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
        Messages::showError(m_page, problem);
        return;
    }
    memories.append(path);
    m_settings.setMemories(memories);
}

void SuggestionsPanel::forgetMemories()
{
    m_settings.setMemories({});
    m_suggestions->readMemories({});
}

} // namespace orvanta

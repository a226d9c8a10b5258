#include "SpellingMenu.h"

#include "Messages.h"
#include "document/DocumentReview.h"
#include "document/KitDocument.h"
#include "kit/KitSettings.h"
#include "texts/SpellingCheck.h"

#include <QActionGroup>

namespace orvanta {

SpellingMenu::SpellingMenu(KitDocument &document, KitSettings &settings, DocumentReview &review, QWidget *page)
    : QMenu(QStringLiteral("Spell check"), page)
    , m_document(document)
    , m_settings(settings)
    , m_review(review)
{
    setObjectName(QStringLiteral("SpellingMenu"));
    connect(this, &QMenu::aboutToShow, this, &SpellingMenu::offerDictionaries);
}

void SpellingMenu::offerDictionaries()
{
    clear();
    const auto chosen = m_review.spellChecker();
    const QStringList installed = SpellingDictionary::installed();
    const QString suggested = SpellingDictionary::suggestedFor(m_document.codePage().number(), installed);
    auto *group = new QActionGroup(this);
    auto add = [&](const QString &caption, const QString &language) {
        QAction *action = addAction(caption, this, [this, language] { chooseSpelling(language); });
        action->setObjectName(QStringLiteral("Spelling:") + language);
        action->setCheckable(true);
        action->setChecked(chosen ? chosen->language() == language : language.isEmpty());
        group->addAction(action);
    };
    add(QStringLiteral("None"), QString());
    for (const QString &language : installed)
        add(Messages::spellLanguage(language, language == suggested ? m_document.codePage().number() : 0), language);
}

void SpellingMenu::chooseSpelling(const QString &language)
{
    m_settings.setSpellLanguage(language);
    useSpelling(language);
}

void SpellingMenu::useSpelling(const QString &language)
{
    if (language.isEmpty()) {
        m_review.setDictionary(nullptr);
    } else {
        SpellingCheck::Opened opened = SpellingCheck::open(language, m_document.directory());
        m_review.setDictionary(opened.checker);
        Messages::spellingProblems(parentWidget(), opened.problems, opened.checker != nullptr);
    }
    emit spellingChanged();
}

} // namespace orvanta

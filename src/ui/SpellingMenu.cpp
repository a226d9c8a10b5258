#include "SpellingMenu.h"

#include "TextsMessages.h"
#include "document/DocumentReview.h"
#include "document/KitDocument.h"
#include "kit/KitSettings.h"
#include "texts/SpellingCheck.h"

#include <QActionGroup>

#include <algorithm>

namespace orvanta {

namespace {

// The most suggestions an editor's menu offers.
constexpr int MostSuggestions = 8;

} // namespace

SpellingMenu::SpellingMenu(KitDocument &document, KitSettings &settings, DocumentReview &review, QWidget *page)
    : QMenu(tr("Spell check"), page)
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
    add(tr("None"), QString());
    for (const QString &language : installed)
        add(TextsMessages::spellLanguage(language, language == suggested ? m_document.codePage().number() : 0),
            language);
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
        TextsMessages::spellingProblems(parentWidget(), opened.problems, opened.checker != nullptr);
    }
    emit spellingChanged();
}

void SpellingMenu::offerCorrections(QMenu &menu, DocumentReview &review, const QString &text, const QString &source,
                                    int at, const Replace &replace, QWidget *owner)
{
    const SpellingDictionary *checker = review.spellChecker().get();
    const QList<SpellingDictionary::Misspelling> misspelt =
        checker ? checker->misspellings(text, source) : QList<SpellingDictionary::Misspelling>();
    const auto word = std::find_if(misspelt.begin(), misspelt.end(), [at](const SpellingDictionary::Misspelling &m) {
        return at >= m.start && at <= m.start + m.length;
    });
    if (word == misspelt.end())
        return;
    const SpellingDictionary::Misspelling place = *word;
    const QString misspeltWord = text.sliced(place.start, place.length);
    QAction *standard = menu.actions().value(0);
    auto add = [&](const QString &caption, const char *name) {
        auto *action = new QAction(caption, &menu);
        action->setObjectName(QString::fromLatin1(name));
        menu.insertAction(standard, action);
        return action;
    };
    const QStringList suggestions = checker->suggestions(misspeltWord).mid(0, MostSuggestions);
    for (const QString &suggestion : suggestions) {
        connect(add(suggestion, "SpellingSuggestion"), &QAction::triggered, owner,
                [replace, place, suggestion] { replace(place.start, place.length, suggestion); });
    }
    if (suggestions.isEmpty())
        add(tr("(no suggestions)"), "NoSpellingSuggestion")->setEnabled(false);
    menu.insertSeparator(standard);
    connect(add(tr("Add to the kit's dictionary"), "AddToKitDictionary"), &QAction::triggered, owner,
            [&review, window = owner->window(), misspeltWord] {
                // The box's parent is the window: a grid's cell editor closes
                // when the box takes the focus, and would take the box with it.
                if (const Status added = review.addToKitDictionary(misspeltWord); !added)
                    TextsMessages::cannotAddWord(window, misspeltWord, added.error());
            });
    connect(add(tr("Ignore"), "IgnoreWord"), &QAction::triggered, owner,
            [&review, misspeltWord] { review.ignoreWord(misspeltWord); });
    menu.insertSeparator(standard);
}

} // namespace orvanta

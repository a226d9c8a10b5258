#include "FindReplaceWindow.h"

#include "Controls.h"
#include "TextGridModel.h"
#include "TextsMessages.h"
#include "TextsNavigation.h"
#include "document/KitDocument.h"
#include "texts/TextReplace.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvanta {

FindReplaceWindow::FindReplaceWindow(KitDocument &document, TextGridModel &shown, TextsNavigation &navigation,
                                     QWidget *page)
    : QDialog(page, Qt::Tool)
    , m_document(document)
    , m_shown(shown)
    , m_navigation(navigation)
    , m_find(Controls::named(new QLineEdit, "FindField"))
    , m_replace(Controls::named(new QLineEdit, "ReplaceField"))
    , m_wholeWord(Controls::named(new QCheckBox(tr("Whole words only")), "WholeWordBox"))
    , m_matchCase(Controls::named(new QCheckBox(tr("Match case")), "MatchCaseBox"))
    , m_outcome(Controls::label("FindReplaceOutcome", QString()))
{
    setObjectName(QStringLiteral("FindReplaceWindow"));
    setWindowTitle(tr("Find and replace in translations"));
    setFont(Controls::font()); // a window of its own takes no font from the page
    auto *form = new QFormLayout(this);
    form->addRow(tr("Find:"), m_find);
    form->addRow(tr("Replace with:"), m_replace);
    form->addRow(m_wholeWord);
    form->addRow(m_matchCase);
    auto *buttons = new QDialogButtonBox;
    auto *next = Controls::named(buttons->addButton(tr("Find next"), QDialogButtonBox::ActionRole), "FindNextButton");
    auto *all = Controls::named(buttons->addButton(tr("Replace all"), QDialogButtonBox::ActionRole),
                                "ReplaceAllButton");
    buttons->addButton(QDialogButtonBox::Close);
    next->setDefault(true);
    form->addRow(buttons);
    form->addRow(m_outcome);
    m_outcome->setWordWrap(true);
    connect(next, &QPushButton::clicked, this, &FindReplaceWindow::findNext);
    connect(all, &QPushButton::clicked, this, &FindReplaceWindow::replaceAll);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(360, sizeHint().height());
}

void FindReplaceWindow::open()
{
    show();
    raise();
    activateWindow();
    m_find->setFocus(Qt::ShortcutFocusReason);
    m_find->selectAll();
}

TextReplace FindReplaceWindow::replacement() const
{
    return TextReplace(m_find->text(), m_replace->text(),
                       (m_wholeWord->isChecked() ? TextReplace::WholeWord : 0)
                           | (m_matchCase->isChecked() ? TextReplace::MatchCase : 0));
}

QList<int> FindReplaceWindow::shownRecords() const
{
    QList<int> records;
    for (int row = 0; row < m_shown.rowCount(); ++row)
        records.append(m_shown.recordOf(m_shown.index(row, 0)));
    return records;
}

void FindReplaceWindow::findNext()
{
    const TextReplace search = replacement();
    const QList<int> records = shownRecords();
    const qsizetype current = records.indexOf(m_navigation.currentRecord());
    for (qsizetype step = 1; step <= records.size(); ++step) {
        const int record = records[(current + step) % records.size()];
        if (search.find(m_document.codePage().decode(m_document.text(record, TextTable::Translation))).first >= 0) {
            m_navigation.selectRecord(record, TextTable::Translation);
            m_outcome->setText(TextsMessages::foundInRow(record + 1));
            return;
        }
    }
    m_outcome->setText(TextsMessages::notFound(m_find->text()));
}

void FindReplaceWindow::replaceAll()
{
    const TextReplace::Outcome outcome =
        replacement().inTranslations(m_document.texts(), m_document.codePage(), shownRecords());
    if (outcome.refusedRow >= 0) {
        m_navigation.selectRecord(outcome.refusedRow, TextTable::Translation);
        m_outcome->setText(TextsMessages::replaceRefused(outcome.refusedRow + 1, outcome.refused,
                                                    m_document.codePage().number()));
        return;
    }
    m_document.applyTranslations(outcome.changes, TextsMessages::replaceDescription(m_find->text(), m_replace->text()));
    m_outcome->setText(TextsMessages::replaced(outcome.places, int(outcome.changes.size())));
}

} // namespace orvanta

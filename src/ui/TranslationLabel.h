#pragma once

#include "texts/SpellingDictionary.h"

#include <QLabel>
#include <QList>

namespace orvanta {

// The current row's translation below the grid (`Label12`): plain text on
// one line from the top-left corner, clipped, with the misspelt words the
// page gives it under a red wave.
class TranslationLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Shows `text` with `misspelt` (places in it) waved.
    void showText(const QString &text, const QList<SpellingDictionary::Misspelling> &misspelt);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<SpellingDictionary::Misspelling> m_misspelt;
};

} // namespace orvanta

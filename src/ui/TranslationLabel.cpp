#include "TranslationLabel.h"

#include "MisspeltWave.h"

#include <QPainter>

namespace orvanta {

void TranslationLabel::showText(const QString &text, const QList<SpellingDictionary::Misspelling> &misspelt)
{
    m_misspelt = misspelt;
    setText(text);
    update(); // the same text with other words waved
}

void TranslationLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (m_misspelt.isEmpty())
        return;
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    const QFontMetricsF metrics(font());
    // Below the font's own underline (the label's font is underlined).
    const qreal y = area.top() + metrics.ascent() + metrics.underlinePos() + metrics.lineWidth() + 1;
    const QString shown = text();
    for (const SpellingDictionary::Misspelling &word : m_misspelt) {
        if (word.start + word.length > shown.size())
            continue;
        const qreal x1 = area.left() + metrics.horizontalAdvance(shown.left(word.start));
        MisspeltWave::draw(painter, x1, x1 + metrics.horizontalAdvance(shown.sliced(word.start, word.length)), y);
    }
}

} // namespace orvanta

#include "ProgressLine.h"

#include "Controls.h"
#include "TextsMessages.h"
#include "document/DocumentReview.h"

namespace orvanta {

ProgressLine::ProgressLine(const DocumentReview &review, QWidget *parent)
    : QLabel(parent)
    , m_review(review)
{
    Controls::label("ProgressLabel", QString(), this);
    setTextFormat(Qt::RichText);
    showProgress();
    connect(&review, &DocumentReview::reviewed, this, &ProgressLine::showProgress);
    connect(this, &QLabel::linkActivated, this, [this](const QString &link) {
        if (link == TextsMessages::WiderLink)
            emit widerAsked();
        else
            emit warningsAsked();
    });
}

void ProgressLine::showProgress()
{
    // Said once for the font: the rows' `wider` compares within it.
    const QString shown = TextsMessages::progressLine(m_review.review().progress(), m_review.fontWidening());
    if (shown != text())
        setText(shown);
}

} // namespace orvanta

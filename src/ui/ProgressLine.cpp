#include "ProgressLine.h"

#include "Controls.h"
#include "Messages.h"
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
    connect(this, &QLabel::linkActivated, this, &ProgressLine::warningsAsked);
}

void ProgressLine::showProgress()
{
    const TextReview::Progress progress = m_review.review().progress();
    const QString separator = QStringLiteral(" \u00B7 ");
    const QString line = Messages::textsTranslated(progress) + separator
        + (progress.toReview == 0 ? QString() : Messages::toReview(progress.toReview) + separator)
        + (progress.warnings == 0 ? Messages::warningCount(0)
                                  : QStringLiteral("<a href=\"warnings\">%1</a>").arg(Messages::warningCount(progress.warnings)));
    // Said once for the font: the rows' `wider` compares within it.
    const int widening = m_review.fontWidening();
    const QString shown = widening == 0 ? line : line + separator + Messages::fontWider(widening);
    if (shown != text())
        setText(shown);
}

} // namespace orvanta

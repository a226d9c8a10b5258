#pragma once

#include <QLabel>

namespace orvanta {

class DocumentReview;

// The Texts page's progress line ("ProgressLabel"): "1,234 of 1,661 texts
// translated (74%)", the rows to review and the warnings, whose count is a
// link that asks for the list of warnings; and once for the glyph font how
// much wider it draws the game's texts. It follows the review by itself.
class ProgressLine : public QLabel {
    Q_OBJECT

public:
    // The review must outlive the line.
    explicit ProgressLine(const DocumentReview &review, QWidget *parent = nullptr);

signals:
    // The translator clicked the warnings.
    void warningsAsked();

private:
    void showProgress();

    const DocumentReview &m_review;
};

} // namespace orvanta

#pragma once

#include <QLabel>

namespace orvanta {

class DocumentReview;

// The Texts page's progress line ("ProgressLabel"): "1,234 of 1,661 texts
// translated (74%)", the rows to review, the warnings (every finding but
// `wider`) and, apart, the rows drawn wider than their original, each count
// a link that asks for the list of them; and once for the glyph font how
// much wider it draws the game's texts. It follows the review by itself.
class ProgressLine : public QLabel {
    Q_OBJECT

public:
    // The review must outlive the line.
    explicit ProgressLine(const DocumentReview &review, QWidget *parent = nullptr);

signals:
    // The translator clicked the warnings, or the rows drawn wider.
    void warningsAsked();
    void widerAsked();

private:
    void showProgress();

    const DocumentReview &m_review;
};

} // namespace orvanta

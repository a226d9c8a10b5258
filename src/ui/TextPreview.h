#pragma once

#include <QByteArray>
#include <QImage>
#include <QWidget>

class QComboBox;
class QLabel;

namespace orvanta {

class DocumentReview;
class GameTextRenderer;

// The current row's texts as the game will draw them: the source in the
// game's standard glyphs and what the next save writes for it in the glyphs
// the save writes, each on the colour of the game's buttons, with its width
// in game pixels, enlarged 1x, 2x or 3x. Each text's caption line stands
// above its picture, which has the preview's whole width; a picture wider or
// taller than the preview scrolls. While the glyph font is past the glyph
// files' limits, its refusal stands in place of the translation.
//
// It draws with the glyphs the review captured, so following the typing
// costs one text drawn per keystroke and no capture; a hidden preview draws
// nothing until it is shown.
class TextPreview : public QWidget {
    Q_OBJECT

public:
    // The face of the game's buttons, on which it draws its texts.
    static const QRgb ButtonColour;
    // The button colour around a text, in game pixels.
    static constexpr int Margin = 3;

    // The review must outlive the preview.
    explicit TextPreview(const DocumentReview &review, QWidget *parent = nullptr);

    // The texts to show: a source record and what the save writes for it,
    // both as bytes.
    void showTexts(const QByteArray &source, const QByteArray &saved);

    // `text` drawn by `renderer` on the button colour, with the margin
    // around it, each game pixel `zoom` x `zoom` screen pixels.
    static QImage picture(const GameTextRenderer &renderer, QByteArrayView text, int zoom);

    // The enlargement, 1 to 3.
    int zoom() const;
    void setZoom(int zoom);

signals:
    // The translator chose another enlargement.
    void zoomChosen(int zoom);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void redraw();

    const DocumentReview &m_review;
    QByteArray m_source;
    QByteArray m_saved;
    bool m_stale = true;   // texts or glyphs changed while hidden
    QLabel *m_sourcePicture = nullptr;
    QLabel *m_sourceWidth = nullptr;
    QLabel *m_savedPicture = nullptr;
    QLabel *m_savedWidth = nullptr;
    QComboBox *m_zoom = nullptr;
};

} // namespace orvanta

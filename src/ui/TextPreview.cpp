#include "TextPreview.h"

#include "Controls.h"
#include "TextsMessages.h"
#include "document/DocumentReview.h"
#include "font/GameTextRenderer.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace orvanta {

const QRgb TextPreview::ButtonColour = qRgb(0xA3, 0x70, 0x25);

namespace {

// A picture box as large as its picture: the preview scrolls to it.
QLabel *pictureBox(const char *name)
{
    auto *box = Controls::named(new QLabel, name);
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->setWordWrap(true); // for a refusal shown in place of a picture
    return box;
}

// The box shows `text` drawn, or the reason it cannot be; the width label
// tells its width and returns it (-1 without glyphs, and while they are not
// captured yet).
int showText(QLabel *box, QLabel *width, const Result<GlyphCache::Entry> &glyphs, const QByteArray &text, int zoom)
{
    if (!glyphs || !*glyphs) {
        if (glyphs)
            box->clear();
        else
            box->setText(QString::fromStdString(glyphs.error().text()));
        width->clear();
        return -1;
    }
    const GameTextRenderer &renderer = (*glyphs)->text;
    box->setPixmap(QPixmap::fromImage(TextPreview::picture(renderer, text, zoom)));
    const int pixels = renderer.width(text);
    width->setText(TextsMessages::pixelWidth(pixels));
    return pixels;
}

} // namespace

TextPreview::TextPreview(const DocumentReview &review, QWidget *parent)
    : QWidget(parent)
    , m_review(review)
    , m_sourcePicture(pictureBox("SourcePreview"))
    , m_sourceWidth(Controls::label("SourcePreviewWidth", QString()))
    , m_savedPicture(pictureBox("TranslationPreview"))
    , m_savedWidth(Controls::label("TranslationPreviewWidth", QString()))
    , m_zoom(Controls::named(new QComboBox, "PreviewZoom"))
{
    setObjectName(QStringLiteral("TextPreview"));
    // For each text a caption line (caption, width, and for the first the
    // zoom) above its picture, all in one scrolling area.
    auto *texts = new QWidget;
    auto *layout = new QGridLayout(texts);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(2);
    layout->addWidget(Controls::label("SourcePreviewLabel", tr("Original:")), 0, 0);
    layout->addWidget(m_sourceWidth, 0, 1);
    layout->addWidget(m_zoom, 0, 2);
    layout->addWidget(m_sourcePicture, 1, 0, 1, 4);
    layout->addWidget(Controls::label("TranslationPreviewLabel", tr("Translated:")), 2, 0);
    layout->addWidget(m_savedWidth, 2, 1);
    layout->addWidget(m_savedPicture, 3, 0, 1, 4);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(4, 1);
    for (QLabel *width : {m_sourceWidth, m_savedWidth}) {
        width->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        width->setMinimumWidth(width->fontMetrics().horizontalAdvance(QStringLiteral("0000 px")));
    }
    auto *scroll = Controls::named(new QScrollArea, "PreviewScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(texts);
    auto *whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(scroll);
    m_zoom->addItems({QStringLiteral("1x"), QStringLiteral("2x"), QStringLiteral("3x")});
    m_zoom->setToolTip(tr("Enlarge the game's pixels"));
    connect(m_zoom, &QComboBox::activated, this, [this] { emit zoomChosen(zoom()); });
    connect(m_zoom, &QComboBox::currentIndexChanged, this, &TextPreview::redraw);
    connect(&review, &DocumentReview::glyphsChanged, this, &TextPreview::redraw);
}

int TextPreview::zoom() const
{
    return m_zoom->currentIndex() + 1;
}

void TextPreview::setZoom(int zoom)
{
    m_zoom->setCurrentIndex(std::clamp(zoom, 1, m_zoom->count()) - 1);
}

void TextPreview::showTexts(const QByteArray &source, const QByteArray &saved)
{
    if (source == m_source && saved == m_saved && !m_stale)
        return;
    m_source = source;
    m_saved = saved;
    redraw();
}

void TextPreview::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_stale)
        redraw();
}

void TextPreview::redraw()
{
    m_stale = !isVisible();
    if (m_stale)
        return;
    const int original = showText(m_sourcePicture, m_sourceWidth, m_review.standardGlyphs(), m_source, zoom());
    const int translated = showText(m_savedPicture, m_savedWidth, m_review.savedGlyphs(), m_saved, zoom());
    // Wider than the original: it may not fit where the original does.
    QPalette palette = m_sourceWidth->palette();
    if (translated > original && original >= 0)
        palette.setColor(QPalette::WindowText, QColor(0xB0, 0x30, 0x00));
    m_savedWidth->setPalette(palette);
}

QImage TextPreview::picture(const GameTextRenderer &renderer, QByteArrayView text, int zoom)
{
    const QSize size(renderer.width(text) + 2 * Margin, renderer.cellHeight() + 2 * Margin);
    QImage picture(size * zoom, QImage::Format_RGB32);
    picture.fill(ButtonColour);
    const QImage drawn = renderer.render(text);
    if (!drawn.isNull()) {
        QPainter painter(&picture);
        painter.drawImage(QRect(QPoint(Margin, Margin) * zoom, drawn.size() * zoom), drawn);
    }
    return picture;
}

} // namespace orvanta

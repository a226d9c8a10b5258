// picturegen: draws the kit's nine standard pictures (button captions of the
// game's map and storage menus) in the game's 255-colour palette and writes
// them as 8-bit BMP files, named as the kit expects them, into a folder.
// The results are checked into assets/ and built into the kit.
#include "pictures/IndexedBmp.h"
#include "pictures/PictureCatalogue.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>

#include <climits>
#include <cmath>
#include <cstdio>

namespace {

using orvanta::PictureCatalogue;

// The palette: black, white, 29 greys, then seven ramps of 32 shades from
// dark to light. Indices of the ramps' shades are Ramp * 32 + 31 + shade.
enum Ramp { Bronze, Wood, Red, Green, Blue, Teal, Violet, RampCount };
constexpr int RampSize = 32;
constexpr int GreyCount = 29;

QList<QRgb> gamePalette()
{
    QList<QRgb> palette{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    for (int i = 1; i <= GreyCount; ++i) {
        const int v = i * 255 / (GreyCount + 1);
        palette.append(qRgb(v, v, v));
    }
    struct Stops { QColor dark, middle, light; };
    const Stops stops[RampCount] = {
        {{26, 14, 4}, {178, 122, 40}, {255, 236, 166}},  // bronze: button faces, captions
        {{22, 12, 6}, {122, 78, 44}, {228, 194, 152}},   // wood and earth
        {{30, 4, 4}, {186, 38, 28}, {255, 192, 172}},    // reds
        {{4, 22, 6}, {58, 142, 48}, {204, 250, 172}},    // greens
        {{4, 8, 32}, {42, 82, 178}, {182, 212, 255}},    // blues
        {{4, 24, 26}, {30, 142, 140}, {184, 250, 240}},  // teals
        {{20, 6, 28}, {122, 58, 152}, {232, 192, 250}},  // violets
    };
    const auto mix = [](const QColor &a, const QColor &b, double f) {
        return qRgb(qRound(a.red() + (b.red() - a.red()) * f), qRound(a.green() + (b.green() - a.green()) * f),
                    qRound(a.blue() + (b.blue() - a.blue()) * f));
    };
    for (const Stops &s : stops) {
        for (int t = 0; t < RampSize; ++t) {
            const double f = double(t) / (RampSize - 1);
            QRgb c = f < 0.5 ? mix(s.dark, s.middle, f * 2) : mix(s.middle, s.light, f * 2 - 1);
            while (palette.contains(c)) // no two entries alike
                c = qRgb(qRed(c), qGreen(c), (qBlue(c) + 1) % 256);
            palette.append(c);
        }
    }
    return palette;
}

const QList<QRgb> Palette = gamePalette();

QColor grey(int level) { return QColor(Palette[1 + level]); } // 1 (dark) to 29 (light)
QColor shade(Ramp ramp, int t) { return QColor(Palette[2 + GreyCount + ramp * RampSize + t]); }
QColor black() { return QColor(Palette[0]); }
QColor white() { return QColor(Palette[1]); }

QFont captionFont(int pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// Caption text with a one-pixel shadow, centred in `box`.
void caption(QPainter &p, const QRect &box, const QString &text, const QColor &colour, int pixelSize)
{
    p.setFont(captionFont(pixelSize));
    p.setPen(black());
    p.drawText(box.translated(1, 1), Qt::AlignCenter, text);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void verticalRamp(QPainter &p, const QRect &box, Ramp ramp, int top, int bottom)
{
    for (int y = 0; y < box.height(); ++y) {
        p.setPen(shade(ramp, top + (bottom - top) * y / qMax(1, box.height() - 1)));
        p.drawLine(box.left(), box.top() + y, box.right(), box.top() + y);
    }
}

void bevel(QPainter &p, const QRect &box, const QColor &light, const QColor &dark)
{
    p.setPen(black());
    p.drawRect(box.adjusted(0, 0, -1, -1));
    const QRect inner = box.adjusted(1, 1, -2, -2);
    p.setPen(light);
    p.drawLine(inner.topLeft(), inner.topRight());
    p.drawLine(inner.topLeft(), inner.bottomLeft());
    p.setPen(dark);
    p.drawLine(inner.bottomLeft(), inner.bottomRight());
    p.drawLine(inner.topRight(), inner.bottomRight());
}

enum class Look { Normal, Pressed, Selected };

void button(QPainter &p, const QRect &box, const QString &text, Look look)
{
    const int size = box.height() >= 21 ? 12 : 10;
    switch (look) {
    case Look::Normal:
        verticalRamp(p, box, Bronze, 15, 8);
        bevel(p, box, shade(Bronze, 26), shade(Bronze, 3));
        caption(p, box, text, shade(Bronze, 30), size);
        break;
    case Look::Pressed:
        verticalRamp(p, box, Bronze, 6, 10);
        bevel(p, box, shade(Bronze, 2), shade(Bronze, 18));
        caption(p, box.translated(1, 1), text, shade(Bronze, 24), size);
        break;
    case Look::Selected:
        verticalRamp(p, box, Bronze, 22, 14);
        bevel(p, box, white(), shade(Bronze, 6));
        caption(p, box, text, white(), size);
        break;
    }
}

// A stone panel: greys speckled by a fixed pseudo-random sequence.
void stone(QPainter &p, const QRect &box)
{
    p.fillRect(box, grey(7));
    unsigned seed = 12345;
    for (int i = 0; i < box.width() * box.height() / 5; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int x = box.left() + int((seed >> 8) % unsigned(box.width()));
        const int y = box.top() + int((seed >> 20) % unsigned(box.height()));
        p.setPen(grey((seed & 1) ? 5 : 9));
        p.drawPoint(x, y);
    }
    bevel(p, box, grey(14), grey(2));
}

void mapMenu(QPainter &p, const QSize &size)
{
    stone(p, QRect(QPoint(0, 0), size));
    button(p, {4, 4, 75, 21}, QStringLiteral("Sites"), Look::Normal);
    button(p, {83, 4, 75, 22}, QStringLiteral("Budget"), Look::Normal);
    button(p, {162, 4, 75, 22}, QStringLiteral("Pursue"), Look::Normal);
    button(p, {4, 30, 84, 22}, QStringLiteral("Settings"), Look::Normal);
    button(p, {92, 30, 75, 22}, QStringLiteral("Archive"), Look::Normal);
    button(p, {179, 32, 41, 18}, QStringLiteral("Stock"), Look::Normal);
    // A strip of the map: sea, coast and fields.
    const QRect strip(4, 58, 232, 22);
    verticalRamp(p, strip, Blue, 12, 6);
    for (int x = 0; x < strip.width(); ++x) {
        const int coast = 9 + qRound(3 * std::sin(x / 13.0) + 2 * std::sin(x / 5.0));
        p.setPen(shade(Green, 10 + (x / 9) % 6));
        p.drawLine(strip.left() + x, strip.top() + coast, strip.left() + x, strip.bottom());
        p.setPen(shade(Wood, 20));
        p.drawPoint(strip.left() + x, strip.top() + coast);
    }
    bevel(p, strip, grey(3), grey(16));
}

void storageView(QPainter &p, const QSize &size)
{
    // Planks of wood behind everything.
    for (int y = 0; y < size.height(); ++y) {
        p.setPen(y % 16 == 15 ? shade(Wood, 3) : shade(Wood, 9 + (y / 16) % 3 + (y % 16) / 6));
        p.drawLine(0, y, size.width() - 1, y);
    }
    const QRect title(0, 0, size.width(), 30);
    verticalRamp(p, title, Bronze, 4, 9);
    bevel(p, title, shade(Bronze, 16), shade(Bronze, 1));
    caption(p, title, QStringLiteral("Stock"), shade(Bronze, 29), 18);

    struct Good { const char *name; Ramp colour; int amount; };
    const Good goods[] = {
        {"Grain", Bronze, 412}, {"Timber", Wood, 236}, {"Stone", Blue, 158}, {"Iron ore", Red, 74},
        {"Cloth", Violet, 95},  {"Wine", Red, 31},     {"Salt", Teal, 120},  {"Tools", Green, 18},
    };
    QFont small = captionFont(11);
    for (int i = 0; i < 8; ++i) {
        const int top = 38 + i * 31;
        const QRect row(6, top, size.width() - 12, 27);
        p.fillRect(row.adjusted(1, 1, -1, -1), shade(Wood, 5));
        bevel(p, row, shade(Wood, 2), shade(Wood, 16));
        const QRect crate(row.left() + 4, top + 4, 19, 19);
        verticalRamp(p, crate, goods[i].colour, 20, 11);
        bevel(p, crate, shade(goods[i].colour, 27), shade(goods[i].colour, 4));
        p.setFont(small);
        p.setPen(shade(Bronze, 28));
        p.drawText(QRect(row.left() + 30, top, 90, 27), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromLatin1(goods[i].name));
        const QRect gauge(row.left() + 122, top + 10, 60, 7);
        p.fillRect(gauge, shade(Green, 4));
        p.fillRect(QRect(gauge.topLeft(), QSize(gauge.width() * goods[i].amount / 420, gauge.height())),
                   shade(Green, 18));
        p.setPen(white());
        p.drawText(QRect(row.right() - 42, top, 38, 27), Qt::AlignVCenter | Qt::AlignRight,
                   QString::number(goods[i].amount));
    }
    button(p, {8, 294, 41, 18}, QStringLiteral("Stock"), Look::Selected);
    button(p, {size.width() - 83, 292, 75, 22}, QStringLiteral("Archive"), Look::Normal);
}

void draw(QPainter &p, int row, const QSize &size)
{
    const QRect box(QPoint(0, 0), size);
    switch (row) {
    case 0: button(p, box, QStringLiteral("Stock"), Look::Pressed); break;
    case 1: button(p, box, QStringLiteral("Stock"), Look::Selected); break;
    case 2: button(p, box, QStringLiteral("Sites"), Look::Pressed); break;
    case 3: button(p, box, QStringLiteral("Budget"), Look::Normal); break;
    case 4: button(p, box, QStringLiteral("Pursue"), Look::Normal); break;
    case 5: button(p, box, QStringLiteral("Settings"), Look::Normal); break;
    case 6: button(p, box, QStringLiteral("Archive"), Look::Normal); break;
    case 7: mapMenu(p, size); break;
    default: storageView(p, size); break;
    }
}

int nearestEntry(QRgb c)
{
    int best = 0;
    int distance = INT_MAX;
    for (int i = 0; i < Palette.size(); ++i) {
        const int d = qAbs(qRed(c) - qRed(Palette[i])) + qAbs(qGreen(c) - qGreen(Palette[i]))
            + qAbs(qBlue(c) - qBlue(Palette[i]));
        if (d < distance) {
            distance = d;
            best = i;
        }
    }
    return best;
}

// Each pixel drawn above is a palette colour; the nearest entry is only a
// guard against a renderer that blends after all.
QImage toIndexed(const QImage &drawn)
{
    QHash<QRgb, int> index;
    for (int i = 0; i < Palette.size(); ++i)
        index.insert(Palette[i], i);
    QImage out(drawn.size(), QImage::Format_Indexed8);
    out.setColorTable(Palette);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb c = drawn.pixel(x, y) | 0xFF000000u;
            out.scanLine(y)[x] = uchar(index.contains(c) ? index.value(c) : nearestEntry(c));
        }
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Usage: picturegen FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    int row = 0;
    for (const auto &entry : PictureCatalogue::rows()) {
        QImage canvas(entry.size(), QImage::Format_RGB32);
        canvas.fill(black());
        {
            QPainter p(&canvas);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setRenderHint(QPainter::TextAntialiasing, false);
            draw(p, row++, entry.size());
        }
        const QString path = folder + PictureCatalogue::bmpName(entry);
        if (auto saved = orvanta::IndexedBmp::save(path, toIndexed(canvas)); !saved) {
            std::fprintf(stderr, "picturegen: %s\n", saved.error().text().c_str());
            return 1;
        }
    }
    return 0;
}

#include "PaletteFit.h"

#include "BmpHeader.h"
#include "TranslatedPictureCheck.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace orvanta {

namespace {

using Fitting = PaletteFit::Fitting;
using Outcome = PaletteFit::Outcome;

constexpr QRgb Opaque = 0xFF000000u;

Fitting refusal(Outcome outcome, const QString &message)
{
    Fitting fitting;
    fitting.outcome = outcome;
    fitting.message = message;
    return fitting;
}

struct Match {
    int index = 0;
    int squaredDistance = 0;
};

// The palette entry nearest to `colour` in RGB space; the lower index on a tie.
Match nearest(QRgb colour, const QList<QRgb> &palette)
{
    Match best{0, std::numeric_limits<int>::max()};
    for (qsizetype i = 0; i < palette.size(); ++i) {
        const int red = qRed(colour) - qRed(palette[i]);
        const int green = qGreen(colour) - qGreen(palette[i]);
        const int blue = qBlue(colour) - qBlue(palette[i]);
        const int distance = red * red + green * green + blue * blue;
        if (distance < best.squaredDistance)
            best = {int(i), distance};
    }
    return best;
}

bool hasTransparentPixel(const QImage &argb)
{
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return true;
        }
    }
    return false;
}

// The first pixel of a palette picture whose index has no colour in its table.
std::optional<QPoint> firstIndexPastTable(const QImage &indexed)
{
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar *line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            if (line[x] >= indexed.colorCount())
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

Fitting fitPixels(const QImage &image, const QImage &standard, PaletteFit::Colours colours)
{
    if (image.size() != standard.size())
        return refusal(Outcome::Refused, QString::fromLatin1(TranslatedPictureCheck::SizesMismatch));
    // A pixel whose index has no colour would convert to black (or to
    // transparent) and pass for a colour of the palette.
    if (image.format() == QImage::Format_Indexed8) {
        if (const auto pixel = firstIndexPastTable(image)) {
            return refusal(Outcome::LoadFailed, QString::fromLatin1(PaletteFit::IndexPastTable)
                                                    .arg(pixel->x())
                                                    .arg(pixel->y())
                                                    .arg(image.pixelIndex(*pixel)));
        }
    }
    const bool alpha = image.hasAlphaChannel();
    const QImage rgb = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (alpha && hasTransparentPixel(rgb))
        return refusal(Outcome::Refused, QString::fromLatin1(PaletteFit::Transparent));

    const QList<QRgb> palette = standard.colorTable();
    QHash<QRgb, int> indexOf;
    indexOf.reserve(palette.size());
    for (qsizetype i = 0; i < palette.size(); ++i)
        indexOf.insert(palette[i] | Opaque, int(i));
    QHash<QRgb, Match> nearestOf;

    Fitting fitting;
    QImage fitted(standard.size(), QImage::Format_Indexed8);
    fitted.setColorTable(palette);
    std::array<bool, 256> used{};
    int largestSquared = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *out = fitted.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = in[x] | Opaque;
            int index = indexOf.value(colour, -1);
            if (index < 0) {
                ++fitting.foreignPixels;
                if (fitting.firstForeign.size() < PaletteFit::FirstForeignShown)
                    fitting.firstForeign.append({QPoint(x, y), colour});
                if (colours == PaletteFit::Colours::Exact)
                    continue;
                auto match = nearestOf.constFind(colour);
                if (match == nearestOf.cend())
                    match = nearestOf.insert(colour, nearest(colour, palette));
                index = match->index;
                largestSquared = std::max(largestSquared, match->squaredDistance);
            }
            out[x] = uchar(index);
            used[std::size_t(index)] = true;
        }
    }
    if (colours == PaletteFit::Colours::Exact && fitting.foreignPixels > 0) {
        fitting.outcome = Outcome::ColoursMissing;
        fitting.message = QString::fromLatin1(TranslatedPictureCheck::ColorsMismatch);
        return fitting;
    }
    fitting.outcome = Outcome::Fitted;
    fitting.picture = fitted;
    fitting.coloursUsed = int(std::count(used.begin(), used.end(), true));
    fitting.largestDistance = std::sqrt(double(largestSquared));
    return fitting;
}

Fitting fitData(QByteArrayView file, const QImage &standard, PaletteFit::Colours colours)
{
    // Qt's BMP reader takes a file that ends early and leaves the missing
    // rows undefined; a BMP must be whole, as "Choose translated picture"
    // requires, and gets its messages.
    if (file.startsWith("BM")) {
        if (const auto header = BmpHeader::read(file, {}); !header)
            return refusal(Outcome::LoadFailed, QString::fromStdString(header.error().what));
    }
    QByteArray bytes = QByteArray::fromRawData(file.data(), file.size());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // Most formats give the size in their header: a picture of another size
    // is refused before its pixels are decoded.
    if (const QSize size = reader.size(); size.isValid() && size != standard.size())
        return refusal(Outcome::Refused, QString::fromLatin1(TranslatedPictureCheck::SizesMismatch));
    // A picture of the size and format to come is filled in place, so what
    // a reader skips (the gaps run-length data leaves) is index 0, or black.
    QImage image(reader.size(), reader.imageFormat());
    image.fill(0);
    if (!reader.read(&image))
        return refusal(Outcome::LoadFailed, QString::fromLatin1(PaletteFit::Unreadable).arg(reader.errorString()));
    return fitPixels(image, standard, colours);
}

} // namespace

QString PaletteFit::Fitting::foreignReport() const
{
    // In the window's language when one is installed (kvtool's too).
    QString text = foreignPixels == 1
        ? QCoreApplication::translate("orvanta::PaletteFit", "1 pixel has a colour that is not in the game palette:")
        : QCoreApplication::translate("orvanta::PaletteFit",
                                      "%1 pixels have colours that are not in the game palette:", nullptr,
                                      foreignPixels)
              .arg(foreignPixels);
    for (const ForeignPixel &pixel : firstForeign) {
        text += QStringLiteral("\n  x %1, y %2: #%3")
                    .arg(pixel.position.x())
                    .arg(pixel.position.y())
                    .arg(QString::number(pixel.colour & 0xFFFFFFu, 16).toUpper().rightJustified(6, QLatin1Char('0')));
    }
    if (foreignPixels > firstForeign.size())
        text += QCoreApplication::translate("orvanta::PaletteFit", "\n  and %1 more")
                    .arg(foreignPixels - firstForeign.size());
    return text;
}

PaletteFit::Fitting PaletteFit::fitImage(const QImage &image, const QImage &standard, Colours colours)
{
    return fitPixels(image, standard, colours);
}

PaletteFit::Fitting PaletteFit::fitBytes(QByteArrayView file, const QImage &standard, Colours colours)
{
    return fitData(file, standard, colours);
}

PaletteFit::Fitting PaletteFit::fitFile(const QString &path, const QImage &standard, Colours colours)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refusal(Outcome::LoadFailed, QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(path)));
    return fitData(file.readAll(), standard, colours);
}

} // namespace orvanta

#include "TranslatedPictureCheck.h"

#include "BmpHeader.h"
#include "IndexedBmp.h"

#include <QDir>
#include <QFile>

namespace orvanta {

namespace {

using Refusal = TranslatedPictureCheck::Refusal;

TranslatedPictureCheck::Verdict refuse(Refusal refusal, const char *message)
{
    return {TranslatedPictureCheck::Outcome::Refused, QString::fromLatin1(message), {}, refusal};
}

bool paletteCovers(const std::vector<PaletteEntry> &candidate, const QList<QRgb> &standard)
{
    if (candidate.size() < std::size_t(standard.size()))
        return false;
    for (qsizetype i = 0; i < standard.size(); ++i) {
        const PaletteEntry &e = candidate[std::size_t(i)];
        if (e.red != qRed(standard[i]) || e.green != qGreen(standard[i]) || e.blue != qBlue(standard[i]))
            return false;
    }
    return true;
}

bool pixelsBelow(const QImage &picture, int colourCount)
{
    for (int y = 0; y < picture.height(); ++y) {
        const uchar *line = picture.constScanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            if (line[x] >= colourCount)
                return false;
        }
    }
    return true;
}

} // namespace

TranslatedPictureCheck::Verdict TranslatedPictureCheck::checkFile(const QString &path, const QImage &standard)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Outcome::LoadFailed, QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(path)), {}};
    return check(file.readAll(), standard, path);
}

TranslatedPictureCheck::Verdict TranslatedPictureCheck::check(QByteArrayView file, const QImage &standard,
                                                              const QString &fileName)
{
    if (file.isEmpty())
        return refuse(Refusal::Size, SizesMismatch);
    const auto header = BmpHeader::read(file, fileName.toStdString());
    if (!header)
        return {Outcome::LoadFailed, QString::fromStdString(header.error().what), {}};
    // The pixel data of an 8-bit file is judged before any test, as a loader
    // reads it: data that ends early or would draw outside the picture fails
    // to load, and the row keeps its picture.
    if (header->bitsPerPixel == 8) {
        if (Status readable = IndexedBmp::check(file, *header); !readable)
            return {Outcome::LoadFailed, QString::fromStdString(readable.error().what), {}};
    }

    if (header->width != standard.width() || header->height != standard.height())
        return refuse(Refusal::Size, SizesMismatch);
    // Every standard picture is an uncompressed 8-bit BMP.
    if (header->pixelFormat() != PixelFormat::Bit8)
        return refuse(Refusal::PixelFormat, ColorsMismatch);
    const QList<QRgb> palette = standard.colorTable();
    if (!paletteCovers(header->palette, palette))
        return refuse(Refusal::Palette, PaletteDiffers);
    Result<QImage> decoded = IndexedBmp::decode(file, *header);
    if (!decoded)
        return {Outcome::LoadFailed, QString::fromStdString(decoded.error().what), {}};
    QImage picture = std::move(*decoded);
    if (!pixelsBelow(picture, int(palette.size())))
        return refuse(Refusal::Palette, PaletteDiffers);
    picture.setColorTable(palette);
    return {Outcome::Accepted, {}, picture};
}

} // namespace orvanta

#include "PictureFile.h"

#include "core/LittleEndian.h"

#include <cstring>
#include <string>

namespace orvanta {

QByteArray PictureFile::encode(const QImage &picture)
{
    const int width = picture.width();
    const int height = picture.height();
    std::string out;
    out.reserve(4 + std::size_t(width) * std::size_t(height));
    LittleEndian::append16(out, static_cast<std::uint16_t>(width));
    LittleEndian::append16(out, static_cast<std::uint16_t>(height));
    for (int y = 0; y < height; ++y)
        out.append(reinterpret_cast<const char *>(picture.constScanLine(y)), std::size_t(width));
    return QByteArray::fromStdString(out);
}

std::optional<QImage> PictureFile::decode(QByteArrayView bytes, QSize expected, const QList<QRgb> &palette)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    if (bytes.size() < 4 || LittleEndian::read16(p) != expected.width() || LittleEndian::read16(p + 2) != expected.height()
        || bytes.size() != 4 + qsizetype(expected.width()) * expected.height())
        return std::nullopt;
    QImage picture(expected, QImage::Format_Indexed8);
    picture.setColorTable(palette);
    for (int y = 0; y < expected.height(); ++y) {
        const unsigned char *row = p + 4 + qsizetype(y) * expected.width();
        for (int x = 0; x < expected.width(); ++x) {
            if (row[x] >= palette.size())
                return std::nullopt;
        }
        std::memcpy(picture.scanLine(y), row, std::size_t(expected.width()));
    }
    return picture;
}

} // namespace orvanta

#include "PictureFile.h"

#include "core/LittleEndian.h"

#include <algorithm>
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
    if (!check(bytes, expected, palette.size(), {}).empty())
        return std::nullopt;
    QImage picture(expected, QImage::Format_Indexed8);
    picture.setColorTable(palette);
    for (int y = 0; y < expected.height(); ++y)
        std::memcpy(picture.scanLine(y), bytes.data() + 4 + qsizetype(y) * expected.width(), std::size_t(expected.width()));
    return picture;
}

std::vector<FormatError> PictureFile::check(QByteArrayView bytes, QSize expected, qsizetype colourCount,
                                            const std::string &fileName)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto fail = [&](std::uint64_t offset, const std::string &what) {
        return std::vector<FormatError>{FormatError::at(fileName, offset, what)};
    };
    if (bytes.size() < 4)
        return fail(0, "the file is " + std::to_string(bytes.size()) + " bytes long, too short for its width and height");
    const int width = LittleEndian::read16(p);
    const int height = LittleEndian::read16(p + 2);
    const auto sizeText = [](int w, int h) { return std::to_string(w) + " x " + std::to_string(h); };
    if (width != expected.width() || height != expected.height())
        return fail(0, "the picture is " + sizeText(width, height) + " pixels, but this picture is "
                           + sizeText(expected.width(), expected.height()));
    const qsizetype length = 4 + qsizetype(width) * height;
    if (bytes.size() != length)
        return fail(std::uint64_t(std::min(bytes.size(), length)),
                    "the file is " + std::to_string(bytes.size()) + " bytes long, but a picture of "
                        + sizeText(width, height) + " pixels takes 4 + " + std::to_string(width) + " x "
                        + std::to_string(height) + " = " + std::to_string(length) + " bytes");
    for (qsizetype i = 4; i < length; ++i) {
        if (p[i] >= colourCount) {
            const qsizetype pixel = i - 4;
            return fail(std::uint64_t(i), "pixel (" + std::to_string(pixel % width) + ", " + std::to_string(pixel / width)
                                              + ") has colour index " + std::to_string(p[i]) + ", past the "
                                              + std::to_string(colourCount) + " colours of the game's palette");
        }
    }
    return {};
}

} // namespace orvanta

#include "BmpHeader.h"

#include "core/LittleEndian.h"

#include <algorithm>

namespace orvanta {

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t EntrySize = 4;

bool knownInfoSize(std::uint32_t size)
{
    // The info header, its two bit-field extensions, V4 and V5.
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool knownDepth(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool compressionFits(std::uint32_t compression, int bits, bool topDown)
{
    switch (compression) {
    case BmpHeader::Rgb: return true;
    case BmpHeader::Rle8: return bits == 8 && !topDown;
    case BmpHeader::Rle4: return bits == 4 && !topDown;
    case BmpHeader::BitFields: return bits == 16 || bits == 32;
    default: return false;
    }
}

} // namespace

Result<BmpHeader> BmpHeader::read(QByteArrayView file, const std::string &fileName)
{
    // Each refusal keeps the loader's message and says after it what is
    // wrong, so a translator can tell a cut file from an odd header.
    const auto notValid = [&](const std::string &why) {
        return FormatError::general(fileName, std::string(NotValidMessage) + ": " + why);
    };
    const auto endsIn = [&](const std::string &part) {
        return FormatError::general(fileName, std::string(ReadErrorMessage) + ": the file ends after "
                                                  + std::to_string(file.size()) + " bytes, inside " + part);
    };
    const auto *p = reinterpret_cast<const unsigned char *>(file.data());
    const auto size = static_cast<std::uint64_t>(file.size());

    if (size < 2 || p[0] != 'B' || p[1] != 'M')
        return FormatError::general(fileName, NotValidMessage);
    if (size < FileHeaderSize + 4)
        return endsIn("its file header");
    BmpHeader h;
    h.pixelOffset = LittleEndian::read32(p + 10);
    const std::uint32_t infoSize = LittleEndian::read32(p + FileHeaderSize);
    if (!knownInfoSize(infoSize))
        return notValid("an info header of " + std::to_string(infoSize) + " bytes is none this reader knows");
    if (size < FileHeaderSize + infoSize)
        return endsIn("its " + std::to_string(infoSize) + "-byte info header");

    const unsigned char *info = p + FileHeaderSize;
    const auto width = static_cast<std::int32_t>(LittleEndian::read32(info + 4));
    const auto height = static_cast<std::int32_t>(LittleEndian::read32(info + 8));
    if (width < 0)
        return notValid("the width is " + std::to_string(width) + " pixels");
    if (height == INT32_MIN)
        return notValid("the height is " + std::to_string(height) + " pixels");
    h.width = width;
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    const std::uint16_t planes = LittleEndian::read16(info + 12);
    h.bitsPerPixel = LittleEndian::read16(info + 14);
    h.compression = LittleEndian::read32(info + 16);
    const std::uint32_t sizeImage = LittleEndian::read32(info + 20);
    const std::uint32_t coloursUsed = LittleEndian::read32(info + 32);
    if (planes != 1)
        return notValid(std::to_string(planes) + " colour planes");
    if (!knownDepth(h.bitsPerPixel))
        return notValid(std::to_string(h.bitsPerPixel) + " bits per pixel");
    if (!compressionFits(h.compression, h.bitsPerPixel, h.topDown))
        return notValid("compression " + std::to_string(h.compression) + " with " + std::to_string(h.bitsPerPixel)
                        + " bits per pixel" + (h.topDown ? ", rows stored top row first" : ""));

    std::uint64_t tableStart = FileHeaderSize + infoSize;
    if (h.compression == BitFields) {
        // The masks are part of the longer headers; after a 40-byte header
        // they follow it.
        const unsigned char *masks = info + 40;
        if (infoSize == 40) {
            if (size < tableStart + 12)
                return endsIn("its colour masks");
            tableStart += 12;
        }
        h.hasMasks = true;
        h.redMask = LittleEndian::read32(masks);
        h.greenMask = LittleEndian::read32(masks + 4);
        h.blueMask = LittleEndian::read32(masks + 8);
    }
    if (h.pixelOffset < tableStart)
        return notValid("the pixel data would start at byte " + std::to_string(h.pixelOffset) + ", inside the "
                        + std::to_string(tableStart) + " bytes of headers");

    // Only pictures of up to 8 bits have a colour table that means
    // anything; deeper ones may carry one for display hints, which is skipped.
    if (h.bitsPerPixel <= 8) {
        const std::uint32_t most = 1u << h.bitsPerPixel;
        const std::uint32_t declared = coloursUsed == 0 ? most : coloursUsed;
        if (declared > most)
            return notValid(std::to_string(declared) + " colours in a picture of " + std::to_string(h.bitsPerPixel)
                            + " bits per pixel, which has at most " + std::to_string(most));
        // A table is never taken to run into the pixel data.
        const auto count = static_cast<std::uint32_t>(
            std::min<std::uint64_t>(declared, (h.pixelOffset - tableStart) / EntrySize));
        if (size < tableStart + std::uint64_t(count) * EntrySize)
            return endsIn("its colour table of " + std::to_string(count) + " entries");
        h.palette.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            const unsigned char *e = p + tableStart + std::uint64_t(i) * EntrySize;
            h.palette.push_back({e[2], e[1], e[0], e[3]});
        }
    }

    if (h.compression == Rle8 || h.compression == Rle4) {
        // Run-length data has no length of its own but the header's; without
        // one, it runs to the end of the file.
        if (sizeImage == 0 && size <= h.pixelOffset)
            return FormatError::general(fileName, std::string(ReadErrorMessage) + ": the file ends after "
                                                      + std::to_string(size) + " bytes, before its pixel data at byte "
                                                      + std::to_string(h.pixelOffset));
        h.pixelBytes = sizeImage != 0 ? sizeImage : size - h.pixelOffset;
    } else {
        h.pixelBytes = h.rowStride() * std::uint64_t(h.height);
    }
    if (std::uint64_t(h.pixelOffset) + h.pixelBytes > size) {
        // Absurd dimensions end up here too: they need more bytes than any
        // file holds.
        const std::string picture = h.compression == Rle8 || h.compression == Rle4
            ? "its run-length data, which the header says is " + std::to_string(h.pixelBytes) + " bytes long"
            : "its pixel data: " + std::to_string(h.width) + " x " + std::to_string(h.height) + " pixels of "
                + std::to_string(h.bitsPerPixel) + " bits need " + std::to_string(h.pixelBytes) + " bytes from byte "
                + std::to_string(h.pixelOffset) + " on";
        return endsIn(picture);
    }
    return h;
}

PixelFormat BmpHeader::pixelFormat() const
{
    switch (bitsPerPixel) {
    case 1: return PixelFormat::Bit1;
    case 4: return PixelFormat::Bit4;
    case 8: return PixelFormat::Bit8;
    case 16:
        if (!hasMasks)
            return PixelFormat::Bit15;
        return greenMask == 0x7E0 ? PixelFormat::Bit16 : PixelFormat::Custom;
    case 24: return PixelFormat::Bit24;
    case 32: return hasMasks ? PixelFormat::Custom : PixelFormat::Bit32;
    default: return PixelFormat::Custom;
    }
}

} // namespace orvanta

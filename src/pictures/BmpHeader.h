#pragma once

#include "core/Result.h"

#include <QByteArrayView>

#include <cstdint>
#include <string>
#include <vector>

namespace orvanta {

// What a BMP file's header says its pixels are. A loaded QImage no longer
// tells these apart, so the class is worked out from the file itself.
enum class PixelFormat {
    Device, // never for a picture read from a file
    Bit1,
    Bit4,
    Bit8,
    Bit15,  // 16 bits per pixel without colour masks
    Bit16,  // 16 bits per pixel whose green mask is 0x7E0
    Bit24,
    Bit32,  // 32 bits per pixel without colour masks
    Custom, // other masks, other depths
};

// One colour-table entry as the file stores it; `flags` is its fourth byte.
struct PaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;

    bool operator==(const PaletteEntry &) const = default;
};

// The headers and colour table of a BMP file, read and checked against the
// file's length. Knows the 40-byte info header and its longer successors (up
// to V5, which some editors write); compression may be none, RLE8, RLE4 or
// bit fields. The old 12-byte OS/2 header is not a BMP this reader takes,
// nor a header that gives other than one colour plane.
//
// Errors carry the messages a translator knows from image loaders:
// "Bitmap image is not valid" when the file is not a BMP this reader
// understands, "Stream read error" when it ends before its headers, colour
// table or pixel data are complete. Unless the file does not even start
// with "BM", the message goes on after a colon with what is wrong ("...:
// the file ends after 600 bytes, inside its colour table of 255 entries").
class BmpHeader {
public:
    static constexpr const char *NotValidMessage = "Bitmap image is not valid";
    static constexpr const char *ReadErrorMessage = "Stream read error";

    enum Compression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

    // `file` is the whole file; `fileName` only names it in errors. An empty
    // file is not a BMP; callers that treat it as an empty picture check
    // for that first.
    static Result<BmpHeader> read(QByteArrayView file, const std::string &fileName);

    int width = 0;
    int height = 0;        // always positive; see topDown
    bool topDown = false;  // rows stored top row first
    int bitsPerPixel = 0;
    std::uint32_t compression = Rgb;
    bool hasMasks = false; // colour masks given (bit fields)
    std::uint32_t redMask = 0;
    std::uint32_t greenMask = 0;
    std::uint32_t blueMask = 0;
    std::vector<PaletteEntry> palette;
    std::uint32_t pixelOffset = 0; // where the pixel data starts in the file
    std::uint64_t pixelBytes = 0;  // how much of the file it takes

    PixelFormat pixelFormat() const;

    // Bytes of one uncompressed pixel row, padded to a multiple of four.
    std::uint64_t rowStride() const { return ((std::uint64_t(width) * std::uint64_t(bitsPerPixel) + 31) / 32) * 4; }
};

} // namespace orvanta

#pragma once

#include <cstdint>
#include <string>

namespace orvanta {

// Unaligned little-endian integers as every kit file stores them.
struct LittleEndian {
    static std::uint32_t read32(const unsigned char *p)
    {
        return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
            | std::uint32_t(p[3]) << 24;
    }
    static std::uint16_t read16(const unsigned char *p)
    {
        return static_cast<std::uint16_t>(p[0] | p[1] << 8);
    }
    static void append32(std::string &out, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    static void append16(std::string &out, std::uint16_t v)
    {
        out.push_back(static_cast<char>(v & 0xFF));
        out.push_back(static_cast<char>(v >> 8));
    }
};

} // namespace orvanta

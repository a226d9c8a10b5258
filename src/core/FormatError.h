#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvanta {

// A problem found in a file the kit reads or writes: which file, where in it
// (a byte offset, a record/row number when that says more, or a line of a
// text file), and what.
// The core never shows errors; it hands these to the UI or kvtool.
struct FormatError {
    enum class Place { None, ByteOffset, Record, Row, Line };

    std::string file;
    std::string what;
    Place place = Place::None;
    std::uint64_t where = 0;

    static FormatError at(std::string file, std::uint64_t offset, std::string what);
    static FormatError inRecord(std::string file, std::uint64_t record, std::string what);
    static FormatError inRow(std::string file, std::uint64_t row, std::string what);
    static FormatError onLine(std::string file, std::uint64_t line, std::string what);
    static FormatError general(std::string file, std::string what);

    // One line: "FILE: at byte N: WHAT" (or "record N", "row N", "line N", or
    // no place).
    std::string text() const;
};

} // namespace orvanta

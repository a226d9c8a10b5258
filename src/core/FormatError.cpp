#include "FormatError.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace orvanta {

FormatError FormatError::at(std::string file, std::uint64_t offset, std::string what)
{
    return {std::move(file), std::move(what), Place::ByteOffset, offset, Kind::Damaged, {}};
}

FormatError FormatError::inRecord(std::string file, std::uint64_t record, std::string what)
{
    return {std::move(file), std::move(what), Place::Record, record, Kind::Damaged, {}};
}

FormatError FormatError::inRow(std::string file, std::uint64_t row, std::string what)
{
    return {std::move(file), std::move(what), Place::Row, row, Kind::Damaged, {}};
}

FormatError FormatError::onLine(std::string file, std::uint64_t line, std::string what)
{
    return {std::move(file), std::move(what), Place::Line, line, Kind::Damaged, {}};
}

FormatError FormatError::general(std::string file, std::string what)
{
    return {std::move(file), std::move(what), Place::None, 0, Kind::Damaged, {}};
}

FormatError FormatError::withKind(Kind kind) &&
{
    this->kind = kind;
    return std::move(*this);
}

std::string FormatError::text() const
{
    // The file as the system writes paths ("C:\Games\lang.dat" on Windows),
    // whichever separators the parts it was made of had.
    std::string shown = file;
    if constexpr (std::filesystem::path::preferred_separator != '/')
        std::replace(shown.begin(), shown.end(), '/', char(std::filesystem::path::preferred_separator));
    std::string out = shown.empty() ? std::string() : shown + ": ";
    switch (place) {
    case Place::ByteOffset: out += "at byte " + std::to_string(where) + ": "; break;
    case Place::Record: out += "record " + std::to_string(where) + ": "; break;
    case Place::Row: out += "row " + std::to_string(where) + ": "; break;
    case Place::Line: out += "line " + std::to_string(where) + ": "; break;
    case Place::None: break;
    }
    return out + what;
}

} // namespace orvanta

#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvanta {

// A problem found in a file the kit reads or writes: which file, where in it
// (a byte offset, a record/row number when that says more, or a line of a
// text file), what, and what kind of problem it is: code that treats one
// kind otherwise asks `kind`, never the wording.
// The core never shows errors; it hands these to the UI or kvtool.
struct FormatError {
    enum class Place { None, ByteOffset, Record, Row, Line };
    enum class Kind {
        Damaged,       // what the file holds is wrong, or it cannot be read (the default)
        CutShort,      // an archive entry runs past the file's end; its start is read
        NoSourceTexts, // the kit has no source texts to work on
        Unwritable,    // the file cannot be written; `cause` is the system's reason
        Held,          // another save of the kit holds its save lock
        OpenInWindow,  // the kit is open in a window; `cause` names the window
        Unfinished,    // a save put its first files in place, not the rest; its journal finishes it
        SourcesShifted, // kvmain.dat's sources are not those lang.dat's translations were saved against
    };

    std::string file;
    std::string what;
    Place place = Place::None;
    std::uint64_t where = 0;
    Kind kind = Kind::Damaged;
    std::string cause; // Unwritable: the system's reason, as `what` ends; OpenInWindow: the window

    // This error, of kind `kind`.
    FormatError withKind(Kind kind) &&;

    static FormatError at(std::string file, std::uint64_t offset, std::string what);
    static FormatError inRecord(std::string file, std::uint64_t record, std::string what);
    static FormatError inRow(std::string file, std::uint64_t row, std::string what);
    static FormatError onLine(std::string file, std::uint64_t line, std::string what);
    static FormatError general(std::string file, std::string what);

    // One line: "FILE: at byte N: WHAT" (or "record N", "row N", "line N", or
    // no place), FILE with the system's separators.
    std::string text() const;
};

} // namespace orvanta

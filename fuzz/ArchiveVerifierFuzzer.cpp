// libFuzzer harness: arbitrary bytes as the archive given to kvtool verify.
// Whatever the bytes, each finding is one line.
#include "kit/ArchiveVerifier.h"

#include <cstddef>
#include <cstdint>
#include <sstream>

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char *>(data), size));
    for (const FormatError &finding : ArchiveVerifier::verify(in, size, "lang.dat"))
        if (finding.text().find_first_of("\r\n") != std::string::npos)
            __builtin_trap();
    return 0;
}

#include "ArchiveEntry.h"

namespace orvanta {

std::string ArchiveEntry::upperName(std::string_view name)
{
    std::string upper(name);
    for (char &c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

} // namespace orvanta

#include "StreamRead.h"

namespace orvanta {

std::size_t StreamRead::at(std::istream &in, std::uint64_t offset, char *buffer, std::size_t count)
{
    in.clear();
    if (!in.seekg(static_cast<std::streamoff>(offset)))
        return 0;
    in.read(buffer, static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(in.gcount());
}

} // namespace orvanta

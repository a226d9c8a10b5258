#include "ByteLines.h"

#include <QIODevice>

#include <cstring>

namespace orvanta {

namespace {

constexpr qsizetype BlockSize = qsizetype(1) << 20;

} // namespace

ByteLines::ByteLines(QIODevice &device, Ends ends) : m_device(device), m_ends(ends)
{
}

// Moves what is left of the block to its start and reads the next block
// behind it; false when nothing more came.
bool ByteLines::fill()
{
    if (m_atEnd)
        return false;
    const qsizetype kept = m_block.size() - m_pos;
    if (m_pos > 0) {
        std::memmove(m_block.data(), m_block.constData() + m_pos, std::size_t(kept));
        m_pos = 0;
    }
    m_block.resize(kept + BlockSize);
    const qint64 got = m_device.read(m_block.data() + kept, BlockSize);
    m_failed = got < 0;
    m_atEnd = got <= 0;
    m_block.resize(kept + (got > 0 ? got : 0));
    return got > 0;
}

bool ByteLines::next(QByteArrayView &line)
{
    qsizetype scanned = m_pos;
    for (;;) {
        const char *start = m_block.constData() + scanned;
        const qsizetype left = m_block.size() - scanned;
        const char *end = nullptr;
        if (m_ends == Ends::LineFeed) {
            end = static_cast<const char *>(std::memchr(start, '\n', std::size_t(left)));
        } else {
            for (const char *c = start; c < start + left; ++c) {
                if (*c == '\n' || *c == '\r') {
                    end = c;
                    break;
                }
            }
        }
        if (end) {
            qsizetype after = end - m_block.constData() + 1;
            if (*end == '\r') {
                // A CR last in the block may be the first half of a CR LF.
                if (after == m_block.size() && !m_atEnd) {
                    const qsizetype offset = scanned - m_pos;
                    fill();
                    scanned = m_pos + offset;
                    continue;
                }
                if (after < m_block.size() && m_block[after] == '\n')
                    ++after;
            }
            line = QByteArrayView(m_block.constData() + m_pos, after - m_pos);
            m_pos = after;
            return true;
        }
        const qsizetype offset = m_block.size() - m_pos;
        if (!fill()) {
            if (m_pos == m_block.size())
                return false;
            line = QByteArrayView(m_block.constData() + m_pos, m_block.size() - m_pos);
            m_pos = m_block.size();
            return true;
        }
        scanned = m_pos + offset;
    }
}

qsizetype ByteLines::endLength(QByteArrayView line)
{
    if (line.endsWith("\r\n"))
        return 2;
    return line.endsWith('\n') || line.endsWith('\r') ? 1 : 0;
}

} // namespace orvanta

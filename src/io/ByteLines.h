#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;

namespace orvanta {

// The lines of a file, read from a device a block at a time, so that a
// reader of a file of hundreds of megabytes holds no more of it than the
// line it is at (and the block around it). Each line is given with its
// line end: an LF, and where `ends` says so a CR LF or a CR alone (a CR
// LF split across two blocks still counts once). A line is valid until
// the next call.
class ByteLines {
public:
    enum class Ends { LineFeed, AnyBreak };

    ByteLines(QIODevice &device, Ends ends);

    // The next line, or false at the end of the file (or when reading fails:
    // then failed() says so).
    bool next(QByteArrayView &line);
    bool failed() const { return m_failed; }

    // Bytes `line` has after its text: 0 (the file's last line), 1 or 2.
    static qsizetype endLength(QByteArrayView line);

private:
    bool fill();

    QIODevice &m_device;
    Ends m_ends;
    QByteArray m_block;
    qsizetype m_pos = 0;
    bool m_atEnd = false;
    bool m_failed = false;
};

} // namespace orvanta

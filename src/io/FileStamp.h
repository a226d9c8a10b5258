#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace orvanta {

// What a file is at one moment, as far as telling it was replaced or
// changed goes: whether it exists, its length, its modification time to the
// nanosecond where the system keeps it, and which file of its file system
// it is (every save puts a new file in the old one's place, so the number
// changes even when length and time would not). Two stamps are equal when
// nothing suggests the file changed between them.
class FileStamp {
public:
    static FileStamp of(const QString &path);

    bool exists() const { return m_exists; }

    // The stamp as one word of printable ASCII, for a file that remembers
    // it ("none" for a file that does not exist), and read back from that;
    // nothing when `text` is not one.
    QByteArray toText() const;
    static std::optional<FileStamp> fromText(QByteArrayView text);

    bool operator==(const FileStamp &) const = default;

private:
    bool m_exists = false;
    qint64 m_size = 0;
    qint64 m_modified = 0; // nanoseconds since the epoch
    quint64 m_device = 0;
    quint64 m_file = 0;    // the file's number on its device
};

} // namespace orvanta

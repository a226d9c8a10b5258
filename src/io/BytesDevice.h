#pragma once

#include <QBuffer>
#include <QByteArrayView>

namespace orvanta {

// Bytes in memory as a device open for reading, in place (not copied), for
// readers that take a file a block at a time. The bytes must outlive it.
class BytesDevice : public QBuffer {
public:
    explicit BytesDevice(QByteArrayView bytes);
};

} // namespace orvanta

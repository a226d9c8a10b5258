#include "BytesDevice.h"

namespace orvanta {

BytesDevice::BytesDevice(QByteArrayView bytes)
{
    setData(QByteArray::fromRawData(bytes.data(), bytes.size()));
    open(QIODevice::ReadOnly);
}

} // namespace orvanta

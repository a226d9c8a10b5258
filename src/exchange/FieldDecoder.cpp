#include "FieldDecoder.h"

namespace orvanta {

FieldDecoder::FieldDecoder(const char *charset)
    : m_decoder(charset, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom)
{
}

QString FieldDecoder::decode(QByteArrayView bytes)
{
    m_decoder.resetState();
    QString text = m_decoder.decode(bytes);
    m_failed = m_failed || m_decoder.hasError();
    // The decoder takes room for a character per byte: twice what letters
    // of two bytes each need.
    if (text.capacity() > text.size() + text.size() / 4)
        text.squeeze();
    return text;
}

} // namespace orvanta

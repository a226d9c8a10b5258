#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

namespace orvanta {

// Decodes the texts of a translators' file one field at a time, each on its
// own (a U+FEFF at a field's start is kept: only the file may start with a
// byte order mark), into strings that take no more room than their text:
// a file of hundreds of megabytes becomes that many texts at once.
class FieldDecoder {
public:
    // `charset` as Qt names it ("UTF-8", "ISO-8859-5").
    explicit FieldDecoder(const char *charset);

    bool isValid() const { return m_decoder.isValid(); }
    QString decode(QByteArrayView bytes);
    // Whether any field so far was not text in the charset.
    bool hasError() const { return m_failed; }

private:
    QStringDecoder m_decoder;
    bool m_failed = false;
};

} // namespace orvanta

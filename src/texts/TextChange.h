#pragma once

#include <QByteArray>

namespace orvanta {

// One record's new text, as bytes in the code page: what an import computes,
// an edit or a command stores, and an undo puts back.
struct TextChange {
    int row; // the record, counted from 0
    QByteArray text;
};

} // namespace orvanta

#pragma once

#include "core/FormatError.h"

#include <QString>

namespace orvanta {

// What the window says when a save fails, and before it closes on work that
// no save has packed.
class SaveFailureText {
public:
    static QString describe(const FormatError &error);
    static QString unsavedWorkQuestion();
};

} // namespace orvanta

#pragma once

#include "core/FormatError.h"

#include <QString>

#include <vector>

namespace orvanta {

// The start-up warning about damaged archives, in the translator's terms.
class ArchiveProblemsText {
public:
    static QString describe(const std::vector<FormatError> &problems);
};

} // namespace orvanta

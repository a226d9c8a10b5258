#pragma once

#include "core/FormatError.h"

#include <QString>

#include <vector>

namespace orvanta {

class PictureSlots;
class RememberedSources;
class TextTable;

// Reads the translator's work from a kit folder, as the kit does at
// start-up: the texts of "kvtexts.dat" and "texts.dat" and the translated
// pictures, from "lang.dat" and "kvmain.dat". The archives are open only
// while this runs. The window, kvtool texts export and kvtool compile all
// load through here, so they see the same work.
class KitLoader {
public:
    // Returns what was found damaged in either archive, and a problem when
    // no source text could be read (kvmain.dat missing, damaged or empty),
    // which leaves the kit nothing to show or save. A missing "lang.dat" is
    // no problem.
    static std::vector<FormatError> load(const QString &directory, TextTable &texts, PictureSlots &pictures);

    // The texts as the last save left them: each of the `remembered`
    // sources with its translation from "lang.dat", paired as load() pairs
    // them (for when "kvmain.dat" holds other sources now).
    static TextTable savedTexts(const QString &directory, const RememberedSources &remembered);
};

} // namespace orvanta

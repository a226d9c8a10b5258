#pragma once

#include <QString>

#include <optional>

namespace orvanta {

// How much wider than its original the `wider` check lets a translation be
// drawn before it warns: a number of pixels, or a percent of the original's
// width. The translator sets it for the kit (KitSettings); none allows
// nothing wider.
struct WiderAllowance {
    enum class Unit { Pixels, Percent };

    // The most a setting allows, in either unit.
    static constexpr int Most = 1000;

    int amount = 0;
    Unit unit = Unit::Pixels;

    // The width allowed for an original `originalWidth` pixels wide (the
    // percent rounded down).
    int allowedWidth(int originalWidth) const;

    // As the settings file holds it: "4px" or "10%".
    QString text() const;
    // The settings' form read back; nothing for any other text or an
    // amount past Most.
    static std::optional<WiderAllowance> fromText(const QString &text);

    bool operator==(const WiderAllowance &) const = default;
};

} // namespace orvanta

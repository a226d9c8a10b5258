#pragma once

#include <QFont>

namespace orvanta {

// The window's text font: a sans serif 11 pixels high, the look of the
// 8-point "MS Sans Serif" the window was laid out for. Pixel-sized, so the
// layout is the same at any screen resolution.
class WindowFont {
public:
    static QFont regular();
    static QFont bold();
};

} // namespace orvanta

#pragma once

namespace orvanta {

// The system's own form of what the kit's window asks of Qt's platform
// before the application object is made. PlatformDisplayPosix.cpp holds
// the Linux form, PlatformDisplayWindows.cpp the Windows one.
class PlatformDisplay {
public:
    // Chooses the platform's options for the window where Qt's defaults
    // draw text badly. On Windows: Qt's FreeType font engine, which draws
    // every glyph whole; its default GDI engine sizes each glyph's picture
    // from GDI's glyph metrics, and where those lie a column off the pixels
    // GDI draws (under Wine, Arial 8) the I and ! of the window's texts are
    // cut away. A platform the user names (QT_QPA_PLATFORM) is left as it
    // is. On Linux nothing.
    static void chooseWindowPlatform();
};

} // namespace orvanta

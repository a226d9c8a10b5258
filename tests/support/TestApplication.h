#pragma once

#include <QString>

#include <gtest/gtest.h>

// The faces the tests' pictures and widths are made with, wherever they run.
// On Linux Debian's font configuration already draws Windows' core fonts
// with the Liberation faces; Windows under Wine has neither those fonts nor
// such a configuration, so there the same faces are put in their place (a
// Windows with the core fonts themselves draws with them and never reaches
// the substitutes). Call after the application object is made.
void useTestFonts();

// A test program's main: every test inside one application object of type
// App (QGuiApplication, or QApplication for the window's tests), on the
// offscreen platform unless a display is asked for, with the test fonts;
// `started` runs once the application stands.
template <typename App>
int runTests(int argc, char **argv, void (*started)() = nullptr)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    App::setApplicationName(QStringLiteral("Orvanta Localization Kit"));
    useTestFonts();
    if (started)
        started();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

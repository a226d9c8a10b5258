// The main of the window's tests: one QApplication, on the offscreen
// platform unless a display is asked for.
#include "TestFonts.h"

#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanta Localization Kit"));
    useTestFonts();
#ifdef Q_OS_WIN
    // The widgets as the Linux offscreen platform draws them: Windows'
    // offscreen platform has no widget font and falls back to a 12-point face.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

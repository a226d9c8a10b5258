// Every test executable runs inside one QApplication, on the offscreen
// platform unless a display is asked for.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanta Localization Kit"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
